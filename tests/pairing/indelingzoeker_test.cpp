#include "indeling_opstelling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/lcggenerator.h"

#include <gtest/gtest.h>

namespace {

using Volgorde = std::vector<int>;

// Four equal players whose four rounds shape the costs so that every pairing
// the full search tries beats the one before: {0-3, 1-2} costs 0, {1-3, 0-2}
// -3200 and {2-3, 0-1} -7200. Returns the parameters that give those costs.
CIndelingsParameters StijgendeWinst(CIndelingOpstelling& o) {
    GelijkeSpelers(o, 4);
    o.Ronde({{0, 1}, {2, 3}});
    o.Ronde({{1, 3}, {0, 2}});
    o.Ronde({});
    o.Ronde({{0, 3}, {1, 2}});
    CIndelingsParameters p;
    p.PenaltyNietZoIngedeeldGrens = 10;
    return p;
}

TEST(VolledigeZoektocht, ProbeertPartnersInVasteVolgorde) {
    CIndelingOpstelling o;
    CIndelingsParameters p = StijgendeWinst(o);
    Zoektocht z(o, p);
    ASSERT_TRUE(z.zoeker.ZoekVolledig());
    EXPECT_EQ(z.voortgang.besten, (std::vector<int64_t>{0, -3200, -7200}));
    EXPECT_EQ(z.zoeker.Resultaat(), (Volgorde{0, 1, 2, 3}));
    EXPECT_EQ(z.zoeker.Combinaties(), 3);
    EXPECT_EQ(z.voortgang.Hoog(), 3);
    EXPECT_EQ(z.voortgang.Titel(), "Voortgang Volledige Pairing");
}

TEST(VolledigeZoektocht, BijGelijkeTotalenBlijftDeEersteStaan) {
    CIndelingOpstelling o;
    GelijkeSpelers(o, 4);
    Zoektocht z(o);
    ASSERT_TRUE(z.zoeker.ZoekVolledig());
    EXPECT_EQ(z.zoeker.Resultaat(), (Volgorde{2, 1, 0, 3}));
    EXPECT_EQ(z.voortgang.besten, (std::vector<int64_t>{0}));
}

TEST(VolledigeZoektocht, UitlotingGaatEerstNaarDeLaatsteDanVanVoorAf) {
    // Only one participant may get the bye; each order is worked out by hand.
    struct Geval {
        int toegestaan;
        Volgorde resultaat;
    };
    const Geval gevallen[] = {{2, {0, 1, 2}}, {0, {2, 1, 0}}, {1, {2, 0, 1}}};
    for (const Geval& g : gevallen) {
        CIndelingOpstelling o;
        for (int i = 0; i < 3; ++i) {
            o.Speler("Speler " + std::to_string(i), 150, i == g.toegestaan ? 1 : 0);
        }
        Zoektocht z(o);
        ASSERT_TRUE(z.zoeker.ZoekVolledig());
        EXPECT_EQ(z.zoeker.Resultaat(), g.resultaat);
        EXPECT_EQ(z.zoeker.Beste(), 0);
        EXPECT_EQ(z.zoeker.Combinaties(), 3);
    }
}

TEST(VolledigeZoektocht, RekentUitlotingAnders) {
    // Anna may not get the bye but had ten: the full search charges her 20000,
    // the random and the exact search 30000. Bert had 25 byes, Cor 30.
    CIndelingOpstelling o;
    o.Speler("Anna", 150, 0);
    o.Speler("Bert", 150);
    o.Speler("Cor", 150);
    for (int r = 0; r < 30; ++r) {
        std::vector<int> byes = {2};
        if (r < 10) {
            byes.push_back(0);
        }
        if (r < 25) {
            byes.push_back(1);
        }
        o.Ronde({}, byes);
    }
    CIndelingsParameters p;
    p.AantalRandomPairings = 50;
    p.PenaltyNietZoIngedeeldLaag = 0; // every pair costs 0
    Zoektocht volledig(o, p);
    ASSERT_TRUE(volledig.zoeker.ZoekVolledig());
    EXPECT_EQ(volledig.zoeker.Resultaat().back(), 0);
    EXPECT_EQ(volledig.zoeker.Beste(), 20000);
    Zoektocht random(o, p);
    ASSERT_TRUE(random.zoeker.ZoekRandom(7));
    EXPECT_EQ(random.zoeker.Resultaat().back(), 1);
    EXPECT_EQ(random.zoeker.Beste(), 25000);
    // The exact search charges the bye as the random search does.
    Zoektocht exact(o, p);
    ASSERT_TRUE(exact.zoeker.ZoekExact());
    EXPECT_EQ(exact.zoeker.Resultaat(), (Volgorde{0, 2, 1}));
    EXPECT_EQ(exact.zoeker.Beste(), 25000);
}

TEST(VolledigeZoektocht, GeblokkeerdeDeelboomTeltMee) {
    CIndelingOpstelling o;
    GelijkeSpelers(o, 4);
    Zoektocht vier(o, {}, {{"Speler 0", "Speler 3"}});
    ASSERT_TRUE(vier.zoeker.ZoekVolledig());
    EXPECT_EQ(vier.zoeker.Combinaties(), 3);
    EXPECT_EQ(vier.zoeker.Resultaat(), (Volgorde{0, 2, 1, 3}));

    o.Speler("Speler 4", 150);
    o.Speler("Speler 5", 150);
    Zoektocht zes(o, {}, {{"Speler 0", "Speler 5"}, {"Speler 1", "Speler 2"}});
    ASSERT_TRUE(zes.zoeker.ZoekVolledig());
    EXPECT_EQ(zes.zoeker.Combinaties(), 15);
    EXPECT_NE(zes.zoeker.Beste(), kGeenIndeling);
}

TEST(VolledigeZoektocht, TeltAllePairings) {
    struct Geval {
        int aantal;
        double combinaties;
    };
    for (Geval g : {Geval{2, 1}, Geval{5, 15}, Geval{10, 945}, Geval{11, 10395}}) {
        CIndelingOpstelling o;
        GelijkeSpelers(o, g.aantal);
        Zoektocht z(o);
        ASSERT_TRUE(z.zoeker.ZoekVolledig());
        EXPECT_EQ(z.zoeker.Combinaties(), g.combinaties) << g.aantal;
        EXPECT_EQ(z.voortgang.Teller(), g.combinaties);
        EXPECT_EQ(z.voortgang.Hoog(), g.combinaties);
    }
}

TEST(VolledigeZoektocht, ZonderToelaatbarePairingMislukt) {
    CIndelingOpstelling o;
    GelijkeSpelers(o, 2);
    Zoektocht geblokkeerd(o, {}, {{"Speler 1", "Speler 0"}});
    EXPECT_FALSE(geblokkeerd.zoeker.ZoekVolledig());
    EXPECT_EQ(geblokkeerd.zoeker.Combinaties(), 1);
    EXPECT_EQ(geblokkeerd.zoeker.Resultaat(), (Volgorde{0, 1}));

    CIndelingOpstelling een;
    GelijkeSpelers(een, 1);
    Zoektocht alleen(een);
    EXPECT_FALSE(alleen.zoeker.ZoekVolledig());
}

TEST(Zoektocht, ZonderDeelnemersMisluktZonderLog) {
    CIndelingOpstelling o;
    Zoektocht z(o);
    z.log.Start("oud", z.model);
    EXPECT_FALSE(z.zoeker.ZoekVolledig());
    EXPECT_FALSE(z.zoeker.ZoekRandom(1));
    EXPECT_EQ(z.log.Regels().front(), "oud");
}

TEST(Zoektocht, KiestDeZoekwijzeNaarAantalParen) {
    using enum EZoekMethode;
    struct Geval {
        int aantal;
        int32_t maximaal;
        int32_t exact; // ExacteIndeling
        EZoekMethode methode;
        const char* wijze;
    };
    const Geval gevallen[] = {
        {16, 8, 1, Parameters, "Volledige pairing"},
        {17, 8, 1, Parameters, "Exacte pairing"},
        {17, 8, 0, Parameters, "Random pairing"},
        {4, 2, 0, Parameters, "Volledige pairing"},
        {5, 2, 0, Parameters, "Random pairing"},
        {5, 2, 7, Parameters, "Exacte pairing"}, // any value but 0
        // A named search whatever the parameters say.
        {4, 2, 1, Random, "Random pairing"},
        {4, 2, 1, Exact, "Exacte pairing"},
        {17, 8, 1, Volledig, "Volledige pairing"},
        {17, 8, 0, Exact, "Exacte pairing"},
    };
    for (const Geval& g : gevallen) {
        CIndelingOpstelling o;
        GelijkeSpelers(o, g.aantal);
        CIndelingsParameters p;
        p.MaximaalAantalVoorVolledig = g.maximaal;
        p.AantalRandomPairings = 1;
        p.ExacteIndeling = g.exact;
        Zoektocht z(o, p);
        z.voortgang.stopNaBesten = 1; // the choice is what matters here
        ASSERT_TRUE(z.zoeker.Zoek(1, g.methode));
        EXPECT_EQ(z.log.Regels().front(), g.wijze) << g.aantal << " " << g.exact;
    }
}

TEST(RandomZoektocht, GeneratorVolgtDeVasteReeks) {
    CLcgGenerator generator(1);
    EXPECT_EQ(generator.Volgende(), 41u);
    EXPECT_EQ(generator.Volgende(), 18467u);
    EXPECT_EQ(generator.Volgende(), 6334u);
    EXPECT_EQ(generator.Volgende(), 26500u);
}

TEST(RandomZoektocht, EersteGelijkeBlijftStaan) {
    // Seed 1 draws 41, 18467, 6334: the first shuffle of 0 1 2 3 is 3 0 2 1.
    CIndelingOpstelling o;
    GelijkeSpelers(o, 4);
    CIndelingsParameters p;
    p.AantalRandomPairings = 100;
    Zoektocht z(o, p);
    ASSERT_TRUE(z.zoeker.ZoekRandom(1));
    EXPECT_EQ(z.zoeker.Resultaat(), (Volgorde{3, 0, 2, 1}));
    EXPECT_EQ(z.voortgang.besten, (std::vector<int64_t>{0}));
    EXPECT_EQ(z.voortgang.Teller(), 100);
    EXPECT_TRUE(z.voortgang.HeeftBalk());
    EXPECT_EQ(z.voortgang.Titel(), "Voortgang Random Pairing");
}

TEST(RandomZoektocht, VasteZaadGeeftVasteUitkomst) {
    CIndelingOpstelling o;
    for (int i = 0; i < 12; ++i) {
        o.Speler("Speler " + std::to_string(i), 100 + 37 * i % 200, i % 3 == 0 ? 0 : 1);
    }
    o.Ronde({{0, 1}, {2, 3}, {4, 5}});
    o.Ronde({{0, 2}, {6, 7}}, {8});
    CIndelingsParameters p;
    p.AantalRandomPairings = 2000;
    Zoektocht een(o, p);
    Zoektocht twee(o, p);
    Zoektocht ander(o, p);
    ASSERT_TRUE(een.zoeker.ZoekRandom(12345));
    ASSERT_TRUE(twee.zoeker.ZoekRandom(12345));
    ASSERT_TRUE(ander.zoeker.ZoekRandom(54321));
    EXPECT_EQ(een.zoeker.Resultaat(), twee.zoeker.Resultaat());
    EXPECT_EQ(een.log.Regels(), twee.log.Regels());
    EXPECT_NE(een.log.Regels(), ander.log.Regels());
    EXPECT_EQ(een.zoeker.Beste(), een.model.TotaleKosten(een.zoeker.Resultaat().data()));
    // Strict improvement: every reported best is lower than the one before.
    for (size_t i = 1; i < een.voortgang.besten.size(); ++i) {
        EXPECT_LT(een.voortgang.besten[i], een.voortgang.besten[i - 1]);
    }
}

TEST(RandomZoektocht, EenDeelnemerKrijgtDeUitloting) {
    CIndelingOpstelling o;
    o.Speler("Alleen", 150, 0);
    CIndelingsParameters p;
    p.AantalRandomPairings = 3;
    Zoektocht z(o, p);
    ASSERT_TRUE(z.zoeker.ZoekRandom(1));
    EXPECT_EQ(z.zoeker.Beste(), 20000);
}

TEST(RandomZoektocht, AlleenGeblokkeerdMislukt) {
    CIndelingOpstelling o;
    GelijkeSpelers(o, 2);
    CIndelingsParameters p;
    p.AantalRandomPairings = 10;
    Zoektocht z(o, p, {{"Speler 0", "Speler 1"}});
    EXPECT_FALSE(z.zoeker.ZoekRandom(1));
}

TEST(Stoppen, OneindigeRandomZoektochtLooptTotStop) {
    CIndelingOpstelling o;
    GelijkeSpelers(o, 40);
    Zoektocht z(o); // AantalRandomPairings = 0
    z.voortgang.stopBijPositie = 5000;
    ASSERT_TRUE(z.zoeker.ZoekRandom(3));
    EXPECT_EQ(z.voortgang.Teller(), 5000);
    EXPECT_FALSE(z.voortgang.HeeftBalk());
    EXPECT_EQ(z.voortgang.Titel(), "Voortgang Oneindige Random Pairing");
}

TEST(Stoppen, VolledigeZoektochtHoudtDeBesteTotDanToe) {
    // A stop at the second better pairing keeps it.
    CIndelingOpstelling o;
    CIndelingsParameters p = StijgendeWinst(o);
    Zoektocht z(o, p);
    z.voortgang.stopNaBesten = 2;
    ASSERT_TRUE(z.zoeker.ZoekVolledig());
    EXPECT_EQ(z.zoeker.Resultaat(), (Volgorde{0, 2, 1, 3}));
    EXPECT_EQ(z.zoeker.Beste(), -3200);
    EXPECT_EQ(z.zoeker.Combinaties(), 2);

    CIndelingOpstelling groot;
    GelijkeSpelers(groot, 16);
    Zoektocht g(groot);
    g.voortgang.stopBijPositie = 1000;
    ASSERT_TRUE(g.zoeker.ZoekVolledig());
    EXPECT_EQ(g.zoeker.Combinaties(), 1000);
}

} // namespace
