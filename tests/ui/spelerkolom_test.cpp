// The player column shared by the members, results and pairing windows: its
// order, its filters, its search and the selection through a refill.

#include "base/formatteer.h"
#include "test_competitie.h"
#include "ui/spelerkolom.h"

#include <gtest/gtest.h>

namespace {

using EVeld = CSpelerKolom::EVeld;
using Rijen = std::vector<std::string>;

class SpelerKolom : public ::testing::Test {
protected:
    void SetUp() override {
        t.Speler(4, "Piet", 150);
        t.Speler(2, "anna", 200);
        t.Speler(9, "Anne", 180); // after "anna", ignoring case
        t.Speler(7, "Bert", 170, 0);
    }

    // The first column shows the number; a head per field and one title.
    CSpelerKolom Kolom(bool alleenAktief = true) {
        return CSpelerKolom(t.spelers,
                            [](const CSpeler& s) { return Formatteer("%d", int{s.volgnummer}); },
                            {EVeld::Nummer, EVeld::Naam, EVeld::Geen},
                            {{[](const CSpeler& s) { return s.aktief == 0; }, alleenAktief}});
    }

    CTestCompetitie t;
};

TEST_F(SpelerKolom, HeadsSortBothWaysIgnoringCase) {
    CSpelerKolom kolom = Kolom();
    kolom.ZetSortering(EVeld::Naam, true);
    kolom.Vul();
    EXPECT_EQ((Rijen{"2\tanna", "9\tAnne", "4\tPiet"}), kolom.Rijen());
    EXPECT_EQ(1, kolom.SorteerKop());

    struct Klik {
        int kop;
        EVeld veld;
        bool oplopend;
        Rijen rijen;
    };
    const Klik kliks[] = {
        {1, EVeld::Naam, false, {"4\tPiet", "9\tAnne", "2\tanna"}},
        {1, EVeld::Naam, true, {"2\tanna", "9\tAnne", "4\tPiet"}},
        {0, EVeld::Nummer, true, {"2\tanna", "4\tPiet", "9\tAnne"}},
        {0, EVeld::Nummer, false, {"9\tAnne", "4\tPiet", "2\tanna"}},
        {1, EVeld::Naam, true, {"2\tanna", "9\tAnne", "4\tPiet"}}, // another field: ascending
        {2, EVeld::Naam, true, {"2\tanna", "9\tAnne", "4\tPiet"}}, // a title sorts nothing
    };
    kolom.Zoek("piet");
    for (const Klik& k : kliks) {
        kolom.KlikKop(k.kop);
        EXPECT_EQ(k.veld, kolom.SorteerVeld()) << k.kop;
        EXPECT_EQ(k.oplopend, kolom.Oplopend()) << k.kop;
        EXPECT_EQ(k.rijen, kolom.Rijen()) << k.kop;
        ASSERT_NE(nullptr, kolom.GeselecteerdeSpeler());
        EXPECT_EQ("Piet", kolom.GeselecteerdeSpeler()->naam); // the selection follows its player
    }
}

TEST_F(SpelerKolom, FiltersHideAndTheSelectedPlayerStaysWhileListed) {
    CSpelerKolom kolom = Kolom();
    kolom.ZetSortering(EVeld::Nummer, true);
    kolom.Vul();
    kolom.Zoek("bert");
    EXPECT_EQ(-1, kolom.Selectie()); // hidden, so never found
    kolom.Zoek("piet");
    kolom.ZetFilter(0, false);
    EXPECT_EQ((Rijen{"2\tanna", "4\tPiet", "7\tBert", "9\tAnne"}), kolom.Rijen());
    EXPECT_EQ(1, kolom.Selectie());
    kolom.Zoek("bert");
    EXPECT_EQ(2, kolom.Selectie());
    kolom.ZetFilter(0, true);
    EXPECT_EQ(-1, kolom.Selectie());
    EXPECT_EQ(nullptr, kolom.GeselecteerdeSpeler());
    EXPECT_EQ("bert", kolom.ZoekTekst());
}

TEST_F(SpelerKolom, OutOfUseTheListHoldsStillAndAnExtraRowComesAndGoes) {
    CSpelerKolom kolom = Kolom();
    kolom.ZetSortering(EVeld::Nummer, true);
    kolom.Vul();
    kolom.Selecteer(0);
    kolom.VoegExtraRijToe("10\t(nieuwe speler)");
    EXPECT_EQ(3, kolom.Selectie());
    EXPECT_EQ(nullptr, kolom.GeselecteerdeSpeler());

    kolom.ZetInGebruik(false);
    kolom.Zoek("piet");
    kolom.KlikKop(1);
    kolom.ZetFilter(0, false);
    EXPECT_EQ(3, kolom.Selectie());
    EXPECT_EQ("piet", kolom.ZoekTekst());
    EXPECT_EQ(-1, kolom.SorteerKop()); // no arrow meanwhile
    EXPECT_EQ(4u, kolom.Rijen().size());

    kolom.ZetInGebruik(true);
    kolom.VerwijderExtraRij();
    EXPECT_EQ((Rijen{"2\tanna", "4\tPiet", "9\tAnne"}), kolom.Rijen());
    EXPECT_EQ(-1, kolom.Selectie());
    kolom.VerwijderExtraRij(); // only an extra row goes
    EXPECT_EQ(3u, kolom.Rijen().size());
    EXPECT_EQ(0, kolom.SorteerKop());

    // The rows are written again when what they show changed.
    t.Van(4).volgnummer = 4;
    t.Van(4).naam = "Pieter";
    kolom.VernieuwRijen();
    EXPECT_EQ("4\tPieter", kolom.Rijen()[1]);
}

} // namespace
