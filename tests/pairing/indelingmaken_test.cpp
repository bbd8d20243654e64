#include "indeling_opstelling.h"
#include "pairing/indeling.h"
#include "pairing/indelingmaken.h"
#include "pairing/indelingslog.h"
#include "rating/voorgift.h"

#include <gtest/gtest.h>

namespace {

using Lijst = std::vector<CIndelingsRegel>;

// Seven players of equal class; the last two play a fixed pair, so five take part.
class IndelingMaken : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* naam : {"P0", "P1", "P2", "P3", "P4", "Vast1", "Vast2"}) {
            o.Speler(naam, 150);
        }
        for (CSpeler* s : o.Deelnemers()) {
            s->meedoen = s->naam.compare(0, 4, "Vast") != 0;
        }
    }

    int Genereer(Lijst& lijst) {
        return GenereerIndeling(o.competitie.spelers, o.competitie.rondes, {}, voorgift, lijst,
                                voortgang, log, 1);
    }

    CIndelingOpstelling o;
    CVoorgift voorgift{"0", "6", true};
    CTestVoortgang voortgang;
    CIndelingsLog log;
    const CIndelingsRegel vast{"Vast1", "Vast2", "          5 komi", "F", 6, 7};
    const std::string tekst = "0 stenen, 6,5 komi";
};

TEST_F(IndelingMaken, VervangtBerekendeRegelsEnHoudtBlokkadesEnVasteParen) {
    // The search would pair P2 with P1 first; the block moves it on to the next.
    Lijst lijst = {
        {"P3", "P4", "oud", ""},
        vast,
        {"P2", "P1", "Geblokkeerd", "X"},
        {"P0", "", "", "?"},
    };
    ASSERT_EQ(Genereer(lijst), 0);
    Lijst verwacht = {
        vast,
        {"P2", "P1", "Geblokkeerd", "X"},
        {"P0", "P2", tekst, "", 1, 3},
        {"P1", "P3", tekst, "", 2, 4},
        {"P4", "", "Uitgeloot", "", 5, 0},
    };
    EXPECT_EQ(lijst, verwacht);
    EXPECT_EQ(log.Regels().front(), "Volledige pairing");

    CIndeling indeling;
    Publiceer(lijst, indeling);
    ASSERT_EQ(indeling.Aantal(), 4);
    EXPECT_EQ(indeling.Items()[0], (CIndItem{6, 7, "Vast1", "Vast2", "          5 komi"}));
    EXPECT_EQ(indeling.Items()[3], (CIndItem{5, 0, "P4", "", "Uitgeloot"}));
    EXPECT_EQ(indeling.Zwart(0), "Vast1");
    EXPECT_EQ(indeling.Tekst(0), "          5 komi");
    EXPECT_EQ(indeling.Zwart(1), "P0");
    EXPECT_EQ(indeling.Wit(2), "P3");
    EXPECT_EQ(indeling.Zwart(3), "P4");
    EXPECT_EQ(indeling.Wit(3), "");
    EXPECT_EQ(indeling.Tekst(3), "Uitgeloot");
}

TEST_F(IndelingMaken, ZonderIndelingMeldtHetEnBlijvenDeKeuzesStaan) {
    for (CSpeler* s : o.Deelnemers()) {
        s->meedoen = s->naam == "P0" || s->naam == "P1";
    }
    Lijst lijst = {{"P0", "P1", "x", ""}, vast, {"P1", "P0", "Geblokkeerd", "X"}};
    o.recorder.Verwacht("Met de opgegeven keuzes kon er geen indeling gemaakt worden");
    EXPECT_EQ(Genereer(lijst), -1);
    EXPECT_EQ(lijst, (Lijst{vast, {"P1", "P0", "Geblokkeerd", "X"}}));
}

} // namespace
