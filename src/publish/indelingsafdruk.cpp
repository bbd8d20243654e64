#include "publish/indelingsafdruk.h"

#include <optional>

namespace {

constexpr char kNieuwePagina = '\f';

} // namespace

void LijstIndelingsAfdruk(const CLijstBron& bron, const CIndeling& indeling,
                          const CAfdrukKeuzes& keuzes, CStandFormules& formules, std::string& uit) {
    uit.clear();
    if (keuzes.uitslag) {
        LijstUitslag(bron, -1, uit);
        uit += '\n';
    }
    if (keuzes.stand) {
        bool kop = !keuzes.uitslag;
        if (keuzes.uitslag && keuzes.standOpNieuwePagina) {
            uit += kNieuwePagina;
            kop = true;
        }
        // A table that cannot be built has shown its message and lists no players.
        LijstStand(bron, std::nullopt, kop, formules, uit);
        uit += '\n';
    }
    const bool ervoor = keuzes.uitslag || keuzes.stand;
    if (ervoor && keuzes.indelingOpNieuwePagina) {
        uit += kNieuwePagina;
    }
    LijstIndeling(indeling, bron.periode, !ervoor || keuzes.indelingOpNieuwePagina, uit);
}
