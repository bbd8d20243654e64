// The rules of the window "Nieuwe competitie", without Qt.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "ui/nieuwecompetitievenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class NieuweCompetitieVenster : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        for (const char* naam : {"Voorjaar", "Najaar", "Zomer"}) {
            MaakMappen(tmp.Bestand("data/") + naam, false);
            SchrijfAlles(tmp.Bestand("data/") + naam + "/" + naam + ".txt",
                         "versie=2\n[Spelers]\n1 \"" + std::string(naam) + "\" 214 J J J\n");
        }
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        ASSERT_EQ(0, app->KiesCompetitie("Voorjaar"));
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(NieuweCompetitieVenster, OpensOnTheCurrentCompetitionWithTheGroupDisabled) {
    CNieuweCompetitieVenster venster(*app);
    EXPECT_EQ((std::vector<std::string>{"Najaar", "Voorjaar", "Zomer"}), venster.OudeCompetities());
    EXPECT_EQ(1, venster.OudeCompetitie());
    EXPECT_EQ(2, venster.BeginKlasse()); // "Einde oude competitie - afgerond"
    EXPECT_TRUE(venster.Leeg());
    EXPECT_FALSE(venster.OudeCompetitieAan());
    EXPECT_FALSE(venster.OkAan());
    venster.KiesLeeg(false);
    EXPECT_TRUE(venster.OudeCompetitieAan());
}

TEST_F(NieuweCompetitieVenster, OkOnlyForANewPrintableNameWithoutSeparators) {
    CNieuweCompetitieVenster venster(*app);
    const std::pair<const char*, bool> gevallen[] = {
        {"Winter 2026", true}, {"", false},      {"najaar", false}, {"ZOMER", false},
        {"a:b", false},        {"a/b", false},   {"a\\b", false},   {"tab\there", false},
        {"Caf\xE9", true},     {"Zomer2", true},
    };
    for (const auto& [naam, aan] : gevallen) {
        venster.ZetIdentificatie(naam);
        EXPECT_EQ(aan, venster.OkAan()) << naam;
    }
}

TEST_F(NieuweCompetitieVenster, OkCopiesTheChosenCompetitionAndCloses) {
    CNieuweCompetitieVenster venster(*app);
    venster.ZetIdentificatie("Winter");
    venster.KiesLeeg(false);
    venster.KiesOudeCompetitie(2);
    venster.KiesBeginKlasse(2);
    ASSERT_EQ(0, venster.Ok());
    EXPECT_TRUE(venster.SluitNaOk());
    EXPECT_NE(std::string::npos,
              LeesAlles(tmp.Bestand("data/Winter/Winter.txt")).find("1 \"Zomer\" 210 J J J"));
}

TEST_F(NieuweCompetitieVenster, ARefusedNameKeepsTheWindowOpen) {
    MaakMappen(tmp.Bestand("data/.rest"), false);
    SchrijfAlles(tmp.Bestand("data/.rest/a.txt"), "x");
    CNieuweCompetitieVenster venster(*app);
    venster.ZetIdentificatie(".rest");
    recorder.VerwachtWillekeurig();
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_FALSE(venster.SluitNaOk());
    EXPECT_EQ("x", LeesAlles(tmp.Bestand("data/.rest/a.txt")));
}

} // namespace
