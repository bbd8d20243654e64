#include "data/klassetekst.h"

#include "base/formatteer.h"

std::string KlasseTekst(int32_t klasse) {
    int32_t c = klasse / 10;
    bool dan = c < 20;
    int32_t rang = dan ? (19 - c) / 2 + 1 : (c - 20) / 2 + 1;
    const char* sterkte = (c % 2 != 0) ? "zwak" : "sterk";
    return Formatteer("%d %s, %s", rang, dan ? "dan" : "kyu", sterkte);
}
