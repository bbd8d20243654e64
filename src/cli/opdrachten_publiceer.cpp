// Commands that publish the open competition: the HTML include files and the
// spreadsheet exports. The command line never starts a spreadsheet.

#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/datum.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"

#include <optional>

int OpdrachtHtml(const CArgumenten& argumenten) {
    const bool alle = argumenten.Heeft("--alle");
    return MetCompetitie(argumenten, [alle](CMorvelApp& app) {
        SchrijfRondeHtml(app, alle);
        return kGelukt;
    });
}

int OpdrachtKlassenverloop(const CArgumenten& argumenten) {
    return MetCompetitie(argumenten, [](CMorvelApp& app) {
        SchrijfKlassenverloop(app);
        return kGelukt;
    });
}

int OpdrachtInschrijflijst(const CArgumenten& argumenten) {
    CDatum eerste = VandaagLokaal();
    if (argumenten.Heeft("--datum")) {
        std::string tekst = argumenten.Waarde("--datum");
        std::optional<CDatum> datum = LeesDatum(tekst);
        if (!datum) {
            return Gebruiksfout("De datum '" + tekst +
                                "' is geen bestaande datum; schrijf hem als D-M-JJJJ, "
                                "bijvoorbeeld 6-3-2026.");
        }
        eerste = *datum;
    }
    return MetCompetitie(argumenten, [&eerste](CMorvelApp& app) {
        SchrijfInschrijflijst(app, eerste);
        return kGelukt;
    });
}
