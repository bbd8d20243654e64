// The history on the command line: listing the generations, restoring one,
// and the commands that write refused while another program has the competition.

#include "app/morvelapp.h"
#include "data/geschiedenis.h"
#include "melding_recorder.h"
#include "programma.h"
#include "tijdelijke_map.h"
#include "tijdzone.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const char* const kOrigineel = "versie=2\n\n[Spelers]\n1 \"Jan de Vries\" 150 J J J\n"
                               "2 \"Piet Jansen\" 160 J J J\n\n[Uitslagen]\n{10 maart}\n1 2 +\n"
                               "{17 maart}\n2 1 0\n";
const char* const kZonderRonde = "versie=2\r\n\r\n[Spelers]\r\n1 \"Jan de Vries\" 150 J J J\r\n"
                                 "2 \"Piet Jansen\" 160 J J J\r\n\r\n[Uitslagen]\r\n{10 maart}\r\n"
                                 "1 2 +\r\n";

class GeschiedenisOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(GeschiedenisMap(Datafile()));
        SchrijfAlles(Datafile(), kZonderRonde);
        SchrijfAlles(Generatie(), kOrigineel);
        std::string profiel = Fixture("settings/compleet.ini");
        profiel.replace(profiel.find("/srv/go/data"), 12, map.Bestand("data"));
        SchrijfAlles(map.Bestand("morvel.ini"), profiel);
    }

    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten, {{"TZ", "UTC"}});
    }

    std::string Datafile() const { return map.Bestand("data/Club/Club.txt"); }
    std::string Generatie() const {
        return GeschiedenisMap(Datafile()) + "/20250317T191502Z.generatie";
    }

    CTijdelijkeMap map;
};

TEST_F(GeschiedenisOpdracht, ListsTheGenerationsAndRestoresOne) {
    CProgrammaUitvoer u = Voer({"geschiedenis", "Club"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("  1  17-03-2025 19:15:02      2 spelers     2 rondes  sindsdien 1 ronde minder: "
              "'17 maart'\n",
              u.uit);

    u = Voer({"terugzetten", "Club", "1"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("versie 1 van 17-03-2025 19:15:02 teruggezet in " + Datafile() + "\n", u.uit);
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_FALSE(fs::exists(map.Bestand("data/Club/.Club.txt.slot")));

    // Both states are listed now; the one restored is the current one.
    u = Voer({"geschiedenis", map.Bestand("data/Club")});
    EXPECT_EQ(0, u.status) << u.fout;
    std::vector<CGeneratie> generaties = Generaties(Datafile());
    ASSERT_EQ(2u, generaties.size());
    EXPECT_EQ(kZonderRonde, LeesAlles(generaties[0].pad));
    CTijdzone utc("UTC");
    EXPECT_EQ("  1  " + GeneratieTijd(generaties[0]) +
                  "      2 spelers     1 rondes  sindsdien 1 ronde meer: '17 maart'\n"
                  "  2  17-03-2025 19:15:02      2 spelers     2 rondes  gelijk aan de huidige "
                  "stand\n",
              u.uit);
}

TEST_F(GeschiedenisOpdracht, AnUnknownNumberChangesNothing) {
    for (const char* nummer : {"2", "0", "-1", "een", ""}) {
        CProgrammaUitvoer u = Voer({"terugzetten", "Club", nummer});
        EXPECT_EQ(1, u.status) << nummer;
        EXPECT_NE(std::string::npos, u.fout.find("heeft geen versie '" + std::string(nummer) + "'"))
            << u.fout;
        EXPECT_EQ(kZonderRonde, LeesAlles(Datafile()));
        EXPECT_EQ(1u, Generaties(Datafile()).size());
    }
    EXPECT_EQ(2, Voer({"geschiedenis", "Bestaat niet"}).status);
    EXPECT_EQ(64, Voer({"terugzetten", "Club"}).status);
}

TEST_F(GeschiedenisOpdracht, ADataFileWithLinesThatCannotBeReadIsRestoredOnlyWithToch) {
    SchrijfAlles(Datafile(), "versie=2\r\n\r\n[Spelers]\r\n1 \"Jan de Vries\" 150 J J J\r\n"
                             "\r\n[Notities]\r\nbellen\r\n[Uitslagen]\r\n");
    const std::string voor = LeesAlles(Datafile());
    CProgrammaUitvoer u = Voer({"terugzetten", "Club", "1"});
    EXPECT_EQ(1, u.status);
    EXPECT_NE(std::string::npos, u.fout.find("Geef --toch om toch te schrijven")) << u.fout;
    EXPECT_EQ(voor, LeesAlles(Datafile()));
    u = Voer({"terugzetten", "Club", "1", "--toch"});
    EXPECT_EQ(1, u.status) << u.fout; // the lines it reported make the status 1
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_EQ(voor, LeesAlles(Generaties(Datafile())[0].pad)); // kept, lines and all
}

TEST_F(GeschiedenisOpdracht, EveryWriteOfACommandKeepsTheStateItReplaces) {
    fs::remove(Generatie());
    SchrijfAlles(Datafile(), kOrigineel);
    CProgrammaUitvoer u = Voer({"herschrijf", Datafile()});
    EXPECT_EQ(0, u.status) << u.fout;
    std::vector<CGeneratie> generaties = Generaties(Datafile());
    ASSERT_EQ(1u, generaties.size());
    EXPECT_EQ(kOrigineel, LeesAlles(generaties[0].pad)); // with its LF line ends
    // Written again, the same bytes: nothing more to keep.
    EXPECT_EQ(0, Voer({"herschrijf", Datafile()}).status);
    EXPECT_EQ(1u, Generaties(Datafile()).size());

    // A round entered on the command line keeps the state before it.
    const std::string voor = LeesAlles(Datafile());
    u = Voer({"ronde", "Club", "24 maart", "--partij", "1-2=+"});
    EXPECT_EQ(0, u.status) << u.fout;
    generaties = Generaties(Datafile());
    ASSERT_EQ(2u, generaties.size());
    EXPECT_EQ(voor, LeesAlles(generaties[0].pad));
    EXPECT_NE(std::string::npos, LeesAlles(Datafile()).find("{24 maart}"));
    EXPECT_FALSE(fs::exists(map.Bestand("data/Club/.Club.txt.slot")));
}

TEST_F(GeschiedenisOpdracht, CommandsThatWriteAreRefusedWhileAnotherProgramHasItOpen) {
    CMeldingRecorder recorder;
    CMorvelApp venster(map.Bestand("morvel.ini"));
    venster.settings.SetDataPad(map.Bestand("data"));
    ASSERT_EQ(0, venster.KiesCompetitie("Club"));

    for (std::vector<std::string> opdracht :
         {std::vector<std::string>{"herschrijf", Datafile()},
          std::vector<std::string>{"terugzetten", "Club", "1"},
          std::vector<std::string>{"ronde", "Club", "24 maart", "--partij", "1-2=+"}}) {
        CProgrammaUitvoer u = Voer(opdracht);
        EXPECT_EQ(1, u.status) << opdracht[0];
        EXPECT_NE(std::string::npos, u.fout.find("De competitie 'Club' is sinds ")) << u.fout;
        EXPECT_NE(std::string::npos, u.fout.find("Er is niets geschreven.")) << u.fout;
        EXPECT_EQ(kZonderRonde, LeesAlles(Datafile()));
        EXPECT_EQ(1u, Generaties(Datafile()).size());
    }
    // Commands that only read need no lock.
    EXPECT_EQ(0, Voer({"stand", "Club"}).status);
    EXPECT_EQ(0, Voer({"geschiedenis", "Club"}).status);
    EXPECT_TRUE(venster.SluitAf(true));
    EXPECT_EQ(0, Voer({"herschrijf", Datafile()}).status);
}

} // namespace
