// The sign-on sheet: one column per coming play day, one row per active player.

#include "base/formatteer.h"
#include "data/speler.h"
#include "publish/csvbestand.h"
#include "publish/csvexport.h"

#include <algorithm>
#include <ctime>

namespace {

constexpr std::time_t kDag = 86400;
constexpr std::time_t kWeek = 7 * kDag;

bool Datum(std::time_t tijd, CDatum& datum) {
    std::tm tm{};
    if (!::localtime_r(&tijd, &tm)) {
        return false;
    }
    datum = {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
    return true;
}

// The week bit of a day of the month: 1 for days 1-7 up to 16 for days 29-31.
int WeekBit(int dag) {
    return 1 << ((dag - 1) / 7);
}

int AantalKolommen(const CLijstParameters& parameters) {
    return std::clamp(parameters.aantalKolommen, 0, kMaxKolommen);
}

} // namespace

std::vector<CDatum> InschrijfDatums(const CDatum& eerste, const CLijstParameters& parameters) {
    std::vector<CDatum> datums;
    const int kolommen = AantalKolommen(parameters);
    const int weken = parameters.weekNummers & 31; // other bits name no week
    if (kolommen == 0 || (parameters.methode != 1 && weken == 0)) {
        return datums;
    }
    std::tm tm{};
    tm.tm_mday = eerste.dag;
    tm.tm_mon = eerste.maand - 1;
    tm.tm_year = eerste.jaar - 1900;
    tm.tm_hour = 1;
    tm.tm_min = 1;
    tm.tm_sec = 1;
    tm.tm_isdst = -1; // the local rules decide about daylight-saving time
    std::time_t tijd = std::mktime(&tm);
    if (tijd == static_cast<std::time_t>(-1)) {
        return datums;
    }
    const std::time_t stap = parameters.methode == 1 ? parameters.aantalDagen * kDag : kWeek;
    CDatum datum{};
    while (static_cast<int>(datums.size()) < kolommen && Datum(tijd, datum)) {
        if (parameters.methode == 1 || (WeekBit(datum.dag) & weken) != 0) {
            datums.push_back(datum);
        }
        tijd += stap;
    }
    return datums;
}

int ExporteerInschrijflijst(const CSpelers& spelers, const CDatum& eerste,
                            const CLijstParameters& parameters, const std::string& pad) {
    CTekstBestand bestand;
    if (!OpenCsvBestand(bestand, pad)) {
        return -1;
    }
    bestand.Schrijf("\n\nAan-/afmeldingen\n\n");
    bestand.Schrijf("Naam;");
    for (const CDatum& d : InschrijfDatums(eerste, parameters)) {
        bestand.Schrijf(Formatteer("%d-%d-%d;", d.dag, d.maand, d.jaar));
    }
    bestand.Schrijf("\n\n");

    std::vector<const CSpeler*> aktieven;
    for (const CSpeler& speler : spelers) {
        if (speler.aktief > 0) {
            aktieven.push_back(&speler);
        }
    }
    // By byte value: every upper-case letter before every lower-case one.
    std::stable_sort(aktieven.begin(), aktieven.end(),
                     [](const CSpeler* a, const CSpeler* b) { return a->naam < b->naam; });
    const int kolommen = AantalKolommen(parameters);
    for (const CSpeler* speler : aktieven) {
        std::string regel = speler->naam + ";";
        for (int k = 0; k < kolommen; ++k) {
            regel += speler->standaardIndelen > 0 ? "+;" : "-;";
        }
        bestand.Schrijf(regel + "\n");
    }
    return SluitCsvBestand(bestand, pad);
}
