// The command that starts a new competition, run as a user would.

#include "programma.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class NieuwOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(map.Bestand("data/Oud"));
        SchrijfAlles(map.Bestand("data/Oud/Oud.txt"),
                     "versie=2\n[Spelers]\n1 \"A\" 214 J J J\n2 \"B\" 215 N J N\n");
        std::string profiel = Fixture("settings/compleet.ini");
        profiel.replace(profiel.find("/srv/go/data"), 12, map.Bestand("data"));
        SchrijfAlles(map.Bestand("morvel.ini"), profiel);
    }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini"), "nieuw"});
        return VoerMorvelUit(argumenten);
    }

    CTijdelijkeMap map;
};

TEST_F(NieuwOpdracht, MakesTheCompetitionAsTheWindowDoes) {
    struct Geval {
        std::vector<std::string> argumenten;
        const char* spelers;
    } gevallen[] = {
        {{"Leeg"}, ""},
        {{"Rond", "--van", "Oud"}, "1 \"A\" 210 J J J\r\n2 \"B\" 220 N J N\r\n"},
        {{"Begin", "--van", "Oud", "--klassen", "begin"},
         "1 \"A\" 214 J J J\r\n2 \"B\" 215 N J N\r\n"},
    };
    for (const Geval& g : gevallen) {
        CProgrammaUitvoer u = Voer(g.argumenten);
        const std::string& naam = g.argumenten[0];
        std::string bestand = map.Bestand("data/" + naam + "/" + naam + ".txt");
        EXPECT_EQ(0, u.status) << u.fout;
        EXPECT_EQ(bestand + "\n", u.uit);
        EXPECT_EQ("versie=2\r\n\r\n[Spelers]\r\n" + std::string(g.spelers) + "\r\n[Uitslagen]\r\n",
                  LeesAlles(bestand));
    }
}

TEST_F(NieuwOpdracht, RefusalsAndUnreadableSources) {
    EXPECT_EQ(1, Voer({"oud"}).status);
    EXPECT_EQ(1, Voer({"a:b"}).status);
    EXPECT_EQ(2, Voer({"Nieuw", "--van", "Bestaat niet"}).status);
    EXPECT_FALSE(std::filesystem::exists(map.Bestand("data/Nieuw")));
    EXPECT_EQ(64, Voer({"Nieuw", "--van", "Oud", "--klassen", "half"}).status);
}

} // namespace
