// The small files of our own beside the data file: their lines and fields,
// and reading them with the care of the data file.

#include "base/datum.h"
#include "base/eigenbestand.h"
#include "base/platform.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kKop = "Morvel proef";

// A field of any bytes, with the characters that need care more often than chance.
std::string WillekeurigVeld(std::mt19937& toeval) {
    static const std::string kLastig = "\\\t\r\n=\"\x01\x80\xE9 tn";
    std::string veld;
    const size_t lengte = toeval() % 12;
    for (size_t i = 0; i < lengte; ++i) {
        veld += toeval() % 2 == 0 ? kLastig[toeval() % kLastig.size()]
                                  : static_cast<char>(toeval() % 256);
    }
    return veld;
}

TEST(EigenBestand, FieldsComeBackAsTheyWereWhateverTheyHold) {
    std::mt19937 toeval(26);
    for (int geval = 0; geval < 2000; ++geval) {
        std::vector<std::string> velden(1 + toeval() % 5);
        for (std::string& veld : velden) {
            veld = WillekeurigVeld(toeval);
        }
        const std::string waarde = VeldenWaarde(velden);
        EXPECT_EQ(std::string::npos, waarde.find_first_of("\r\n")) << geval;
        std::vector<std::pair<std::string, std::string>> regels = {{"paar", waarde}};
        std::vector<CEigenRegel> gelezen;
        ASSERT_TRUE(SplitsEigenBestand(EigenBestandTekst(kKop, regels), kKop, gelezen));
        ASSERT_EQ(1u, gelezen.size()) << geval;
        EXPECT_EQ(velden, LeesVelden(gelezen[0].waarde)) << geval;
    }
}

TEST(EigenBestand, LinesAreSplitAtTheirFirstEqualsSignWithTheirNumbers) {
    std::vector<CEigenRegel> regels;
    EXPECT_FALSE(SplitsEigenBestand("", kKop, regels));
    EXPECT_FALSE(SplitsEigenBestand("versie=2\r\n[Spelers]\r\n", kKop, regels));
    EXPECT_FALSE(SplitsEigenBestand(" Morvel proef\r\n", kKop, regels));
    ASSERT_TRUE(SplitsEigenBestand("Morvel proef\nversie=1\n\nnaam=a=b\r\nlos\n", kKop, regels));
    ASSERT_EQ(3u, regels.size());
    EXPECT_EQ("versie", regels[0].sleutel);
    EXPECT_EQ(2, regels[0].nummer);
    EXPECT_EQ("naam", regels[1].sleutel);
    EXPECT_EQ("a=b", regels[1].waarde);
    EXPECT_EQ(4, regels[1].nummer);
    EXPECT_EQ("", regels[2].sleutel); // for the reader to report
    EXPECT_EQ("los", regels[2].waarde);
    // A backslash written by hand before another letter stays.
    EXPECT_EQ((std::vector<std::string>{"C:\\x", "a\tb"}), LeesVelden("C:\\x\ta\\tb"));
}

TEST(EigenBestand, OnlyARegularFileOfOursIsRead) {
    CTijdelijkeMap map;
    std::vector<CEigenRegel> regels;
    int fout = 0;
    const std::string afwezig = map.Bestand("afwezig");
    EXPECT_EQ(EEigenLezen::Afwezig, LeesEigenBestand(afwezig, kKop, regels, fout));

    const std::string eigen = map.Bestand("eigen");
    SchrijfAlles(eigen, "Morvel proef\r\nversie=1\r\n");
    EXPECT_EQ(EEigenLezen::Gelezen, LeesEigenBestand(eigen, kKop, regels, fout));
    EXPECT_EQ(1u, regels.size());
    fs::create_symlink(eigen, map.Bestand("koppeling"));
    EXPECT_EQ(EEigenLezen::Gelezen, LeesEigenBestand(map.Bestand("koppeling"), kKop, regels, fout));

    struct {
        const char* naam;
        std::function<void(const std::string&)> maak;
    } const vreemde[] = {
        {"a data file", [](const std::string& p) { SchrijfAlles(p, "versie=2\r\n"); }},
        {"an empty file", [](const std::string& p) { SchrijfAlles(p, ""); }},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }},
        {"a FIFO", [](const std::string& p) { ASSERT_EQ(0, ::mkfifo(p.c_str(), 0600)); }},
        {"a dangling link", [&](const std::string& p) { fs::create_symlink(afwezig, p); }},
        {"a file too large",
         [](const std::string& p) {
             SchrijfAlles(p, std::string(kKop) + "\r\n" + std::string(kMaxEigenBestand, 'x'));
         }},
    };
    for (const auto& vreemd : vreemde) {
        const std::string pad = map.Bestand(std::string("vreemd ") + vreemd.naam);
        vreemd.maak(pad);
        EEigenLezen uitkomst = LeesEigenBestand(pad, kKop, regels, fout);
        EXPECT_TRUE(uitkomst == EEigenLezen::Vreemd ||
                    (uitkomst == EEigenLezen::Afwezig && IsGeenGewoonBestand(pad)))
            << vreemd.naam;
    }
}

TEST(Tijdstip, TheLayoutOfFilesComesBackAndNothingElseIsAMoment) {
    const CTijdstip tijdstip{{3, 3, 2025}, 20, 15, 7};
    EXPECT_EQ("2025-03-03 20:15:07", TijdstipVoorBestand(tijdstip));
    EXPECT_EQ(tijdstip, LeesTijdstip("2025-03-03 20:15:07"));
    EXPECT_EQ("3 maart 2025 20:15", TijdstipTekst(tijdstip));
    EXPECT_EQ("3 maart", DagEnMaand(tijdstip.datum));
    EXPECT_EQ("29 februari", DagEnMaand({29, 2, 2024}));
    for (const char* fout : {"", "2025-02-29 10:00:00", "2025-3-3 20:15:07", "2025-03-03 24:00:00",
                             "2025-03-03 20:60:00", "2025-03-03 20:15:07 ", "2025-03-03T20:15:07",
                             "0000-01-01 00:00:00", "2025-13-01 00:00:00"}) {
        EXPECT_FALSE(LeesTijdstip(fout)) << fout;
    }
    std::mt19937 toeval(3);
    for (int i = 0; i < 500; ++i) {
        CTijdstip t{{1 + static_cast<int>(toeval() % 28), 1 + static_cast<int>(toeval() % 12),
                     1 + static_cast<int>(toeval() % 9999)},
                    static_cast<int>(toeval() % 24),
                    static_cast<int>(toeval() % 60),
                    static_cast<int>(toeval() % 60)};
        EXPECT_EQ(t, LeesTijdstip(TijdstipVoorBestand(t)));
    }
}

} // namespace
