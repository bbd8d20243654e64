#include "melding_recorder.h"
#include "rating/standberekening.h"
#include "rating/standtabel.h"
#include "test_competitie.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Classes in tenths, lower is stronger: a win moves one class up, a loss one down.
CStandFormules Formules(const char* punten = "2 * W + J", bool middelen = false,
                        const char* winst = "K - 10", const char* verlies = "K + 10",
                        const char* jigo = "K") {
    return CStandFormules{CFormule(punten), middelen, CFormule(winst), CFormule(verlies),
                          CFormule(jigo)};
}

struct Teller {
    int32_t winst, verlies, jigo, partijen;
};

void VerwachtStand(const CSpeler& s, Teller t, int32_t klasse) {
    SCOPED_TRACE(s.naam);
    EXPECT_EQ(t.winst, s.stand.winst);
    EXPECT_EQ(t.verlies, s.stand.verlies);
    EXPECT_EQ(t.jigo, s.stand.jigo);
    EXPECT_EQ(t.partijen, s.stand.partijen);
    EXPECT_EQ(klasse, s.klasse);
}

class StandTest : public ::testing::Test {
protected:
    CMeldingRecorder recorder;
    CTestCompetitie c;
};

TEST_F(StandTest, ClassFormulaSeesCountersAfterTheGameAndClassBeforeIt) {
    c.Speler(1, "Anna", 205);
    c.Speler(2, "Bert", 150);
    c.Ronde("r1").VoegToe(1, 2, '+');
    c.Ronde("r2").VoegToe(2, 1, '+');
    c.Ronde("r3").VoegToe(1, 2, '+');
    CStandFormules f = Formules();
    BerekenStand(c.spelers, c.rondes, -1, f);
    VerwachtStand(c.Van(1), {2, 1, 0, 3}, 195);
    VerwachtStand(c.Van(2), {1, 2, 0, 3}, 160);

    // In round 3 the win formula of player 1 records what it saw: W V J P, R and K.
    f.klasseNaWinst = CFormule("als(R = 3, (W * 1000 + V * 100 + J * 10 + P) * 10000 + R * 1000 "
                               "+ K, K - 10)");
    BerekenStand(c.spelers, c.rondes, -1, f);
    EXPECT_EQ(2103 * 10000 + 3 * 1000 + 205, c.Van(1).klasse);
}

TEST_F(StandTest, ClassSettingTakesEffectInTheMiddleOfItsRound) {
    c.Speler(1, "Anna", 205);
    c.Speler(2, "Bert", 150);
    c.Speler(3, "Cees", 180);
    c.Ronde("r1").VoegToe(1, 3, '+'); // 205 -> 195
    CRonde& r2 = c.Ronde("r2");
    r2.VoegToe(1, 2, '-'); // 195 -> 205
    r2.VoegToeKlasse(1, 150);
    r2.VoegToe(3, 1, '-'); // player 1 wins from 150
    CStandFormules f = Formules();
    BerekenStand(c.spelers, c.rondes, -1, f);
    VerwachtStand(c.Van(1), {2, 1, 0, 3}, 140);

    // Only the first round: the setting of round 2 is not reached.
    BerekenStand(c.spelers, c.rondes, 1, f);
    VerwachtStand(c.Van(1), {1, 0, 0, 1}, 195);
}

TEST_F(StandTest, UnrecordedResultsByesAndUnknownNumbersChangeNothing) {
    c.Speler(1, "Anna", 205);
    c.Speler(2, "Bert", 150);
    c.Speler(3, "Cees", 180);
    CRonde& r = c.Ronde("r1");
    r.VoegToe(1, 2, '?');
    r.VoegToe(1);
    r.VoegToe(3, 2, '0');
    r.VoegToe(1, 3, '+');
    c.spelers.Verwijder(3); // the rounds still name player 3
    CStandFormules f = Formules();
    BerekenStand(c.spelers, c.rondes, -1, f);
    VerwachtStand(c.Van(1), {1, 0, 0, 1}, 195);
    VerwachtStand(c.Van(2), {0, 0, 1, 1}, 150);
}

TEST_F(StandTest, RoundCountAndIdentificationChooseHowFarToReplay) {
    c.Speler(1, "Anna", 205);
    c.Speler(2, "Bert", 150);
    c.Ronde("Mei").VoegToe(1, 2, '+');
    c.Ronde("Juni").VoegToe(1, 2, '+');
    c.Ronde("mei").VoegToe(1, 2, '+');
    CStandFormules f = Formules();
    struct Geval {
        int aantal;
        int32_t winst;
    };
    for (Geval g : std::vector<Geval>{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {9, 3}, {-1, 3}}) {
        BerekenStand(c.spelers, c.rondes, 1, f); // leaves counters behind
        BerekenStand(c.spelers, c.rondes, g.aantal, f);
        EXPECT_EQ(g.winst, c.Van(1).stand.winst) << g.aantal;
        EXPECT_EQ(205 - 10 * g.winst, c.Van(1).klasse) << g.aantal;
    }
    struct IdGeval {
        const char* id;
        int32_t winst;
    };
    for (IdGeval g : std::vector<IdGeval>{{"MEI", 1}, {"juni", 2}, {"juli", 3}}) {
        BerekenStand(c.spelers, c.rondes, std::string(g.id), f);
        EXPECT_EQ(g.winst, c.Van(1).stand.winst) << g.id;
    }
}

TEST_F(StandTest, PerGamePointsAreAveragedAndOncePointsUseTheTotals) {
    c.Speler(1, "Anna", 205);
    c.Speler(2, "Bert", 150);
    c.Ronde("r1").VoegToe(1, 2, '+');
    c.Ronde("r2").VoegToe(1, 2, '0');
    CStandFormules f = Formules("2 * W + J", true);
    BerekenStand(c.spelers, c.rondes, -1, f);
    EXPECT_EQ(5, c.Van(1).stand.punten); // 2 after the win, 3 after the jigo
    EXPECT_EQ(2, StandPunten(c.Van(1), f));
    EXPECT_EQ(0, StandPunten(c.Van(2), f)); // (0 + 1) / 2

    // Per game the formula sees the round and the class before the game.
    f.punten = CFormule("R * 1000 + K");
    BerekenStand(c.spelers, c.rondes, -1, f);
    EXPECT_EQ(1205 + 2195, c.Van(1).stand.punten);

    // Once: the totals, R = 0 and the current class; the value is stored.
    f.middelen = false;
    EXPECT_EQ(195, StandPunten(c.Van(1), f));
    EXPECT_EQ(195, c.Van(1).stand.punten);
    f.punten = CFormule("2 * W + J");
    EXPECT_EQ(3, StandPunten(c.Van(1), f)); // per game the same formula gave 5

    // Without games the average is 0.
    f = Formules("7", true);
    BerekenStand(c.spelers, c.rondes, 0, f);
    EXPECT_EQ(0, StandPunten(c.Van(1), f));
}

std::vector<std::string> Namen(const CStandTabel& tabel) {
    std::vector<std::string> namen;
    for (const CStandRegel& r : tabel.Regels()) {
        namen.push_back(r.speler->naam);
    }
    return namen;
}

TEST_F(StandTest, TableRanksByPointsThenGamesThenClass) {
    c.Speler(1, "Een", 100);
    c.Speler(2, "Twee", 120);
    c.Speler(3, "Drie", 110);
    c.Speler(4, "Vier", 130);
    c.Speler(5, "Vijf", 90);
    c.Speler(6, "Zes", 95, 0);
    CRonde& r = c.Ronde("r1");
    r.VoegToe(1, 2, '+');             // Een 2 points in 1 game
    r.VoegToe(3, 4, '0');             // Drie and Vier 1 point each
    r.VoegToe(5);                     // Vijf: only a bye
    c.Ronde("r2").VoegToe(6, 2, '0'); // Zes is inactive but played; Twee: 1 point in 2 games
    CStandFormules f = Formules("2 * W + J", false, "K", "K", "K");
    BerekenStand(c.spelers, c.rondes, -1, f);
    CStandTabel tabel;
    ASSERT_EQ(0, tabel.Vul(c.spelers, true, f));
    EXPECT_EQ((std::vector<std::string>{"Een", "Twee", "Zes", "Drie", "Vier"}), Namen(tabel));
    EXPECT_EQ(2, tabel.Regels()[0].punten);

    // Before any round: the active players, by class.
    BerekenStand(c.spelers, c.rondes, 0, f);
    ASSERT_EQ(0, tabel.Vul(c.spelers, false, f));
    EXPECT_EQ((std::vector<std::string>{"Vijf", "Een", "Drie", "Twee", "Vier"}), Namen(tabel));
}

TEST_F(StandTest, RowValuesShowSignsAndPercentage) {
    CSpeler& s = c.Speler(1, "Anna", 205);
    struct Geval {
        Teller t;
        int32_t klasse;
        char klasseTeken;
        int64_t klasseVerschil;
        char saldoTeken;
        int64_t saldo;
        int32_t percentage;
    };
    const std::vector<Geval> gevallen = {
        {{3, 1, 1, 5}, 195, '-', 10, '+', 2, 70}, {{0, 2, 0, 2}, 212, '+', 7, '-', 2, 0},
        {{1, 1, 1, 3}, 205, ' ', 0, ' ', 0, 50},  {{0, 0, 0, 0}, 205, ' ', 0, ' ', 0, 0},
        {{2, 0, 1, 3}, 5, '-', 200, '+', 2, 83},
    };
    for (const Geval& g : gevallen) {
        s.stand.winst = g.t.winst;
        s.stand.verlies = g.t.verlies;
        s.stand.jigo = g.t.jigo;
        s.stand.partijen = g.t.partijen;
        s.klasse = g.klasse;
        CStandRegel regel{&s, 0};
        SCOPED_TRACE(g.klasse);
        EXPECT_DOUBLE_EQ(20.5, regel.BeginKlasse());
        EXPECT_DOUBLE_EQ(g.klasse / 10.0, regel.Klasse());
        EXPECT_EQ(g.klasseTeken, regel.KlasseVerschil().teken);
        EXPECT_EQ(g.klasseVerschil, regel.KlasseVerschil().grootte);
        EXPECT_EQ(g.saldoTeken, regel.Saldo().teken);
        EXPECT_EQ(g.saldo, regel.Saldo().grootte);
        EXPECT_EQ(g.percentage, regel.Percentage());
    }
}

} // namespace
