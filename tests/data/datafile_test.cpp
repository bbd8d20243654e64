// Reading and writing a competition's data file.

#include "bestandsgrens.h"
#include "data/competitie.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

class DataFileTest : public ::testing::Test {
protected:
    // Writes `inhoud` as the data file and reads it.
    int LeesTekst(const std::string& inhoud) {
        SchrijfAlles(competitie.datafile, inhoud);
        return competitie.Lees();
    }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;

    void SetUp() override {
        competitie.competitieMap = map.Pad();
        competitie.datafile = map.Bestand("competitie.txt");
    }
};

TEST_F(DataFileTest, BothLayoutsReadAndWriteBackByteForByte) {
    struct Geval {
        const char* fixture;
        int formaat;
        size_t spelers;
        int rondes;
    } gevallen[] = {{"data/formaat2.txt", 2, 4, 2}, {"data/formaat0.txt", 0, 4, 2}};
    for (const Geval& g : gevallen) {
        std::string origineel = Fixture(g.fixture);
        ASSERT_EQ(LeesTekst(origineel), 0) << g.fixture;
        EXPECT_EQ(competitie.Formaat(), g.formaat);
        EXPECT_EQ(competitie.spelers.Aantal(), g.spelers);
        EXPECT_EQ(competitie.rondes.Aantal(), g.rondes);
        EXPECT_FALSE(competitie.IsGewijzigd());
        competitie.spelers.ZetGewijzigd();
        ASSERT_EQ(competitie.Schrijf(), 0);
        EXPECT_EQ(LeesAlles(competitie.datafile), origineel) << g.fixture;
        EXPECT_FALSE(competitie.IsGewijzigd());
    }
}

TEST_F(DataFileTest, NamesOutsideAsciiGoThroughTheOemCodePage) {
    ASSERT_EQ(LeesTekst(Fixture("data/formaat2.txt")), 0);
    // "José Müller" is stored in CP850 in the file and held in Windows-1252.
    EXPECT_EQ(competitie.spelers.Zoek(3)->naam, "Jos\xE9 M\xFCller");
    std::string naam = "\xC9\xE9n \x80uro"; // "Één €uro": the euro sign has no OEM counterpart
    ASSERT_EQ(competitie.spelers.VoegToe(20, naam, 150, 1, 1, 1), 0);
    competitie.rondes.Ronde(0).identificatie = "19 ao\xFBt";
    ASSERT_EQ(competitie.rondes.Ronde(0).VoegCommentaarToe(";caf\xE9"), 0);
    ASSERT_EQ(competitie.Schrijf(), 0);
    std::string bestand = LeesAlles(competitie.datafile);
    EXPECT_NE(bestand.find("20 \"\x90\x82n ?uro\" 150 J J J\r\n"), std::string::npos);
    EXPECT_NE(bestand.find("{19 ao\x96t}\r\n"), std::string::npos);
    EXPECT_NE(bestand.find(";caf\x82\r\n"), std::string::npos);
    ASSERT_EQ(competitie.Lees(), 0);
    EXPECT_EQ(competitie.spelers.Zoek(20)->naam, "\xC9\xE9n ?uro");
    EXPECT_EQ(competitie.rondes.Ronde(0).identificatie, "19 ao\xFBt");
    EXPECT_EQ(competitie.rondes.Ronde(0).Commentaar().back(), ";caf\xE9");
}

TEST_F(DataFileTest, VersionHeaderAndSectionHeadersAreFoundLoosely) {
    ASSERT_EQ(LeesTekst("VERSIE = 2\nvrij commentaar\n[ Spelers ]\n1 \"A\" 150 J J J\n\n"
                        "[UITSLAGEN]\n{r}\n1 Uitgeloot\n"),
              0);
    EXPECT_EQ(competitie.Formaat(), 2);
    EXPECT_EQ(competitie.spelers.Aantal(), 1u);
    ASSERT_EQ(competitie.rondes.Aantal(), 1);
    EXPECT_EQ(competitie.rondes.Ronde(0).Uitslagen().size(), 1u);
}

TEST_F(DataFileTest, VersionOneIsReadAsTwoAndWrittenOnlyWhenChanged) {
    const std::string inhoud = "versie=1\n\n[SPELERS]\n1 \"A\" 150 J J J\n";
    ASSERT_EQ(LeesTekst(inhoud), 0);
    EXPECT_EQ(competitie.Formaat(), 2);
    ASSERT_EQ(competitie.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(competitie.datafile), inhoud);
    competitie.spelers.ZetGewijzigd();
    ASSERT_EQ(competitie.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(competitie.datafile).substr(0, 10), "versie=2\r\n");
}

TEST_F(DataFileTest, LaterFormatIsRefusedAndNeverOverwritten) {
    meldingen.Verwacht("Om deze data bestanden te kunnen lezen, dient u versie 3 (of hoger) van "
                       "dit programma te gebruiken");
    const std::string inhoud = "versie=3\n\n[Spelers]\n1 \"A\" 150 J J J\n";
    EXPECT_EQ(LeesTekst(inhoud), -1);
    EXPECT_EQ(competitie.spelers.Aantal(), 0u);
    std::string naam = "B";
    ASSERT_EQ(competitie.spelers.VoegToe(2, naam, 150, 1, 1, 1), 0);
    meldingen.Verwacht("CMorvelApp::Schrijf\nInterne programma fout: Het formaat is onbekend.");
    EXPECT_EQ(competitie.Schrijf(), -1);
    EXPECT_EQ(LeesAlles(competitie.datafile), inhoud);
    competitie.spelers.WisGewijzigd();
}

TEST_F(DataFileTest, SectionsThatAreMissingGiveAnEmptyPart) {
    struct Geval {
        const char* inhoud;
        size_t spelers;
        int rondes;
    } gevallen[] = {
        {"versie=2\n[Spelers]\n1 \"A\" 150 J J J\n", 1, 0},
        {"versie=2\n1 \"A\" 150 J J J\n", 0, 0},
        {"", 0, 0},
    };
    for (const Geval& g : gevallen) {
        if (g.inhoud[0] == 'v' && g.spelers == 0) {
            // Nothing was read: a write would lose the file, so it is said.
            meldingen.Verwacht("De datafile '" + competitie.datafile +
                               "' heeft geen kop [Spelers]; niet gelezen: 1 regel.");
        }
        int verwacht = std::string(g.inhoud).empty() ? -1 : 0; // an empty file is not read
        EXPECT_EQ(LeesTekst(g.inhoud), verwacht) << g.inhoud;
        EXPECT_EQ(competitie.spelers.Aantal(), g.spelers) << g.inhoud;
        EXPECT_EQ(competitie.rondes.Aantal(), g.rondes) << g.inhoud;
    }
}

TEST_F(DataFileTest, OldLayoutBlankLineEndsThePlayers) {
    meldingen.Verwacht("CRondes::VoegToe()\nUitslagregel voor een ronde-identificatieregel");
    ASSERT_EQ(LeesTekst("Brom' implementatie\n\n01 Jan                     1  150\n\n"
                        "02 Piet                    1  150\nSpeeldag 1\n  1  0\n"),
              0);
    EXPECT_EQ(competitie.spelers.Aantal(), 1u);
    EXPECT_EQ(competitie.rondes.Aantal(), 1);
}

TEST_F(DataFileTest, RaisedFormatIsWrittenEvenWithoutOtherChanges) {
    ASSERT_EQ(LeesTekst(Fixture("data/formaat0.txt")), 0);
    competitie.SetFormaat(2);
    EXPECT_TRUE(competitie.IsGewijzigd());
    ASSERT_EQ(competitie.Schrijf(), 0);
    std::string bestand = LeesAlles(competitie.datafile);
    EXPECT_EQ(bestand.substr(0, 23), "versie=2\r\n\r\n[Spelers]\r\n");
    EXPECT_NE(bestand.find("1 \"Jan de Vries\" 155 J J N\r\n"), std::string::npos);
    EXPECT_NE(bestand.find("{12 mei}\r\n1 2 +\r\n5 Uitgeloot\r\n"), std::string::npos);

    competitie.SetFormaat(0); // the format never goes down
    EXPECT_EQ(competitie.Formaat(), 2);
    meldingen.Verwacht("CMorvelApp::SetFormaat\nInterne programma fout: onbekend formaat");
    competitie.SetFormaat(3);
    EXPECT_FALSE(competitie.IsGewijzigd());
}

TEST_F(DataFileTest, NothingChangedWritesNothing) {
    ASSERT_EQ(LeesTekst(Fixture("data/formaat2.txt")), 0);
    std::remove(competitie.datafile.c_str());
    ASSERT_EQ(competitie.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(competitie.datafile), "");
}

TEST_F(DataFileTest, UnreadableFileIsReportedWithTheReason) {
    competitie.datafile = map.Bestand("bestaat-niet.txt");
    meldingen.Verwacht("CMorvelApp::Lees()\nDe datafile '" + competitie.datafile +
                       "' kan niet geopend worden!\nDe reden: 'No such file or directory'");
    EXPECT_EQ(competitie.Lees(), -1);
    competitie.datafile.clear();
    EXPECT_EQ(competitie.Lees(), -1); // no data file: no message
}

TEST_F(DataFileTest, FailedWriteKeepsTheOldFileAndTheChanges) {
    const std::string origineel = Fixture("data/formaat2.txt");
    ASSERT_EQ(LeesTekst(origineel), 0);
    std::string naam(200, 'x');
    ASSERT_EQ(competitie.spelers.VoegToe(50, naam, 150, 1, 1, 1), 0);

    // A file size limit below the new file makes the write fail half way.
    int resultaat = 0;
    {
        CBestandsGrens grens(origineel.size());
        meldingen.Verwacht("CMorvelApp::Schrijf()\nDe datafile '" + competitie.datafile +
                           "' kan niet geopend worden!\nDe reden: 'File too large'");
        resultaat = competitie.Schrijf();
    }

    EXPECT_EQ(resultaat, -1);
    EXPECT_EQ(LeesAlles(competitie.datafile), origineel);
    EXPECT_TRUE(competitie.spelers.IsGewijzigd());
    ASSERT_EQ(competitie.Schrijf(), 0); // the next write brings the change in
    EXPECT_NE(LeesAlles(competitie.datafile).find(naam), std::string::npos);
}

// The message gives the system's reason, and once it was shown the lists add
// no internal error about the same unwritten changes when the competition goes.
TEST_F(DataFileTest, WriteIntoAMissingFolderIsReportedWithTheReasonOnce) {
    competitie.datafile = map.Bestand("weg/competitie.txt");
    competitie.spelers.ZetGewijzigd();
    competitie.rondes.ZetGewijzigd();
    meldingen.Verwacht("CMorvelApp::Schrijf()\nDe datafile '" + competitie.datafile +
                       "' kan niet geopend worden!\nDe reden: 'No such file or directory'");
    EXPECT_EQ(competitie.Schrijf(), -1);
    EXPECT_TRUE(competitie.spelers.IsGewijzigd());
}

} // namespace
