#include "base/formatteer.h"
#include "data/ronde.h"
#include "data/speler.h"
#include "publish/lijsten.h"
#include "publish/lijstopmaak.h"
#include "rating/standtabel.h"

namespace {

// The round the listing is titled with: the first exact match, else the last.
const CRonde* GekozenRonde(const CRondes& rondes, const std::optional<std::string>& id) {
    if (rondes.Aantal() == 0) {
        return nullptr;
    }
    if (id) {
        for (const auto& ronde : rondes) {
            if (ronde->identificatie == *id) {
                return ronde.get();
            }
        }
    }
    return &rondes.Ronde(rondes.Aantal() - 1);
}

void SchrijfRegel(const CStandRegel& regel, std::string& uit) {
    const CStand& s = regel.speler->stand;
    const CTekenGetal saldo = regel.Saldo();
    uit += Formatteer(" %-25.25s %4.1f   %3d %3d %3d %3d  %c%2d  %3d %8ld\n",
                      regel.speler->naam.c_str(), regel.Klasse(), s.winst, s.verlies, s.jigo,
                      s.partijen, saldo.teken, static_cast<int>(saldo.grootte), regel.Percentage(),
                      static_cast<long>(regel.punten));
}

} // namespace

int LijstStand(const CLijstBron& bron, const std::optional<std::string>& identificatie, bool kop,
               CStandFormules& formules, std::string& uit) {
    if (kop) {
        uit += "\n\n\n";
        SchrijfGecentreerd(LijstTitel(bron.periode), uit);
        uit += '\n';
    }
    SchrijfStreep(uit);
    if (const CRonde* ronde = GekozenRonde(bron.rondes, identificatie)) {
        uit += std::string("\t") + kKopStand + " '" + ronde->identificatie + "'\n";
        uit += "\t(Puntenformule '" + formules.punten.Tekst() + "')\n";
    } else {
        uit += std::string("\t") + kKopBeginstand + "\n";
    }
    SchrijfStreep(uit);
    uit += '\n';
    const std::string inspringing(26, ' ');
    uit += inspringing + " Klasse    Partijen     Score Perc  Punten\n";
    uit += inspringing + "        win ver jig tot\n";

    CStandTabel tabel;
    if (tabel.Vul(bron.spelers, bron.rondes.Aantal() > 0, formules) != 0) {
        return -1;
    }
    for (const CStandRegel& regel : tabel.Regels()) {
        SchrijfRegel(regel, uit);
    }
    return 0;
}
