// "uitslag.inc" and "uitslagen.inc": the results of the last round, and of all rounds.

#include "base/formatteer.h"
#include "base/melding.h"
#include "data/ronde.h"
#include "data/speler.h"
#include "publish/htmlbestanden.h"
#include "publish/htmlschrijver.h"

namespace {

constexpr const char* kGeenUitslagen = "Er zijn nog geen uitslagen.<BR>\n";

// Header row, then the games, the byes and the class settings of the round.
void SchrijfSectie(const CSpelers& spelers, const CRonde& ronde, const char* voorvoegsel,
                   CTekstBestand& uit) {
    uit.Schrijf(Formatteer("<TR><TH ColSpan=\"3\">%sUitslag van ronde '%s'</TH></TR>\n",
                           voorvoegsel, ronde.identificatie.c_str()));
    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == partij) {
            uit.Schrijf(Formatteer("<TR><TD>%s&nbsp;", SpelerNaam(spelers, u.speler1).c_str()));
            uit.Schrijf(Formatteer("</TD><TD>%s&nbsp;", SpelerNaam(spelers, u.speler2).c_str()));
            uit.Schrijf(Formatteer("</TD><TD>&nbsp;%s&nbsp;", UitslagTekst(u.resultaat)));
            uit.Schrijf("</TD></TR>\n");
        }
    }
    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == uitgeloot) {
            uit.Schrijf(Formatteer("<TR><TD>%s", SpelerNaam(spelers, u.speler1).c_str()));
            uit.Schrijf("</TD><TD>&nbsp;");
            uit.Schrijf(Formatteer("</TD><TD>%s", kUitgelootTekst));
            uit.Schrijf("</TD></TR>\n");
        }
    }
    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == klasseregel) {
            uit.Schrijf(Formatteer("<TR><TD>%s", SpelerNaam(spelers, u.speler1).c_str()));
            uit.Schrijf(Formatteer("</TD><TD>%s", "nieuwe klasse"));
            uit.Schrijf(Formatteer("</TD><TD>%.1f", u.nieuweKlasse / 10.0));
            uit.Schrijf("</TD></TR>\n");
        }
    }
}

bool BestaandeRonde(const CRondes& rondes, int ronde, const char* operatie) {
    if (ronde >= 0 && ronde < rondes.Aantal()) {
        return true;
    }
    Meld(Formatteer("%s\nInterne programma fout: ronde %d bestaat niet", operatie, ronde));
    return false;
}

} // namespace

void SchrijfUitslagHtml(const CHtmlBron& bron, int modus, int ronde) {
    if (modus < kHtmlAanmaken) {
        return;
    }
    if (ronde >= 0 && !BestaandeRonde(bron.rondes, ronde, "SchrijfUitslagHtml")) {
        return;
    }
    CHtmlSchrijver schrijver(bron.competitieMap, HtmlBestand::Uitslag, modus, bron.uploadNodig);
    if (!schrijver.Open()) {
        return;
    }
    if (ronde < 0) {
        ronde = bron.rondes.Aantal() - 1;
    }
    if (ronde < 0) {
        schrijver.Schrijf(kGeenUitslagen);
        schrijver.Sluit(false);
        return;
    }
    schrijver.Schrijf(kHtmlTabelKop);
    SchrijfSectie(bron.spelers, bron.rondes.Ronde(ronde), "", schrijver.Bestand());
    schrijver.Schrijf("</Table>\n");
    schrijver.Sluit(true);
}

void SchrijfUitslagHtml(const CHtmlBron& bron, int ronde, CTekstBestand& uit) {
    if (BestaandeRonde(bron.rondes, ronde, "SchrijfUitslagHtml")) {
        SchrijfSectie(bron.spelers, bron.rondes.Ronde(ronde), "<BR>", uit);
    }
}

void SchrijfUitslagenHtml(const CHtmlBron& bron, int modus) {
    CHtmlSchrijver schrijver(bron.competitieMap, HtmlBestand::Uitslagen, modus, bron.uploadNodig);
    if (!schrijver.Open()) {
        return;
    }
    if (bron.rondes.Aantal() == 0) {
        schrijver.Schrijf(kGeenUitslagen);
        schrijver.Sluit(false);
        return;
    }
    schrijver.Schrijf(kHtmlTabelKop);
    for (int r = 0; r < bron.rondes.Aantal(); ++r) {
        SchrijfUitslagHtml(bron, r, schrijver.Bestand());
    }
    schrijver.Schrijf("</Table>\n");
    schrijver.Sluit(true);
}
