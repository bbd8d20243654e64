#include "base/datum.h"

#include "base/formatteer.h"

#include <ctime>

namespace {

// Reads one run of at most `maxCijfers` digits; false when there is none.
bool LeesCijfers(const char*& p, int maxCijfers, int& getal) {
    getal = 0;
    int cijfers = 0;
    while (*p >= '0' && *p <= '9' && cijfers < maxCijfers) {
        getal = getal * 10 + (*p++ - '0');
        ++cijfers;
    }
    return cijfers > 0;
}

// Exactly `aantal` digits; false otherwise.
bool LeesVasteCijfers(const char*& p, int aantal, int& getal) {
    const char* begin = p;
    return LeesCijfers(p, aantal, getal) && p - begin == aantal;
}

bool IsGeldigeDatum(const CDatum& d) {
    return d.jaar >= 1 && d.jaar <= 9999 && d.maand >= 1 && d.maand <= 12 && d.dag >= 1 &&
           d.dag <= DagenInMaand(d.maand, d.jaar);
}

} // namespace

const char* const kMaandNamen[12] = {"januari",   "februari", "maart",    "april",
                                     "mei",       "juni",     "juli",     "augustus",
                                     "september", "oktober",  "november", "december"};

bool IsSchrikkeljaar(int jaar) {
    return (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
}

int DagenInMaand(int maand, int jaar) {
    static const int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDagen[maand - 1] + (maand == 2 && IsSchrikkeljaar(jaar) ? 1 : 0);
}

int WeekdagNummer(const CDatum& datum) {
    static const int kVerschuiving[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int jaar = datum.maand < 3 ? datum.jaar - 1 : datum.jaar;
    return (jaar + jaar / 4 - jaar / 100 + jaar / 400 + kVerschuiving[datum.maand - 1] +
            datum.dag) %
           7;
}

CDatum VandaagLokaal() {
    std::time_t nu = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&nu, &tm);
    return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

CTijdstip NuLokaal() {
    std::time_t nu = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&nu, &tm);
    return {{tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900}, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string DagEnMaand(const CDatum& datum) {
    const char* maand = datum.maand >= 1 && datum.maand <= 12 ? kMaandNamen[datum.maand - 1] : "?";
    return Formatteer("%d %s", datum.dag, maand);
}

std::string TijdstipTekst(const CTijdstip& t) {
    return Formatteer("%s %d %02d:%02d", DagEnMaand(t.datum).c_str(), t.datum.jaar, t.uur,
                      t.minuut);
}

std::string TijdstipVoorBestand(const CTijdstip& t) {
    return Formatteer("%04d-%02d-%02d %02d:%02d:%02d", t.datum.jaar, t.datum.maand, t.datum.dag,
                      t.uur, t.minuut, t.seconde);
}

std::optional<CTijdstip> LeesTijdstip(const std::string& tekst) {
    CTijdstip t{};
    const char* p = tekst.c_str();
    if (!LeesVasteCijfers(p, 4, t.datum.jaar) || *p++ != '-' ||
        !LeesVasteCijfers(p, 2, t.datum.maand) || *p++ != '-' ||
        !LeesVasteCijfers(p, 2, t.datum.dag) || *p++ != ' ' || !LeesVasteCijfers(p, 2, t.uur) ||
        *p++ != ':' || !LeesVasteCijfers(p, 2, t.minuut) || *p++ != ':' ||
        !LeesVasteCijfers(p, 2, t.seconde) || p != tekst.c_str() + tekst.size()) {
        return std::nullopt;
    }
    if (!IsGeldigeDatum(t.datum) || t.uur > 23 || t.minuut > 59 || t.seconde > 59) {
        return std::nullopt;
    }
    return t;
}

std::optional<CDatum> LeesDatum(const std::string& tekst) {
    CDatum datum{};
    const char* p = tekst.c_str();
    if (!LeesCijfers(p, 2, datum.dag) || *p++ != '-' || !LeesCijfers(p, 2, datum.maand) ||
        *p++ != '-' || !LeesCijfers(p, 4, datum.jaar) || *p != '\0') {
        return std::nullopt;
    }
    if (datum.jaar < 1970 || datum.maand < 1 || datum.maand > 12 || datum.dag < 1 ||
        datum.dag > DagenInMaand(datum.maand, datum.jaar)) {
        return std::nullopt;
    }
    return datum;
}
