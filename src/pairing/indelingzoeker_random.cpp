// The random search: shuffles the previous order in place and keeps a strictly
// better pairing, for a number of tries or until a stop is requested.

#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/lcggenerator.h"
#include "pairing/zoekvoortgang.h"

#include <utility>

bool CIndelingZoeker::ZoekRandom(uint32_t zaad) {
    Begin();
    if (n_ < 1) {
        return false;
    }
    log_.Start("Random pairing", model_);
    int32_t pogingen = model_.Parameters().AantalRandomPairings;
    voortgang_.ZetTitel(pogingen > 0 ? "Voortgang Random Pairing"
                                     : "Voortgang Oneindige Random Pairing");
    voortgang_.ZetBereik(0, pogingen);
    voortgang_.ZetPositie(0);

    CLcgGenerator generator(zaad);
    auto grens = static_cast<uint32_t>(pogingen); // a negative count reads as a large one
    int* v = v_.data();
    for (uint64_t i = 1; pogingen == 0 || i <= grens; ++i) {
        for (int k = n_ - 1; k >= 1; --k) {
            auto j = static_cast<int>(generator.Volgende() % static_cast<uint32_t>(k + 1));
            std::swap(v[k], v[j]);
        }
        int64_t totaal = model_.TotaleKosten(v);
        if (totaal < beste_) {
            Verbeter(totaal);
        }
        voortgang_.ZetPositie(static_cast<double>(i));
        if (voortgang_.StopGevraagd()) {
            break;
        }
    }
    return beste_ != kGeenIndeling;
}
