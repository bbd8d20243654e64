// The commands that check and rewrite a data file, run as a user would.

#include "programma.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

class OpdrachtregelTest : public ::testing::Test {
protected:
    // A profile with formulas and dismissed notices: the settings show nothing.
    OpdrachtregelTest() {
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/compleet.ini"));
    }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten);
    }
    std::string Kopie(const std::string& fixture) {
        std::string pad = map.Bestand("competitie.txt");
        SchrijfAlles(pad, Fixture(fixture));
        return pad;
    }

    CTijdelijkeMap map;
};

TEST_F(OpdrachtregelTest, HelpListsTheCommands) {
    CProgrammaUitvoer u = VoerMorvelUit({"--help"});
    EXPECT_EQ(u.status, 0);
    EXPECT_NE(u.uit.find("controleer BESTAND"), std::string::npos);
    EXPECT_NE(u.uit.find("herschrijf BESTAND"), std::string::npos);
    EXPECT_NE(u.uit.find("--profiel PAD"), std::string::npos);
}

TEST_F(OpdrachtregelTest, UsageErrors) {
    EXPECT_EQ(Voer({"bestaatniet"}).status, 64);
    EXPECT_EQ(Voer({"controleer"}).status, 64);
    EXPECT_EQ(Voer({"controleer", "a", "b"}).status, 64);
    CProgrammaUitvoer u = Voer({"controleer", "--formaat", "2", "x"});
    EXPECT_EQ(u.status, 64);
    EXPECT_NE(u.fout.find("Onbekende optie '--formaat'"), std::string::npos);

    // --profiel without its path is an error, not the window; after "--" it is a word.
    u = VoerMorvelUit({"controleer", Kopie("data/formaat2.txt"), "--profiel"});
    EXPECT_EQ(u.status, 64);
    EXPECT_NE(u.fout.find("De optie --profiel verwacht een pad."), std::string::npos);
    EXPECT_EQ(Voer({"formule", "--", "--profiel"}).status, 1);
}

TEST_F(OpdrachtregelTest, CheckReportsCountsAndMessages) {
    CProgrammaUitvoer goed = Voer({"controleer", FixturePad("data/formaat2.txt")});
    EXPECT_EQ(goed.status, 0);
    EXPECT_EQ(goed.uit, "formaat 2, 4 spelers, 2 rondes\n");
    EXPECT_EQ(goed.fout, "");

    std::string pad = map.Bestand("fout.txt");
    SchrijfAlles(pad, "versie=2\r\n[Spelers]\r\n1 \"Jos\x82\" 150 J X J\r\n");
    CProgrammaUitvoer gemeld = Voer({"controleer", pad});
    EXPECT_EQ(gemeld.status, 1);
    EXPECT_EQ(gemeld.uit, "formaat 2, 0 spelers, 0 rondes\n");
    // Messages go to standard error in UTF-8, one block followed by an empty line.
    EXPECT_EQ(gemeld.fout,
              "CSpelers::VoegToe()\nSyntaxfout in regel '1 \"Jos\xC3\xA9\" 150 J X J'.\n\n");

    CProgrammaUitvoer weg = Voer({"controleer", map.Bestand("weg.txt")});
    EXPECT_EQ(weg.status, 2);
    EXPECT_EQ(weg.uit, "");
}

TEST_F(OpdrachtregelTest, RewriteRaisesTheFormatWhenAsked) {
    std::string pad = Kopie("data/formaat0.txt");
    EXPECT_EQ(Voer({"herschrijf", pad}).status, 0);
    EXPECT_EQ(LeesAlles(pad), Fixture("data/formaat0.txt"));

    CProgrammaUitvoer u = Voer({"herschrijf", pad, "--formaat", "2"});
    EXPECT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(LeesAlles(pad).substr(0, 10), "versie=2\r\n");
    EXPECT_EQ(Voer({"controleer", pad}).uit, "formaat 2, 4 spelers, 2 rondes\n");

    EXPECT_EQ(Voer({"herschrijf", pad, "--formaat", "7"}).status, 1);
}

TEST_F(OpdrachtregelTest, TheSystemsReasonComesInTheUsersLanguage) {
    std::string pad = map.Bestand("bestaat-niet.txt");
    struct Geval {
        std::vector<std::pair<std::string, std::string>> omgeving;
        const char* reden;
    } gevallen[] = {
        {{{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "nl"}}, "De reden: 'Bestand of map bestaat niet'"},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "nl"}}, "De reden: 'No such file or directory'"},
    };
    for (const Geval& g : gevallen) {
        CProgrammaUitvoer u =
            VoerMorvelUit({"--profiel", map.Bestand("morvel.ini"), "controleer", pad}, g.omgeving);
        EXPECT_EQ(u.status, 2);
        EXPECT_NE(u.fout.find(g.reden), std::string::npos) << u.fout;
    }
}

TEST_F(OpdrachtregelTest, RewriteWritesNothingWhenTheFileCannotBeRead) {
    std::string pad = map.Bestand("later.txt");
    SchrijfAlles(pad, "versie=3\n");
    CProgrammaUitvoer u = Voer({"herschrijf", pad});
    EXPECT_EQ(u.status, 2);
    EXPECT_EQ(LeesAlles(pad), "versie=3\n");
}

} // namespace
