// "indeling.inc": the published pairing of the next round.

#include "base/formatteer.h"
#include "pairing/indeling.h"
#include "publish/htmlbestanden.h"
#include "publish/htmlschrijver.h"

void SchrijfIndelingHtml(const CHtmlBron& bron, int modus, const CIndeling& indeling,
                         std::time_t nu) {
    CHtmlSchrijver schrijver(bron.competitieMap, HtmlBestand::Indeling, modus, bron.uploadNodig);
    if (!schrijver.Open()) {
        return;
    }
    schrijver.Schrijf(kHtmlTabelKop);
    std::tm datum{}; // all parts 0 when the local time cannot be had
    if (!::localtime_r(&nu, &datum)) {
        datum = std::tm{};
        datum.tm_mon = -1;
        datum.tm_year = -1900;
    }
    // The date row has no line end of its own.
    schrijver.Schrijf(
        Formatteer("<TR><TD ColSpan=3><B>Indeling</B> (gegenereerd op %d-%d-%d)</TD></TR>",
                   datum.tm_mday, datum.tm_mon + 1, datum.tm_year + 1900));
    schrijver.Schrijf("<TR><TH>Zwart</TH><TH>Wit</TH><TH>Voorgift/Komi</TH></TR>\n");
    for (int i = 0; i < indeling.Aantal(); ++i) {
        schrijver.Schrijf(Formatteer(
            "<TR><TD>%s&nbsp;</TD><TD>%s&nbsp;</TD><TD>&nbsp;%s&nbsp;</TH></TD>\n",
            indeling.Zwart(i).c_str(), indeling.Wit(i).c_str(), indeling.Tekst(i).c_str()));
    }
    schrijver.Schrijf("</Table>\n");
    schrijver.Sluit(true);
}
