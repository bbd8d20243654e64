#include "base/formatteer.h"
#include "base/melding.h"
#include "data/ronde.h"
#include "data/speler.h"
#include "publish/lijsten.h"
#include "publish/lijstopmaak.h"
#include "rating/standtabel.h"

int LijstUitslag(const CLijstBron& bron, int positie, std::string& uit) {
    const int aantal = bron.rondes.Aantal();
    if (positie == -1) {
        positie = aantal - 1;
    }
    if (aantal > 0 && (positie < 0 || positie >= aantal)) {
        Meld(Formatteer("LijstUitslag\nInterne programma fout: ronde %d bestaat niet", positie));
        return -1;
    }
    uit += "\n\n\n";
    SchrijfGecentreerd(LijstTitel(bron.periode), uit);
    uit += '\n';
    if (aantal == 0) {
        SchrijfStreep(uit);
        uit += std::string("\t") + kKopGeenUitslagen + "\n";
        SchrijfStreep(uit);
        uit += '\n';
        return 0;
    }
    const CRonde& ronde = bron.rondes.Ronde(positie);
    SchrijfStreep(uit);
    uit += std::string("\t") + kKopUitslag + " '" + ronde.identificatie + "'\n";
    SchrijfStreep(uit);
    uit += '\n';

    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == partij) {
            uit += Formatteer(
                " %-25.25s - %-25.25s     %s\n", SpelerNaam(bron.spelers, u.speler1).c_str(),
                SpelerNaam(bron.spelers, u.speler2).c_str(), UitslagTekst(u.resultaat));
        }
    }
    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == uitgeloot) {
            uit += Formatteer(" %-25.25s   %-25.25s     %s\n",
                              SpelerNaam(bron.spelers, u.speler1).c_str(), "", kUitgelootTekst);
        }
    }
    for (const CUitslag& u : ronde.Uitslagen()) {
        if (u.soort == klasseregel) {
            uit += Formatteer(" %-25.25s   %-25.25s     %s = %3.1f\n",
                              SpelerNaam(bron.spelers, u.speler1).c_str(), "", "nieuwe klasse",
                              KlasseGetal(u.nieuweKlasse));
        }
    }
    return 0;
}
