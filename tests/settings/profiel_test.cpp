#include "base/platform.h"
#include "melding_recorder.h"
#include "settings/profiel.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Profiel, MissingFileSectionOrKeyGivesTheDefault) {
    CTijdelijkeMap map;
    CProfiel profiel(map.Bestand("geen.ini"));
    EXPECT_EQ(profiel.Lees(), 0);
    EXPECT_EQ(profiel.Tekst("Morvel", "DataPad", "."), ".");
    EXPECT_EQ(profiel.Getal("Morvel", "LetterGrootte", "120"), 120);

    SchrijfAlles(profiel.Pad(), "[Morvel]\r\nDataPad=/data\r\n");
    ASSERT_EQ(profiel.Lees(), 0);
    EXPECT_EQ(profiel.Tekst("Morvel", "BackupPad", "std"), "std");
    EXPECT_EQ(profiel.Tekst("Html", "DataPad", "std"), "std");
    EXPECT_EQ(profiel.Tekst("Morvel", "DataPad", "std"), "/data");
}

TEST(Profiel, NamesAreComparedIgnoringCase) {
    CTijdelijkeMap map;
    SchrijfAlles(map.Bestand("p.ini"), "[leden DIALOOG]\nsorteersleutel=2\n");
    CProfiel profiel(map.Bestand("p.ini"));
    ASSERT_EQ(profiel.Lees(), 0);
    EXPECT_EQ(profiel.Getal("Leden dialoog", "SorteerSleutel", "0"), 2);

    profiel.ZetGetal("LEDEN dialoog", "SORTEERSLEUTEL", 3);
    ASSERT_EQ(profiel.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(profiel.Pad()), "[leden DIALOOG]\r\nSORTEERSLEUTEL=3\r\n");
}

TEST(Profiel, WritingKeepsEveryOtherLineAndAddsWhatIsMissing) {
    CTijdelijkeMap map;
    SchrijfAlles(map.Bestand("p.ini"), Fixture("settings/vreemd.ini"));
    CProfiel profiel(map.Bestand("p.ini"));
    ASSERT_EQ(profiel.Lees(), 0);
    EXPECT_EQ(profiel.Tekst("Morvel", "DataPad", ""), "/data/go"); // the first section counts
    EXPECT_EQ(profiel.Tekst("Morvel", "Lettertype", ""), "Arial");
    EXPECT_EQ(profiel.Tekst("Eigen Sectie", "Sleutel", ""), "blijft staan");

    profiel.ZetTekst("Morvel", "Lettertype", "Courier New"); // replaces its line
    profiel.ZetGetal("Morvel", "LetterGrootte", 90);         // after the section's last line
    profiel.ZetTekst("Html", "Server", "ftp.club.nl");       // a new section at the end
    ASSERT_EQ(profiel.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(profiel.Pad()), "; profiel met regels van anderen\r\n"
                                        "[Morvel]\r\n"
                                        "DataPad=/data/go\r\n"
                                        "Lettertype=Courier New\r\n"
                                        "Commentaar zonder is-teken\r\n"
                                        "LetterGrootte=90\r\n"
                                        "\r\n"
                                        "[Eigen Sectie]\r\n"
                                        "Sleutel=blijft staan\r\n"
                                        "[morvel]\r\n"
                                        "DataPad=tweede, wordt niet gelezen\r\n"
                                        "\r\n"
                                        "[Html]\r\n"
                                        "Server=ftp.club.nl\r\n");

    CProfiel terug(profiel.Pad());
    ASSERT_EQ(terug.Lees(), 0);
    EXPECT_EQ(terug.Tekst("morvel", "lettergrootte", ""), "90");
    EXPECT_EQ(terug.Tekst("HTML", "server", ""), "ftp.club.nl");
}

TEST(Profiel, WritingCreatesTheFile) {
    CTijdelijkeMap map;
    CProfiel profiel(map.Bestand("nieuw.ini"));
    ASSERT_EQ(profiel.Lees(), 0);
    profiel.ZetTekst("Morvel", "DataPad", "a\r\nb"); // a line end cannot split the line
    ASSERT_EQ(profiel.Schrijf(), 0);
    EXPECT_EQ(LeesAlles(profiel.Pad()), "[Morvel]\r\nDataPad=a  b\r\n");
}

TEST(Profiel, AProfileWithAPasswordIsItsOwnersOnly) {
    namespace fs = std::filesystem;
    const fs::perms eigenaar = fs::perms::owner_read | fs::perms::owner_write;
    const fs::perms iedereen = eigenaar | fs::perms::group_read | fs::perms::others_read;
    struct Geval {
        const char* naam;
        const char* wachtwoord; // nullptr: no key
        fs::perms verwacht;
    };
    const Geval gevallen[] = {
        {"wachtwoord", "\"versleuteld\"", eigenaar},
        {"leeg wachtwoord", "", iedereen},
        {"geen wachtwoord", nullptr, iedereen},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        CTijdelijkeMap map;
        SchrijfAlles(map.Bestand("morvel.ini"), "[Html]\r\nServer=ftp.club.nl\r\n");
        fs::permissions(map.Bestand("morvel.ini"), iedereen);
        CProfiel profiel(map.Bestand("morvel.ini"));
        ASSERT_EQ(profiel.Lees(), 0);
        if (g.wachtwoord) {
            profiel.ZetTekst("Html", "Wachtwoord", g.wachtwoord);
        }
        ASSERT_EQ(profiel.Schrijf(), 0);
        EXPECT_EQ(g.verwacht, fs::status(map.Bestand("morvel.ini")).permissions());
        // Once private, a later write keeps it so, password or not.
        profiel.ZetTekst("Html", "Wachtwoord", "");
        ASSERT_EQ(profiel.Schrijf(), 0);
        EXPECT_EQ(g.verwacht, fs::status(map.Bestand("morvel.ini")).permissions());
    }
}

TEST(Profiel, AProfileThatIsALinkIsWrittenThroughIt) {
    CTijdelijkeMap map;
    std::filesystem::create_directory(map.Bestand("gedeeld"));
    SchrijfAlles(map.Bestand("gedeeld/morvel.ini"), "[Morvel]\r\nDataPad=/oud\r\n");
    std::filesystem::create_symlink(map.Bestand("gedeeld/morvel.ini"), map.Bestand("morvel.ini"));
    CProfiel profiel(map.Bestand("morvel.ini"));
    ASSERT_EQ(profiel.Lees(), 0);
    profiel.ZetTekst("Morvel", "DataPad", "/nieuw");
    ASSERT_EQ(profiel.Schrijf(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(map.Bestand("morvel.ini")));
    EXPECT_EQ(LeesAlles(map.Bestand("gedeeld/morvel.ini")), "[Morvel]\r\nDataPad=/nieuw\r\n");
}

TEST(Profiel, TextValuesAreTrimmedUnquotedAndLimited) {
    struct Geval {
        std::string regel;
        std::string verwacht;
    } gevallen[] = {
        {"W=  tekst met  spaties \t", "tekst met  spaties"},
        {"W=\" binnen aanhalingstekens \"", " binnen aanhalingstekens "},
        {"W=\"\"", ""},
        {"W=\"half", "\"half"},
        {"W=" + std::string(300, 'x'), std::string(kMaxTekstLengte, 'x')},
        {"W=" + std::string(258, 'x') + "  y", std::string(258, 'x')},
    };
    CTijdelijkeMap map;
    for (const Geval& g : gevallen) {
        SchrijfAlles(map.Bestand("p.ini"), "[S]\n" + g.regel + "\n");
        CProfiel profiel(map.Bestand("p.ini"));
        ASSERT_EQ(profiel.Lees(), 0);
        EXPECT_EQ(profiel.Tekst("S", "W", "std"), g.verwacht) << g.regel;
    }
}

TEST(Profiel, IntegersAreTheFirstRunOfDigits) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Geval {
        const char* waarde;
        int32_t verwacht;
    } gevallen[] = {
        {"17", 17},
        {"-1", 1},
        {"abc", 0},
        {"", 0},
        {" 12abc34", 12},
        {"x-7y", 7},
        {"007", 7},
        {"2147483647", kMax},
        {"99999999999", kMax},
    };
    CTijdelijkeMap map;
    for (const Geval& g : gevallen) {
        SchrijfAlles(map.Bestand("p.ini"), std::string("[S]\nG=") + g.waarde + "\n");
        CProfiel profiel(map.Bestand("p.ini"));
        ASSERT_EQ(profiel.Lees(), 0);
        EXPECT_EQ(profiel.Getal("S", "G", "5"), g.verwacht) << g.waarde;
        EXPECT_EQ(profiel.Getal("S", "Ontbreekt", g.waarde), g.verwacht) << "default " << g.waarde;
    }
}

TEST(Profiel, AFileThatCannotBeReadOrWrittenIsReported) {
    CTijdelijkeMap map;
    CMeldingRecorder recorder;
    CProfiel map_als_profiel(map.Pad());
    recorder.Verwacht("Het instellingenbestand '" + map.Pad() + "' kan niet gelezen worden.\n" +
                      SysteemFoutTekst(EISDIR));
    EXPECT_EQ(map_als_profiel.Lees(), -1);

    CProfiel zonder_map(map.Bestand("ontbreekt/p.ini"));
    recorder.Verwacht("Het instellingenbestand '" + zonder_map.Pad() +
                      "' kan niet geschreven worden.\n" + SysteemFoutTekst(ENOENT));
    EXPECT_EQ(zonder_map.Schrijf(), -1);
}

TEST(Profiel, PathFollowsTheProgramFile) {
    struct Geval {
        const char* programma;
        const char* profiel; // nullptr: no profile path
    } gevallen[] = {
        {"/opt/morvel/morvel", "/opt/morvel/morvel.ini"},
        {"/opt/morvel/club.v2.exe", "/opt/morvel/club.v2.ini"},
        {"/home/a.b/morvel", "/home/a.b/morvel.ini"},
        {"/home/a/.morvel", "/home/a/.morvel.ini"},
        {"/home/a/morvel.", "/home/a/morvel.ini"},
        {"morvel.exe", "morvel.ini"},
        {"/opt/morvel/", nullptr},
        {"", nullptr},
    };
    for (const Geval& g : gevallen) {
        std::string profiel;
        EXPECT_EQ(ProfielPadVoorProgramma(g.programma, profiel), g.profiel != nullptr)
            << g.programma;
        if (g.profiel) {
            EXPECT_EQ(profiel, g.profiel);
        }
    }
}

TEST(Profiel, ProgramPathIsThisProgram) {
    std::string pad;
    ASSERT_TRUE(ProgrammaPad(pad));
    EXPECT_EQ(pad.substr(pad.find_last_of('/') + 1), "test_settings");
}

} // namespace
