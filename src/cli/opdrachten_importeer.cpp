// Reading a member list from a CSV file as the members window's "&Importeren"
// does: every row with what happens to it, then the new members added and the
// data file written (with lines it could not read only after --toch); with
// --proef only the preview.

#include "app/ledenimport.h"
#include "app/morvelapp.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/schrijfcontrole.h"

int OpdrachtImporteer(const CArgumenten& argumenten) {
    const std::string& pad = argumenten.woorden[1];
    const bool proef = argumenten.Heeft("--proef");
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        CLedenImport import;
        if (LeesLedenlijst(pad, app.competitie.spelers, import) != 0) {
            return kGemeld;
        }
        std::string uit = import.Samenvatting() + "\n";
        for (const std::string& rij : ImportRijen(import)) {
            uit += rij + "\n";
        }
        SchrijfUit(uit);
        if (proef) {
            SchrijfUit("Proef: er is niets toegevoegd en niets geschreven.\n");
            return kGelukt;
        }
        if (!MagCompetitieSchrijven(argumenten, app.competitie)) {
            return kGemeld;
        }
        const CImportTelling telling = VoegLedenToe(import, app.competitie.spelers);
        if (app.competitie.Schrijf() != 0) {
            return kGemeld;
        }
        SchrijfUit(ImportSlotTekst(telling) + "\n");
        return kGelukt;
    });
}
