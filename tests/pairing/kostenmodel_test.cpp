#include "indeling_opstelling.h"
#include "pairing/kostenmodel.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct KlasseGeval {
    int32_t een;
    int32_t twee;
    int32_t grens, laag, hoog;
    int32_t kosten;
};

TEST(Kostenmodel, KlassePenaltyMetGrens) {
    const KlasseGeval gevallen[] = {
        {100, 270, 17, 10, 20, 1700}, // exactly 10 x G: the lower rate
        {100, 271, 17, 10, 20, 3420}, // one tenth more: the higher rate on all of it
        {271, 100, 17, 10, 20, 3420}, {150, 150, 17, 10, 20, 0},
        {100, 150, 5, 3, 7, 150},     {100, 151, 5, 3, 7, 357},
    };
    for (const KlasseGeval& g : gevallen) {
        CIndelingOpstelling o;
        o.Speler("Een", g.een);
        o.Speler("Twee", g.twee);
        CIndelingsParameters p;
        p.PenaltyKlasseVerschilGrens = g.grens;
        p.PenaltyKlasseVerschilLaag = g.laag;
        p.PenaltyKlasseVerschilHoog = g.hoog;
        CKostenModel model(o.Deelnemers(), o.competitie.rondes, p);
        EXPECT_EQ(model.Kosten(0, 1), g.kosten) << g.een << " " << g.twee;
        EXPECT_EQ(model.Kosten(1, 0), g.kosten);
    }
}

TEST(Kostenmodel, RondesSindsLaatsteOntmoeting) {
    // Twenty participants, twelve rounds: L = 10 and A = 400 x 11 x 11.
    CIndelingOpstelling o;
    o.Speler("Ab", 215);
    o.Speler("Bert", 230);
    o.Speler("Cor", 215);
    o.Speler("Dirk", 230);
    for (int i = 4; i < 20; ++i) {
        o.Speler("Speler " + std::to_string(i), 100);
    }
    for (int r = 0; r < 12; ++r) {
        if (r == 8) {
            o.Ronde({{0, 1}}); // the fourth-newest round
        } else {
            o.Ronde({{4, 5}});
        }
    }
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{});
    EXPECT_EQ(model.RondesGrens(), 10);
    EXPECT_EQ(model.AftrekBovenGrens(), 48400);
    EXPECT_EQ(model.Kosten(0, 1), 150 - 3600);
    EXPECT_EQ(model.Kosten(2, 3), 150 - 48400); // never met: 12 rounds, beyond L
    EXPECT_EQ(model.Kosten(4, 5), 0);           // met in the newest round
    CPaarKosten paar = model.PaarKosten(1, 0);
    EXPECT_EQ(paar.klasseVerschil, 15);
    EXPECT_EQ(paar.klassePenalty, 150);
    EXPECT_EQ(paar.rondes, 3);
    EXPECT_EQ(paar.aftrek, 3600);
}

TEST(Kostenmodel, NieuwsteOntmoetingTeltEnUitlotingenNiet) {
    CIndelingOpstelling o;
    for (const char* naam : {"A", "B", "C", "D"}) {
        o.Speler(naam, 150);
    }
    o.Ronde({{0, 1}, {2, 3}});
    o.Ronde({{2, 0}});
    o.Ronde({{0, 1}}, {2, 3});
    ASSERT_EQ(o.competitie.rondes.Ronde(2).VoegToeKlasse(3, 200), 0);
    CIndelingsParameters p;
    p.PenaltyNietZoIngedeeldGrens = 10;
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, p);
    EXPECT_EQ(model.PaarKosten(0, 1).rondes, 0); // also met long ago
    EXPECT_EQ(model.PaarKosten(0, 2).rondes, 1); // the game names them the other way round
    EXPECT_EQ(model.PaarKosten(2, 3).rondes, 2); // byes and class settings are no meeting
    EXPECT_EQ(model.PaarKosten(1, 3).rondes, 3); // never met
    EXPECT_EQ(model.Kosten(1, 3), -400 * 9);
}

TEST(Kostenmodel, ZonderRondesGeenAftrek) {
    CIndelingOpstelling o;
    o.Speler("A", 150);
    o.Speler("B", 150);
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{});
    EXPECT_EQ(model.PaarKosten(0, 1).rondes, 0);
    EXPECT_EQ(model.Kosten(0, 1), 0);
}

TEST(Kostenmodel, EffectieveRondesGrensEnAftrek) {
    // Seven participants, five rounds: L = 7 / 2 = 3 and A = 400 x 4 x 4.
    CIndelingOpstelling o;
    for (int i = 0; i < 7; ++i) {
        o.Speler("S" + std::to_string(i), 150);
    }
    o.Ronde({{2, 3}});
    o.Ronde({{0, 1}});
    o.Ronde({});
    o.Ronde({});
    o.Ronde({});
    CKostenModel standaard(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{});
    EXPECT_EQ(standaard.RondesGrens(), 3);
    EXPECT_EQ(standaard.AftrekBovenGrens(), 6400);
    EXPECT_EQ(standaard.Kosten(0, 1), -3600); // t = 3, within L
    EXPECT_EQ(standaard.Kosten(2, 3), -6400); // t = 4, beyond L
    EXPECT_EQ(standaard.Kosten(4, 5), -6400); // never met, t = 5

    CIndelingsParameters p;
    p.PenaltyNietZoIngedeeldGrens = 2;
    p.PenaltyNietZoIngedeeldHoog = 1000;
    CKostenModel eigen(o.Deelnemers(), o.competitie.rondes, p);
    EXPECT_EQ(eigen.RondesGrens(), 2);
    EXPECT_EQ(eigen.AftrekBovenGrens(), 1000);
    EXPECT_EQ(eigen.Kosten(0, 1), -1000);
}

TEST(Kostenmodel, UitlootKostenVanBeideZoekwijzen) {
    struct Geval {
        int32_t toegestaan;
        int byes;
        int64_t random, volledig;
    };
    const Geval gevallen[] = {
        {0, 2, 22000, 20000},
        {1, 2, 2000, 2000},
        {0, 0, 20000, 20000},
        {1, 0, 0, 0},
    };
    for (const Geval& g : gevallen) {
        CIndelingOpstelling o;
        o.Speler("Enige", 150, g.toegestaan);
        for (int r = 0; r < g.byes; ++r) {
            o.Ronde({}, {0});
        }
        CKostenModel model(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{});
        EXPECT_EQ(model.UitlootKosten(0), g.random);
        EXPECT_EQ(model.UitlootKostenVolledig(0), g.volledig);
        int v[] = {0};
        EXPECT_EQ(model.TotaleKosten(v), g.random); // one participant: the bye alone
    }
}

TEST(Kostenmodel, GeblokkeerdPaarMaaktIndelingOntoelaatbaar) {
    CIndelingOpstelling o;
    o.Speler("Anna", 100);
    o.Speler("Bob", 300);
    o.Speler("Cas", 100);
    o.Speler("Dora", 300);
    o.Speler("Eva", 200, 0);
    std::vector<CNaamPaar> blokkades = {
        {"Anna", "Cas"},
        {"bob", "Dora"},    // names compare case-sensitively
        {"Anna", "Niemand"} // not a participant
    };
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, CIndelingsParameters{}, blokkades);
    EXPECT_TRUE(model.Geblokkeerd(0, 2));
    EXPECT_TRUE(model.Geblokkeerd(2, 0));
    EXPECT_FALSE(model.Geblokkeerd(1, 3));
    int geblokkeerd[] = {1, 3, 2, 0, 4}; // the cheap pair is blocked, whatever the rest costs
    EXPECT_EQ(model.TotaleKosten(geblokkeerd), kGeenIndeling);
    int toegestaan[] = {0, 1, 2, 3, 4};
    EXPECT_EQ(model.TotaleKosten(toegestaan), 2 * 200 * 20 + 20000);
}

TEST(Kostenmodel, OnzinnigeParametersLopenNietOver) {
    CIndelingOpstelling o;
    o.Speler("A", 100);
    o.Speler("B", 900);
    CIndelingsParameters p;
    p.PenaltyKlasseVerschilHoog = std::numeric_limits<int32_t>::max();
    p.PenaltyNietZoIngedeeldGrens = std::numeric_limits<int32_t>::max();
    p.PenaltyNietZoIngedeeldLaag = std::numeric_limits<int32_t>::min();
    CKostenModel model(o.Deelnemers(), o.competitie.rondes, p);
    EXPECT_EQ(model.Kosten(0, 1), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(model.AftrekBovenGrens(), std::numeric_limits<int64_t>::min());
}

} // namespace
