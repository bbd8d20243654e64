// The command that starts a new competition in the data directory, as the
// window "Nieuwe competitie" does.

#include "app/morvelapp.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/schrijfcontrole.h"

#include <map>

int OpdrachtNieuw(const CArgumenten& argumenten) {
    static const std::map<std::string, EBeginKlasse> kKlassen = {
        {"begin", EBeginKlasse::Begin},
        {"einde", EBeginKlasse::Einde},
        {"afgerond", EBeginKlasse::Afgerond}};
    auto klassen = kKlassen.find(argumenten.Waarde("--klassen", "afgerond"));
    if (klassen == kKlassen.end()) {
        return Gebruiksfout("--klassen is begin, einde of afgerond.");
    }
    if (argumenten.Heeft("--klassen") && !argumenten.Heeft("--van")) {
        return Gebruiksfout("--klassen gaat samen met --van.");
    }
    return MetApp(argumenten, [&](CMorvelApp& app) {
        std::string bron;
        if (argumenten.Heeft("--van")) {
            if (app.OpenCompetitie(argumenten.Waarde("--van")) != 0) {
                return kNietGelezen;
            }
            // The new competition takes its register: what was not read would be lost.
            if (!MagCompetitieSchrijven(argumenten, app.competitie)) {
                return kGemeld;
            }
            bron = app.competitie.competitieMap;
        }
        if (app.MaakNieuweCompetitie(argumenten.woorden[0], bron, klassen->second) != 0) {
            return kGemeld;
        }
        SchrijfUit(app.competitie.datafile + "\n");
        return kGelukt;
    });
}
