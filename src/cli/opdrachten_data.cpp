// Commands on a data file as it stands: check it, and write it anew.

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/witruimte.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/schrijfcontrole.h"

namespace {

// Opens the data file as choosing a competition does; false when it could not
// be read. A recovery copy beside it is mentioned.
bool Open(CMorvelApp& app, const std::string& pad) {
    app.competitie.competitieMap = MapVanPad(pad);
    app.competitie.datafile = pad;
    if (app.competitie.Lees() != 0) {
        return false;
    }
    app.MeldHerstel();
    return true;
}

} // namespace

int OpdrachtControleer(const CArgumenten& argumenten) {
    return MetApp(argumenten, [&](CMorvelApp& app) {
        CCompetitie& competitie = app.competitie;
        CMeldingTeller teller;
        if (!Open(app, argumenten.woorden[0])) {
            return kNietGelezen;
        }
        SchrijfUit(Formatteer("formaat %d, %zu spelers, %d rondes\n", competitie.Formaat(),
                              competitie.spelers.Aantal(), competitie.rondes.Aantal()));
        return teller.aantal == 0 ? kGelukt : kGemeld;
    });
}

int OpdrachtHerschrijf(const CArgumenten& argumenten) {
    int formaat = -1;
    if (argumenten.Heeft("--formaat")) {
        std::string waarde = argumenten.Waarde("--formaat");
        int32_t getal = 0;
        if (!LeesGeheelGetal(waarde, getal) || getal < 0 || getal > 2) {
            Meld("Het formaat '" + waarde + "' bestaat niet; kies 2.");
            return kGemeld;
        }
        formaat = static_cast<int>(getal);
    }
    return MetApp(argumenten, [&](CMorvelApp& app) {
        CCompetitie& competitie = app.competitie;
        if (!Open(app, argumenten.woorden[0])) {
            return kNietGelezen;
        }
        if (!MagCompetitieSchrijven(argumenten, competitie)) {
            return kGemeld;
        }
        if (formaat >= 0) {
            competitie.SetFormaat(formaat);
        }
        competitie.spelers.ZetGewijzigd(); // written back even when nothing changed
        return competitie.Schrijf() == 0 ? kGelukt : kGemeld;
    });
}
