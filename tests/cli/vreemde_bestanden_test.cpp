// Files that are not Morvel's, or not files, given to the commands as a new
// user might: each ends with a Dutch message, nothing hangs, and every file
// is left as it was.

#include "base/platform.h"
#include "programma.h"
#include "settings/profiel.h"
#include "tijdelijke_map.h"
#include "toeval.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class VreemdeBestanden : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(profiel, Fixture("settings/compleet.ini"));
        SchrijfAlles(datafile, Fixture("data/formaat2.txt"));
    }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten, const std::string& p = "") {
        argumenten.insert(argumenten.begin(), {"--profiel", p.empty() ? profiel : p});
        return VoerMorvelUit(argumenten);
    }
    static std::string Willekeurig(size_t lengte) {
        CToeval toeval(25);
        std::string bytes;
        for (size_t i = 0; i < lengte; ++i) {
            bytes += static_cast<char>(toeval.Onder(256));
        }
        return bytes;
    }

    CTijdelijkeMap map;
    std::string profiel = map.Bestand("morvel.ini");
    std::string datafile = map.Bestand("club.txt");
};

TEST_F(VreemdeBestanden, WhatIsNoRegularFileIsRefusedAtOnce) {
    std::string pijp = map.Bestand("pijp.txt");
    ASSERT_EQ(::mkfifo(pijp.c_str(), 0644), 0);
    struct Geval {
        std::string pad;
        std::string reden;
    } gevallen[] = {
        {pijp, SysteemFoutTekst(kFoutGeenGewoonBestand)},
        {"/dev/zero", SysteemFoutTekst(kFoutGeenGewoonBestand)},
        {map.Pad(), SysteemFoutTekst(EISDIR)},
    };
    for (const Geval& g : gevallen) {
        for (const char* opdracht : {"controleer", "herschrijf"}) {
            CProgrammaUitvoer u = Voer({opdracht, g.pad});
            EXPECT_EQ(u.status, 2) << opdracht << " " << g.pad;
            EXPECT_NE(u.fout.find("kan niet geopend worden!\nDe reden: '" + g.reden + "'"),
                      std::string::npos)
                << u.fout;
        }
    }
    // As the profile: read as defaults, written never.
    CProgrammaUitvoer u = Voer({"controleer", datafile}, pijp);
    EXPECT_NE(u.fout.find("Het instellingenbestand '" + pijp + "' kan niet gelezen worden."),
              std::string::npos)
        << u.fout;
    struct stat info {};
    ASSERT_EQ(::lstat(pijp.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(VreemdeBestanden, RandomBytesAreNotWrittenOverWithoutToch) {
    std::string bytes = Willekeurig(100000);
    SchrijfAlles(datafile, bytes);
    CProgrammaUitvoer u = Voer({"herschrijf", datafile});
    EXPECT_EQ(u.status, 1) << u.fout;
    EXPECT_NE(u.fout.find("die niet gelezen konden worden (zie de meldingen hierboven); "
                          "schrijven zou die regels wissen.\nEr is niets geschreven. Geef --toch "
                          "om toch te schrijven, zonder die regels."),
              std::string::npos)
        << u.fout.substr(u.fout.size() > 2000 ? u.fout.size() - 2000 : 0);
    EXPECT_EQ(LeesAlles(datafile), bytes);

    // --toch writes what could be read.
    EXPECT_EQ(Voer({"herschrijf", datafile, "--toch"}).status, 0);
    EXPECT_NE(LeesAlles(datafile), bytes);
}

TEST_F(VreemdeBestanden, AReadOnlyDataFileIsNotReplaced) {
    ASSERT_EQ(::chmod(datafile.c_str(), 0444), 0);
    CProgrammaUitvoer u = Voer({"herschrijf", datafile});
    EXPECT_EQ(u.status, 1);
    EXPECT_EQ(u.fout, "CMorvelApp::Schrijf()\nDe datafile '" + datafile +
                          "' kan niet geopend worden!\nDe reden: '" +
                          SysteemFoutTekst(kFoutAlleenLezen) + "'\n\n");
    EXPECT_EQ(LeesAlles(datafile), Fixture("data/formaat2.txt"));
}

TEST_F(VreemdeBestanden, ADataFileGivenAsTheProfileStaysAsItIs) {
    for (const std::string& inhoud : {Fixture("data/formaat2.txt"), Willekeurig(5000)}) {
        std::string verkeerd = map.Bestand("verkeerd.txt");
        SchrijfAlles(verkeerd, inhoud);
        CProgrammaUitvoer u = Voer({"controleer", datafile}, verkeerd);
        EXPECT_EQ(u.status, 0) << u.fout;
        EXPECT_NE(u.fout.find("is geen instellingenbestand van Morvel"), std::string::npos)
            << u.fout;
        EXPECT_EQ(LeesAlles(verkeerd), inhoud);
    }
}

TEST_F(VreemdeBestanden, AQuotedDataPathWithABlankAtItsEndKeepsWorking) {
    // A plain-text password makes every command write the profile; the quoted
    // data path lost its blank at the first write.
    std::filesystem::create_directories(map.Bestand("club /comp"));
    SchrijfAlles(map.Bestand("club /comp/comp.txt"), Fixture("data/formaat2.txt"));
    CProfiel p(profiel);
    ASSERT_EQ(p.Lees(), 0);
    p.ZetAangehaaldeTekst("Morvel", "DataPad", map.Bestand("club "));
    ASSERT_EQ(p.Schrijf(), 0);
    std::string tekst = LeesAlles(profiel);
    tekst.replace(tekst.find("Wachtwoord="), 11, "Wachtwoord=geheim");
    SchrijfAlles(profiel, tekst);
    for (int keer = 0; keer < 2; ++keer) {
        CProgrammaUitvoer u = Voer({"stand", "comp"});
        EXPECT_EQ(u.status, 0) << keer << ": " << u.fout;
    }
}

TEST_F(VreemdeBestanden, TheFullSearchEndsAfterItsTimeWithTheBestPairingSoFar) {
    std::string spelers = "versie=2\r\n\r\n[Spelers]\r\n";
    for (int i = 1; i <= 60; ++i) {
        spelers += std::to_string(i) + " \"Speler " + std::to_string(i) + "\" " +
                   std::to_string(100 + 3 * i) + " J J J\r\n";
    }
    SchrijfAlles(datafile, spelers + "\r\n[Uitslagen]\r\n");
    CProgrammaUitvoer u =
        Voer({"indeling", datafile, "--methode", "volledig", "--seconden", "1", "--zaad", "1"});
    EXPECT_EQ(u.status, 1) << u.fout;
    EXPECT_NE(u.fout.find("De volledige indeling is na 1 seconde gestopt"), std::string::npos)
        << u.fout;
    EXPECT_NE(u.uit.find("Speler 60"), std::string::npos) << u.uit;
}

} // namespace
