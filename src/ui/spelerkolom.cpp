#include "ui/spelerkolom.h"

#include "base/witruimte.h"
#include "data/speler.h"
#include "ui/zoekinlijst.h"

#include <algorithm>

CSpelerKolom::CSpelerKolom(const CSpelers& spelers,
                           std::function<std::string(const CSpeler&)> eersteKolom,
                           std::vector<EVeld> koppen, std::vector<CFilter> filters)
    : spelers_(spelers), eersteKolom_(std::move(eersteKolom)), koppen_(std::move(koppen)),
      filters_(std::move(filters)) {}

std::string CSpelerKolom::Rij(const CSpeler& speler) const {
    return eersteKolom_(speler) + '\t' + speler.naam;
}

bool CSpelerKolom::Verborgen(const CSpeler& speler) const {
    return std::any_of(filters_.begin(), filters_.end(),
                       [&](const CFilter& f) { return f.aan && f.verbergt(speler); });
}

void CSpelerKolom::Vul() {
    rijSpelers_.clear();
    for (CSpeler& speler : spelers_) {
        if (!Verborgen(speler)) {
            rijSpelers_.push_back(&speler);
        }
    }
    // Stable: players with equal keys keep their register order.
    const bool opNummer = veld_ == EVeld::Nummer;
    std::stable_sort(
        rijSpelers_.begin(), rijSpelers_.end(), [&](const CSpeler* a, const CSpeler* b) {
            const int verschil =
                opNummer ? (a->volgnummer > b->volgnummer) - (a->volgnummer < b->volgnummer)
                         : VergelijkZonderHoofdletters(a->naam, b->naam);
            return oplopend_ ? verschil < 0 : verschil > 0;
        });
    rijen_.clear();
    rijen_.reserve(rijSpelers_.size());
    for (const CSpeler* speler : rijSpelers_) {
        rijen_.push_back(Rij(*speler));
    }
    selectie_ = -1;
}

void CSpelerKolom::VulEnHerstel() {
    const CSpeler* gekozen = GeselecteerdeSpeler();
    Vul();
    SelecteerSpeler(gekozen);
}

void CSpelerKolom::VernieuwRijen() {
    for (size_t i = 0; i < rijSpelers_.size(); ++i) {
        if (rijSpelers_[i]) {
            rijen_[i] = Rij(*rijSpelers_[i]);
        }
    }
}

void CSpelerKolom::VoegExtraRijToe(const std::string& rij) {
    rijen_.push_back(rij);
    rijSpelers_.push_back(nullptr);
    selectie_ = static_cast<int>(rijen_.size()) - 1;
}

void CSpelerKolom::VerwijderExtraRij() {
    if (!rijSpelers_.empty() && !rijSpelers_.back()) {
        rijen_.pop_back();
        rijSpelers_.pop_back();
        Selecteer(selectie_);
    }
}

void CSpelerKolom::Selecteer(int rij) {
    selectie_ = rij >= 0 && rij < static_cast<int>(rijen_.size()) ? rij : -1;
}

void CSpelerKolom::SelecteerSpeler(const CSpeler* speler) {
    auto gevonden = std::find(rijSpelers_.begin(), rijSpelers_.end(), speler);
    selectie_ = speler && gevonden != rijSpelers_.end()
                    ? static_cast<int>(gevonden - rijSpelers_.begin())
                    : -1;
}

CSpeler* CSpelerKolom::Speler(int rij) const {
    return rij >= 0 && rij < static_cast<int>(rijSpelers_.size())
               ? rijSpelers_[static_cast<size_t>(rij)]
               : nullptr;
}

void CSpelerKolom::Zoek(const std::string& tekst) {
    zoekTekst_ = tekst;
    if (inGebruik_) {
        Selecteer(ZoekInLijst(rijen_, tekst));
    }
}

int CSpelerKolom::SorteerKop() const {
    if (!inGebruik_) {
        return -1;
    }
    auto kop = std::find(koppen_.begin(), koppen_.end(), veld_);
    return kop == koppen_.end() ? -1 : static_cast<int>(kop - koppen_.begin());
}

void CSpelerKolom::ZetSortering(EVeld veld, bool oplopend) {
    veld_ = veld;
    oplopend_ = oplopend;
}

void CSpelerKolom::KlikKop(int kop) {
    if (!inGebruik_ || kop < 0 || kop >= static_cast<int>(koppen_.size()) ||
        koppen_[static_cast<size_t>(kop)] == EVeld::Geen) {
        return;
    }
    const EVeld veld = koppen_[static_cast<size_t>(kop)];
    oplopend_ = !(veld == veld_ && oplopend_);
    veld_ = veld;
    VulEnHerstel();
}

void CSpelerKolom::ZetFilter(size_t filter, bool aan) {
    if (!inGebruik_ || filter >= filters_.size()) {
        return;
    }
    filters_[filter].aan = aan;
    VulEnHerstel();
}
