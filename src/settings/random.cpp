#include "settings/random.h"

#include <cstddef>
#include <limits>

namespace {

constexpr size_t N = 351;
constexpr size_t M = 175;
constexpr uint32_t kMatrixA = 0xE4BD75F5u;
constexpr uint32_t kBovenMasker = 0xFFF80000u;
constexpr uint32_t kOnderMasker = 0x0007FFFFu;
constexpr uint32_t kStandaardZaad = 314159265u;

// The one state shared by every generator.
struct CToestand {
    uint32_t mt[N] = {};
    size_t index = N;
} toestand;

uint32_t Meng(uint32_t boven, uint32_t onder, uint32_t verder) {
    uint32_t y = (boven & kBovenMasker) | (onder & kOnderMasker);
    return verder ^ (y >> 1) ^ ((y & 1u) ? kMatrixA : 0u);
}

// Replaces all N words in place; words already replaced in this pass are used
// as replaced.
void Vernieuw() {
    uint32_t* mt = toestand.mt;
    for (size_t k = 0; k < N - 1; ++k) {
        mt[k] = Meng(mt[k], mt[k + 1], mt[(k + M) % N]);
    }
    mt[N - 1] = Meng(mt[N - 1], mt[0], mt[M - 1]);
    toestand.index = 0;
}

} // namespace

CRandom::CRandom() {
    Seed(kStandaardZaad);
}

void CRandom::Seed(uint32_t x) {
    for (size_t i = 0; i < N; ++i) {
        x = x * 29943829u - 1u;
        toestand.mt[i] = x;
    }
    toestand.index = N;
}

uint32_t CRandom::NextWord() {
    if (toestand.index >= N) {
        Vernieuw();
    }
    uint32_t y = toestand.mt[toestand.index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x655E5280u;
    y ^= (y << 15) & 0xFFD58000u;
    y ^= y >> 17;
    return y;
}

double CRandom::NextReal() {
    return static_cast<double>(NextWord()) * (1.0 / 4294967296.0);
}

int32_t CRandom::NextInt(int32_t min, int32_t max) {
    if (max < min) {
        return std::numeric_limits<int32_t>::min();
    }
    int64_t breedte = static_cast<int64_t>(max) - min + 1;
    int64_t r = min + static_cast<int64_t>(static_cast<double>(breedte) * NextReal());
    return static_cast<int32_t>(r > max ? max : r);
}
