#include "melding_recorder.h"
#include "rating/voorgift.h"
#include "test_competitie.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The formulas of the three default handicap sets, all with the half point.
CVoorgift Standaard19() {
    return CVoorgift("min((V + 2) / 2, 9)", "als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", true);
}
CVoorgift Standaard13() {
    return CVoorgift("min((V + 8) / 6, 6)", "2 * min(5 - (V + 2) % 6, 33 - V)", true);
}
CVoorgift Standaard9() {
    return CVoorgift("min((V + 16) / 12, 4)", "min(11 - (V + 4) % 12, 43 - V)", true);
}

TEST(VoorgiftTest, DefaultSetsGiveTheirTable) {
    struct Rij {
        int32_t v;
        const char* negentien;
        const char* dertien;
        const char* negen;
    };
    const std::vector<Rij> tabel = {
        {0, "1 steen, 6,5 komi", "1 steen, 6,5 komi", "1 steen, 7,5 komi"},
        {1, "1 steen, 0,5 komi", "1 steen, 4,5 komi", "1 steen, 6,5 komi"},
        {2, "2 stenen, 6,5 komi", "1 steen, 2,5 komi", "1 steen, 5,5 komi"},
        {3, "2 stenen, 0,5 komi", "1 steen, 0,5 komi", "1 steen, 4,5 komi"},
        {4, "3 stenen, 6,5 komi", "2 stenen, 10,5 komi", "1 steen, 3,5 komi"},
        {8, "5 stenen, 6,5 komi", "2 stenen, 2,5 komi", "2 stenen, 11,5 komi"},
        {16, "9 stenen, 6,5 komi", "4 stenen, 10,5 komi", "2 stenen, 3,5 komi"},
        {17, "9 stenen, 0,5 komi", "4 stenen, 8,5 komi", "2 stenen, 2,5 komi"},
        {18, "9 stenen, -4,5 komi", "4 stenen, 6,5 komi", "2 stenen, 1,5 komi"},
        {34, "9 stenen, -84,5 komi", "6 stenen, -1,5 komi", "4 stenen, 9,5 komi"},
        {44, "9 stenen, -134,5 komi", "6 stenen, -21,5 komi", "4 stenen, -0,5 komi"},
    };
    CVoorgift negentien = Standaard19();
    CVoorgift dertien = Standaard13();
    CVoorgift negen = Standaard9();
    for (const Rij& rij : tabel) {
        // Black's class is V whole classes above White's 10.0.
        const int32_t zwart = 100 + 10 * rij.v + 5;
        EXPECT_EQ(rij.negentien, negentien.Tekst(zwart, 100)) << rij.v;
        EXPECT_EQ(rij.dertien, dertien.Tekst(zwart, 100)) << rij.v;
        EXPECT_EQ(rij.negen, negen.Tekst(zwart, 100)) << rij.v;
    }
}

TEST(VoorgiftTest, KomiTextWithAndWithoutTheHalfPoint) {
    struct Geval {
        int32_t stenen, komi;
        bool half;
        const char* tekst;
    };
    const std::vector<Geval> gevallen = {
        {1, 6, false, "1 steen, 6 komi"},
        {1, -5, false, "1 steen, -5 komi"},
        {2, 0, false, "2 stenen, 0 komi"},
        {1, 6, true, "1 steen, 6,5 komi"},
        {1, 0, true, "1 steen, 0,5 komi"},
        {1, -1, true, "1 steen, -0,5 komi"},
        {1, -2, true, "1 steen, -1,5 komi"},
        {9, -5, true, "9 stenen, -4,5 komi"},
        {0, 6, true, "0 stenen, 6,5 komi"},
        {-1, -2147483647 - 1, true, "-1 stenen, -2147483647,5 komi"},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(g.tekst, VoorgiftTekst(g.stenen, g.komi, g.half)) << g.tekst;
    }
}

TEST(VoorgiftTest, DifferenceCountsWholeClasses) {
    EXPECT_EQ(1, KlasseVerschil(125, 118));
    EXPECT_EQ(0, KlasseVerschil(205, 200));
    EXPECT_EQ(0, KlasseVerschil(209, 200));
    EXPECT_EQ(1, KlasseVerschil(200, 199));
    CVoorgift v = Standaard19();
    EXPECT_EQ("1 steen, 6,5 komi", v.Tekst(209, 200));
}

TEST(VoorgiftTest, WeakerPlayerTakesBlackAndEqualClassesKeepTheOrder) {
    CMeldingRecorder recorder;
    CTestCompetitie c;
    CSpeler& sterk = c.Speler(1, "Sterk", 118);
    CSpeler& zwak = c.Speler(2, "Zwak", 125);
    CSpeler& gelijk = c.Speler(3, "Gelijk", 118);
    CVoorgift v = Standaard19();

    CVoorgiftPaar paar = v.Paar(sterk, zwak);
    EXPECT_EQ(&zwak, paar.zwart);
    EXPECT_EQ(&sterk, paar.wit);
    EXPECT_EQ("1 steen, 0,5 komi", paar.tekst);
    paar = v.Paar(zwak, sterk);
    EXPECT_EQ(&zwak, paar.zwart);

    paar = v.Paar(gelijk, sterk);
    EXPECT_EQ(&gelijk, paar.zwart);
    EXPECT_EQ(&sterk, paar.wit);
    EXPECT_EQ("1 steen, 6,5 komi", paar.tekst);
    paar = v.Paar(sterk, gelijk);
    EXPECT_EQ(&sterk, paar.zwart);
}

TEST(VoorgiftTest, CheckBeforePairingRefusesWithItsMessage) {
    CMeldingRecorder recorder;
    CVoorgift goed = Standaard19();
    EXPECT_EQ(0, ControleerVoorgift(1, goed));

    recorder.Verwacht(
        "Er is geen aktieve voorgiftformule, stel deze eerst in via het configuratiescherm.");
    EXPECT_EQ(-1, ControleerVoorgift(0, goed));
    recorder.Verwacht(
        "Er is geen aktieve voorgiftformule, stel deze eerst in via het configuratiescherm.");
    EXPECT_EQ(-1, ControleerVoorgift(-3, goed));

    CVoorgift stenenFout("10 / V", "als(", true);
    recorder.Verwacht("De aktieve formule voor het aantal voorgiftstenen is niet correct.\n"
                      "Herstel dit eerst via het configuratiescherm.");
    EXPECT_EQ(-1, ControleerVoorgift(2, stenenFout));

    // Correct at V = 0 is enough, even if it fails for other differences.
    CVoorgift komiFout("V", "6 +", false);
    recorder.Verwacht("De aktieve formule voor de komi is niet correct.\n"
                      "Herstel dit eerst via het configuratiescherm.");
    EXPECT_EQ(-1, ControleerVoorgift(2, komiFout));
    CVoorgift alleenBijNul("10 / (V - 1)", "6", true);
    EXPECT_EQ(0, ControleerVoorgift(2, alleenBijNul));
    recorder.Controleer();
}

} // namespace
