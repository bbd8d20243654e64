#include "rating/standtabel.h"

#include "base/melding.h"
#include "data/speler.h"
#include "rating/standberekening.h"

#include <algorithm>
#include <new>

CTekenGetal MetTeken(int64_t waarde) {
    if (waarde > 0) {
        return {'+', waarde};
    }
    if (waarde < 0) {
        return {'-', -waarde};
    }
    return {' ', 0};
}

double CStandRegel::BeginKlasse() const {
    return KlasseGetal(speler->beginKlasse);
}

double CStandRegel::Klasse() const {
    return KlasseGetal(speler->klasse);
}

CTekenGetal CStandRegel::KlasseVerschil() const {
    return MetTeken(static_cast<int64_t>(speler->klasse) - speler->beginKlasse);
}

CTekenGetal CStandRegel::Saldo() const {
    return MetTeken(static_cast<int64_t>(speler->stand.winst) - speler->stand.verlies);
}

int32_t CStandRegel::Percentage() const {
    const CStand& s = speler->stand;
    if (s.partijen == 0) {
        return 0;
    }
    int64_t teller = (2 * static_cast<int64_t>(s.winst) + s.jigo) * 50;
    return static_cast<int32_t>(teller / s.partijen);
}

bool StaatHoger(const CStandRegel& a, const CStandRegel& b) {
    if (a.punten != b.punten) {
        return a.punten > b.punten;
    }
    if (a.speler->stand.partijen != b.speler->stand.partijen) {
        return a.speler->stand.partijen > b.speler->stand.partijen;
    }
    return a.speler->klasse < b.speler->klasse;
}

int CStandTabel::Vul(const CSpelers& spelers, bool naRonde, CStandFormules& formules,
                     const char* geheugenMelding) {
    regels_.clear();
    try {
        regels_.reserve(spelers.Aantal());
    } catch (const std::bad_alloc&) {
        Meld(geheugenMelding);
        return -1;
    }
    for (CSpeler& speler : spelers) {
        bool hoortErbij = naRonde ? speler.stand.partijen > 0 : speler.aktief > 0;
        if (hoortErbij) {
            regels_.push_back(CStandRegel{&speler, StandPunten(speler, formules)});
        }
    }
    std::stable_sort(regels_.begin(), regels_.end(), StaatHoger);
    return 0;
}
