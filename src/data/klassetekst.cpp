#include "data/klassetekst.h"

#include "base/formatteer.h"
#include "base/witruimte.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace {

// A run of decimal digits at `p` within the 32-bit range, moving `p` past it.
bool Cijfers(const char*& p, int64_t& waarde) {
    const char* begin = p;
    waarde = 0;
    while (IsCijfer(*p)) {
        waarde = waarde * 10 + (*p - '0');
        if (waarde > std::numeric_limits<int32_t>::max()) {
            return false;
        }
        ++p;
    }
    return p != begin;
}

// `p` begins with `woord` (lower case), ignoring the case of A-Z, not followed by a letter.
bool Woord(const char*& p, const char* woord) {
    const char* q = p;
    for (; *woord; ++woord, ++q) {
        if (std::tolower(static_cast<unsigned char>(*q)) != *woord) {
            return false;
        }
    }
    if (std::isalpha(static_cast<unsigned char>(*q))) {
        return false;
    }
    p = q;
    return true;
}

void SlaScheidingOver(const char*& p) {
    while (*p == ' ' || *p == ',') {
        ++p;
    }
}

// The whole class (not in tenths) of `rang` dan or kyu: the strong half, and
// the weak half one class above it.
int64_t SterkeKlasse(int64_t rang, bool dan) {
    return dan ? 20 - 2 * rang : 18 + 2 * rang;
}

std::optional<int32_t> Geldig(int64_t tienden) {
    if (tienden < 1 || tienden > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(tienden);
}

} // namespace

std::string KlasseTekst(int32_t klasse) {
    int32_t c = klasse / 10;
    bool dan = c < 20;
    int32_t rang = dan ? (19 - c) / 2 + 1 : (c - 20) / 2 + 1;
    const char* sterkte = (c % 2 != 0) ? "zwak" : "sterk";
    return Formatteer("%d %s, %s", rang, dan ? "dan" : "kyu", sterkte);
}

std::string KlasseMetKomma(int32_t klasse) {
    int64_t waarde = klasse;
    std::string teken = waarde < 0 ? "-" : "";
    if (waarde < 0) {
        waarde = -waarde;
    }
    return teken + std::to_string(waarde / 10) + "," + std::to_string(waarde % 10);
}

std::optional<int32_t> LeesKlasse(const std::string& tekst) {
    std::string schoon = tekst;
    NormaliseerWitruimte(schoon);
    const char* p = schoon.c_str();
    int64_t getal = 0;
    if (!Cijfers(p, getal)) {
        return std::nullopt;
    }
    if (*p == '\0') {
        return Geldig(getal); // tenths
    }
    if ((*p == ',' || *p == '.') && IsCijfer(p[1])) {
        // One decimal; a spreadsheet may add zeros after it ("12,50").
        const int64_t tiende = p[1] - '0';
        for (p += 2; *p == '0'; ++p) {
        }
        return *p == '\0' ? Geldig(getal * 10 + tiende) : std::nullopt;
    }
    if (*p == ' ') {
        ++p;
    }
    bool dan = false;
    if (Woord(p, "dan") || Woord(p, "d")) {
        dan = true;
    } else if (!Woord(p, "kyu") && !Woord(p, "k")) {
        return std::nullopt;
    }
    if (getal < 1 || getal > 1000) {
        return std::nullopt;
    }
    int64_t klasse = SterkeKlasse(getal, dan) + 1; // the middle of the grade
    SlaScheidingOver(p);
    if (Woord(p, "sterk")) {
        klasse = SterkeKlasse(getal, dan);
    } else if (Woord(p, "zwak")) {
        klasse = SterkeKlasse(getal, dan) + 1;
    }
    if (*p != '\0') {
        return std::nullopt;
    }
    return Geldig(klasse * 10);
}
