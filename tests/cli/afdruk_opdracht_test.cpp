// The command "afdruk": the listings of stand, uitslag and indeling printed
// into a PDF file, without a display.

#include "omgeving.h"
#include "pdf_inhoud.h"
#include "programma.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class AfdrukOpdracht : public ::testing::Test {
protected:
    void SetUp() override { SchrijfAlles(profiel, Fixture("settings/standformules.ini")); }

    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten.insert(argumenten.begin(), {"--profiel", profiel});
        return VoerMorvelUit(argumenten);
    }

    // A competition of `spelers` active players and no rounds, in its own folder.
    std::string GroteCompetitie(int spelers) {
        std::string folder = map.Bestand("Groot");
        std::filesystem::create_directory(folder);
        std::string data = "versie=2\r\n\r\n[Spelers]\r\n";
        for (int i = 1; i <= spelers; ++i) {
            data += std::to_string(i) + " \"Speler " + std::to_string(i) + "\" 150 J J J\r\n";
        }
        SchrijfAlles(folder + "/groot.txt", data + "\r\n[Uitslagen]\r\n");
        return folder;
    }

    CTijdelijkeMap map;
    std::string profiel = map.Bestand("morvel.ini");
    std::string pdf = map.Bestand("lijst.pdf");
    std::string stand = FixturePad("stand/Voorjaar 2024");
    std::string najaar = FixturePad("indeling/najaar");
};

TEST_F(AfdrukOpdracht, TheSameListingsAsTheirCommands) {
    const std::vector<std::vector<std::string>> gevallen = {
        {"stand", stand},
        {"stand", stand, "--ronde", "19 MEI"},
        {"uitslag", stand},
        {"uitslag", stand, "--ronde", "1"},
        {"indeling", najaar, "--deelnemers", "2,4"},
        {"indeling", najaar, "--deelnemers", "1,2,3,5", "--blokkeer", "1-3", "--zaad", "7"},
    };
    for (const std::vector<std::string>& lijst : gevallen) {
        CProgrammaUitvoer scherm = Voer(lijst);
        ASSERT_EQ(0, scherm.status) << lijst[0] << scherm.fout;

        std::vector<std::string> afdruk = {"afdruk"};
        afdruk.insert(afdruk.end(), lijst.begin(), lijst.end());
        afdruk.insert(afdruk.end(), {"--pdf", pdf});
        CProgrammaUitvoer u = Voer(afdruk);
        EXPECT_EQ(0, u.status) << lijst[0] << u.fout;
        EXPECT_EQ("", u.fout);
        EXPECT_EQ("1 bladzijde in " + pdf + "\n", u.uit);
        EXPECT_EQ(1, PdfPaginas(pdf));
        EXPECT_EQ(GevuldeRegels(scherm.uit), GevuldeRegels(PdfTekst(pdf))) << lijst[0];
        std::filesystem::remove(pdf);
    }

    // The options of indeling work as there: the log follows the sheet.
    CProgrammaUitvoer u =
        Voer({"afdruk", "indeling", najaar, "--deelnemers", "2,4", "--log", "--pdf", pdf});
    EXPECT_EQ(0, u.status) << u.fout;
    std::string tekst = PdfTekst(pdf);
    EXPECT_LT(tekst.find("Indeling van de nieuwe ronde"), tekst.find("Volledige pairing"));
}

TEST_F(AfdrukOpdracht, ALongListingFillsPagesInTheFontOfTheSettings) {
    std::string groot = GroteCompetitie(100);
    CProgrammaUitvoer u = Voer({"afdruk", "stand", groot, "--pdf", pdf});
    ASSERT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("2 bladzijden in " + pdf + "\n", u.uit);
    ASSERT_EQ(2, PdfPaginas(pdf));
    // The second page goes on with the player after the last one of the first.
    std::vector<std::string> eerste = GevuldeRegels(PdfTekst(pdf, 1, 1));
    std::vector<std::string> tweede = GevuldeRegels(PdfTekst(pdf, 2, 2));
    ASSERT_FALSE(eerste.empty() || tweede.empty());
    int laatste = std::atoi(eerste.back().substr(std::string("Speler ").size()).c_str());
    // 12 points of DejaVu Sans Mono: 58 lines on A4, 11 of them the header.
    EXPECT_EQ(47, laatste);
    EXPECT_EQ("Speler " + std::to_string(laatste + 1) + " 15.0 0 0 0 0 0 0 0", tweede.front());
    EXPECT_EQ("Speler 100 15.0 0 0 0 0 0 0 0", tweede.back());

    // At 6 points it all fits on one page.
    std::string profielTekst = Fixture("settings/standformules.ini");
    profielTekst.replace(profielTekst.find("LetterGrootte=120"), 17, "LetterGrootte=60");
    SchrijfAlles(profiel, profielTekst);
    u = Voer({"afdruk", "stand", groot, "--pdf", pdf});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(1, PdfPaginas(pdf));
}

TEST_F(AfdrukOpdracht, RefusalsWriteNoFile) {
    struct CGeval {
        std::vector<std::string> argumenten;
        int status;
        std::string melding; // the start of standard error
    };
    const std::vector<CGeval> gevallen = {
        {{"afdruk", "stand", stand}, 64, "De opdracht afdruk verwacht --pdf BESTAND."},
        {{"afdruk", "stand", stand, "--pdf", ""}, 64, "De opdracht afdruk verwacht --pdf BESTAND."},
        {{"afdruk", "leden", stand, "--pdf", pdf},
         64,
         "De opdracht afdruk drukt stand, uitslag of indeling af, niet 'leden'."},
        {{"afdruk", "stand", stand, "--log", "--pdf", pdf},
         64,
         "De optie --log hoort niet bij afdruk stand."},
        {{"afdruk", "indeling", najaar, "--ronde", "1", "--pdf", pdf},
         64,
         "De optie --ronde hoort niet bij afdruk indeling."},
        {{"afdruk", "stand", "--pdf", pdf}, 64, "Gebruik: morvel afdruk"},
        {{"afdruk", "indeling", najaar, "--deelnemers", "2,x", "--pdf", pdf},
         64,
         "Het spelersnummer 'x' is geen geheel getal."},
        {{"afdruk", "stand", stand, "--ronde", "juli", "--pdf", pdf},
         1,
         "De ronde 'juli' bestaat niet in deze competitie.\n\n"},
        {{"afdruk", "uitslag", stand, "--ronde", "4", "--pdf", pdf},
         1,
         "Er is geen ronde 4; deze competitie heeft 3 rondes.\n\n"},
        {{"afdruk", "stand", map.Bestand("Zomer"), "--pdf", pdf}, 2, "De competitie"},
    };
    for (const CGeval& geval : gevallen) {
        CProgrammaUitvoer u = Voer(geval.argumenten);
        EXPECT_EQ(geval.status, u.status) << u.fout;
        EXPECT_EQ(0u, u.fout.rfind(geval.melding, 0)) << u.fout;
        EXPECT_EQ("", u.uit);
        EXPECT_FALSE(std::filesystem::exists(pdf)) << u.fout;
    }

    const std::string onbereikbaar = map.Bestand("geen/map/lijst.pdf");
    CProgrammaUitvoer u = Voer({"afdruk", "stand", stand, "--pdf", onbereikbaar});
    EXPECT_EQ(1, u.status);
    EXPECT_EQ("Het PDF-bestand '" + onbereikbaar + "' kan niet geschreven worden.\n\n", u.fout);
    EXPECT_EQ("", u.uit);
}

TEST_F(AfdrukOpdracht, NeedsNoDisplay) {
    COmgeving platform("QT_QPA_PLATFORM", "xcb");
    COmgeving x("DISPLAY", nullptr);
    COmgeving wayland("WAYLAND_DISPLAY", nullptr);
    CProgrammaUitvoer u = Voer({"afdruk", "uitslag", stand, "--pdf", pdf});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ("", u.fout);
    EXPECT_EQ(1, PdfPaginas(pdf));
}

TEST_F(AfdrukOpdracht, TheHelpNamesIt) {
    CProgrammaUitvoer u = Voer({"--help"});
    EXPECT_NE(std::string::npos,
              u.uit.find("  afdruk stand|uitslag|indeling MAP [--ronde ID|N] [de opties van "
                         "indeling] --pdf BESTAND\n"))
        << u.uit;
}

} // namespace
