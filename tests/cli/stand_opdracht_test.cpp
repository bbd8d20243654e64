// The standings, results and handicap commands, run as a user would.

#include "programma.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

// The 19x19 default as the only handicap set.
const char* const kVoorgift19 =
    "AantalVoorgiftFormules=1\r\nHuidigeVoorgiftFormule=1\r\n"
    "[VoorgiftEnKomi 1]\r\nVoorgift=min((V + 2) / 2, 9)\r\n"
    "Komi=als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))\r\nExtraHalfKomi=1\r\n";

// A profile with one points set, one class set and the given handicap sets;
// the release notices have been dismissed, so nothing is reported at start.
std::string Profiel(const std::string& dataPad, const std::string& voorgift = kVoorgift19) {
    return "[Morvel]\r\nDataPad=" + dataPad +
           "\r\nAantalScoreFormules=1\r\nHuidigeScoreFormule=1\r\n"
           "AantalKlasseAanpassingsFormules=1\r\nHuidigeKlasseAanpassingsFormule=1\r\n" +
           voorgift +
           "[Opmerkingen]\r\nIndelingSneller=1\r\nOneindigeRandomIndeling=1\r\nHtmlUitvoer=1\r\n"
           "[ScoreFormule 1]\r\nNaam=Standaard\r\nFormule=2 * W + J\r\nMiddelen=0\r\n"
           "[KlasseBerekening 1]\r\nNaam=Standaard\r\nKlasseNaWinst=K - 10\r\n"
           "KlasseNaVerlies=K + 10\r\nKlasseNaJigo=K\r\n";
}

class StandOpdrachtTest : public ::testing::Test {
protected:
    void SetUp() override { SchrijfAlles(profiel, Profiel(FixturePad("stand"))); }

    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", profiel});
        return VoerMorvelUit(argumenten);
    }

    CTijdelijkeMap map;
    std::string profiel = map.Bestand("morvel.ini");
};

TEST_F(StandOpdrachtTest, StandingsOfAllRoundsAsTheWindowPrintsThem) {
    CProgrammaUitvoer u = Voer({"stand", "Voorjaar 2024"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("", u.fout);
    EXPECT_EQ(Fixture("lijst_stand.txt"), u.uit);

    // The folder itself names the competition just as well.
    u = Voer({"stand", FixturePad("stand/Voorjaar 2024/")});
    EXPECT_EQ(Fixture("lijst_stand.txt"), u.uit);
}

TEST_F(StandOpdrachtTest, UnansweredReleaseNoticesAreNeverShownOnTheCommandLine) {
    std::string zonderAntwoorden = Profiel(FixturePad("stand"));
    zonderAntwoorden.replace(
        zonderAntwoorden.find("[Opmerkingen]"),
        zonderAntwoorden.find("[ScoreFormule 1]") - zonderAntwoorden.find("[Opmerkingen]"), "");
    SchrijfAlles(profiel, zonderAntwoorden);
    for (int keer = 0; keer < 2; ++keer) {
        CProgrammaUitvoer u = Voer({"stand", "Voorjaar 2024"});
        EXPECT_EQ(0, u.status);
        EXPECT_EQ("", u.fout);
        EXPECT_EQ(Fixture("lijst_stand.txt"), u.uit);
    }
    EXPECT_EQ(zonderAntwoorden, LeesAlles(profiel));
}

TEST_F(StandOpdrachtTest, StandingsUpToANamedRound) {
    for (const char* id : {"12 mei", "12 MEI"}) {
        CProgrammaUitvoer u = Voer({"stand", "Voorjaar 2024", "--ronde", id});
        EXPECT_EQ(0, u.status) << u.fout;
        EXPECT_NE(std::string::npos, u.uit.find("\tStand na ronde '12 mei'\n")) << id;
        EXPECT_NE(
            std::string::npos,
            u.uit.find("\n Anna de Vries             19.5     1   0   0   1  + 1  100        "
                       "2\n Bartholomeus van der Heij 16.0     0   1   0   1  - 1    0        "
                       "0\n"))
            << u.uit;
        EXPECT_EQ(std::string::npos, u.uit.find("Cees")); // only a bye so far
    }

    CProgrammaUitvoer u = Voer({"stand", "Voorjaar 2024", "--ronde", "juli"});
    EXPECT_EQ(1, u.status);
    EXPECT_EQ("", u.uit);
    EXPECT_EQ("De ronde 'juli' bestaat niet in deze competitie.\n\n", u.fout);

    u = Voer({"stand", "Zomer"});
    EXPECT_EQ(2, u.status);
    EXPECT_EQ("De competitie 'Zomer' bestaat niet.\n\n", u.fout);
}

TEST_F(StandOpdrachtTest, ResultsOfARound) {
    const std::string alle = Fixture("lijst_uitslag.txt");
    // Each round's listing starts with three empty lines and the title.
    const std::string kop = "\n\n\n" + std::string(20, ' ') + "Morvel";
    const size_t tweede = alle.find(kop, 1);
    const size_t derde = alle.find(kop, tweede + 1);

    CProgrammaUitvoer u = Voer({"uitslag", "Voorjaar 2024"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(alle.substr(derde), u.uit);

    u = Voer({"uitslag", "Voorjaar 2024", "--ronde", "2"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(alle.substr(tweede, derde - tweede), u.uit);

    for (const char* ronde : {"0", "4", "twee"}) {
        u = Voer({"uitslag", "Voorjaar 2024", "--ronde", ronde});
        EXPECT_EQ(1, u.status) << ronde;
        EXPECT_EQ("", u.uit);
        EXPECT_EQ(std::string("Er is geen ronde ") + ronde +
                      "; deze competitie heeft 3 rondes.\n\n",
                  u.fout);
    }
}

TEST_F(StandOpdrachtTest, HandicapOfTwoClassesWithTheActiveSet) {
    for (auto klassen : {std::vector<std::string>{"125", "118"}, {"118", "125"}}) {
        CProgrammaUitvoer u = Voer({"voorgift", klassen[0], klassen[1]});
        EXPECT_EQ(0, u.status) << u.fout;
        EXPECT_EQ("125\t118\t1 steen, 0,5 komi\n", u.uit);
    }
    EXPECT_EQ(64, Voer({"voorgift", "12.5", "118"}).status);
    EXPECT_EQ(64, Voer({"voorgift", "125"}).status);

    SchrijfAlles(profiel,
                 Profiel(".",
                         "AantalVoorgiftFormules=2\r\nHuidigeVoorgiftFormule=2\r\n"
                         "[VoorgiftEnKomi 2]\r\nVoorgift=V\r\nKomi=5 - V\r\nExtraHalfKomi=0\r\n"));
    CProgrammaUitvoer u = Voer({"voorgift", "100", "175"});
    EXPECT_EQ("175\t100\t7 stenen, -2 komi\n", u.uit);
}

TEST_F(StandOpdrachtTest, HandicapRefusedByTheCheckBeforeAPairing) {
    struct Geval {
        std::string sleutels;
        std::string melding;
    };
    const std::vector<Geval> gevallen = {
        {"AantalVoorgiftFormules=1\r\nHuidigeVoorgiftFormule=0\r\n",
         "Er is geen aktieve voorgiftformule, stel deze eerst in via het configuratiescherm."},
        {"AantalVoorgiftFormules=1\r\nHuidigeVoorgiftFormule=1\r\n"
         "[VoorgiftEnKomi 1]\r\nVoorgift=als(\r\n",
         "De aktieve formule voor het aantal voorgiftstenen is niet correct.\nHerstel dit eerst "
         "via het configuratiescherm."},
        {"AantalVoorgiftFormules=1\r\nHuidigeVoorgiftFormule=1\r\n"
         "[VoorgiftEnKomi 1]\r\nKomi=6 / V\r\n",
         "De aktieve formule voor de komi is niet correct.\nHerstel dit eerst via het "
         "configuratiescherm."},
    };
    for (const Geval& g : gevallen) {
        SchrijfAlles(profiel, Profiel(".", g.sleutels));
        CProgrammaUitvoer u = Voer({"voorgift", "125", "118"});
        EXPECT_EQ(1, u.status);
        EXPECT_EQ("", u.uit);
        EXPECT_EQ(g.melding + "\n\n", u.fout);
    }
}

} // namespace
