// The player register: adding, changing and reading players.

#include "data/competitie.h"
#include "data/klassetekst.h"
#include "melding_recorder.h"

#include <gtest/gtest.h>

namespace {

struct Nieuw {
    int32_t nummer;
    const char* naam;
    int32_t klasse;
    const char* melding;
};

class SpelersTest : public ::testing::Test {
protected:
    int VoegToe(int32_t nummer, std::string naam, int32_t klasse = 150, int32_t a = 1,
                int32_t s = 1, int32_t u = 1) {
        return competitie.spelers.VoegToe(nummer, naam, klasse, a, s, u);
    }

    void SetUp() override { competitie.SetFormaat(2); }
    void TearDown() override { competitie.spelers.WisGewijzigd(); }

    CMeldingRecorder meldingen;
    CCompetitie competitie;
};

TEST_F(SpelersTest, RefusesWithTheFirstFailingCheck) {
    ASSERT_EQ(VoegToe(1, "Jan de Vries"), 0);
    const Nieuw gevallen[] = {
        {0, "", 150, "Het volgnummer dient minimaal 1 te zijn"},
        {-4, "Piet", 150, "Het volgnummer dient minimaal 1 te zijn"},
        {1, "", 0, "Het volgnummer is al in gebruik"},
        {2, " \t\r\n ", 150, "De naam moet een geldige tekenreeks bevatten."},
        {2, "JAN  DE   vries", 150, "Deze naam is al in gebruik"},
        {2, "Piet", 0, "De klasse dient minimaal 1 te zijn"},
        {2, "Piet \"de Kei\"", 150, "De naam mag geen dubbele aanhalingstekens (\") bevatten."},
    };
    for (const Nieuw& g : gevallen) {
        meldingen.Verwacht(g.melding);
        EXPECT_EQ(VoegToe(g.nummer, g.naam, g.klasse), -1) << g.naam;
    }
    EXPECT_EQ(competitie.spelers.Aantal(), 1u);
}

TEST_F(SpelersTest, NormalisesTheNameAndKeepsTheRecord) {
    std::string naam = "  Jan \t de   Vries ";
    ASSERT_EQ(competitie.spelers.VoegToe(12, naam, 155, 1, 1, 0), 0);
    EXPECT_EQ(naam, "Jan de Vries");
    const CSpeler* s = competitie.spelers.Zoek(12);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->naam, "Jan de Vries");
    EXPECT_EQ(s->klasse, 155);
    EXPECT_EQ(s->uitlotenToegestaan, 0);
    EXPECT_TRUE(competitie.spelers.IsGewijzigd());
    EXPECT_EQ(competitie.spelers.HoogsteNummer(), 12);
}

TEST_F(SpelersTest, RepairsFlagsThatAreNotZeroOrOne) {
    meldingen.Verwacht("CSpelers::VoegToe\nInterne programma fout: vlaggen zijn niet 0 of 1 "
                       "(automatisch hersteld)");
    ASSERT_EQ(VoegToe(3, "Piet", 150, 2, 3, 1), 0);
    const CSpeler* s = competitie.spelers.Zoek(3);
    EXPECT_EQ(s->aktief, 0);
    EXPECT_EQ(s->standaardIndelen, 1);
}

TEST(SpelersFormaat, OldLayoutIsRaisedForHighNumbersAndLongNames) {
    struct Geval {
        int32_t nummer;
        std::string naam;
        int verwacht;
    } gevallen[] = {
        {99, "Jan", 0},
        {100, "Jan", 2},
        {5, std::string(22, 'x'), 0},
        {5, std::string(23, 'x'), 2},
    };
    for (Geval& g : gevallen) {
        CCompetitie competitie;
        ASSERT_EQ(competitie.spelers.VoegToe(g.nummer, g.naam, 150, 1, 1, 1), 0);
        EXPECT_EQ(competitie.Formaat(), g.verwacht) << g.nummer << " " << g.naam;
        competitie.spelers.WisGewijzigd();
    }
}

TEST(SpelersFormaat, RaiseStaysWhenTheAdditionIsRefused) {
    CMeldingRecorder meldingen;
    CCompetitie competitie;
    std::string naam = "Jan";
    meldingen.Verwacht("De klasse dient minimaal 1 te zijn");
    EXPECT_EQ(competitie.spelers.VoegToe(100, naam, 0, 1, 1, 1), -1);
    EXPECT_EQ(competitie.Formaat(), 2);
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);
}

TEST_F(SpelersTest, ChangingKeepsTheNumberAndChecksTheRest) {
    ASSERT_EQ(VoegToe(1, "Jan"), 0);
    ASSERT_EQ(VoegToe(2, "Piet"), 0);
    std::string naam = "JAN";
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 150, 140, 1, 0, 1), 0); // own name, other case
    EXPECT_EQ(competitie.spelers.Zoek(1)->naam, "JAN");
    EXPECT_EQ(competitie.spelers.Zoek(1)->klasse, 140);

    naam = "piet";
    meldingen.Verwacht("Deze naam is al in gebruik");
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 150, 140, 1, 0, 1), -1);
    naam = "Jan \"J\"";
    meldingen.Verwacht("De naam mag geen dubbele aanhalingstekens (\") bevatten.");
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 150, 140, 1, 0, 1), -1);
    naam = "Jan";
    meldingen.Verwacht("CSpelers::PasAan\nInterne programma fout: volgnummer niet gevonden");
    EXPECT_EQ(competitie.spelers.PasAan(7, naam, 150, 140, 1, 0, 1), -1);
    meldingen.Verwacht("De klasse dient minimaal 1 te zijn");
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 150, 0, 1, 0, 1), -1);
    EXPECT_EQ(competitie.spelers.Zoek(1)->naam, "JAN");
}

TEST_F(SpelersTest, StartingClassFreezesOnlyAfterAGame) {
    ASSERT_EQ(VoegToe(1, "Jan"), 0);
    ASSERT_EQ(VoegToe(2, "Piet"), 0);
    auto ronde = std::make_unique<CRonde>(competitie.rondes);
    ASSERT_EQ(ronde->VoegToe(1), 0);
    ASSERT_EQ(ronde->VoegToeKlasse(2, 120), 0);
    CRonde& eerste = *ronde;
    competitie.rondes.VoegRondeToe(std::move(ronde));

    std::string naam = "Jan";
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 160, 160, 1, 1, 1), 0); // bye only
    naam = "Piet";
    EXPECT_EQ(competitie.spelers.PasAan(2, naam, 160, 160, 1, 1, 1), 0); // class setting only

    ASSERT_EQ(eerste.VoegToe(1, 2, '+'), 0);
    naam = "Jan";
    meldingen.Verwacht(
        "De beginklasse mag niet meer aangepast worden wanneer de speler al partijen gespeeld "
        "heeft.\nOm een klasse gedurende een competitie te kunnen wijzigen kunt u de 'nieuwe "
        "klasse' mogelijkheid in de uitslagverwerkingsdialoog gebruiken.");
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 170, 160, 1, 1, 1), -1);
    EXPECT_EQ(competitie.spelers.PasAan(1, naam, 160, 150, 0, 1, 1), 0); // same starting class
    competitie.rondes.WisGewijzigd();
}

TEST_F(SpelersTest, RemovingAndLookingUp) {
    EXPECT_EQ(competitie.spelers.HoogsteNummer(), 0);
    ASSERT_EQ(VoegToe(4, "Jan"), 0);
    ASSERT_EQ(VoegToe(9, "Piet"), 0);
    EXPECT_EQ(competitie.spelers.ZoekNaam("Piet")->volgnummer, 9);
    EXPECT_EQ(competitie.spelers.ZoekNaam("piet"), nullptr); // exact, case-sensitive
    competitie.spelers.Verwijder(9);
    competitie.spelers.Verwijder(42); // not in use: nothing happens
    EXPECT_EQ(competitie.spelers.HoogsteNummer(), 4);
    EXPECT_EQ(competitie.spelers.Zoek(9), nullptr);
    meldingen.Verwacht("Het nummer '9' is ongebruikt in deze ledenlijst en verwijst dus niet naar "
                       "een geldige speler.");
    EXPECT_EQ(competitie.spelers.Bestaat(9, true), 0);
}

TEST_F(SpelersTest, ClearWarnsAboutUnwrittenChanges) {
    ASSERT_EQ(VoegToe(4, "Jan"), 0);
    meldingen.Verwacht("CSpelers::Clear()\nProgramma flow fout\nDe veranderde spelerslijst is nog "
                       "niet opgeslagen.");
    competitie.spelers.Clear();
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);
    EXPECT_FALSE(competitie.spelers.IsGewijzigd());
}

struct Regel {
    const char* tekst;
    int32_t nummer;
    const char* naam;
    int32_t klasse;
    int32_t aktief, indelen, uitloten;
};

TEST(SpelersRegel, ReadsTheVersionLayout) {
    const Regel regels[] = {
        {"12 \"Jan de Vries\" 155 J J N", 12, "Jan de Vries", 155, 1, 1, 0},
        {"3 \"Anna\" 120 j N y", 3, "Anna", 120, 1, 0, 1},
        {"4 Kees 200 Ja Nee Ja", 4, "Kees", 200, 1, 0, 1},
        {"5 \"Bert\" 210", 5, "Bert", 210, 0, 0, 0},
        {"6 \"Open eind", 6, "Open eind", 0, 0, 0, 0},
    };
    for (const Regel& r : regels) {
        CCompetitie competitie;
        ASSERT_EQ(competitie.spelers.VoegToe(r.tekst, 2), 0) << r.tekst;
        const CSpeler& s = *competitie.spelers.begin();
        EXPECT_EQ(s.volgnummer, r.nummer) << r.tekst;
        EXPECT_EQ(s.naam, r.naam) << r.tekst;
        EXPECT_EQ(s.beginKlasse, r.klasse) << r.tekst;
        EXPECT_EQ(s.klasse, r.klasse) << r.tekst;
        EXPECT_EQ(s.aktief, r.aktief) << r.tekst;
        EXPECT_EQ(s.standaardIndelen, r.indelen) << r.tekst;
        EXPECT_EQ(s.uitlotenToegestaan, r.uitloten) << r.tekst;
        competitie.spelers.WisGewijzigd();
    }
}

TEST(SpelersRegel, RefusesABadFlagWithTheWholeLine) {
    CMeldingRecorder meldingen;
    CCompetitie competitie;
    meldingen.Verwacht("CSpelers::VoegToe()\nSyntaxfout in regel '7 \"Jan\" 150 J X J'.");
    EXPECT_EQ(competitie.spelers.VoegToe("7 \"Jan\" 150 J X J", 2), -1);
    meldingen.Verwacht("CSpelers::VoegToe()\nOnbekende versie formaat '5'.");
    EXPECT_EQ(competitie.spelers.VoegToe("7 \"Jan\" 150 J J J", 5), -1);
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);
}

TEST(SpelersRegel, OldLayoutRoundTripsAndLosesTheFlagsOfInactivePlayers) {
    CCompetitie bron;
    std::string naam = "Jan de Vries";
    ASSERT_EQ(bron.spelers.VoegToe(5, naam, 155, 1, 0, 1), 0);
    naam = "Oud Lid";
    ASSERT_EQ(bron.spelers.VoegToe(6, naam, 250, 0, 1, 1), 0);
    std::vector<std::string> regels;
    bron.spelers.SchrijfLijst(regels, 0);
    ASSERT_EQ(regels.size(), 2u);
    EXPECT_EQ(regels[0], "05 Jan de Vries            2  155");
    EXPECT_EQ(regels[1], "06 Oud Lid                 0  250");
    bron.spelers.WisGewijzigd();

    CCompetitie terug;
    for (const std::string& r : regels) {
        ASSERT_EQ(terug.spelers.VoegToe(r + "\n", 0), 0);
    }
    const CSpeler* jan = terug.spelers.Zoek(5);
    EXPECT_EQ(jan->naam, "Jan de Vries");
    EXPECT_EQ(jan->aktief, 1);
    EXPECT_EQ(jan->standaardIndelen, 0);
    EXPECT_EQ(jan->uitlotenToegestaan, 1);
    EXPECT_EQ(jan->beginKlasse, 155);
    const CSpeler* oud = terug.spelers.Zoek(6);
    EXPECT_EQ(oud->aktief + oud->standaardIndelen + oud->uitlotenToegestaan, 0);
    terug.spelers.WisGewijzigd();
}

TEST(SpelersRegel, VersionLayoutLine) {
    CCompetitie competitie;
    std::string naam = "Jan de Vries";
    ASSERT_EQ(competitie.spelers.VoegToe(12, naam, 155, 1, 1, 0), 0);
    std::vector<std::string> regels;
    competitie.spelers.SchrijfLijst(regels, 2);
    EXPECT_EQ(regels, std::vector<std::string>{"12 \"Jan de Vries\" 155 J J N"});
    competitie.spelers.WisGewijzigd();
}

TEST(KlasseTekst, GradesSpanTwoWholeClasses) {
    const std::pair<int32_t, const char*> gevallen[] = {
        {180, "1 dan, sterk"}, {189, "1 dan, sterk"}, {190, "1 dan, zwak"},
        {199, "1 dan, zwak"},  {200, "1 kyu, sterk"}, {219, "1 kyu, zwak"},
        {220, "2 kyu, sterk"}, {10, "10 dan, zwak"},  {155, "3 dan, zwak"},
    };
    for (const auto& [klasse, tekst] : gevallen) {
        EXPECT_EQ(KlasseTekst(klasse), tekst) << klasse;
    }
}

} // namespace
