#include "app/publiceren.h"

#include "app/morvelapp.h"
#include "publish/htmlbestanden.h"
#include "publish/klassengrafiek.h"
#include "rating/actieveformules.h"

#include <ctime>

namespace {

// The mode a writer uses: the one set, or at least "write" with `alle`.
int Modus(int32_t ingesteld, bool alle) {
    return alle && ingesteld < kHtmlAanmaken ? kHtmlAanmaken : ingesteld;
}

CHtmlBron Bron(CMorvelApp& app) {
    return {app.competitie.spelers, app.competitie.rondes, app.competitie.competitieMap,
            app.uploadNodig};
}

CLijstParameters LijstParameters(const CSettings& settings) {
    return {settings.IndelingsLijstMethode(), settings.AantalDagen(), settings.WeekNummers(),
            settings.AantalKolommen()};
}

} // namespace

void SchrijfUitslagHtml(CMorvelApp& app, int ronde, bool alle) {
    SchrijfUitslagHtml(Bron(app), Modus(app.settings.HtmlUitslag(), alle), ronde);
}

void SchrijfUitslagenHtml(CMorvelApp& app, bool alle) {
    SchrijfUitslagenHtml(Bron(app), Modus(app.settings.HtmlUitslagen(), alle));
}

void SchrijfStandHtml(CMorvelApp& app, bool alle) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    SchrijfStandHtml(Bron(app), Modus(app.settings.HtmlStand(), alle), formules);
}

void SchrijfKlassenverloopSvg(CMorvelApp& app) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    SchrijfKlassenverloopSvg(Bron(app), app.settings.HtmlKlassenverloop(), formules,
                             KlassenverloopTitel(app.PeriodeNaam(), VandaagLokaal()));
}

void SchrijfRondeHtml(CMorvelApp& app, bool alle) {
    SchrijfUitslagHtml(app, -1, alle);
    SchrijfUitslagenHtml(app, alle);
    SchrijfStandHtml(app, alle);
    SchrijfKlassenverloopSvg(app);
}

void SchrijfIndelingHtml(CMorvelApp& app, bool alle) {
    const CTijdstip& t = app.indeling.gepubliceerd;
    std::tm tm{};
    tm.tm_year = t.datum.jaar - 1900;
    tm.tm_mon = t.datum.maand - 1;
    tm.tm_mday = t.datum.dag;
    tm.tm_hour = t.uur;
    tm.tm_min = t.minuut;
    tm.tm_sec = t.seconde;
    tm.tm_isdst = -1;
    SchrijfIndelingHtml(Bron(app), Modus(app.settings.HtmlIndeling(), alle), app.indeling,
                        std::mktime(&tm));
}

void PubliceerIndeling(CMorvelApp& app, bool alle) {
    SchrijfIndelingHtml(app, alle);
    app.BewaarIndeling();
}

std::string CsvBestand(const CMorvelApp& app) {
    return CsvBestandsNaam(app.competitie.datafile);
}

int SchrijfKlassenverloop(CMorvelApp& app) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    return ExporteerKlassenverloop(app.competitie.spelers, app.competitie.rondes, formules,
                                   CsvBestand(app));
}

int SchrijfInschrijflijst(CMorvelApp& app, const CDatum& eerste) {
    return ExporteerInschrijflijst(app.competitie.spelers, eerste, LijstParameters(app.settings),
                                   CsvBestand(app));
}

void ExporteerInschrijflijst(CMorvelApp& app, const CDatum& eerste) {
    if (SchrijfInschrijflijst(app, eerste) == 0) {
        BiedSpreadsheetAan(app.settings.SpreadSheet(), CsvBestand(app));
    }
}
