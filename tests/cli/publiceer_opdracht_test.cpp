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

// The width and height of a PNG file from its header.
std::pair<int, int> PngMaat(const std::string& png) {
    auto getal = [&png](size_t vanaf) {
        int waarde = 0;
        for (size_t i = vanaf; i < vanaf + 4 && i < png.size(); ++i) {
            waarde = waarde * 256 + static_cast<unsigned char>(png[i]);
        }
        return waarde;
    };
    EXPECT_EQ(0u, png.find("\x89PNG\r\n"));
    return {getal(16), getal(20)};
}

TEST_F(PubliceerOpdracht, GrafiekSchrijftPngSvgEnPdfZonderScherm) {
    const std::string png = map.Bestand("verloop.png");
    CProgrammaUitvoer u = Voer({"grafiek", "club", "--png", png});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("", u.fout);
    EXPECT_EQ("4 spelers, 2 rondes in " + png + "\n", u.uit);
    EXPECT_EQ((std::pair{1200, 800}), PngMaat(LeesAlles(png)));

    // The chosen players, in a size of its own, up to a round.
    const std::string svg = map.Bestand("verloop.svg");
    u = Voer({"grafiek", "club", "--spelers", "3,1", "--ronde", "RONDE 1", "--svg", svg,
              "--breedte", "900", "--hoogte", "560"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("2 spelers, 1 ronde in " + svg + "\n", u.uit);
    const std::string tekening = LeesAlles(svg);
    EXPECT_NE(std::string::npos, tekening.find("viewBox=\"0 0 900 560\""));
    EXPECT_NE(std::string::npos, tekening.find(">Bert</text>"));
    EXPECT_NE(std::string::npos, tekening.find(">Anna</text>"));
    EXPECT_EQ(std::string::npos, tekening.find(">Jos&#233;</text>"));
    EXPECT_NE(std::string::npos, tekening.find(">ronde 1</text>"));
    EXPECT_EQ(std::string::npos, tekening.find(">Ronde 2</text>"));

    u = Voer({"grafiek", "club", "--pdf", map.Bestand("verloop.pdf"), "--hoogte", "400"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_NE(std::string::npos, LeesAlles(map.Bestand("verloop.pdf")).find("/MediaBox [0 0 900"));
}

TEST_F(PubliceerOpdracht, GrafiekWeigertFouteKeuzes) {
    const std::string png = map.Bestand("verloop.png");
    struct {
        std::vector<std::string> argumenten;
        int status;
        const char* melding;
    } gevallen[] = {
        {{"grafiek", "club"}, 64, "precies een van --png, --svg en --pdf"},
        {{"grafiek", "club", "--png", png, "--svg", png}, 64, "precies een van"},
        {{"grafiek", "club", "--png", png, "--breedte", "50"}, 64, "van 200 tot en met 8000"},
        {{"grafiek", "club", "--png", png, "--hoogte", "groot"}, 64, "niet 'groot'"},
        {{"grafiek", "club", "--png", png, "--spelers", "1,x"}, 64, "'x' is geen geheel getal"},
        {{"grafiek", "club", "--png", png, "--spelers", "5"},
         1,
         "Speler 5 staat niet in het klassenverloop"},
        {{"grafiek", "club", "--png", png, "--ronde", "juni"},
         1,
         "De ronde 'juni' bestaat niet in deze competitie."},
        {{"grafiek", "geenclub", "--png", png}, 2, ""},
        {{"grafiek", "club", "--png", map.Bestand("club")}, 1, "kon niet geschreven worden"},
    };
    for (const auto& g : gevallen) {
        CProgrammaUitvoer u = Voer(g.argumenten);
        EXPECT_EQ(g.status, u.status) << g.melding;
        EXPECT_NE(std::string::npos, u.fout.find(g.melding)) << u.fout;
        EXPECT_FALSE(std::filesystem::exists(png)) << g.melding;
    }
}

TEST_F(PubliceerOpdracht, HtmlSchrijftDeGrafiekVolgensZijnModus) {
    EXPECT_EQ(0, Voer({"html", "club", "--alle"}).status);
    EXPECT_FALSE(Bestaat("klassenverloop.svg"));
    SchrijfProfiel("Klassenverloop=1\n");
    CProgrammaUitvoer u = Voer({"html", "club"});
    EXPECT_EQ(0, u.status) << u.fout;
    const std::string svg = Inhoud("klassenverloop.svg");
    EXPECT_NE(std::string::npos, svg.find(">Jos&#233;</text>"));
    EXPECT_NE(std::string::npos, svg.find("<title>Klassenverloop club, "));
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
