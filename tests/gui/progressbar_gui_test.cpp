#include "gui/progressbar.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CPositieGeval {
    const char* naam;
    double laag;
    double hoog;
    double positie;
    int stap; // of CProgressBar::kStappen
};

const CPositieGeval kGevallen[] = {
    {"the start", 0, 1, 0, 0},
    {"halfway", 0, 1, 0.5, 500},
    {"the end", 0, 1, 1, 1000},
    {"beyond the end", 0, 1, 7, 1000},
    {"before the start", 10, 20, 3, 0},
    {"an offset range", 10, 20, 12.5, 250},
    {"a negative range", -20, -10, -15, 500},
    {"the pairings of 17 players", 0, 34459425, 34459424, 999},
    {"a count beyond 32 bits", 0, 1e12, 4e11, 400},
    {"not a number", 0, 1, std::nan(""), 0},
};

void PrintTo(const CPositieGeval& geval, std::ostream* uit) {
    *uit << geval.naam;
}

class Voortgang : public ::testing::TestWithParam<CPositieGeval> {};

TEST_P(Voortgang, DeBalkStaatOpHetDeelVanHetBereik) {
    const CPositieGeval& geval = GetParam();
    CProgressBar balk;
    balk.ZetBereik(geval.laag, geval.hoog);
    EXPECT_TRUE(balk.HeeftBalk());
    EXPECT_EQ(0, balk.value());
    balk.ZetPositie(geval.positie);
    EXPECT_EQ(geval.stap, balk.value());
    EXPECT_EQ(CProgressBar::kStappen, balk.maximum());
}

INSTANTIATE_TEST_SUITE_P(Gevallen, Voortgang, ::testing::ValuesIn(kGevallen));

TEST(VoortgangsBalk, EenLeegBereikGeeftGeenBalk) {
    CProgressBar balk;
    EXPECT_FALSE(balk.HeeftBalk());
    balk.ZetBereik(0, 1);
    balk.ZetPositie(1);
    for (double hoog : {0.0, -5.0}) {
        balk.ZetBereik(0, hoog);
        EXPECT_FALSE(balk.HeeftBalk());
        EXPECT_EQ(0, balk.value()) << "a new range starts empty";
        balk.ZetPositie(1e6);
        EXPECT_EQ(0, balk.value());
        EXPECT_FALSE(balk.isTextVisible());
    }
}

TEST(VoortgangsBalk, DeBalkBeweegtAlleenPerStap) {
    CProgressBar balk;
    balk.ZetBereik(0, 2027025);
    QSignalSpy bewogen(&balk, &QProgressBar::valueChanged);
    for (int i = 0; i <= 2027025; i += 7) {
        balk.ZetPositie(i);
    }
    balk.ZetPositie(2027025);
    EXPECT_EQ(CProgressBar::kStappen, balk.value());
    EXPECT_EQ(CProgressBar::kStappen, bewogen.count());
}

} // namespace
