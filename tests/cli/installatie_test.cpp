// `cmake --install` of this build tree into a temporary DESTDIR, and the
// installed program started headless in a home of its own.

#include "base/versie.h"
#include "cli/opdrachten.h"
#include "programma.h"
#include "tijdelijke_map.h"
#include "ui/handleiding.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace {

const fs::path kBron = fs::path(MORVEL_FIXTURES).parent_path().parent_path();
const char* const kVoorbeeld = "usr/share/morvel/competities/Voorjaar 2025/voorjaar2025.txt";

// The build tree of the program under test: the folder above it with CMakeCache.txt.
std::string BouwMap() {
    for (fs::path map = fs::path(MORVEL_BINARY).parent_path(); map != map.parent_path();
         map = map.parent_path()) {
        if (fs::exists(map / "CMakeCache.txt")) {
            return map.string();
        }
    }
    return "";
}

// Every file below `map`, as paths relative to it.
std::set<std::string> Bestanden(const std::string& map) {
    std::set<std::string> bestanden;
    std::error_code fout;
    for (const auto& deel : fs::recursive_directory_iterator(map, fout)) {
        if (!deel.is_directory()) {
            bestanden.insert(fs::relative(deel.path(), map).string());
        }
    }
    return bestanden;
}

class Installatie : public ::testing::Test {
protected:
    void SetUp() override {
        CProgrammaUitvoer u = VoerProgrammaUit(
            "cmake", {"--install", BouwMap(), "--prefix", "/usr"}, {{"DESTDIR", root}});
        ASSERT_EQ(0, u.status) << u.uit << u.fout;
    }

    CProgrammaUitvoer Morvel(const std::vector<std::string>& argumenten) {
        return VoerProgrammaUit(programma, argumenten, omgeving);
    }

    CTijdelijkeMap tmp;
    std::string root = tmp.Bestand("root");
    std::string programma = root + "/usr/bin/morvel";
    std::vector<std::pair<std::string, std::string>> omgeving = {
        {"HOME", tmp.Bestand("thuis")},
        {"XDG_CONFIG_HOME", tmp.Bestand("config")},
        {"XDG_DATA_HOME", tmp.Bestand("data")}};
};

TEST_F(Installatie, PutsTheProgramItsMenuEntryIconsExampleAndManualInPlace) {
    std::set<std::string> verwacht = {
        "usr/bin/morvel",
        "usr/share/applications/morvel.desktop",
        "usr/share/man/man1/morvel.1",
        "usr/share/morvel/handleiding.html",
    };
    for (const char* grootte : {"16", "32", "64", "256"}) {
        std::string pictogram =
            std::string("usr/share/icons/hicolor/") + grootte + "x" + grootte + "/apps/morvel.png";
        verwacht.insert(pictogram);
        EXPECT_EQ(
            LeesAlles((kBron / "src/gui/pictogram" / ("morvel-" + std::string(grootte) + ".png"))
                          .string()),
            LeesAlles(root + "/" + pictogram))
            << pictogram;
    }
    for (const std::string& voorbeeld : Bestanden((kBron / "share/voorbeeld").string())) {
        verwacht.insert("usr/share/morvel/" + voorbeeld);
        EXPECT_EQ(LeesAlles((kBron / "share/voorbeeld" / voorbeeld).string()),
                  LeesAlles(root + "/usr/share/morvel/" + voorbeeld));
    }
    EXPECT_EQ(verwacht, Bestanden(root));
    // The Dutch manual as it is, where the help window of the installed program looks.
    EXPECT_EQ(LeesAlles((kBron / "share/handleiding/handleiding.html").string()),
              LeesAlles(root + "/usr/share/morvel/handleiding.html"));
    EXPECT_EQ(root + "/usr/share/morvel/handleiding.html",
              CHandleidingVenster(HandleidingPlaatsen(programma), "").Bestand());
    EXPECT_TRUE((fs::status(programma).permissions() & fs::perms::owner_exec) != fs::perms::none);

    // The manual page carries the version and names every command of --help.
    std::string handleiding = LeesAlles(root + "/usr/share/man/man1/morvel.1");
    EXPECT_NE(std::string::npos,
              handleiding.find(".TH MORVEL 1 \"\" \"Morvel " MORVEL_VERSIE "\""));
    for (const COpdracht& opdracht : Opdrachten()) {
        EXPECT_NE(std::string::npos, handleiding.find(std::string(".BI ") + opdracht.naam + " "))
            << opdracht.naam;
    }
}

TEST_F(Installatie, TheMenuEntryIsValid) {
    const std::string entry = root + "/usr/share/applications/morvel.desktop";
    CProgrammaUitvoer u = VoerProgrammaUit("desktop-file-validate", {entry});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("", u.uit + u.fout);
    std::string tekst = LeesAlles(entry);
    for (const char* regel :
         {"\nName=Morvel Competitie Beheer\n", "\nExec=morvel\n", "\nIcon=morvel\n",
          "\nTerminal=false\n", "\nCategories=Office;\n", "\nComment="}) {
        EXPECT_NE(std::string::npos, tekst.find(regel)) << regel;
    }
}

TEST_F(Installatie, TheInstalledProgramKeepsItsSettingsAndDataInTheUsersFolders) {
    const std::string profiel = tmp.Bestand("config/morvel/morvel.ini");
    const std::string data = tmp.Bestand("data/morvel");
    CProgrammaUitvoer u = Morvel({"--help"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_NE(std::string::npos, u.uit.find("Morvel Competitie Beheer " MORVEL_VERSIE "\n"));
    EXPECT_NE(std::string::npos, u.uit.find("Profiel zonder --profiel: " + profiel + "\n"))
        << u.uit;
    EXPECT_NE(std::string::npos, u.uit.find("Map \".\" van de gegevens:  " + data + "\n"));
    EXPECT_FALSE(fs::exists(tmp.Bestand("config"))) << "--help only tells";

    const std::set<std::string> geinstalleerd = Bestanden(root);
    u = Morvel({"controleer", root + "/" + kVoorbeeld});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("formaat 2, 12 spelers, 4 rondes\n", u.uit);
    // The first start made the profile and the data folder from the installed example.
    EXPECT_EQ(LeesAlles(root + "/usr/share/morvel/morvel.ini"), LeesAlles(profiel));
    EXPECT_EQ(LeesAlles(root + "/" + kVoorbeeld),
              LeesAlles(data + "/competities/Voorjaar 2025/voorjaar2025.txt"));

    // "." is the data folder: a new competition goes below it.
    u = Morvel({"nieuw", "Najaar"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_TRUE(fs::exists(data + "/competities/Najaar/Najaar.txt")) << u.uit << u.fout;
    EXPECT_EQ(geinstalleerd, Bestanden(root)) << "nothing is written beside the program";
    EXPECT_FALSE(fs::exists(tmp.Bestand("thuis")));
}

TEST_F(Installatie, AProfileBesideTheProgramIsStillTheOneUsed) {
    const std::string naast = root + "/usr/bin/morvel.ini";
    fs::copy_file(root + "/usr/share/morvel/morvel.ini", naast);
    CProgrammaUitvoer u = Morvel({"--help"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_NE(std::string::npos, u.uit.find("Profiel zonder --profiel: " + naast + "\n"));

    u = Morvel({"nieuw", "Najaar"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_TRUE(fs::exists(root + "/usr/bin/competities/Najaar/Najaar.txt")) << u.uit << u.fout;
    EXPECT_FALSE(fs::exists(tmp.Bestand("config")));
    EXPECT_FALSE(fs::exists(tmp.Bestand("data")));
}

} // namespace
