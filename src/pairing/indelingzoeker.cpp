#include "pairing/indelingzoeker.h"

#include "pairing/indelingslog.h"
#include "pairing/kostenmodel.h"
#include "pairing/zoekvoortgang.h"

#include <ctime>
#include <numeric>

CIndelingZoeker::CIndelingZoeker(const CKostenModel& model, CZoekVoortgang& voortgang,
                                 CIndelingsLog& log)
    : model_(model), voortgang_(voortgang), log_(log), n_(model.Aantal()), beste_(kGeenIndeling) {
    Begin();
}

void CIndelingZoeker::Begin() {
    v_.resize(static_cast<size_t>(n_));
    std::iota(v_.begin(), v_.end(), 0);
    resultaat_ = v_;
    beste_ = kGeenIndeling;
    combinaties_ = 0;
}

bool CIndelingZoeker::Zoek(uint32_t zaad, EZoekMethode methode) {
    if (methode == EZoekMethode::Parameters) {
        const CIndelingsParameters& p = model_.Parameters();
        if ((n_ + 1) / 2 <= p.MaximaalAantalVoorVolledig) {
            methode = EZoekMethode::Volledig;
        } else {
            methode = p.ExacteIndeling != 0 ? EZoekMethode::Exact : EZoekMethode::Random;
        }
    }
    switch (methode) {
    case EZoekMethode::Volledig:
        return ZoekVolledig();
    case EZoekMethode::Random:
        return ZoekRandom(zaad);
    default:
        return ZoekExact();
    }
}

void CIndelingZoeker::Verbeter(int64_t totaal) {
    beste_ = totaal;
    resultaat_ = v_;
    log_.LogIndeling(model_, v_.data());
    voortgang_.NieuweBeste(totaal);
}

uint32_t TijdZaad() {
    return static_cast<uint32_t>(std::time(nullptr));
}
