#include "base/getal.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/witruimte.h"

#include <limits>

namespace {
constexpr int64_t kGrootste = std::numeric_limits<int32_t>::max();
} // namespace

bool LeesGetal(const char*& p, int32_t& waarde) {
    int64_t getal = 0;
    bool past = true;
    for (; IsCijfer(*p); ++p) {
        getal = getal * 10 + (*p - '0');
        if (getal > kGrootste) {
            getal = kGrootste;
            past = false;
        }
    }
    waarde = static_cast<int32_t>(getal);
    return past;
}

void MeldTeGrootGetal(const char* operatie, const std::string& regel) {
    std::string zonderEinde = regel.substr(0, regel.find_last_not_of("\r\n") + 1);
    Meld(Formatteer("%s\nEen getal in regel '%s' is te groot; het is op %lld gezet.", operatie,
                    zonderEinde.c_str(), static_cast<long long>(kGrootste)));
}

int32_t EersteGetal(const std::string& tekst) {
    const char* p = tekst.c_str();
    while (*p && !IsCijfer(*p)) {
        ++p;
    }
    int32_t waarde = 0;
    LeesGetal(p, waarde);
    return waarde;
}

int32_t VeldGetal(const std::string& tekst) {
    const char* p = tekst.c_str();
    SlaWitruimteOver(p);
    bool negatief = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
    }
    int32_t waarde = 0;
    LeesGetal(p, waarde);
    return negatief ? -waarde : waarde;
}

bool LeesGeheelGetal(const std::string& woord, int32_t& waarde) {
    const char* p = woord.c_str();
    bool negatief = *p == '-';
    if (negatief) {
        ++p;
    }
    if (!IsCijfer(*p)) {
        return false;
    }
    int64_t getal = 0;
    for (; IsCijfer(*p); ++p) {
        getal = getal * 10 + (*p - '0');
        if (getal > kGrootste + 1) {
            return false;
        }
    }
    getal = negatief ? -getal : getal;
    if (*p != '\0' || getal > kGrootste) {
        return false;
    }
    waarde = static_cast<int32_t>(getal);
    return true;
}
