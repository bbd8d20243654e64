#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "ui/standvenster.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The example competition "Voorjaar 2024" with its three rounds, on a profile
// with one points set (2 * W + J) and one class set.
class StandVenster : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/standformules.ini"));
        app = std::make_unique<CMorvelApp>(map.Bestand("morvel.ini"));
    }

    void Open(const std::string& competitie) { ASSERT_EQ(0, app->OpenCompetitie(competitie)); }

    CTijdelijkeMap map;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(StandVenster, TheRoundsInOrderWithTheLastSelected) {
    Open(FixturePad("stand/Voorjaar 2024"));
    CStandVenster venster(*app);
    EXPECT_EQ((std::vector<std::string>{"12 mei", "19 mei", "26 mei"}), venster.Rijen());
    EXPECT_EQ(2, venster.Selectie());
    EXPECT_TRUE(venster.AfdrukkenAan());

    venster.Selecteer(0);
    EXPECT_EQ(0, venster.Selectie());
    for (int geenRij : {-1, 3, 100}) {
        venster.Selecteer(1);
        venster.Selecteer(geenRij);
        EXPECT_EQ(-1, venster.Selectie()) << geenRij;
    }
}

TEST_F(StandVenster, PrintsTheStandingsAfterTheSelectedRound) {
    Open(FixturePad("stand/Voorjaar 2024"));
    CStandVenster venster(*app);
    std::string lijst;
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_EQ(Fixture("lijst_stand.txt"), lijst);

    venster.Selecteer(0);
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_NE(std::string::npos, lijst.find("\tStand na ronde '12 mei'\n")) << lijst;
    EXPECT_NE(std::string::npos,
              lijst.find("\n Anna de Vries             19.5     1   0   0   1  + 1  100        "
                         "2\n Bartholomeus van der Heij 16.0     0   1   0   1  - 1    0        "
                         "0\n"))
        << lijst;
    EXPECT_EQ(std::string::npos, lijst.find("Cees")); // only a bye so far

    // Without a selection: after all rounds; and every print starts afresh.
    venster.Selecteer(-1);
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_EQ(Fixture("lijst_stand.txt"), lijst);
}

TEST_F(StandVenster, WithoutRoundsThereIsNothingToPrint) {
    Open(FixturePad("zonder_rondes/Nieuw"));
    CStandVenster venster(*app);
    EXPECT_TRUE(venster.Rijen().empty());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_FALSE(venster.AfdrukkenAan());
    // Asked all the same, it gives the starting standings.
    std::string lijst;
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_NE(std::string::npos, lijst.find("\tBeginstand\n")) << lijst;
    EXPECT_NE(std::string::npos, lijst.find("\n Anna                      15.0")) << lijst;
}

} // namespace
