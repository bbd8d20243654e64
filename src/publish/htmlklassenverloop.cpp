// "klassenverloop.svg": the class chart of the first eight of the standings,
// for the club's own pages beside the HTML fragments.

#include "publish/grafiekschrijver.h"
#include "publish/htmlbestanden.h"
#include "publish/htmlschrijver.h"
#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"

void SchrijfKlassenverloopSvg(const CHtmlBron& bron, int modus, CStandFormules& formules,
                              const std::string& titel) {
    if (modus < kHtmlAanmaken) {
        return;
    }
    const CKlassenverloop verloop = BerekenKlassenverloop(bron.spelers, bron.rondes, formules);
    const CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, verloop.StandaardKeuze(), titel);
    // Drawn before the file is opened: a chart that cannot be drawn leaves the old file.
    std::string svg;
    if (!TekenGrafiek(grafiek, EGrafiekFormaat::Svg, kSvgBreedte, kSvgHoogte, svg)) {
        return;
    }
    CHtmlSchrijver schrijver(bron.competitieMap, HtmlBestand::Klassenverloop, modus,
                             bron.uploadNodig);
    if (!schrijver.Open()) {
        return;
    }
    schrijver.Schrijf(svg);
    schrijver.Sluit(true);
}
