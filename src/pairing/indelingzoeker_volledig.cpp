// The full search: every pairing in a fixed order, the first of equal totals kept.

#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/zoekvoortgang.h"

#include <utility>

bool CIndelingZoeker::ZoekVolledig() {
    Begin();
    if (n_ < 1) {
        return false;
    }
    log_.Start("Volledige pairing", model_);
    // deelbomen_[q]: the pairings of q players, 1 x 3 x ... x (q - 1).
    deelbomen_.assign(static_cast<size_t>(n_) + 1, 1.0);
    for (int q = 2; q <= n_; ++q) {
        deelbomen_[static_cast<size_t>(q)] = deelbomen_[static_cast<size_t>(q - 2)] * (q - 1);
    }
    double alle = 1;
    for (int oneven = 3; oneven <= n_; oneven += 2) {
        alle *= oneven;
    }
    voortgang_.ZetBereik(0, alle);
    voortgang_.ZetPositie(0);
    voortgang_.ZetTitel(kTitelVolledig);

    if (n_ % 2 == 0) {
        ZoekDeel(n_, 0);
    } else {
        // The bye goes to the last participant first, then to the first, the
        // second, ... up to the second-last.
        size_t laatste = static_cast<size_t>(n_ - 1);
        for (size_t i = 0; i <= laatste; ++i) {
            ZoekDeel(n_ - 1, model_.UitlootKostenVolledig(v_[laatste]));
            std::swap(v_[laatste], v_[i]);
        }
    }
    return beste_ != kGeenIndeling;
}

// Pairs the players at positions 0 .. m-1 (m even): the one at m-1 meets the
// one at 0, 1, ..., m-2 in turn, each moved to m-2 for the rest to be paired.
void CIndelingZoeker::ZoekDeel(int m, int64_t opgebouwd) {
    if (m < 2 || voortgang_.StopGevraagd()) {
        return;
    }
    int* v = v_.data();
    if (m == 2) {
        combinaties_ += 1;
        voortgang_.ZetPositie(combinaties_);
        if (model_.Geblokkeerd(v[0], v[1])) {
            return;
        }
        int64_t totaal = opgebouwd + model_.Kosten(v[0], v[1]);
        if (totaal < beste_) {
            Verbeter(totaal);
        }
        return;
    }
    int q = m - 2;
    int vast = v[m - 1];
    for (int i = 0; i <= q; ++i) {
        if (i < q) {
            std::swap(v[i], v[q]);
        }
        if (model_.Geblokkeerd(v[q], vast)) {
            combinaties_ += deelbomen_[static_cast<size_t>(q)];
            voortgang_.ZetPositie(combinaties_);
        } else {
            ZoekDeel(q, opgebouwd + model_.Kosten(v[q], vast));
        }
        if (i < q) {
            std::swap(v[i], v[q]);
        }
    }
}
