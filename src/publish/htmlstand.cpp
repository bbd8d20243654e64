// "stand.inc": the standings after the last round, or the starting standings.

#include "base/formatteer.h"
#include "data/ronde.h"
#include "data/speler.h"
#include "publish/htmlbestanden.h"
#include "publish/htmlschrijver.h"
#include "rating/standberekening.h"
#include "rating/standtabel.h"

namespace {

constexpr const char* kGeenGeheugen =
    "Niet genoeg geheugen om de stand in een html bestand te schrijven!";

// The two header rows; they are not closed with "</TR>".
constexpr const char* kKoppen[] = {
    "<TR><TD><I>Speler</I></TD>\n",
    "<TD ColSpan=\"3\" Align=\"Center\"><I>Klasse</I></TD>\n",
    "<TD ColSpan=\"4\" Align=\"Center\"><I>Partijen</I></TD>\n",
    "<TD ColSPan=\"3\" Align=\"Center\"><I>Stand</I></TD>\n",
    "<TR><TD>&nbsp;</TD>",
    "<TD><I>Begin</I></TD>",
    "<TD><I>Huidig</I></TD>",
    "<TD><I>Saldo</I></TD>",
    "<TD><I>Winst</I></TD>",
    "<TD><I>Verlies</I></TD>",
    "<TD><I>Jigo</I></TD>",
    "<TD><I>Totaal</I></TD>",
    "<TD><I>Score</I></TD>",
    "<TD><I>Perc</I></TD>",
    "<TD><I>Punten</I></TD>",
};

std::string Regel(const CStandRegel& regel) {
    const CStand& s = regel.speler->stand;
    const CTekenGetal verschil = regel.KlasseVerschil();
    const CTekenGetal saldo = regel.Saldo();
    return Formatteer("<TR><TD>%s&nbsp;</TD><TD>%4.1f</TD><TD>%4.1f</TD><TD>%c%4.1f</TD><TD>%d</"
                      "TD><TD>%d</TD><TD>%d</TD><TD>%d</TD><TD>%c%lld</TD><TD>%d%%</TD><TD>%ld</"
                      "TD></TR>\n",
                      regel.speler->naam.c_str(), regel.BeginKlasse(), regel.Klasse(),
                      verschil.teken, KlasseGetal(verschil.grootte), s.winst, s.verlies, s.jigo,
                      s.partijen, saldo.teken, static_cast<long long>(saldo.grootte),
                      regel.Percentage(), static_cast<long>(regel.punten));
}

} // namespace

void SchrijfStandHtml(const CHtmlBron& bron, int modus, CStandFormules& formules) {
    if (modus < kHtmlAanmaken) {
        return;
    }
    BerekenStand(bron.spelers, bron.rondes, -1, formules);
    CHtmlSchrijver schrijver(bron.competitieMap, HtmlBestand::Stand, modus, bron.uploadNodig);
    if (!schrijver.Open()) {
        return;
    }
    schrijver.Schrijf("<Table CellSpacing=\"0\" Border=\"1\">\n");
    schrijver.Schrijf("<Col Align=\"Left\">\n");
    for (int i = 0; i < 10; ++i) {
        schrijver.Schrijf("<Col Align=\"Right\">\n");
    }
    const bool naRonde = bron.rondes.Aantal() > 0;
    if (naRonde) {
        const CRonde& laatste = bron.rondes.Ronde(bron.rondes.Aantal() - 1);
        schrijver.Schrijf(Formatteer("<TR><TD ColSpan=\"11\"><B>Stand na ronde '%s'</B>\n",
                                     laatste.identificatie.c_str()));
        schrijver.Schrijf(
            Formatteer("<BR>(Puntenformule '%s')</TD></TR>\n", formules.punten.Tekst().c_str()));
    } else {
        schrijver.Schrijf("<TR><TD ColSpan=\"11\"><B>Beginstand</B></TD></TR>\n");
    }
    for (const char* kop : kKoppen) {
        schrijver.Schrijf(kop);
    }

    CStandTabel tabel;
    if (tabel.Vul(bron.spelers, naRonde, formules, kGeenGeheugen) != 0) {
        schrijver.Schrijf("</Table><B>OUT OF MEMORY\n");
        schrijver.Sluit(false);
        return;
    }
    for (const CStandRegel& regel : tabel.Regels()) {
        schrijver.Schrijf(Regel(regel));
    }
    schrijver.Schrijf("</Table>\n");
    schrijver.Sluit(true);
}
