// The exact search: the pairing of lowest total in one weighted matching,
// quick enough to need no stop.

#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/minimaleindeling.h"
#include "pairing/zoekvoortgang.h"

bool CIndelingZoeker::ZoekExact() {
    Begin();
    if (n_ < 1) {
        return false;
    }
    log_.Start("Exacte pairing", model_);
    voortgang_.ZetTitel("Voortgang Exacte Pairing");
    voortgang_.ZetBereik(0, 1);
    voortgang_.ZetPositie(0);

    std::vector<int64_t> uitloot;
    for (int i = 0; i < n_; ++i) {
        uitloot.push_back(model_.UitlootKosten(i));
    }
    std::vector<int> indeling;
    bool gevonden = MinimaleIndeling(model_, uitloot, indeling);
    if (gevonden) {
        v_ = indeling;
        Verbeter(model_.TotaleKosten(v_.data()));
    }
    voortgang_.ZetPositie(1);
    return gevonden;
}
