// The class history: the class of every active player after each round.

#include "data/klassetekst.h"
#include "publish/csvbestand.h"
#include "publish/csvexport.h"
#include "publish/klassenhistorie.h"

int ExporteerKlassenverloop(const CSpelers& spelers, const CRondes& rondes,
                            CStandFormules& formules, const std::string& pad) {
    CTekstBestand bestand;
    if (!OpenCsvBestand(bestand, pad)) {
        return -1;
    }
    const CKlassenHistorie historie = BerekenKlassenHistorie(spelers, rondes, formules);
    std::string regel = ";";
    for (const auto& speler : historie.spelers) {
        regel += speler.naam + ";";
    }
    bestand.Schrijf(regel + "\n");
    for (size_t r = 0; r < historie.rondes.size(); ++r) {
        regel = historie.rondes[r] + ";";
        for (int32_t klasse : historie.klassen[r]) {
            regel += KlasseMetKomma(klasse) + ";";
        }
        bestand.Schrijf(regel + "\n");
    }
    return SluitCsvBestand(bestand, pad);
}
