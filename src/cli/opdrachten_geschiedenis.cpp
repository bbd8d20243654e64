// The history of a competition: listing its generations and restoring one.

#include "app/morvelapp.h"
#include "app/versies.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/schrijfcontrole.h"

int OpdrachtGeschiedenis(const CArgumenten& argumenten) {
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        std::vector<CVersie> versies = Versies(app.competitie);
        std::string uit;
        for (size_t i = 0; i < versies.size(); ++i) {
            const CVersie& versie = versies[i];
            std::string tijd = GeneratieTijd(versie.generatie);
            uit += versie.leesbaar
                       ? Formatteer("%3zu  %s  %5zu spelers  %4d rondes  %s\n", i + 1, tijd.c_str(),
                                    versie.spelers, versie.rondes, versie.verschil.c_str())
                       : Formatteer("%3zu  %s  %s\n", i + 1, tijd.c_str(), versie.verschil.c_str());
        }
        SchrijfUit(uit);
        return kGelukt;
    });
}

int OpdrachtTerugzetten(const CArgumenten& argumenten) {
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        const std::string& nummer = argumenten.woorden[1];
        std::vector<CGeneratie> generaties = Generaties(app.competitie.datafile);
        int32_t gekozen = 0;
        if (!LeesGeheelGetal(nummer, gekozen) || gekozen < 1 ||
            static_cast<size_t>(gekozen) > generaties.size()) {
            Meld(Formatteer("De competitie '%s' heeft geen versie '%s'; 'morvel geschiedenis' "
                            "toont de versies met hun nummer.",
                            app.PeriodeNaam().c_str(), nummer.c_str()));
            return kGemeld;
        }
        const CGeneratie& generatie = generaties[static_cast<size_t>(gekozen - 1)];
        if (!MagCompetitieSchrijven(argumenten, app.competitie) || app.NeemSlot() != 0 ||
            app.ZetTerug(generatie) != 0) {
            return kGemeld;
        }
        SchrijfUit(Formatteer("versie %d van %s teruggezet in %s\n", gekozen,
                              GeneratieTijd(generatie).c_str(), app.competitie.datafile.c_str()));
        return kGelukt;
    });
}
