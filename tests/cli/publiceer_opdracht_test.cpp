// The commands that write the HTML include files and the spreadsheet exports,
// run as a user would, with a profile of their own.

#include "programma.h"
#include "tijdelijke_map.h"
#include "tijdzone.h"

#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace {

class PubliceerOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(map.Bestand("club"));
        SchrijfAlles(map.Bestand("club/club.txt"), Fixture("html/club/club.txt"));
        SchrijfProfiel("Uitslag=0\nUitslagen=1\nStand=2\nIndeling=1\n");
    }
    // A profile with complete formula sets, the notices dismissed, the data
    // directory of this test and the given "Html" keys.
    void SchrijfProfiel(const std::string& html) {
        SchrijfAlles(map.Bestand("morvel.ini"),
                     "[Morvel]\nDataPad=" + map.Pad() +
                         "\nAantalScoreFormules=1\nHuidigeScoreFormule=1\n"
                         "AantalKlasseAanpassingsFormules=1\nHuidigeKlasseAanpassingsFormule=1\n"
                         "AantalVoorgiftFormules=1\nHuidigeVoorgiftFormule=1\n"
                         "[ScoreFormule 1]\nNaam=Punten\nFormule=2 * W + J\nMiddelen=0\n"
                         "[KlasseBerekening 1]\nNaam=Tien\nKlasseNaWinst=K - 10\n"
                         "KlasseNaVerlies=K + 10\nKlasseNaJigo=K\n"
                         "[VoorgiftEnKomi 1]\nNaam=Gewoon\nVoorgift=0\nKomi=6\nExtraHalfKomi=1\n"
                         "[Opmerkingen]\nIndelingSneller=1\nOneindigeRandomIndeling=1\n"
                         "HtmlUitvoer=1\n"
                         "[IndelingsLijst]\nMethode=2\nAantalDagen=7\nWeekNummers=5\n"
                         "AantalKolommen=3\n"
                         "[Html]\n" +
                         html);
    }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten);
    }
    bool Bestaat(const char* naam) const {
        return std::filesystem::exists(map.Bestand(std::string("club/") + naam));
    }
    std::string Inhoud(const char* naam) const {
        return LeesAlles(map.Bestand(std::string("club/") + naam));
    }

    CTijdelijkeMap map;
};

TEST_F(PubliceerOpdracht, HtmlSchrijftElkBestandVolgensZijnModus) {
    CProgrammaUitvoer u = Voer({"html", "club"});
    EXPECT_EQ("", u.fout);
    EXPECT_EQ(0, u.status);
    EXPECT_FALSE(Bestaat("uitslag.inc"));
    EXPECT_EQ(Fixture("html/uitslagen.inc"), Inhoud("uitslagen.inc"));
    EXPECT_EQ(Fixture("html/stand.inc"), Inhoud("stand.inc"));
    EXPECT_FALSE(Bestaat("indeling.inc"));
}

TEST_F(PubliceerOpdracht, HtmlAlleSchrijftOokWatUitStaat) {
    SchrijfProfiel("Uitslag=0\nUitslagen=0\nStand=0\nIndeling=0\n");
    CProgrammaUitvoer u = Voer({"html", map.Bestand("club"), "--alle"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(Fixture("html/uitslag.inc"), Inhoud("uitslag.inc"));
    EXPECT_EQ(Fixture("html/uitslagen.inc"), Inhoud("uitslagen.inc"));
    EXPECT_EQ(Fixture("html/stand.inc"), Inhoud("stand.inc"));
}

TEST_F(PubliceerOpdracht, HtmlMeldtEenBestandDatNietOpenKan) {
    std::filesystem::create_directory(map.Bestand("club/stand.inc"));
    CProgrammaUitvoer u = Voer({"html", "club"});
    EXPECT_EQ(1, u.status);
    EXPECT_NE(std::string::npos, u.fout.find("Kan het html bestand '"));
    EXPECT_EQ(Fixture("html/uitslagen.inc"), Inhoud("uitslagen.inc"));
}

TEST_F(PubliceerOpdracht, KlassenverloopNaastHetDatabestand) {
    CProgrammaUitvoer u = Voer({"klassenverloop", "club"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(Fixture("html/klassenverloop.csv"), Inhoud("club.csv"));
}

TEST_F(PubliceerOpdracht, InschrijflijstMetDeLijstparametersUitHetProfiel) {
    CTijdzone tijdzone; // handed down to the program
    CProgrammaUitvoer u =
        Voer({"inschrijflijst", map.Bestand("club/club.txt"), "--datum", "2-3-2026"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("\r\n\r\nAan-/afmeldingen\r\n\r\nNaam;2-3-2026;16-3-2026;6-4-2026;\r\n\r\n"
              "Anna;+;+;+;\r\nBert;+;+;+;\r\nJos\xE9;+;+;+;\r\nbert;-;-;-;\r\n",
              Inhoud("club.csv"));
}

// The date row of "indeling.inc" for today, in the time zone of the test, as
// a regular expression.
std::string DatumRij() {
    std::time_t nu = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&nu, &tm);
    return "<TR><TD ColSpan=3><B>Indeling</B> \\(gegenereerd op " + std::to_string(tm.tm_mday) +
           "-" + std::to_string(tm.tm_mon + 1) + "-" + std::to_string(tm.tm_year + 1900) +
           "\\)</TD></TR>";
}

TEST_F(PubliceerOpdracht, IndelingPubliceertVolgensDeModus) {
    CTijdzone tijdzone("UTC0");
    const std::vector<std::string> indeling = {"indeling", "club", "--deelnemers", "1,3",
                                               "--zaad",   "7",    "--publiceer"};
    CProgrammaUitvoer u = Voer(indeling);
    ASSERT_EQ(0, u.status) << u.fout;
    std::string inhoud = Inhoud("indeling.inc");
    EXPECT_TRUE(std::regex_match(
        inhoud, std::regex("<Table CellSpacing=\"0\" Border=\"1\">\r\n"
                           "<Col Align=\"Left\">\r\n<Col Align=\"Left\">\r\n"
                           "<Col Align=\"Center\">\r\n" +
                           DatumRij() +
                           "<TR><TH>Zwart</TH><TH>Wit</TH><TH>Voorgift/Komi</TH></TR>\r\n"
                           "<TR><TD>(Anna|Bert)&nbsp;</TD><TD>(Anna|Bert)&nbsp;</TD>"
                           "<TD>&nbsp;[^<]+&nbsp;</TH></TD>\r\n</Table>\r\n")))
        << inhoud;

    SchrijfProfiel("Indeling=0\n");
    std::filesystem::remove(map.Bestand("club/indeling.inc"));
    EXPECT_EQ(0, Voer(indeling).status);
    EXPECT_FALSE(Bestaat("indeling.inc"));
    std::vector<std::string> alle = indeling;
    alle.push_back("--alle");
    EXPECT_EQ(0, Voer(alle).status);
    EXPECT_EQ(inhoud, Inhoud("indeling.inc"));

    EXPECT_EQ(64, Voer({"indeling", "club", "--alle"}).status);
    EXPECT_FALSE(Bestaat("club.csv"));
}

TEST_F(PubliceerOpdracht, FouteInvoer) {
    for (const char* datum : {"31-2-2026", "29-2-2100", "2026-3-2", "2-3-26", "2-3-2026x", ""}) {
        CProgrammaUitvoer u = Voer({"inschrijflijst", "club", "--datum", datum});
        EXPECT_EQ(64, u.status) << datum;
        EXPECT_NE(std::string::npos, u.fout.find("is geen bestaande datum")) << datum;
    }
    EXPECT_FALSE(Bestaat("club.csv"));
    EXPECT_EQ(2, Voer({"klassenverloop", "geenclub"}).status);
    EXPECT_EQ(64, Voer({"html"}).status);
}

} // namespace
