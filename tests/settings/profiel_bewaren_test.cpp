// What the profile holds comes back after the settings are written: values
// with white space or quotes, a CR, hand-typed passwords and small font
// sizes; and a file that is no profile of Morvel's is never written.

#include "melding_recorder.h"
#include "settings/profiel.h"
#include "settings/settings.h"
#include "settings/wachtwoord.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

class ProfielBewaren : public ::testing::Test {
protected:
    // Reads the profile `inhoud` followed by the complete profile (whose
    // formulas keep the start-up check silent; the first of two equal keys
    // counts), writes it and reads it back.
    template <typename Controle> void TweeKeer(const std::string& inhoud, Controle controle) {
        SchrijfAlles(pad, inhoud + Fixture("settings/compleet.ini"));
        for (int keer = 0; keer < 2; ++keer) {
            CSettings settings(pad);
            recorder.Controleer();
            controle(settings);
            settings.SetHuidigePeriode(settings.HuidigePeriode() + "x");
            settings.SetHuidigePeriode(settings.HuidigePeriode().substr(
                0, settings.HuidigePeriode().size() - 1)); // written at the end, unchanged
        }
    }
    std::string Regel(const std::string& sleutel) {
        std::string tekst = LeesAlles(pad);
        size_t begin = tekst.find("\n" + sleutel + "=");
        EXPECT_NE(begin, std::string::npos) << sleutel;
        return tekst.substr(begin + 1, tekst.find('\r', begin) - begin - 1);
    }

    CTijdelijkeMap map;
    std::string pad = map.Bestand("morvel.ini");
    CMeldingRecorder recorder;
};

TEST_F(ProfielBewaren, ValuesThatTheReaderWouldChangeAreWrittenInQuotes) {
    struct Geval {
        std::string profiel;
        const std::string& (CSettings::*waarde)() const;
        std::string verwacht;
        std::string geschreven;
    } gevallen[] = {
        {Fixture("rondgang/profiel_aanhalingstekens_witruimte.ini"), &CSettings::Lettertype,
         "  Arial  ", "Lettertype=\"  Arial  \""},
        {Fixture("rondgang/profiel_aanhalingstekens_dubbel.ini"), &CSettings::Server, "\"x\"",
         "Server=\"\"x\"\""},
        {Fixture("rondgang/profiel_cr_in_waarde.ini"), &CSettings::BackupPad, "a b",
         "BackupPad=a b"},
        {"[Morvel]\r\nSpreadSheet=\"\tkalc\"\r\n", &CSettings::SpreadSheet, "\tkalc",
         "SpreadSheet=\"\tkalc\""},
    };
    for (const Geval& g : gevallen) {
        TweeKeer(g.profiel, [&](const CSettings& s) { EXPECT_EQ((s.*g.waarde)(), g.verwacht); });
        EXPECT_EQ(Regel(g.geschreven.substr(0, g.geschreven.find('='))), g.geschreven);
    }
}

TEST_F(ProfielBewaren, AHandTypedPasswordIsHeldToWhatAScrambledValueCanHold) {
    struct Geval {
        std::string fixture;
        std::string verwacht;
        std::string melding;
    } gevallen[] = {
        {"rondgang/profiel_wachtwoord_200.ini", std::string(kMaxWachtwoordLengte, 'p'),
         "is langer dan 188 tekens; alleen de eerste 188 worden gebruikt en bewaard."},
        {"rondgang/profiel_wachtwoord_nul.ini", "ab",
         "bevat een NUL-teken; alleen het deel daarvoor wordt gebruikt en bewaard."},
    };
    for (const Geval& g : gevallen) {
        recorder.Verwacht("Het wachtwoord in het instellingenbestand '" + pad + "' " + g.melding);
        TweeKeer(Fixture(g.fixture),
                 [&](const CSettings& s) { EXPECT_EQ(s.Wachtwoord(), g.verwacht) << g.fixture; });
    }
}

TEST_F(ProfielBewaren, ASmallFontSizeReadsBackTheSame) {
    // 1 is read in whole points as 10 tenths; written as 10 it came back as 100.
    TweeKeer(Fixture("rondgang/profiel_lettergrootte_1.ini"),
             [](const CSettings& s) { EXPECT_EQ(s.LetterGrootte(), 10); });
    EXPECT_EQ(Regel("LetterGrootte"), "LetterGrootte=1");
}

TEST_F(ProfielBewaren, AFileThatIsNoProfileIsNeitherUsedNorWritten) {
    struct Geval {
        std::string inhoud;
        std::string waarom;
    } gevallen[] = {
        {Fixture("data/formaat2.txt"), "het is een databestand van een competitie"},
        {"versie=2\r\n\r\n[Spelers]\r\n\r\n[Uitslagen]\r\n",
         "het is een databestand van een competitie"},
        {Fixture("data/formaat0.txt"),
         "het heeft geen sectie van Morvel en regels die geen instellingen zijn"},
        {std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0\n\x03\0>\0[x]\n",
                     19),
         "het heeft geen sectie van Morvel en regels die geen instellingen zijn"},
    };
    for (const Geval& g : gevallen) {
        SchrijfAlles(pad, g.inhoud);
        recorder
            .Verwacht("Het bestand '" + pad +
                      "' is geen instellingenbestand van Morvel: " + g.waarom +
                      ".\nHet wordt niet gebruikt en niet overschreven; Morvel werkt nu met de "
                      "standaardinstellingen. Geef het juiste instellingenbestand op met "
                      "--profiel.")
            .VerwachtWillekeurig()  // no points formula
            .VerwachtWillekeurig(); // no class formula
        {
            CSettings settings(pad);
            EXPECT_EQ(settings.AantalVoorgiftFormules(), 0);
            settings.SetDataPad("/elders");
        }
        recorder.Controleer();
        EXPECT_EQ(LeesAlles(pad), g.inhoud);
    }
    // An INI file of another program is a profile: its lines are kept.
    SchrijfAlles(pad, "; andermans\r\n[Ander]\r\nsleutel=waarde\r\n");
    CProfiel ander(pad);
    EXPECT_EQ(ander.Lees(), 0);
}

} // namespace
