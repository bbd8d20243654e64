#include "melding_recorder.h"
#include "pairing/indeling.h"
#include "publish/lijsten.h"
#include "publish/lijstopmaak.h"
#include "rating/standberekening.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

const char* kBart = "Bartholomeus van der Heijden-Smit";

// Three rounds: a win and a bye; a class setting stored first, a jigo, a bye
// and a win; an unrecorded game.
class LijstenTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.Speler(1, "Anna de Vries", 205);
        c.Speler(2, kBart, 150);
        c.Speler(3, "Cees", 180);
        c.Speler(4, "Dirk", 220, 0);
        CRonde& r1 = c.Ronde("12 mei");
        r1.VoegToe(1, 2, '+');
        r1.VoegToe(3);
        CRonde& r2 = c.Ronde("19 mei");
        r2.VoegToeKlasse(4, 215);
        r2.VoegToe(3, 1, '0');
        r2.VoegToe(4);
        r2.VoegToe(2, 3, '-');
        c.Ronde("26 mei").VoegToe(1, 3, '?');
    }

    CMeldingRecorder recorder;
    CTestCompetitie c;
    CStandFormules formules{CFormule("2 * W + J"), false, CFormule("K - 10"), CFormule("K + 10"),
                            CFormule("K")};
    CLijstBron bron{c.spelers, c.rondes, "Voorjaar 2024"};
    std::string uit;
};

TEST_F(LijstenTest, StandingsAfterTheLastRound) {
    BerekenStand(c.spelers, c.rondes, -1, formules);
    EXPECT_EQ(0, LijstStand(bron, std::nullopt, true, formules, uit));
    EXPECT_EQ(Fixture("lijst_stand.txt"), uit);
}

TEST_F(LijstenTest, StandingsTitleNamesTheExactlyMatchingRoundOrElseTheLast) {
    BerekenStand(c.spelers, c.rondes, 2, formules);
    EXPECT_EQ(0, LijstStand(bron, std::string("19 mei"), false, formules, uit));
    EXPECT_NE(std::string::npos, uit.find("\tStand na ronde '19 mei'\n"));
    EXPECT_EQ(0, uit.find(" ---")); // no header

    for (const char* id : {"19 MEI", "juli"}) {
        uit.clear();
        EXPECT_EQ(0, LijstStand(bron, std::string(id), false, formules, uit));
        EXPECT_NE(std::string::npos, uit.find("\tStand na ronde '26 mei'\n")) << id;
    }
}

TEST_F(LijstenTest, StartingStandingsListTheActivePlayers) {
    CTestCompetitie leeg;
    leeg.Speler(1, "Anna de Vries", 205);
    leeg.Speler(2, kBart, 150);
    leeg.Speler(3, "Cees", 180);
    leeg.Speler(4, "Dirk", 220, 0);
    BerekenStand(leeg.spelers, leeg.rondes, -1, formules);
    CLijstBron leegBron{leeg.spelers, leeg.rondes, "Voorjaar 2024"};
    EXPECT_EQ(0, LijstStand(leegBron, std::string("12 mei"), false, formules, uit));
    EXPECT_EQ(Fixture("lijst_beginstand.txt"), uit);
}

TEST_F(LijstenTest, ResultsListGamesThenByesThenClassSettings) {
    for (int positie : {0, 1, -1}) {
        EXPECT_EQ(0, LijstUitslag(bron, positie, uit));
    }
    EXPECT_EQ(Fixture("lijst_uitslag.txt"), uit);
}

TEST_F(LijstenTest, ResultsOfAnEmptyRoundListAndOfAMissingRound) {
    CTestCompetitie leeg;
    CLijstBron leegBron{leeg.spelers, leeg.rondes, "Voorjaar 2024"};
    EXPECT_EQ(0, LijstUitslag(leegBron, -1, uit));
    const std::string streep = " " + std::string(79, '-') + "\n";
    EXPECT_EQ("\n\n\n" + std::string(20, ' ') + "Morvel Competitie Beheer - Voorjaar 2024\n\n" +
                  streep + "\tNog geen uitslagen ingevoerd\n" + streep + "\n",
              uit);

    uit.clear();
    recorder.Verwacht("LijstUitslag\nInterne programma fout: ronde 3 bestaat niet");
    EXPECT_EQ(-1, LijstUitslag(bron, 3, uit));
    EXPECT_EQ("", uit);
}

TEST_F(LijstenTest, ResultsNameAPlayerMissingFromTheRegister) {
    c.spelers.Verwijder(3);
    EXPECT_EQ(0, LijstUitslag(bron, 2, uit));
    EXPECT_NE(
        std::string::npos,
        uit.find(" Anna de Vries             - onbekende speler 3            niet genoteerd\n"));
}

TEST_F(LijstenTest, PairingSheet) {
    CIndeling indeling;
    indeling.VoegToe(1, 2, kBart, "Anna de Vries", "2 stenen, 6,5 komi");
    indeling.VoegToe(3, 0, "Cees", "", "Uitgeloot");
    LijstIndeling(indeling, "Voorjaar 2024", true, uit);
    EXPECT_EQ(Fixture("lijst_indeling.txt"), uit);

    // Without the header the sheet starts at its dash line; no pairs, no entries.
    std::string zonderKop;
    LijstIndeling(CIndeling(), "Voorjaar 2024", false, zonderKop);
    const std::string verwacht = Fixture("lijst_indeling.txt");
    const size_t begin = verwacht.find(" ---");
    const size_t paren = verwacht.find(" Bartholomeus");
    const size_t staart = verwacht.rfind(" ---");
    EXPECT_EQ(verwacht.substr(begin, paren - begin) + verwacht.substr(staart), zonderKop);
}

TEST(LijstOpmaakTest, TitleIsCentredAndNeverShiftedLeft) {
    struct Geval {
        size_t lengte;
        size_t blanks;
    };
    for (Geval g : {Geval{0, 40}, Geval{40, 20}, Geval{77, 1}, Geval{78, 1}, Geval{79, 0},
                    Geval{80, 0}, Geval{95, 0}}) {
        const std::string titel(g.lengte, 'x');
        std::string uit;
        SchrijfGecentreerd(titel, uit);
        EXPECT_EQ(std::string(g.blanks, ' ') + titel + "\n", uit) << g.lengte;
    }
}

TEST(IndelingTest, ItemsPastTheEndAreEmpty) {
    CIndeling indeling;
    indeling.VoegToe(1, 2, "Zwart", "Wit", "1 steen, 6,5 komi");
    EXPECT_EQ(1, indeling.Aantal());
    EXPECT_EQ("Wit", indeling.Wit(0));
    EXPECT_EQ("", indeling.Zwart(1));
    EXPECT_EQ("", indeling.Tekst(-1));
    indeling.Clear();
    EXPECT_EQ(0, indeling.Aantal());
    EXPECT_EQ("", indeling.Zwart(0));
}

} // namespace
