// The command that uploads the include files: the files in upload mode are
// written and sent with the same steps as from the main window, and the log
// goes to standard output. No settings window is offered; the hints are printed.

#include "app/morvelapp.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "publish/htmlbestanden.h"
#include "publish/klassengrafiek.h"
#include "publish/uploadverslag.h"
#include "rating/actieveformules.h"

namespace {

// Exactly the upload mode, or with `alle` every file.
int UploadModus(int32_t ingesteld, bool alle) {
    return alle || ingesteld == kHtmlUploaden ? kHtmlUploaden : kHtmlNietAanmaken;
}

void SchrijfVoorUpload(CMorvelApp& app, bool alle) {
    CHtmlBron bron{app.competitie.spelers, app.competitie.rondes, app.competitie.competitieMap,
                   app.uploadNodig};
    SchrijfUitslagHtml(bron, UploadModus(app.settings.HtmlUitslag(), alle), -1);
    SchrijfUitslagenHtml(bron, UploadModus(app.settings.HtmlUitslagen(), alle));
    CStandFormules formules = ActieveStandFormules(app.settings);
    SchrijfStandHtml(bron, UploadModus(app.settings.HtmlStand(), alle), formules);
    // The chart is sent only when its own mode asks for it.
    SchrijfKlassenverloopSvg(bron, UploadModus(app.settings.HtmlKlassenverloop(), false), formules,
                             KlassenverloopTitel(app.PeriodeNaam(), VandaagLokaal()));
}

} // namespace

int OpdrachtUpload(const CArgumenten& argumenten) {
    const bool alle = argumenten.Heeft("--alle");
    return MetCompetitie(argumenten, [alle](CMorvelApp& app) {
        SchrijfVoorUpload(app, alle);
        bool gelukt = true;
        app.uploadVenster = [&gelukt](CUploadRun& run) {
            CUploadVerslag verslag;
            CUploadOmgeving zonderVenster;
            gelukt = run.Voer(verslag, zonderVenster);
            std::string log;
            for (const std::string& regel : verslag.Teksten()) {
                log += regel + "\n";
            }
            SchrijfUit(log);
        };
        app.VoerUploadsUit();
        return gelukt ? kGelukt : kGemeld;
    });
}
