#include "pairing/zoekvoortgang.h"

#include "base/formatteer.h"

#include <chrono>

namespace {

constexpr int64_t kVerversMs = 250;
// One refresh clock for every progress object of the process.
int64_t laatsteVerversing = 0;

} // namespace

int64_t CZoekVoortgang::NuMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CZoekVoortgang::ZetBereik(double laag, double hoog) {
    laag_ = laag;
    hoog_ = hoog;
    stop_ = false;
    teller_ = 0;
    beste_ = 0;
    besteSinds_ = NuMs();
    aftellen_ = 1; // the first position looks at the clock
}

void CZoekVoortgang::NieuweBeste(int64_t waarde) {
    beste_ = waarde;
    besteSinds_ = NuMs();
}

void CZoekVoortgang::Controleer() {
    int64_t nu = NuMs();
    if (nu - laatsteVerversing > kVerversMs) {
        laatsteVerversing = nu;
        Ververs();
    }
}

std::string CZoekVoortgang::CombinatiesTekst() const {
    return Formatteer("%.0f", teller_);
}

std::string CZoekVoortgang::BesteWaardeTekst() const {
    return Formatteer("%lld", static_cast<long long>(beste_));
}

std::string CZoekVoortgang::BesteGedurendeTekst() const {
    int64_t seconden = (NuMs() - besteSinds_) / 1000;
    return Formatteer("%d:%02d:%02d", static_cast<int>(seconden / 3600),
                      static_cast<int>(seconden / 60 % 60), static_cast<int>(seconden % 60));
}
