// The standings and the results of a round as listings, and the handicap of a
// game between two classes.

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/witruimte.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/opdrachtwaarden.h"
#include "publish/lijsten.h"
#include "publish/standlijst.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"
#include "rating/voorgift.h"

#include <optional>

int NaarStandaardUitvoer(CMorvelApp&, const std::string& lijst) {
    SchrijfUit(lijst);
    return kGelukt;
}

int OpdrachtStandNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer) {
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        std::optional<std::string> id;
        int aantal = -1;
        if (argumenten.Heeft("--ronde")) {
            const CRondes& rondes = app.competitie.rondes;
            aantal = RondesTot(rondes, argumenten.Waarde("--ronde"));
            if (aantal < 0) {
                Meld("De ronde '" + argumenten.Waarde("--ronde") +
                     "' bestaat niet in deze competitie.");
                return kGemeld;
            }
            id = rondes.Ronde(aantal - 1).identificatie;
        }
        std::string uit;
        CLijstBron bron{app.competitie.spelers, app.competitie.rondes, app.PeriodeNaam()};
        if (MaakStandLijst(app.settings, bron, aantal, id, uit) != 0) {
            return kGemeld;
        }
        return uitvoer(app, uit);
    });
}

int OpdrachtUitslagNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer) {
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        CCompetitie& competitie = app.competitie;
        int positie = -1;
        if (argumenten.Heeft("--ronde")) {
            const std::string waarde = argumenten.Waarde("--ronde");
            int32_t nummer = 0;
            if (!LeesGeheelGetal(waarde, nummer) || nummer < 1 ||
                nummer > competitie.rondes.Aantal()) {
                Meld(Formatteer("Er is geen ronde %s; deze competitie heeft %d rondes.",
                                waarde.c_str(), competitie.rondes.Aantal()));
                return kGemeld;
            }
            positie = nummer - 1;
        }
        std::string uit;
        CLijstBron bron{competitie.spelers, competitie.rondes, app.PeriodeNaam()};
        if (LijstUitslag(bron, positie, uit) != 0) {
            return kGemeld;
        }
        return uitvoer(app, uit);
    });
}

int OpdrachtStand(const CArgumenten& argumenten) {
    return OpdrachtStandNaar(argumenten, NaarStandaardUitvoer);
}

int OpdrachtUitslag(const CArgumenten& argumenten) {
    return OpdrachtUitslagNaar(argumenten, NaarStandaardUitvoer);
}

int OpdrachtVoorgift(const CArgumenten& argumenten) {
    int32_t klassen[2] = {0, 0};
    for (size_t i = 0; i < 2; ++i) {
        if (!LeesGeheelGetal(argumenten.woorden[i], klassen[i])) {
            return Gebruiksfout("De klasse '" + argumenten.woorden[i] +
                                "' is geen geheel getal (in tienden, bijvoorbeeld 125).");
        }
    }
    return MetApp(argumenten, [&](CMorvelApp& app) {
        std::optional<CVoorgift> voorgift;
        if (ActieveVoorgift(app.settings, voorgift) != 0) {
            return kGemeld;
        }
        if (MoetWisselen(klassen[0], klassen[1])) {
            std::swap(klassen[0], klassen[1]);
        }
        SchrijfUit(Formatteer("%d\t%d\t%s\n", klassen[0], klassen[1],
                              voorgift->Tekst(klassen[0], klassen[1]).c_str()));
        return kGelukt;
    });
}
