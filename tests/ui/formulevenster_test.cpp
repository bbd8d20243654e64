// The formula windows' rules, driven without Qt: the entries and their active
// mark, the tests, the questions of OK and Cancel, and what saving writes.

#include "melding_recorder.h"
#include "settings/profiel.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"
#include "ui/formulevenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Namen = std::vector<std::string>;
using EVeld = CFormuleVenster::EVeld;

constexpr const char* kGeenGekozen =
    "Er is geen formule voor gebruik gekozen.\nWeet u zeker dat u wilt doorgaan?";
constexpr const char* kGeenAktieve =
    "Er is geen aktieve formule.\nWeet u zeker dat u dit venster nu wilt afsluiten?";
constexpr const char* kNietCorrect =
    "De gekozen formule is niet correct van opbouw.\nWeet u zeker dat u wilt doorgaan?";
constexpr const char* kAktieveNietCorrect =
    "De aktieve formule is niet correct.\nWeet u zeker dat u dit venster nu wilt afsluiten?";
constexpr const char* kVerwijderen = "Weet u zeker dat u deze formule wilt verwijderen?";
constexpr const char* kStoppen =
    "Weet u zeker dat u wilt stoppen zonder uw wijzigingen op te slaan?";

// Three sets A, B and C in every list, B active, and foreign lines around them.
class FormuleVenster : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(Profiel(), Fixture("settings/formulesets.ini"));
        settings = std::make_unique<CSettings>(Profiel());
    }

    std::string Profiel() const { return tmp.Bestand("morvel.ini"); }
    // A key of the profile as the file holds it now.
    std::string Sleutel(const std::string& sectie, const std::string& sleutel) const {
        CProfiel profiel(Profiel());
        EXPECT_EQ(0, profiel.Lees());
        return profiel.Tekst(sectie, sleutel, "<ontbreekt>");
    }
    // Answers the next question with `antwoord` and checks that it offered Yes and No.
    void Vraag(const char* tekst, Antwoord antwoord) { recorder.Verwacht(tekst, antwoord); }
    void VragenWarenJaNee() const {
        for (const CMelding& melding : recorder.meldingen) {
            EXPECT_EQ(Knoppen::JaNee, melding.knoppen) << melding.tekst;
        }
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CSettings> settings;
};

TEST_F(FormuleVenster, OpensWithTheNamedSetsAndTheActiveOneSelected) {
    CFormuleVenster punten(*settings, EFormuleSoort::Punten);
    EXPECT_STREQ("Puntenformule", punten.Titel());
    EXPECT_EQ((Namen{"A", "B", "C"}), punten.Namen());
    EXPECT_EQ(1, punten.Selectie());
    EXPECT_EQ("2 * W + J", punten.Formule(EVeld::Formule));
    EXPECT_TRUE(punten.Actief());
    EXPECT_TRUE(punten.Vlag()); // Middelen=7: any number but 0 is on
    EXPECT_EQ((CTestVelden{"6", "5", "1", "12", "16", "220"}), punten.TestVelden());
    EXPECT_FALSE(punten.Gewijzigd());

    CFormuleVenster klasse(*settings, EFormuleSoort::Klasse);
    EXPECT_STREQ("Klasse-aanpassingsformule", klasse.Titel());
    EXPECT_EQ(CFormuleVenster::kWinst, klasse.Geval());
    EXPECT_EQ("K - 10", klasse.Formule(EVeld::Formule));
    klasse.KiesGeval(CFormuleVenster::kVerlies);
    EXPECT_EQ("K + 10", klasse.Formule(EVeld::Formule));
    klasse.ZetFormule(EVeld::Formule, "K + 20"); // goes into the loss formula
    klasse.KiesGeval(CFormuleVenster::kWinst);
    EXPECT_EQ("K - 10", klasse.Formule(EVeld::Formule));
    klasse.KiesGeval(CFormuleVenster::kVerlies);
    EXPECT_EQ("K + 20", klasse.Formule(EVeld::Formule));

    CFormuleVenster voorgift(*settings, EFormuleSoort::Voorgift);
    EXPECT_STREQ("Voorgiftformule", voorgift.Titel());
    EXPECT_EQ("min((V + 2) / 2, 9)", voorgift.Formule(EVeld::Formule));
    EXPECT_EQ("als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", voorgift.Formule(EVeld::Komi));
    EXPECT_FALSE(voorgift.Vlag());
}

TEST_F(FormuleVenster, WithoutAnActiveSetNothingIsSelectedAndTheFieldsAreOff) {
    settings->SetHuidigeScoreFormule(0);
    settings->SetHuidigeKlasseAanpassingsFormule(9); // no such set
    CFormuleVenster punten(*settings, EFormuleSoort::Punten);
    EXPECT_EQ(-1, punten.Selectie());
    EXPECT_FALSE(punten.VeldenAan());
    EXPECT_EQ("", punten.Naam());
    EXPECT_EQ("", punten.Formule(EVeld::Formule));
    EXPECT_TRUE(punten.TestAan()); // the points window tests the empty field as well
    CFormuleVenster klasse(*settings, EFormuleSoort::Klasse);
    EXPECT_EQ(-1, klasse.Selectie());
    EXPECT_FALSE(klasse.TestAan());
    klasse.Selecteer(2);
    EXPECT_TRUE(klasse.TestAan());
    EXPECT_EQ("C", klasse.Naam());
}

TEST_F(FormuleVenster, TheActiveMarkMovesAndNewEntriesHaveTheirDefaults) {
    CFormuleVenster venster(*settings, EFormuleSoort::Voorgift);
    venster.Selecteer(0);
    EXPECT_FALSE(venster.Actief());
    venster.ZetActief(true);
    EXPECT_TRUE(venster.Actief());
    venster.Selecteer(1);
    EXPECT_FALSE(venster.Actief()); // B lost the mark to A
    EXPECT_TRUE(venster.Gewijzigd());
    venster.Selecteer(0);
    venster.ZetActief(false);
    for (int i = 0; i < 3; ++i) {
        venster.Selecteer(i);
        EXPECT_FALSE(venster.Actief()) << i;
    }

    venster.Nieuw();
    EXPECT_EQ(3, venster.Selectie());
    EXPECT_EQ("(Nieuw)", venster.Naam());
    EXPECT_EQ("", venster.Formule(EVeld::Formule));
    EXPECT_EQ("", venster.Formule(EVeld::Komi));
    EXPECT_TRUE(venster.Vlag()); // ExtraHalfKomi starts on
    EXPECT_FALSE(venster.Actief());
    CFormuleVenster punten(*settings, EFormuleSoort::Punten);
    EXPECT_FALSE(punten.Gewijzigd());
    punten.Nieuw();
    EXPECT_FALSE(punten.Vlag()); // Middelen starts off
    EXPECT_TRUE(punten.Gewijzigd());
}

TEST_F(FormuleVenster, DeletingAsksAndSelectsTheEntryNowInItsPlace) {
    CFormuleVenster venster(*settings, EFormuleSoort::Punten);
    Vraag(kVerwijderen, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Verwijderen());
    EXPECT_EQ((Namen{"A", "B", "C"}), venster.Namen());
    EXPECT_FALSE(venster.Gewijzigd());

    Vraag(kVerwijderen, Antwoord::Ja);
    EXPECT_EQ(0, venster.Verwijderen());
    EXPECT_EQ((Namen{"A", "C"}), venster.Namen());
    EXPECT_EQ("C", venster.Naam()); // now at the place of B
    Vraag(kVerwijderen, Antwoord::Ja);
    EXPECT_EQ(0, venster.Verwijderen());
    EXPECT_EQ("A", venster.Naam()); // the last one went: the new last one
    Vraag(kVerwijderen, Antwoord::Ja);
    EXPECT_EQ(0, venster.Verwijderen());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_EQ(-1, venster.Verwijderen()); // nothing selected: no question
    VragenWarenJaNee();
}

TEST_F(FormuleVenster, CancelAsksOnlyAfterAnEdit) {
    CFormuleVenster ongewijzigd(*settings, EFormuleSoort::Klasse);
    ongewijzigd.Selecteer(0);
    ongewijzigd.KiesGeval(CFormuleVenster::kJigo);
    ongewijzigd.ZetTestVeld(0, "9"); // the test area is no edit
    ongewijzigd.Test();
    EXPECT_EQ(0, ongewijzigd.Annuleren());

    CFormuleVenster venster(*settings, EFormuleSoort::Klasse);
    venster.ZetNaam("Nieuwe naam");
    Vraag(kStoppen, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Annuleren());
    Vraag(kStoppen, Antwoord::Ja);
    EXPECT_EQ(0, venster.Annuleren());
    VragenWarenJaNee();
    EXPECT_EQ("B", Sleutel("KlasseBerekening 2", "Naam")); // nothing saved
}

TEST_F(FormuleVenster, TheTestReadsLettersAsZeroAndPlacesTheCursorAtTheError) {
    CFormuleVenster venster(*settings, EFormuleSoort::Punten);
    venster.ZetFormule(EVeld::Formule, "W + 10 * V + 100 * K");
    venster.ZetTestVeld(0, "abc");
    venster.ZetTestVeld(1, " 3x");
    venster.ZetTestVeld(5, "-2");
    EXPECT_EQ(0, venster.Test());
    EXPECT_EQ("-170", venster.Resultaat());
    EXPECT_EQ(EVeld::Geen, venster.Focus());

    venster.ZetFormule(EVeld::Formule, "W / (V - 3)");
    EXPECT_EQ(-1, venster.Test());
    EXPECT_EQ("Deling door nul.", venster.Resultaat());
    EXPECT_EQ(EVeld::Formule, venster.Focus());
    EXPECT_EQ(11, venster.CursorPositie());
    venster.Selecteer(0); // selecting clears the result
    EXPECT_EQ("", venster.Resultaat());

    CFormuleVenster klasse(*settings, EFormuleSoort::Klasse);
    klasse.KiesGeval(CFormuleVenster::kVerlies);
    klasse.ZetFormule(EVeld::Formule, "K +");
    EXPECT_EQ(-1, klasse.Test());
    EXPECT_EQ("Formule is niet compleet.", klasse.Resultaat());
    EXPECT_EQ(3, klasse.CursorPositie());
    klasse.KiesGeval(CFormuleVenster::kWinst);
    EXPECT_EQ(0, klasse.Test());
    EXPECT_EQ("210", klasse.Resultaat()); // K - 10 with K = 220
}

TEST_F(FormuleVenster, TheHandicapTableFillsEightyRowsOrStopsAtTheFirstFault) {
    CFormuleVenster venster(*settings, EFormuleSoort::Voorgift);
    EXPECT_EQ(0, venster.Test());
    ASSERT_EQ(80u, venster.TabelRijen().size());
    EXPECT_EQ("0\t1\t6", venster.TabelRijen()[0]);
    EXPECT_EQ("1\t1\t0", venster.TabelRijen()[1]);
    EXPECT_EQ("18\t9\t-5", venster.TabelRijen()[18]); // the raw komi, no half point
    EXPECT_EQ("79\t9\t-310", venster.TabelRijen()[79]);
    EXPECT_EQ("", venster.Melding());

    venster.ZetFormule(EVeld::Komi, "6 / (V - 5)");
    EXPECT_EQ(-1, venster.Test());
    EXPECT_EQ((Namen{"0\t1\t-1", "1\t1\t-1", "2\t2\t-2", "3\t2\t-3", "4\t3\t-6", "5\t3\tFOUT:"}),
              venster.TabelRijen());
    EXPECT_EQ("Deling door nul.", venster.Melding());
    EXPECT_EQ(EVeld::Komi, venster.Focus());
    EXPECT_EQ(11, venster.CursorPositie());

    venster.ZetFormule(EVeld::Formule, "V +");
    EXPECT_EQ(-1, venster.Test());
    EXPECT_EQ((Namen{"0\tFOUT:"}), venster.TabelRijen());
    EXPECT_EQ("Formule is niet compleet.", venster.Melding());
    EXPECT_EQ(EVeld::Formule, venster.Focus());
    EXPECT_EQ(3, venster.CursorPositie());
}

TEST_F(FormuleVenster, SavingRenumbersKeepsTheRestAndSelectsTheActiveSet) {
    CFormuleVenster venster(*settings, EFormuleSoort::Punten);
    venster.Selecteer(0);
    Vraag(kVerwijderen, Antwoord::Ja);
    ASSERT_EQ(0, venster.Verwijderen());
    ASSERT_EQ(0, venster.Ok());

    EXPECT_EQ("B", Sleutel("ScoreFormule 1", "Naam"));
    EXPECT_EQ("2 * W + J", Sleutel("ScoreFormule 1", "Formule"));
    EXPECT_EQ("1", Sleutel("ScoreFormule 1", "Middelen"));
    EXPECT_EQ("C", Sleutel("ScoreFormule 2", "Naam"));
    EXPECT_EQ("C", Sleutel("ScoreFormule 3", "Naam")); // left, no longer read
    EXPECT_EQ("2", Sleutel("Morvel", "AantalScoreFormules"));
    EXPECT_EQ("1", Sleutel("Morvel", "HuidigeScoreFormule"));
    EXPECT_EQ(2, settings->AantalScoreFormules());
    EXPECT_EQ(1, settings->HuidigeScoreFormule());
    EXPECT_EQ("2 * W + J", settings->PuntenformuleTekst());
    EXPECT_TRUE(settings->Middelen());
    EXPECT_TRUE(settings->Gewijzigd());

    // Every other line of the file is kept as it was.
    const std::string profiel = LeesAlles(Profiel());
    for (const char* regel : {"; Profile of the formula window tests", "Eigen=blijft staan\r\n",
                              "[Eigen sectie]\r\n; een opmerking\r\nSleutel=waarde\r\n",
                              "[KlasseBerekening 3]\r\nNaam=C\r\n"}) {
        EXPECT_NE(std::string::npos, profiel.find(regel)) << regel;
    }
    CFormuleVenster opnieuw(*settings, EFormuleSoort::Punten);
    EXPECT_EQ((Namen{"B", "C"}), opnieuw.Namen());
    EXPECT_EQ(0, opnieuw.Selectie());
}

TEST_F(FormuleVenster, ANamelessSetIsLeftOutNextTimeAndTheActiveNumberFollows) {
    {
        CFormuleVenster venster(*settings, EFormuleSoort::Klasse);
        venster.Selecteer(0);
        venster.ZetNaam("");
        ASSERT_EQ(0, venster.Ok());
    }
    EXPECT_EQ("", Sleutel("KlasseBerekening 1", "Naam"));
    EXPECT_EQ("3", Sleutel("Morvel", "AantalKlasseAanpassingsFormules"));
    EXPECT_EQ("2", Sleutel("Morvel", "HuidigeKlasseAanpassingsFormule"));

    CFormuleVenster venster(*settings, EFormuleSoort::Klasse);
    EXPECT_EQ((Namen{"B", "C"}), venster.Namen());
    EXPECT_EQ(0, venster.Selectie());
    ASSERT_EQ(0, venster.Ok());
    EXPECT_EQ("B", Sleutel("KlasseBerekening 1", "Naam"));
    EXPECT_EQ("K + 10", Sleutel("KlasseBerekening 1", "KlasseNaVerlies"));
    EXPECT_EQ("C", Sleutel("KlasseBerekening 2", "Naam"));
    EXPECT_EQ(2, settings->AantalKlasseAanpassingsFormules());
    EXPECT_EQ(1, settings->HuidigeKlasseAanpassingsFormule());
    EXPECT_EQ("K - 10", settings->KlasseNaWinstTekst());
    EXPECT_EQ("K + 10", settings->KlasseNaVerliesTekst());
}

// Deleting the active set leaves none: OK asks, No keeps the window open, Yes
// saves with active number 0.
struct CZonderActieve {
    EFormuleSoort soort;
    const char* vraag;
    const char* sectie;
    int32_t (CSettings::*actief)() const;
};

class FormuleVensterZonderActieve : public FormuleVenster,
                                    public ::testing::WithParamInterface<CZonderActieve> {};

TEST_P(FormuleVensterZonderActieve, OkAsksAndYesSavesWithoutAnActiveSet) {
    const CZonderActieve& geval = GetParam();
    CFormuleVenster venster(*settings, geval.soort);
    Vraag(kVerwijderen, Antwoord::Ja);
    ASSERT_EQ(0, venster.Verwijderen()); // B, the active one
    Vraag(geval.vraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ("B", Sleutel(std::string(geval.sectie) + "2", "Naam"));
    Vraag(geval.vraag, Antwoord::Ja);
    EXPECT_EQ(0, venster.Ok());
    VragenWarenJaNee();
    EXPECT_EQ("C", Sleutel(std::string(geval.sectie) + "2", "Naam"));
    EXPECT_EQ(0, ((*settings).*geval.actief)());
}

INSTANTIATE_TEST_SUITE_P(
    ElkeLijst, FormuleVensterZonderActieve,
    ::testing::Values(CZonderActieve{EFormuleSoort::Punten, kGeenGekozen, "ScoreFormule ",
                                     &CSettings::HuidigeScoreFormule},
                      CZonderActieve{EFormuleSoort::Klasse, kGeenGekozen, "KlasseBerekening ",
                                     &CSettings::HuidigeKlasseAanpassingsFormule},
                      CZonderActieve{EFormuleSoort::Voorgift, kGeenAktieve, "VoorgiftEnKomi ",
                                     &CSettings::HuidigeVoorgiftFormule}));

TEST_F(FormuleVenster, OkTestsTheActiveClassFormulasOneByOne) {
    CFormuleVenster venster(*settings, EFormuleSoort::Klasse);
    venster.KiesGeval(CFormuleVenster::kVerlies);
    venster.ZetFormule(EVeld::Formule, "K / (P - 12)"); // fails with P = 12
    venster.KiesGeval(CFormuleVenster::kJigo);
    venster.ZetFormule(EVeld::Formule, "K +");
    venster.Selecteer(0); // OK goes back to the active set itself

    Vraag(kNietCorrect, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ(1, venster.Selectie());
    EXPECT_EQ(CFormuleVenster::kVerlies, venster.Geval()); // the failing one is shown
    EXPECT_EQ("Deling door nul.", venster.Resultaat());
    EXPECT_EQ(EVeld::Formule, venster.Focus());

    Vraag(kNietCorrect, Antwoord::Ja);
    Vraag(kNietCorrect, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ(CFormuleVenster::kJigo, venster.Geval());

    venster.ZetTestVeld(3, "13"); // the test values of the fields are used
    Vraag(kNietCorrect, Antwoord::Ja);
    EXPECT_EQ(0, venster.Ok());
    VragenWarenJaNee();
    EXPECT_EQ("K +", Sleutel("KlasseBerekening 2", "KlasseNaJigo"));
    EXPECT_EQ("K +", settings->KlasseNaJigoTekst());
}

TEST_F(FormuleVenster, OkOfThePointsWindowAsksAboutAFaultyActiveFormula) {
    CFormuleVenster venster(*settings, EFormuleSoort::Punten);
    venster.ZetFormule(EVeld::Formule, "W * (");
    Vraag(kNietCorrect, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ("Formule is niet compleet.", venster.Resultaat());
    EXPECT_EQ(5, venster.CursorPositie());
    EXPECT_EQ("2 * W + J", settings->PuntenformuleTekst());
}

TEST_F(FormuleVenster, OkOfTheHandicapWindowChecksTheActiveSetAtZero) {
    CFormuleVenster venster(*settings, EFormuleSoort::Voorgift);
    venster.ZetFormule(EVeld::Komi, "6 / V");
    venster.Selecteer(2);
    Vraag(kAktieveNietCorrect, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ(1, venster.Selectie());
    EXPECT_EQ((Namen{"0\t1\tFOUT:"}), venster.TabelRijen());
    EXPECT_EQ("Deling door nul.", venster.Melding());
    EXPECT_EQ(EVeld::Komi, venster.Focus());

    // A formula that fails only further on is no reason to ask.
    venster.ZetFormule(EVeld::Komi, "6 / (V - 5)");
    ASSERT_EQ(0, venster.Ok());
    EXPECT_EQ("6 / (V - 5)", Sleutel("VoorgiftEnKomi 2", "Komi"));
    EXPECT_EQ("0", Sleutel("VoorgiftEnKomi 2", "ExtraHalfKomi"));
    EXPECT_EQ("6 / (V - 5)", settings->ActieveVoorgiftSet().komi);
}

TEST_F(FormuleVenster, AFailedSaveIsReportedAndChangesNothing) {
    CFormuleVenster venster(*settings, EFormuleSoort::Punten);
    venster.Selecteer(2);
    venster.ZetActief(true);
    // The profile can no longer be read: it became a folder.
    std::filesystem::remove(Profiel());
    std::filesystem::create_directory(Profiel());
    recorder.VerwachtWillekeurig();
    EXPECT_EQ(-1, venster.Ok());
    ASSERT_EQ(1u, recorder.meldingen.size());
    EXPECT_EQ(0u, recorder.meldingen[0].tekst.find("Het instellingenbestand '" + Profiel() +
                                                   "' kan niet gelezen worden."));
    EXPECT_EQ(2, settings->HuidigeScoreFormule());
    EXPECT_EQ("2 * W + J", settings->PuntenformuleTekst());
    std::filesystem::remove(Profiel());
}

} // namespace
