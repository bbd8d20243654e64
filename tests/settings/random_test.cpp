#include "settings/random.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

// The generator written as the plain recurrence x[k+351] = x[k+175] ^ twist(x[k], x[k+1]),
// independent of the in-place state of CRandom.
std::vector<uint32_t> Referentie(uint32_t zaad, size_t aantal) {
    std::vector<uint32_t> x;
    for (int i = 0; i < 351; ++i) {
        zaad = zaad * 29943829u - 1u;
        x.push_back(zaad);
    }
    std::vector<uint32_t> uit;
    for (size_t k = 0; uit.size() < aantal; ++k) {
        uint32_t y = (x[k] & 0xFFF80000u) | (x[k + 1] & 0x0007FFFFu);
        x.push_back(x[k + 175] ^ (y >> 1) ^ ((y & 1u) ? 0xE4BD75F5u : 0u));
        uint32_t t = x.back();
        t ^= t >> 11;
        t ^= (t << 7) & 0x655E5280u;
        t ^= (t << 15) & 0xFFD58000u;
        t ^= t >> 17;
        uit.push_back(t);
    }
    return uit;
}

TEST(Random, FollowsTheRecurrenceAcrossSeveralRegenerations) {
    for (uint32_t zaad : {314159265u, 0u, 12345u, 0xFFFFFFFFu}) {
        CRandom random;
        if (zaad != 314159265u) {
            random.Seed(zaad);
        }
        std::vector<uint32_t> verwacht = Referentie(zaad, 351 * 3 + 7);
        for (size_t i = 0; i < verwacht.size(); ++i) {
            ASSERT_EQ(random.NextWord(), verwacht[i]) << "seed " << zaad << ", draw " << i;
        }
    }
}

TEST(Random, NextIntStaysWithinItsBounds) {
    CRandom random;
    bool laagste = false, hoogste = false;
    for (int i = 0; i < 200000; ++i) {
        int32_t r = random.NextInt(1, 255);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 255);
        laagste |= r == 1;
        hoogste |= r == 255;
    }
    EXPECT_TRUE(laagste && hoogste);

    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(random.NextInt(5, 4), kMin);
    EXPECT_EQ(random.NextInt(7, 7), 7);
    EXPECT_EQ(random.NextInt(-3, -3), -3);
    for (int i = 0; i < 1000; ++i) {
        int32_t r = random.NextInt(-2, 2);
        ASSERT_TRUE(r >= -2 && r <= 2) << r;
        random.NextInt(kMin, kMax); // the full range must not overflow
    }
}

TEST(Random, NextRealIsTheWordOverTwoToThe32) {
    CRandom a;
    uint32_t woord = a.NextWord();
    CRandom b;
    double reeel = b.NextReal();
    EXPECT_EQ(reeel, woord / 4294967296.0);
    EXPECT_LT(reeel, 1.0);
}

TEST(Random, EveryObjectSharesOneState) {
    CRandom eerste;
    uint32_t w1 = eerste.NextWord();
    uint32_t w2 = eerste.NextWord();

    CRandom tweede; // seeding the second restarts the first
    EXPECT_EQ(eerste.NextWord(), w1);
    EXPECT_EQ(tweede.NextWord(), w2); // and both draw from the same sequence

    tweede.Seed(99);
    uint32_t na99 = eerste.NextWord();
    CRandom derde;
    derde.Seed(99);
    EXPECT_EQ(eerste.NextWord(), na99);
}

} // namespace
