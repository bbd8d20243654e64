// Rounds and their entries: the checks and both line layouts.

#include "data/competitie.h"
#include "melding_recorder.h"

#include <gtest/gtest.h>

namespace {

const char* kOnbekend99 = "Het nummer '99' is ongebruikt in deze ledenlijst en verwijst dus niet "
                          "naar een geldige speler.";

class RondesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int32_t nummer : {12, 15, 16}) {
            std::string naam = "Speler " + std::to_string(nummer);
            ASSERT_EQ(competitie.spelers.VoegToe(nummer, naam, 150, 1, 1, 1), 0);
        }
        competitie.spelers.WisGewijzigd();
    }
    void TearDown() override { competitie.rondes.WisGewijzigd(); }

    void Lees(const std::vector<std::string>& regels, int formaat) {
        for (const std::string& r : regels) {
            competitie.rondes.VoegToe(r, formaat);
        }
    }
    std::vector<std::string> Schrijf(int formaat) {
        std::vector<std::string> regels;
        competitie.rondes.SchrijfLijst(regels, formaat);
        return regels;
    }

    CMeldingRecorder meldingen;
    CCompetitie competitie;
};

TEST_F(RondesTest, VersionLayoutRoundTrips) {
    const std::vector<std::string> regels = {"{12 mei}", "12 15 +", "16 Uitgeloot",
                                             "klasse(15)=135"};
    Lees(regels, 2);
    ASSERT_EQ(competitie.rondes.Aantal(), 1);
    const CRonde& ronde = competitie.rondes.Ronde(0);
    EXPECT_EQ(ronde.identificatie, "12 mei");
    ASSERT_EQ(ronde.Uitslagen().size(), 3u);
    EXPECT_EQ(ronde.Uitslagen()[0].soort, partij);
    EXPECT_EQ(ronde.Uitslagen()[1].soort, uitgeloot);
    EXPECT_EQ(ronde.Uitslagen()[2].soort, klasseregel);
    EXPECT_EQ(ronde.Uitslagen()[2].nieuweKlasse, 135);
    EXPECT_EQ(Schrijf(2), regels);
    EXPECT_TRUE(competitie.rondes.IsGewijzigd());
}

TEST_F(RondesTest, ResultCharactersAreMapped) {
    Lees({"{  r1  }", "12 15", "12 15 w", "15 12 V", "12 16 J", "16 12 0 extra tekst"}, 2);
    std::string codes;
    for (const CUitslag& u : competitie.rondes.Ronde(0).Uitslagen()) {
        codes += u.resultaat;
    }
    EXPECT_EQ(codes, "?+-00");
    EXPECT_EQ(competitie.rondes.Ronde(0).identificatie, "r1");
}

TEST_F(RondesTest, RefusedLinesSurviveAsCommentsAtTheEndOfTheirRound) {
    meldingen.Verwacht("CRonde::VoegToe()\nDe uitslag-identificatie 'j' is geen geldige uitslag")
        .Verwacht("De regel '12 15 j' wordt als commentaar toegevoegd.")
        .Verwacht(kOnbekend99)
        .Verwacht("De regel '12 99 +' wordt als commentaar toegevoegd.")
        .Verwacht("CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn")
        .Verwacht("De regel 'klasse(15)=0' wordt als commentaar toegevoegd.")
        .Verwacht("De regel '12 0 x' wordt als commentaar toegevoegd.");
    Lees({"{r}", "12 15 j", "12 99 +", "klasse(15)=0", "; eigen opmerking", "12 0 x", "16 15 -"},
         2);
    EXPECT_EQ(Schrijf(2),
              (std::vector<std::string>{"{r}", "16 15 -", ";12 15 j", ";12 99 +", ";klasse(15)=0",
                                        "; eigen opmerking", ";12 0 x"}));
}

TEST_F(RondesTest, ResultLineBeforeTheFirstRoundIsDropped) {
    meldingen.Verwacht("CRondes::VoegToe()\nUitslagregel voor een ronde-identificatieregel");
    EXPECT_EQ(competitie.rondes.VoegToe("12 15 +", 2), -1);
    meldingen.Verwacht(kOnbekend99);
    EXPECT_EQ(competitie.rondes.VoegToe("{r}", 2), 0);
    EXPECT_EQ(competitie.rondes.VoegToe("99 Uitgeloot", 2), -1); // dropped, not kept
    EXPECT_EQ(Schrijf(2), std::vector<std::string>{"{r}"});
    EXPECT_EQ(competitie.rondes.VoegToe("x", 7), -1); // no message for an unknown format
}

TEST_F(RondesTest, OldLayoutReadsGamesAndByes) {
    Lees({"SPEELDAG 12 mei \n", " 12 15 +\n", " 16 0\n"}, 0);
    ASSERT_EQ(competitie.rondes.Aantal(), 1);
    EXPECT_EQ(competitie.rondes.Ronde(0).identificatie, "12 mei");
    ASSERT_EQ(competitie.rondes.Ronde(0).Uitslagen().size(), 2u);
    EXPECT_EQ(competitie.rondes.Ronde(0).Uitslagen()[1].soort, uitgeloot);

    meldingen.Verwacht("CRondes::Voegtoe()\nOngeldige uitslagregel:\n 12 15 ?\n");
    EXPECT_EQ(competitie.rondes.VoegToe(" 12 15 ?\n", 0), -1);
    // The old layout has no lines for class settings and comments.
    ASSERT_EQ(competitie.rondes.Ronde(0).VoegToeKlasse(12, 100), 0);
    ASSERT_EQ(competitie.rondes.Ronde(0).VoegCommentaarToe(";weg"), 0);
    EXPECT_EQ(Schrijf(0), (std::vector<std::string>{"Speeldag 12 mei", " 12 15 +", " 16 0"}));
}

TEST_F(RondesTest, InvolvementTakesTheHighestEntry) {
    Lees({"{r}", "16 Uitgeloot", "klasse(16)=140", "15 Uitgeloot", "15 12 +"}, 2);
    const CRonde& ronde = competitie.rondes.Ronde(0);
    EXPECT_EQ(ronde.Betrokkenheid(16), 2);
    EXPECT_EQ(ronde.Betrokkenheid(15), 3);
    EXPECT_EQ(ronde.Betrokkenheid(12), 3);
    EXPECT_EQ(ronde.Betrokkenheid(99), 0);
    EXPECT_EQ(competitie.rondes.AantalUitgeloot(16), 1);
    EXPECT_EQ(competitie.spelers.Zoek(15)->AantalKeerUitgeloot(competitie.rondes), 1);
}

TEST_F(RondesTest, RemovingRoundsAndEntries) {
    Lees({"{a}", "12 15 +", "{b}", "{c}"}, 2);
    competitie.rondes.WisGewijzigd();
    for (int p : {0, -1, 4}) {
        EXPECT_EQ(competitie.rondes.Verwijder(p), -1) << p;
    }
    EXPECT_FALSE(competitie.rondes.IsGewijzigd());
    EXPECT_EQ(competitie.rondes.Verwijder(2), 0);
    EXPECT_EQ(competitie.rondes.Ronde(1).identificatie, "c");

    CRonde& a = competitie.rondes.Ronde(0);
    CUitslag vreemd;
    EXPECT_EQ(a.Verwijder(&vreemd), -1);
    EXPECT_EQ(a.Verwijder(&a.Uitslagen()[0]), 0);
    EXPECT_TRUE(a.Uitslagen().empty());
}

TEST_F(RondesTest, EditingACopyKeepsEachCommentOnce) {
    meldingen.Verwacht("De regel 'los' wordt als commentaar toegevoegd.");
    Lees({"{a}", "12 15 +", ";een", ";twee"}, 2);
    competitie.rondes.Ronde(0).VoegCommentaarToe("los");
    CRonde kopie(competitie.rondes);
    kopie.KopieerVan(competitie.rondes.Ronde(0));
    ASSERT_EQ(kopie.VoegToe(16), 0);
    competitie.rondes.Ronde(0).KopieerVan(kopie);
    EXPECT_EQ(Schrijf(2), (std::vector<std::string>{"{a}", "12 15 +", "16 Uitgeloot", ";een",
                                                    ";twee", ";los"}));
}

TEST_F(RondesTest, ClearAndDestructionWarnAboutUnwrittenRounds) {
    Lees({"{a}"}, 2);
    meldingen.Verwacht("CRondes::Clear()\nProgramma flow fout\nDe veranderde rondeslijst is nog "
                       "niet opgeslagen.");
    competitie.rondes.Clear();
    EXPECT_EQ(competitie.rondes.Aantal(), 0);
    {
        CCompetitie ander;
        ander.rondes.ZetGewijzigd();
        meldingen.Verwacht("CRondes::~CRondes\nInterne applicatiefout: lijst niet opgeslagen");
    }
}

TEST(UitslagTekst, DisplayTexts) {
    EXPECT_STREQ(UitslagTekst('+'), "1 - 0");
    EXPECT_STREQ(UitslagTekst('-'), "0 - 1");
    EXPECT_STREQ(UitslagTekst('0'), "jigo");
    EXPECT_STREQ(UitslagTekst('?'), "niet genoteerd");
}

} // namespace
