// The class history: the class of every active player after each round.

#include "data/ronde.h"
#include "data/speler.h"
#include "publish/csvbestand.h"
#include "publish/csvexport.h"
#include "rating/standberekening.h"

#include <vector>

namespace {

// A class in tenths with a decimal comma: 125 gives "12,5", -5 gives "-0,5".
std::string KlasseMetKomma(int32_t klasse) {
    int64_t waarde = klasse;
    std::string teken = waarde < 0 ? "-" : "";
    if (waarde < 0) {
        waarde = -waarde;
    }
    return teken + std::to_string(waarde / 10) + "," + std::to_string(waarde % 10);
}

} // namespace

int ExporteerKlassenverloop(const CSpelers& spelers, const CRondes& rondes,
                            CStandFormules& formules, const std::string& pad) {
    CTekstBestand bestand;
    if (!OpenCsvBestand(bestand, pad)) {
        return -1;
    }
    std::vector<const CSpeler*> aktieven;
    std::string regel = ";";
    for (const CSpeler& speler : spelers) {
        if (speler.aktief > 0) {
            aktieven.push_back(&speler);
            regel += speler.naam + ";";
        }
    }
    bestand.Schrijf(regel + "\n");
    for (const auto& ronde : rondes) {
        BerekenStand(spelers, rondes, ronde->identificatie, formules);
        regel = ronde->identificatie + ";";
        for (const CSpeler* speler : aktieven) {
            regel += KlasseMetKomma(speler->klasse) + ";";
        }
        bestand.Schrijf(regel + "\n");
    }
    return SluitCsvBestand(bestand, pad);
}
