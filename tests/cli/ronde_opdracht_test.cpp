// The command "ronde": a round appended from the command line with the rules
// of the results window, from its options or from the published pairing; and
// the files of the pairing beside the data file as the commands use them.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "programma.h"
#include "settings/profiel.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;

// The six players of "najaar" (see the test of "indeling"): the pairing of
// all who take part by default is Anna-Cees, Frits-Eva, and the bye for Bert.
class RondeOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(map.Bestand("data/najaar"));
        fs::copy_file(FixturePad("indeling/najaar/najaar.txt"), Datafile());
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("indeling/morvel.ini"));
        CProfiel profiel(map.Bestand("morvel.ini"));
        ASSERT_EQ(profiel.Lees(), 0);
        profiel.ZetTekst("Morvel", "DataPad", map.Bestand("data"));
        profiel.ZetGetal("Morvel", "MakeBackup", 1);
        profiel.ZetTekst("Morvel", "BackupPad", map.Bestand("reserve"));
        profiel.ZetGetal("Html", "Uitslag", 1);
        profiel.ZetGetal("Html", "Indeling", 1);
        ASSERT_EQ(profiel.Schrijf(), 0);
    }

    CProgrammaUitvoer Morvel(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten);
    }
    CProgrammaUitvoer Ronde(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"ronde", "najaar"});
        return Morvel(argumenten);
    }

    std::string Datafile() const { return map.Bestand("data/najaar/najaar.txt"); }
    std::string Bij(const char* naam) const {
        return map.Bestand("data/najaar/" + std::string(naam));
    }

    CTijdelijkeMap map;
};

TEST_F(RondeOpdracht, EveryOptionGoesIntoTheRoundWhichIsWrittenAndPrinted) {
    CProgrammaUitvoer u = Ronde({"  8   nov ", "--partij", "1-3=+", "--partij", "2-5", "--vrij",
                                 "4", "--klasse", "6=230", "--klasse", "3=175"});
    ASSERT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.fout, "");
    const std::string ronde =
        "{8 nov}\r\n1 3 +\r\n2 5 ?\r\n4 Uitgeloot\r\nklasse(6)=230\r\nklasse(3)=175\r\n";
    const std::string datafile = LeesAlles(Datafile());
    EXPECT_NE(datafile.find("{ronde 1}\r\n1 2 +\r\n3 5 -\r\n6 Uitgeloot\r\n" + ronde),
              std::string::npos)
        << datafile;
    EXPECT_EQ(LeesAlles(map.Bestand("reserve/najaar.txt")), datafile); // the backup
    EXPECT_NE(LeesAlles(Bij("uitslag.inc")).find("Uitslag van ronde '8 nov'"), std::string::npos);
    EXPECT_FALSE(fs::exists(Bij("stand.inc"))); // its mode is 0

    // The listing is that of "uitslag".
    CProgrammaUitvoer uitslag = Morvel({"uitslag", "najaar"});
    EXPECT_EQ(uitslag.status, 0);
    EXPECT_EQ(u.uit, uitslag.uit);
    EXPECT_NE(u.uit.find("niet genoteerd"), std::string::npos) << u.uit;
}

TEST_F(RondeOpdracht, RefusalsExitWithOneAndWriteNothing) {
    const std::string voor = LeesAlles(Datafile());
    const struct {
        std::vector<std::string> argumenten;
        int status;
        std::string melding;
    } gevallen[] = {
        {{"9 nov", "--partij", "1-9=+"},
         1,
         "Het nummer '9' is ongebruikt in deze ledenlijst en verwijst dus niet naar een geldige "
         "speler."},
        {{"9 nov", "--vrij", "7"}, 1, "Het nummer '7' is ongebruikt"},
        {{"9 nov", "--klasse", "0=150"}, 1, "Het nummer '0' is ongebruikt"},
        {{"9 nov", "--partij", "1-2", "--vrij", "1"},
         1,
         "Speler Anna staat meer dan eens in de ronde."},
        {{"9 nov", "--partij", "1-2", "--partij", "3-2"}, 1, "Speler Bert staat meer dan eens"},
        {{"9 nov", "--partij", "3-3=+"}, 1, "Speler Cees kan niet tegen zichzelf spelen."},
        {{"9 nov", "--klasse", "2=150", "--klasse", "2=160"},
         1,
         "Speler Bert heeft meer dan een nieuwe klasse in de ronde."},
        {{"9 nov", "--klasse", "2=0"}, 1, "CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn"},
        {{"9 nov", "--klasse", "2=-5"}, 1, "CRonde::VoegToe()\nDe klasse dient minimaal 1"},
        {{"", "--partij", "1-2"}, 1, "U bent verplicht een ronde-identificatie in te vullen."},
        {{" \t ", "--partij", "1-2"}, 1, "U bent verplicht een ronde-identificatie"},
        {{std::string(1014, 'x')}, 1, "De identificatie mag niet langer zijn dan 1013 tekens."},
        {{"9 nov", "--uit-indeling"}, 1, "Er is geen gepubliceerde indeling om over te nemen."},
        {{"9 nov", "--partij", "1-2=x"}, 64, "De optie --partij verwacht ZWART-WIT"},
        {{"9 nov", "--partij", "1-2=++"}, 64, "De optie --partij verwacht ZWART-WIT"},
        {{"9 nov", "--partij", "12"}, 64, "De optie --partij verwacht ZWART-WIT"},
        {{"9 nov", "--vrij", "een"}, 64, "Het spelersnummer 'een' is geen geheel getal."},
        {{"9 nov", "--klasse", "3"}, 64, "De optie --klasse verwacht N=K"},
        {{"9 nov", "--klasse", "3=1.5"}, 64, "De optie --klasse verwacht N=K"},
        {{}, 64, "Gebruik: morvel ronde MAP ID"},
    };
    for (const auto& g : gevallen) {
        CProgrammaUitvoer u = Ronde(g.argumenten);
        EXPECT_EQ(u.status, g.status) << g.melding << "\n" << u.fout;
        EXPECT_EQ(u.fout.rfind(g.melding, 0), 0u) << u.fout;
        EXPECT_EQ(u.uit, "") << g.melding;
        EXPECT_EQ(LeesAlles(Datafile()), voor) << g.melding;
        EXPECT_FALSE(fs::exists(Bij("uitslag.inc"))) << g.melding;
        EXPECT_FALSE(fs::exists(map.Bestand("reserve"))) << g.melding;
    }
    EXPECT_EQ(Morvel({"ronde", "elders", "9 nov"}).status, 2);
}

TEST_F(RondeOpdracht, ThePublishedPairingIsTakenOverOnceWithTheResultsGiven) {
    CProgrammaUitvoer indeling = Morvel({"indeling", "najaar", "--publiceer"});
    ASSERT_EQ(indeling.status, 0) << indeling.fout;
    const std::string bestand = LeesAlles(Bij(".najaar.txt.indeling"));
    EXPECT_NE(bestand.find("\r\novergenomen=0\r\npaar=1\t3\tAnna\tCees\t2 stenen, 6,5 komi\r\n"
                           "paar=6\t5\tFrits\tEva\t2 stenen, 0,5 komi\r\npaar=2\t0\tBert\t\t"
                           "Uitgeloot\r\n"),
              std::string::npos)
        << bestand;
    EXPECT_TRUE(fs::exists(Bij("indeling.inc")));
    // Without --publiceer nothing is kept.
    fs::remove(Bij(".najaar.txt.indeling"));
    ASSERT_EQ(Morvel({"indeling", "najaar"}).status, 0);
    EXPECT_FALSE(fs::exists(Bij(".najaar.txt.indeling")));
    SchrijfAlles(Bij(".najaar.txt.indeling"), bestand);

    // A player of the pairing named again elsewhere is refused.
    CProgrammaUitvoer twee = Ronde({"9 nov", "--uit-indeling", "--vrij", "2"});
    EXPECT_EQ(twee.status, 1);
    EXPECT_EQ(twee.fout.rfind("Speler Bert staat meer dan eens in de ronde.", 0), 0u) << twee.fout;

    // Eva-Frits given the other way round: the result is turned to Black's view. Dirk, who
    // was not paired, gets a bye of his own.
    CProgrammaUitvoer u =
        Ronde({"9 nov", "--uit-indeling", "--partij", "1-3=0", "--partij", "5-6=+", "--vrij", "4"});
    ASSERT_EQ(u.status, 0) << u.fout;
    EXPECT_NE(
        LeesAlles(Datafile()).find("{9 nov}\r\n1 3 0\r\n6 5 -\r\n2 Uitgeloot\r\n4 Uitgeloot\r\n"),
        std::string::npos)
        << LeesAlles(Datafile());
    EXPECT_NE(LeesAlles(Bij(".najaar.txt.indeling")).find("\r\novergenomen=2\r\n"),
              std::string::npos);

    CProgrammaUitvoer nogmaals = Ronde({"10 nov", "--uit-indeling"});
    EXPECT_EQ(nogmaals.status, 1);
    EXPECT_NE(nogmaals.fout.find("is al overgenomen als ronde 2 ('9 nov')."), std::string::npos)
        << nogmaals.fout;
}

TEST_F(RondeOpdracht, PairsAlwaysBlockedAreKeptApartByThePairingCommand) {
    CProgrammaUitvoer gewoon = Morvel({"indeling", "najaar"});
    ASSERT_NE(gewoon.uit.find(" Anna                   Cees "), std::string::npos) << gewoon.uit;
    CProgrammaUitvoer blokkeer = Morvel({"indeling", "najaar", "--blokkeer", "1-3"});
    SchrijfAlles(Bij(".najaar.txt.blokkades"),
                 "Morvel altijd geblokkeerde paren\r\nversie=1\r\npaar=3\t1\tCees\tAnna\r\n");
    CProgrammaUitvoer altijd = Morvel({"indeling", "najaar"});
    EXPECT_EQ(altijd.status, 0) << altijd.fout;
    EXPECT_EQ(altijd.uit, blokkeer.uit);
    EXPECT_EQ(altijd.uit.find(" Anna                   Cees "), std::string::npos);

    // A damaged file is reported (exit 1), and the pairing is made without it.
    SchrijfAlles(Bij(".najaar.txt.blokkades"), "Morvel altijd geblokkeerde paren\r\nonzin\r\n");
    CProgrammaUitvoer beschadigd = Morvel({"indeling", "najaar"});
    EXPECT_EQ(beschadigd.status, 1);
    EXPECT_NE(beschadigd.fout.find("is beschadigd (regel 2: onbekende of dubbele regel)"),
              std::string::npos)
        << beschadigd.fout;
    EXPECT_EQ(beschadigd.uit, gewoon.uit);
}

TEST_F(RondeOpdracht, PublishingIsRefusedWhileAnotherProgramHasTheCompetitionOpen) {
    CMeldingRecorder recorder;
    CMorvelApp venster(map.Bestand("morvel.ini"));
    ASSERT_EQ(0, venster.KiesCompetitie("najaar"));
    CProgrammaUitvoer u = Morvel({"indeling", "najaar", "--publiceer"});
    EXPECT_EQ(u.status, 1);
    EXPECT_NE(u.fout.find("De competitie 'najaar' is sinds "), std::string::npos) << u.fout;
    EXPECT_NE(u.fout.find("Er is niets geschreven."), std::string::npos) << u.fout;
    EXPECT_EQ(u.uit, "");
    EXPECT_FALSE(fs::exists(Bij(".najaar.txt.indeling")));
    EXPECT_FALSE(fs::exists(Bij("indeling.inc")));
    // The pairing sheet alone only reads.
    EXPECT_EQ(Morvel({"indeling", "najaar"}).status, 0);
    EXPECT_TRUE(venster.SluitAf(true));
}

} // namespace
