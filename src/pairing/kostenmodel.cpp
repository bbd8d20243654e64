#include "pairing/kostenmodel.h"

#include "data/ronde.h"
#include "data/speler.h"

#include <limits>
#include <unordered_map>

namespace {

// Products and differences of the parameters stay exact in 64 bits for every
// sensible value; absurd values saturate instead of wrapping around.
int64_t Maal(int64_t a, int64_t b) {
    int64_t uitkomst;
    if (__builtin_mul_overflow(a, b, &uitkomst)) {
        return ((a < 0) != (b < 0)) ? std::numeric_limits<int64_t>::min()
                                    : std::numeric_limits<int64_t>::max();
    }
    return uitkomst;
}

int64_t Min(int64_t a, int64_t b) {
    int64_t uitkomst;
    if (__builtin_sub_overflow(a, b, &uitkomst)) {
        return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    }
    return uitkomst;
}

int32_t Begrensd(int64_t waarde) {
    if (waarde > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (waarde < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(waarde);
}

} // namespace

CKostenModel::CKostenModel(std::vector<CSpeler*> deelnemers, const CRondes& rondes,
                           const CIndelingsParameters& parameters,
                           const std::vector<CNaamPaar>& geblokkeerd)
    : deelnemers_(std::move(deelnemers)), parameters_(parameters),
      n_(static_cast<int>(deelnemers_.size())) {
    const CIndelingsParameters& p = parameters_;
    rondesGrens_ = p.PenaltyNietZoIngedeeldGrens != 0 ? p.PenaltyNietZoIngedeeldGrens : n_ / 2;
    aftrekBoven_ = p.PenaltyNietZoIngedeeldHoog != 0
                       ? p.PenaltyNietZoIngedeeldHoog
                       : Maal(p.PenaltyNietZoIngedeeldLaag,
                              Maal(int64_t{rondesGrens_} + 1, int64_t{rondesGrens_} + 1));

    auto cellen = static_cast<size_t>(n_) * static_cast<size_t>(n_);
    for (CSpeler* s : deelnemers_) {
        klasse_.push_back(s->klasse);
        int32_t eerder = s->AantalKeerUitgeloot(rondes);
        eerderUitgeloot_.push_back(eerder);
        int64_t voorEerdere = Maal(p.PenaltyUitgeloot, eerder);
        bool toegestaan = s->uitlotenToegestaan != 0;
        magNiet_.push_back(toegestaan ? 0 : int64_t{p.PenaltyMagNietUitgeloot});
        uitloot_.push_back(magNiet_.back() + voorEerdere);
        uitlootVolledig_.push_back(toegestaan ? voorEerdere : int64_t{p.PenaltyMagNietUitgeloot});
    }
    BouwRondes(rondes);
    kostenMatrix_.assign(cellen, 0);
    for (int i = 0; i < n_; ++i) {
        for (int j = 0; j < n_; ++j) {
            if (i != j) {
                kostenMatrix_[Cel(i, j)] = PaarKosten(i, j).kosten;
            }
        }
    }
    blokkadeMatrix_.assign(cellen, 0);
    BouwBlokkades(geblokkeerd);
}

// One walk over the history from the newest round back fills the rounds since
// every pair last met; pairs that never met get the number of rounds.
void CKostenModel::BouwRondes(const CRondes& rondes) {
    std::unordered_map<int32_t, std::vector<int>> perNummer;
    for (int i = 0; i < n_; ++i) {
        perNummer[deelnemers_[static_cast<size_t>(i)]->volgnummer].push_back(i);
    }
    rondes_.assign(static_cast<size_t>(n_) * static_cast<size_t>(n_), -1);
    int32_t verstreken = 0;
    for (auto it = rondes.rbegin(); it != rondes.rend(); ++it, ++verstreken) {
        for (const CUitslag& u : (*it)->Uitslagen()) {
            if (u.soort != partij) {
                continue;
            }
            auto een = perNummer.find(u.speler1);
            auto twee = perNummer.find(u.speler2);
            if (een == perNummer.end() || twee == perNummer.end()) {
                continue;
            }
            for (int i : een->second) {
                for (int j : twee->second) {
                    if (i != j && rondes_[Cel(i, j)] < 0) {
                        rondes_[Cel(i, j)] = verstreken;
                        rondes_[Cel(j, i)] = verstreken;
                    }
                }
            }
        }
    }
    for (int32_t& t : rondes_) {
        if (t < 0) {
            t = verstreken;
        }
    }
}

int CKostenModel::ZoekNaam(const std::string& naam) const {
    for (int i = 0; i < n_; ++i) {
        if (deelnemers_[static_cast<size_t>(i)]->naam == naam) {
            return i;
        }
    }
    return -1;
}

void CKostenModel::BouwBlokkades(const std::vector<CNaamPaar>& geblokkeerd) {
    for (const CNaamPaar& paar : geblokkeerd) {
        int i = ZoekNaam(paar.first);
        int j = ZoekNaam(paar.second);
        if (i >= 0 && j >= 0) {
            blokkadeMatrix_[Cel(i, j)] = 1;
            blokkadeMatrix_[Cel(j, i)] = 1;
            heeftBlokkades_ = heeftBlokkades_ || i != j;
        }
    }
}

CPaarKosten CKostenModel::PaarKosten(int i, int j) const {
    const CIndelingsParameters& p = parameters_;
    CPaarKosten k;
    int64_t verschil = int64_t{klasse_[static_cast<size_t>(i)]} - klasse_[static_cast<size_t>(j)];
    k.klasseVerschil = verschil < 0 ? -verschil : verschil;
    bool boven = k.klasseVerschil > Maal(10, p.PenaltyKlasseVerschilGrens);
    k.klassePenalty =
        Maal(k.klasseVerschil, boven ? p.PenaltyKlasseVerschilHoog : p.PenaltyKlasseVerschilLaag);
    k.rondes = rondes_[Cel(i, j)];
    k.aftrek = k.rondes <= rondesGrens_
                   ? Maal(p.PenaltyNietZoIngedeeldLaag, Maal(k.rondes, k.rondes))
                   : aftrekBoven_;
    k.kosten = Begrensd(Min(k.klassePenalty, k.aftrek));
    return k;
}

int64_t CKostenModel::TotaleKosten(const int* v) const {
    int64_t totaal = 0;
    int k = 0;
    for (; k + 1 < n_; k += 2) {
        size_t cel = Cel(v[k], v[k + 1]);
        if (blokkadeMatrix_[cel] != 0) {
            return kGeenIndeling;
        }
        totaal += kostenMatrix_[cel];
    }
    if (k < n_) {
        totaal += uitloot_[static_cast<size_t>(v[k])];
    }
    return totaal;
}
