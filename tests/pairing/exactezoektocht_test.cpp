// The exact search: its log and progress, the bye for a player who may not
// get it, the pairings it must refuse, and parameters far outside the usual
// range.

#include "indeling_opstelling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

using Volgorde = std::vector<int>;

TEST(ExacteZoektocht, LogEnVoortgangVanDeGekozenIndeling) {
    // The three players of the log test: Bakker-Jansen with the bye for
    // Mueller (1100) beats 1880 and 20220.
    CIndelingOpstelling o;
    o.Speler("Jansen", 150);
    o.Speler("M\xFCller", 172);
    o.Speler("Bakker", 300, 0);
    o.Ronde({{0, 1}}, {0});
    Zoektocht z(o);
    ASSERT_TRUE(z.zoeker.ZoekExact());
    EXPECT_EQ(z.zoeker.Resultaat(), (Volgorde{0, 2, 1}));
    EXPECT_EQ(z.zoeker.Beste(), 1100);

    std::vector<std::string> regels = z.log.Regels();
    ASSERT_EQ(regels.size(), 9u + 3u); // the header and one block
    EXPECT_EQ(regels[0], "Exacte pairing");
    EXPECT_EQ(regels[1], "Aantal spelers\t\t3");
    EXPECT_EQ(regels[8].substr(0, 41), std::string(40, '=') + "\t");
    EXPECT_EQ(regels[9], "Jansen\tBakker\t150\t(+1500)\t1\t(-400)\t1100");
    EXPECT_EQ(regels[10], "M\xFCller\t<uitgeloot>\t\t(+0)\t0\t(+0)\t1100");
    EXPECT_EQ(regels[11].substr(0, 41), std::string(40, '-') + "\t");

    EXPECT_EQ(z.voortgang.Titel(), "Voortgang Exacte Pairing");
    EXPECT_EQ(z.voortgang.besten, (std::vector<int64_t>{1100}));
    EXPECT_EQ(z.voortgang.Teller(), 1);
    EXPECT_FALSE(z.voortgang.StopGevraagd());
}

TEST(ExacteZoektocht, WieNietUitgelootMagKrijgtHetAlsHetMoet) {
    // Anna may not get the bye, but the blocked pairs leave no other choice;
    // with nobody allowed the bye there is still a pairing.
    CIndelingOpstelling o;
    o.Speler("Anna", 150, 0);
    o.Speler("Bert", 170);
    o.Speler("Cor", 190);
    Zoektocht gedwongen(o, {}, {{"Anna", "Bert"}, {"Cor", "Anna"}});
    ASSERT_TRUE(gedwongen.zoeker.ZoekExact());
    EXPECT_EQ(gedwongen.zoeker.Resultaat(), (Volgorde{1, 2, 0}));
    EXPECT_EQ(gedwongen.zoeker.Beste(), 20000 + 200);

    CIndelingOpstelling niemand;
    for (int i = 0; i < 5; ++i) {
        niemand.Speler("Speler " + std::to_string(i), 150, 0);
    }
    Zoektocht z(niemand);
    ASSERT_TRUE(z.zoeker.ZoekExact());
    EXPECT_EQ(z.zoeker.Beste(), 20000);
}

// The partner of participant 0 in the pairing `v`, or -1 for the bye.
int PartnerVanNul(const Volgorde& v) {
    auto k = static_cast<size_t>(std::find(v.begin(), v.end(), 0) - v.begin());
    if (v.size() % 2 == 1 && k + 1 == v.size()) {
        return -1;
    }
    return v[k ^ 1];
}

TEST(ExacteZoektocht, MisluktAlleenAlsElkeIndelingGeblokkeerdIs) {
    struct Geval {
        int aantal;
        std::vector<CNaamPaar> blokkades;
        bool gevonden;
        int partner; // of Speler 0, -1 the bye
    };
    const Geval gevallen[] = {
        {2, {{"Speler 1", "Speler 0"}}, false, 0},
        // Speler 0 may meet nobody, so with four there is no pairing...
        {4,
         {{"Speler 0", "Speler 1"}, {"Speler 0", "Speler 2"}, {"Speler 3", "Speler 0"}},
         false,
         0},
        // ... but with five he takes the bye.
        {5,
         {{"Speler 0", "Speler 1"},
          {"Speler 0", "Speler 2"},
          {"Speler 3", "Speler 0"},
          {"Speler 4", "Speler 0"}},
         true,
         -1},
        // Two players who may meet nobody but each other.
        {6,
         {{"Speler 0", "Speler 2"},
          {"Speler 0", "Speler 3"},
          {"Speler 0", "Speler 4"},
          {"Speler 0", "Speler 5"},
          {"Speler 1", "Speler 2"},
          {"Speler 1", "Speler 3"},
          {"Speler 1", "Speler 4"},
          {"Speler 1", "Speler 5"}},
         true,
         1},
        {1, {}, true, -1}, // the bye alone
    };
    for (const Geval& g : gevallen) {
        CIndelingOpstelling o;
        GelijkeSpelers(o, g.aantal);
        Zoektocht z(o, {}, g.blokkades);
        SCOPED_TRACE(std::to_string(g.aantal) + " deelnemers");
        EXPECT_EQ(z.zoeker.ZoekExact(), g.gevonden);
        EXPECT_EQ(z.log.Regels().front(), "Exacte pairing");
        if (g.gevonden) {
            EXPECT_EQ(PartnerVanNul(z.zoeker.Resultaat()), g.partner);
            EXPECT_EQ(z.zoeker.Beste(), z.model.TotaleKosten(z.zoeker.Resultaat().data()));
            EXPECT_EQ(z.voortgang.besten.size(), 1u);
        } else {
            EXPECT_EQ(z.log.Regels().size(), 9u) << "the header without a block";
            EXPECT_TRUE(z.voortgang.besten.empty());
            EXPECT_EQ(z.zoeker.Beste(), kGeenIndeling);
        }
    }
}

TEST(ExacteZoektocht, ZonderDeelnemersMisluktZonderLog) {
    CIndelingOpstelling o;
    Zoektocht z(o);
    z.log.Start("oud", z.model);
    EXPECT_FALSE(z.zoeker.ZoekExact());
    EXPECT_EQ(z.log.Regels().front(), "oud");
}

TEST(ExacteZoektocht, UiterstePenaltiesLopenNietOver) {
    // Class penalties saturate the 32-bit pair costs and the bye costs reach
    // far beyond 32 bits, in both directions; the pairing must still be the
    // cheapest of every pairing tried by hand.
    struct Geval {
        int32_t uitgeloot;
        int32_t magNiet;
        int32_t hoog;
    };
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    for (Geval g : {Geval{kMax, kMax, kMax}, Geval{kMin, kMin, kMin}, Geval{kMin, kMax, kMax},
                    Geval{kMax, kMin, kMin}}) {
        CIndelingOpstelling o;
        for (int i = 0; i < 7; ++i) {
            o.Speler("Speler " + std::to_string(i), 10 + 400 * (i % 3) + i, i % 2);
        }
        for (int r = 0; r < 3; ++r) {
            o.Ronde({{0, 1}, {2, 3}}, {r, r + 4});
        }
        CIndelingsParameters p;
        p.PenaltyUitgeloot = g.uitgeloot;
        p.PenaltyMagNietUitgeloot = g.magNiet;
        p.PenaltyKlasseVerschilHoog = g.hoog;
        p.PenaltyKlasseVerschilGrens = 1;
        Zoektocht z(o, p);
        ASSERT_TRUE(z.zoeker.ZoekExact());
        // Every permutation, so every pairing and every bye.
        Volgorde v(7);
        std::iota(v.begin(), v.end(), 0);
        int64_t minimum = std::numeric_limits<int64_t>::max();
        do {
            minimum = std::min(minimum, z.model.TotaleKosten(v.data()));
        } while (std::next_permutation(v.begin(), v.end()));
        EXPECT_EQ(z.zoeker.Beste(), minimum) << g.uitgeloot << " " << g.magNiet;
        EXPECT_EQ(z.model.TotaleKosten(z.zoeker.Resultaat().data()), minimum);
    }
}

} // namespace
