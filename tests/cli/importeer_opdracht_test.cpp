// "importeer": a member list read from a CSV file on the command line, with
// its preview, and the data file written only without --proef.

#include "programma.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class ImporteerOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   map.Bestand("morvel.ini"));
        std::filesystem::create_directory(map.Bestand("club"));
        SchrijfAlles(Data(), kData);
        SchrijfAlles(map.Bestand("leden.csv"), "Naam,Klasse,Aktief\r\n"
                                               "\"Ren\xE9"
                                               "e Jansen\",\"12,5\",ja\r\n"
                                               "piet,150,ja\r\n"
                                               "Bram Visser,3 kyu,nee\r\n");
    }
    std::string Data() const { return map.Bestand("club/club.txt"); }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten);
    }

    static constexpr const char* kData = "versie=2\n\n[Spelers]\n3 \"Piet\" 150 J J J\n\n"
                                         "[Uitslagen]\n";
    CTijdelijkeMap map;
};

TEST_F(ImporteerOpdracht, ProefToontHetVoorbeeldEnSchrijftNiets) {
    CProgrammaUitvoer u =
        Voer({"importeer", map.Bestand("club"), map.Bestand("leden.csv"), "--proef"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("Scheidingsteken komma, tekenset Windows-1252, met kopregel; kolommen: naam 1, "
              "klasse 2, aktief 3.\n"
              "2\tRen\xC3\xA9"
              "e Jansen\t12,5 = 125 (4 dan, sterk)\tJ J J\tnieuw, nummer 4\n"
              "3\tpiet\t150 = 150 (3 dan, zwak)\tJ J J\tbestaat al: overgeslagen\n"
              "4\tBram Visser\t3 kyu = 250 (3 kyu, zwak)\tN J J\tnieuw, nummer 5\n"
              "Proef: er is niets toegevoegd en niets geschreven.\n",
              u.uit);
    EXPECT_EQ(kData, LeesAlles(Data()));
}

TEST_F(ImporteerOpdracht, VoegtToeEnSchrijftHetDatabestand) {
    CProgrammaUitvoer u = Voer({"importeer", map.Bestand("club"), map.Bestand("leden.csv")});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_NE(std::string::npos, u.uit.find("\n2 leden toegevoegd, 1 overgeslagen.\n"));
    const std::string data = LeesAlles(Data());
    EXPECT_NE(std::string::npos, data.find("4 \"Ren\x82"
                                           "e Jansen\" 125 J J J\r\n"));
    EXPECT_NE(std::string::npos, data.find("5 \"Bram Visser\" 250 N J J\r\n"));

    // Again: everybody is there already, nothing changes.
    u = Voer({"importeer", map.Bestand("club"), map.Bestand("leden.csv")});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_NE(std::string::npos, u.uit.find("\n0 leden toegevoegd, 3 overgeslagen.\n"));
    EXPECT_EQ(data, LeesAlles(Data()));
}

TEST_F(ImporteerOpdracht, BestandenDieNietGelezenKunnenWorden) {
    SchrijfAlles(map.Bestand("leeg.csv"), "");
    struct {
        std::vector<std::string> argumenten;
        int status;
        std::string melding;
    } gevallen[] = {
        {{"importeer", map.Bestand("club"), map.Bestand("leeg.csv")}, 1, "bevat geen leden."},
        {{"importeer", map.Bestand("club"), map.Bestand("weg.csv")}, 1, "bestaat niet."},
        {{"importeer", map.Bestand("geenclub"), map.Bestand("leden.csv")}, 2, ""},
        {{"importeer", map.Bestand("club")}, 64, ""},
    };
    for (const auto& g : gevallen) {
        CProgrammaUitvoer u = Voer(g.argumenten);
        EXPECT_EQ(g.status, u.status) << g.melding;
        EXPECT_NE(std::string::npos, u.fout.find(g.melding)) << u.fout;
    }
    EXPECT_EQ(kData, LeesAlles(Data()));
}

} // namespace

namespace {

TEST_F(ImporteerOpdracht, EenDatabestandMetOnleesbareRegelsAlleenMetToch) {
    const std::string data = "versie=2\n\n[Spelers]\n3 \"Piet\" 150 J J J\n3 \"Kees\" 120 X X\n\n"
                             "[Uitslagen]\n";
    SchrijfAlles(Data(), data);
    CProgrammaUitvoer u = Voer({"importeer", map.Bestand("club"), map.Bestand("leden.csv")});
    EXPECT_EQ(1, u.status);
    EXPECT_NE(std::string::npos, u.fout.find("Geef --toch om toch te schrijven")) << u.fout;
    EXPECT_EQ(data, LeesAlles(Data()));

    u = Voer({"importeer", map.Bestand("club"), map.Bestand("leden.csv"), "--toch"});
    EXPECT_NE(std::string::npos, u.uit.find("2 leden toegevoegd")) << u.fout;
    EXPECT_NE(std::string::npos, LeesAlles(Data()).find("\"Bram Visser\" 250 N J J"));
}

} // namespace
