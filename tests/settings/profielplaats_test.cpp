#include "base/platform.h"
#include "melding_recorder.h"
#include "omgeving.h"
#include "settings/profielplaats.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(ProfielPlaats, TheRuleFollowsTheEnvironmentAndAProfileBesideTheProgram) {
    CTijdelijkeMap tmp;
    const std::string leeg = tmp.Bestand("leeg");     // a program without a profile beside it
    const std::string draagbaar = tmp.Bestand("usb"); // one with a profile beside it
    fs::create_directories(leeg);
    fs::create_directories(draagbaar);
    SchrijfAlles(draagbaar + "/morvel.ini", "[Morvel]\r\n");
    struct Geval {
        std::string map;
        CGebruikersMappen mappen;
        std::string profiel;
        std::string werkMap;
        bool naastProgramma;
    } gevallen[] = {
        {leeg,
         {"/home/a", "/etc/xdg-a", "/srv/data-a"},
         "/etc/xdg-a/morvel/morvel.ini",
         "/srv/data-a/morvel",
         false},
        {leeg,
         {"/home/a", "", ""},
         "/home/a/.config/morvel/morvel.ini",
         "/home/a/.local/share/morvel",
         false},
        {leeg, {"/home/a/", "/c/", "/d//"}, "/c/morvel/morvel.ini", "/d/morvel", false},
        // A relative variable is no base folder: HOME's defaults hold.
        {leeg,
         {"/home/a", "config", "./data"},
         "/home/a/.config/morvel/morvel.ini",
         "/home/a/.local/share/morvel",
         false},
        {leeg, {"", "/c", "/d"}, "/c/morvel/morvel.ini", "/d/morvel", false},
        // Without a place for both, only the program's own folder is left.
        {leeg, {"", "/c", ""}, leeg + "/morvel.ini", leeg, true},
        {leeg, {"", "", ""}, leeg + "/morvel.ini", leeg, true},
        {leeg, {"thuis", "", ""}, leeg + "/morvel.ini", leeg, true},
        // An existing profile beside the program wins over everything else.
        {draagbaar, {"/home/a", "/c", "/d"}, draagbaar + "/morvel.ini", draagbaar, true},
        {draagbaar, {"", "", ""}, draagbaar + "/morvel.ini", draagbaar, true},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.map + " HOME=" + g.mappen.home + " XDG_CONFIG_HOME=" +
                     g.mappen.xdgConfigHome + " XDG_DATA_HOME=" + g.mappen.xdgDataHome);
        CProfielPlaats plaats;
        ASSERT_TRUE(KiesProfielPlaats(g.map + "/morvel", g.mappen, plaats));
        EXPECT_EQ(g.profiel, plaats.profiel);
        EXPECT_EQ(g.werkMap, plaats.werkMap);
        EXPECT_EQ(g.naastProgramma, plaats.naastProgramma);
    }
    CProfielPlaats plaats;
    EXPECT_FALSE(KiesProfielPlaats(leeg + "/", {"/home/a", "", ""}, plaats));
}

TEST(ProfielPlaats, TheEnvironmentIsReadAsWindows1252) {
    COmgeving home("HOME", "/home/Ren\xC3\xA9"
                           "e");
    COmgeving config("XDG_CONFIG_HOME", "/home/\xC5\x81ukasz/.config"); // no such letter
    COmgeving data("XDG_DATA_HOME", nullptr);
    CGebruikersMappen mappen = HuidigeGebruikersMappen();
    EXPECT_EQ("/home/Ren\xE9"
              "e",
              mappen.home);
    EXPECT_EQ("", mappen.xdgConfigHome);
    EXPECT_EQ("", mappen.xdgDataHome);
}

TEST(ProfielPlaats, TheExampleLiesInShareBesideBin) {
    EXPECT_EQ("/usr/share/morvel", VoorbeeldMap("/usr/bin/morvel"));
    EXPECT_EQ("/opt/m/share/morvel", VoorbeeldMap("/opt/m/bin/morvel"));
}

class EersteStart : public ::testing::Test {
protected:
    EersteStart() {
        fs::create_directories(voorbeeld + "/competities/Voorjaar");
        SchrijfAlles(voorbeeld + "/morvel.ini", "[Morvel]\r\nDataPad=competities\r\n");
        SchrijfAlles(voorbeeld + "/competities/Voorjaar/Voorjaar.txt", "voorbeeld");
    }

    CTijdelijkeMap tmp;
    std::string voorbeeld = tmp.Bestand("share/morvel");
    CProfielPlaats plaats{tmp.Bestand("config/morvel/morvel.ini"), tmp.Bestand("data/morvel"),
                          false};
    std::string competitie = tmp.Bestand("data/morvel/competities/Voorjaar/Voorjaar.txt");
};

TEST_F(EersteStart, CopiesTheExampleIntoNewFolders) {
    BereidEersteStartVoor(plaats, voorbeeld);
    EXPECT_EQ("[Morvel]\r\nDataPad=competities\r\n", LeesAlles(plaats.profiel));
    EXPECT_EQ("voorbeeld", LeesAlles(competitie));
    EXPECT_FALSE(fs::exists(tmp.Bestand("data/morvel/morvel.ini")));
    // The profile will hold the upload password: its owner's only.
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
              fs::status(plaats.profiel).permissions());
}

TEST_F(EersteStart, NeverOverwritesWhatIsThere) {
    // The data of an earlier start stays, and what is missing comes from the example.
    fs::create_directories(tmp.Bestand("data/morvel/competities/Voorjaar"));
    SchrijfAlles(competitie, "eigen");
    BereidEersteStartVoor(plaats, voorbeeld);
    EXPECT_EQ("eigen", LeesAlles(competitie));
    EXPECT_TRUE(BestaatBestand(plaats.profiel));

    // An existing profile means the first start is over: nothing is copied again.
    fs::remove_all(tmp.Bestand("data"));
    SchrijfAlles(plaats.profiel, "[Morvel]\r\n");
    BereidEersteStartVoor(plaats, voorbeeld);
    EXPECT_EQ("[Morvel]\r\n", LeesAlles(plaats.profiel));
    EXPECT_TRUE(fs::is_directory(plaats.werkMap));
    EXPECT_FALSE(fs::exists(competitie));
}

TEST_F(EersteStart, WithoutAnExampleOnlyTheFoldersAreMade) {
    BereidEersteStartVoor(plaats, tmp.Bestand("nergens"));
    EXPECT_TRUE(fs::is_directory(tmp.Bestand("config/morvel")));
    EXPECT_TRUE(fs::is_directory(plaats.werkMap));
    EXPECT_FALSE(fs::exists(plaats.profiel));
}

TEST(ProfielPlaats, SettingsWithoutAGivenProfileUseTheUsersFolders) {
    CTijdelijkeMap tmp;
    const std::string thuis = tmp.Bestand("thuis");
    const std::string xdgConfig = tmp.Bestand("config");
    const std::string xdgData = tmp.Bestand("data");
    COmgeving home("HOME", thuis.c_str());
    COmgeving config("XDG_CONFIG_HOME", xdgConfig.c_str());
    COmgeving data("XDG_DATA_HOME", xdgData.c_str());
    const std::string profiel = tmp.Bestand("config/morvel/morvel.ini");
    fs::create_directories(tmp.Bestand("config/morvel"));
    SchrijfAlles(profiel, Fixture("settings/compleet.ini"));
    CMeldingRecorder recorder;
    {
        CSettings settings("");
        EXPECT_EQ(profiel, settings.ProfielPad());
        EXPECT_EQ(tmp.Bestand("data/morvel"), WerkMap());
        EXPECT_TRUE(fs::is_directory(WerkMap()));
    }
    {
        // A profile given on the command line: "." is the program's folder again.
        CSettings settings(profiel);
        EXPECT_EQ("", WerkMap());
    }
    EXPECT_FALSE(fs::exists(tmp.Bestand("thuis")));
}

} // namespace
