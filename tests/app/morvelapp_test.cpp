// The application object switching and closing competitions, as the main
// window and the commands use it.

#include "app/morvelapp.h"

#include "base/mappen.h"
#include "club_opstelling.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

// LF line ends: any write of the file (always CR LF) shows at once.
std::string DataFile(const std::string& speler) {
    return "versie=2\n\n[Spelers]\n1 \"" + speler + "\" 150 J J N\n\n[Uitslagen]\n";
}

const char* const kVraag = "De wijzigingen in de competitie zijn niet opgeslagen.\n"
                           "Toch afsluiten? De wijzigingen gaan dan verloren.";

class MorvelApp : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* naam : {"Najaar", "Voorjaar"}) {
            LegCompetitieKlaar(tmp, naam, DataFile(std::string(naam) + " Lid"));
        }
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
    }

    std::string Bestand(const std::string& naam) const {
        return tmp.Bestand("data/" + naam + "/" + naam + ".txt");
    }

    void VoegSpelerToe(const std::string& naam) {
        std::string tekst = naam;
        ASSERT_EQ(0, app->competitie.spelers.VoegToe(9, tekst, 150, 1, 1, 1));
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(MorvelApp, ListsTheDataDirectoryAndFindsTheSavedCompetition) {
    MaakMappen(tmp.Bestand("data/.verborgen"), false);
    std::vector<std::string> namen = app->Competities();
    EXPECT_EQ((std::vector<std::string>{"Najaar", "Voorjaar"}), namen);
    app->settings.SetHuidigePeriode("voor");
    EXPECT_EQ(1, app->BewaardeCompetitie(namen));
    app->settings.SetHuidigePeriode("Zomer");
    EXPECT_EQ(-1, app->BewaardeCompetitie(namen));
}

TEST_F(MorvelApp, SwitchingWritesTheOldCompetitionOnlyWhenItChanged) {
    ASSERT_EQ(0, app->KiesCompetitie("Najaar"));
    EXPECT_EQ("Najaar", app->GeopendeNaam());
    EXPECT_EQ("Najaar", app->settings.HuidigePeriode());
    EXPECT_TRUE(app->CompetitieGelezen());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Najaar Lid"));

    ASSERT_EQ(0, app->KiesCompetitie("Voorjaar"));
    EXPECT_EQ(DataFile("Najaar Lid"), LeesAlles(Bestand("Najaar"))); // unchanged: not written
    VoegSpelerToe("Nieuw Lid");
    ASSERT_EQ(0, app->KiesCompetitie("Najaar"));
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Voorjaar")).find("9 \"Nieuw Lid\""));
    EXPECT_FALSE(app->competitie.IsGewijzigd());
}

TEST_F(MorvelApp, AFolderWithoutDataFileIsOpenedButNotRead) {
    MaakMappen(tmp.Bestand("data/Leeg"), false);
    EXPECT_EQ(-1, app->KiesCompetitie("Leeg"));
    EXPECT_EQ("Leeg", app->GeopendeNaam());
    EXPECT_FALSE(app->CompetitieGelezen());
    EXPECT_EQ("", app->competitie.datafile);
}

TEST_F(MorvelApp, AFailedWriteKeepsTheCompetitionOpenAndClosingAsks) {
    ASSERT_EQ(0, app->KiesCompetitie("Najaar"));
    VoegSpelerToe("Berend Bewaard");
    std::filesystem::remove_all(tmp.Bestand("data/Najaar"));
    const std::string fout = "CMorvelApp::Schrijf()\nDe datafile '" + Bestand("Najaar") +
                             "' kan niet geopend worden!\nDe reden: 'No such file or directory'";

    recorder.Verwacht(fout);
    EXPECT_EQ(-1, app->KiesCompetitie("Voorjaar"));
    EXPECT_EQ("Najaar", app->GeopendeNaam());
    EXPECT_EQ("Najaar", app->settings.HuidigePeriode());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Berend Bewaard"));

    recorder.Verwacht(fout).Verwacht(kVraag, Antwoord::Nee);
    EXPECT_FALSE(app->SluitAf(true));
    MaakMappen(tmp.Bestand("data/Najaar"), false);
    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Berend Bewaard"));
    EXPECT_TRUE(app->SluitAf(true)); // once: nothing is written or asked again
}

TEST_F(MorvelApp, ClosingWithoutAskingStillWrites) {
    ASSERT_EQ(0, app->KiesCompetitie("Najaar"));
    VoegSpelerToe("Zonder Vraag");
    EXPECT_TRUE(app->SluitAf(false));
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Zonder Vraag"));
}

} // namespace
