// Making a new competition in the data directory, as the window and the
// command do.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "bestandsgrens.h"
#include "club_opstelling.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The old competition: numbers, flags and classes to carry over, and one
// round in which 3 beat 7 (so their end classes differ from the start).
const char* const kOud = "versie=2\n\n[Spelers]\n"
                         "3 \"Piet Jansen\" 214 J N J\n"
                         "7 \"Jan de Vries\" 215 N J N\n"
                         "9 \"Els Eind\" 204 J J J\n"
                         "\n[Uitslagen]\n{12 mei}\n3 7 +\n";

class NieuweCompetitie : public ::testing::Test {
protected:
    void SetUp() override {
        LegCompetitieKlaar(tmp, "Oud", kOud);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        ASSERT_EQ(0, app->KiesCompetitie("Oud"));
    }

    std::string Nieuw(const std::string& naam) const {
        return tmp.Bestand("data/" + naam + "/" + naam + ".txt");
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(NieuweCompetitie, TheOldPlayersStartWithTheChosenClasses) {
    struct Geval {
        EBeginKlasse klassen;
        const char* naam;
        int32_t piet, jan, els;
    } gevallen[] = {
        {EBeginKlasse::Begin, "Begin", 214, 215, 204},
        // Without rounds after the first, the end class is the class after the win and the loss.
        {EBeginKlasse::Einde, "Einde", 204, 225, 204},
        {EBeginKlasse::Afgerond, "Afgerond", 200, 230, 200},
    };
    for (const Geval& g : gevallen) {
        ASSERT_EQ(0, app->MaakNieuweCompetitie(g.naam, tmp.Bestand("data/Oud"), g.klassen));
        EXPECT_EQ(g.naam, app->GeopendeNaam());
        std::string bestand = LeesAlles(Nieuw(g.naam));
        std::string verwacht = "versie=2\r\n\r\n[Spelers]\r\n" +
                               ("3 \"Piet Jansen\" " + std::to_string(g.piet) + " J N J\r\n") +
                               ("7 \"Jan de Vries\" " + std::to_string(g.jan) + " N J N\r\n") +
                               ("9 \"Els Eind\" " + std::to_string(g.els) + " J J J\r\n") +
                               "\r\n[Uitslagen]\r\n";
        EXPECT_EQ(verwacht, bestand) << g.naam;
    }
    EXPECT_EQ(kOud, LeesAlles(tmp.Bestand("data/Oud/Oud.txt"))); // the old file untouched
}

TEST_F(NieuweCompetitie, RoundingGoesToTheNearestWholeClass) {
    SchrijfAlles(tmp.Bestand("data/Oud/Oud.txt"),
                 "versie=2\n[Spelers]\n1 \"A\" 214 J J J\n2 \"B\" 215 J J J\n3 \"C\" 205 J J J\n");
    ASSERT_EQ(0,
              app->MaakNieuweCompetitie("Rond", tmp.Bestand("data/Oud"), EBeginKlasse::Afgerond));
    EXPECT_EQ(210, app->competitie.spelers.Zoek(1)->beginKlasse);
    EXPECT_EQ(220, app->competitie.spelers.Zoek(2)->beginKlasse);
    EXPECT_EQ(210, app->competitie.spelers.Zoek(3)->beginKlasse);
}

TEST_F(NieuweCompetitie, AnEmptyRegisterAndTheOldChangesWrittenFirst) {
    std::string naam = "Laat Lid";
    ASSERT_EQ(0, app->competitie.spelers.VoegToe(20, naam, 150, 1, 1, 1));
    ASSERT_EQ(0, app->MaakNieuweCompetitie("  Leeg ", "", EBeginKlasse::Afgerond));
    EXPECT_EQ("versie=2\r\n\r\n[Spelers]\r\n\r\n[Uitslagen]\r\n", LeesAlles(Nieuw("Leeg")));
    EXPECT_NE(std::string::npos, LeesAlles(tmp.Bestand("data/Oud/Oud.txt")).find("Laat Lid"));
    EXPECT_EQ(0, app->competitie.rondes.Aantal());
    EXPECT_EQ(2, app->competitie.Formaat());
}

TEST_F(NieuweCompetitie, RefusedNamesAndFilesChangeNothing) {
    MaakMappen(tmp.Bestand("data/Restje"), false);
    SchrijfAlles(tmp.Bestand("data/Restje/eerder.txt"), "bewaard");
    MaakMappen(tmp.Bestand("data/.Verborgen"), false);
    SchrijfAlles(tmp.Bestand("data/.Verborgen/.Verborgen.txt"), "bewaard");
    std::string naam = "Ongeschreven";
    ASSERT_EQ(0, app->competitie.spelers.VoegToe(21, naam, 150, 1, 1, 1));
    struct Geval {
        const char* naam;
        std::string melding;
    } gevallen[] = {
        {"oud", "De competitie 'Oud' bestaat al."},
        {"a:b", "De identificatie mag geen '/', ':', '\\' of onzichtbare tekens bevatten."},
        {"a/b", "De identificatie mag geen '/', ':', '\\' of onzichtbare tekens bevatten."},
        {"   ", "Geef de nieuwe competitie een identificatie."},
        // A name that becomes an existing one once trimmed, and a folder the list does not show.
        {"Restje ", "De competitie 'Restje' bestaat al."},
        {".Verborgen", "De map '" + tmp.Bestand("data/.Verborgen") +
                           "' bevat al een databestand; de nieuwe competitie is niet gemaakt."},
    };
    for (const Geval& g : gevallen) {
        recorder.Verwacht(g.melding);
        EXPECT_EQ(-1, app->MaakNieuweCompetitie(g.naam, "", EBeginKlasse::Afgerond)) << g.naam;
        EXPECT_EQ("Oud", app->GeopendeNaam());
        EXPECT_NE(nullptr, app->competitie.spelers.Zoek(21)); // still in memory, unwritten
    }
    EXPECT_EQ("bewaard", LeesAlles(tmp.Bestand("data/.Verborgen/.Verborgen.txt")));
    EXPECT_EQ(kOud, LeesAlles(tmp.Bestand("data/Oud/Oud.txt")));
    app->competitie.spelers.WisGewijzigd();
}

} // namespace

namespace {

// A disk too full for the new data file (a file size limit below it here):
// the folder made for it goes again, the message gives the reason, and the
// same name works once there is room.
TEST_F(NieuweCompetitie, AFailedWriteLeavesNoFolderAndARetryWorks) {
    int gemaakt = 0;
    {
        CBestandsGrens grens(10);
        recorder.Verwacht("CMorvelApp::Schrijf()\nDe datafile '" + Nieuw("Vol") +
                          "' kan niet geopend worden!\nDe reden: 'File too large'");
        gemaakt = app->MaakNieuweCompetitie("Vol", tmp.Bestand("data/Oud"), EBeginKlasse::Begin);
    }
    recorder.Controleer();

    EXPECT_EQ(gemaakt, -1);
    EXPECT_FALSE(std::filesystem::exists(tmp.Bestand("data/Vol")));
    EXPECT_EQ(app->GeopendeNaam(), "");
    EXPECT_FALSE(app->competitie.IsGewijzigd());
    ASSERT_EQ(0, app->KiesCompetitie("Oud")); // the main window opens the saved one again
    ASSERT_EQ(0, app->MaakNieuweCompetitie("Vol", tmp.Bestand("data/Oud"), EBeginKlasse::Begin));
    EXPECT_NE(LeesAlles(Nieuw("Vol")).find("Piet Jansen"), std::string::npos);
}

} // namespace
