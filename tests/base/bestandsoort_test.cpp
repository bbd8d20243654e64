// Only regular files of a sane size are read, and a write never replaces what
// is not a regular file or what the user made read-only: nothing waits on a
// pipe, nothing is read from a device until memory runs out.

#include "base/platform.h"
#include "base/tekstbestand.h"
#include "tijdelijke_map.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A hang counts as a failure: the test program ends after a while.
class Wekker {
public:
    Wekker() { ::alarm(20); }
    ~Wekker() { ::alarm(0); }
};

struct CPlekken {
    CTijdelijkeMap map;
    std::string pijp = map.Bestand("pijp.txt");
    std::string alleenLezen = map.Bestand("alleenlezen.txt");
    std::string groot = map.Bestand("groot.txt");
    std::string koppeling = map.Bestand("koppeling.txt");

    CPlekken() {
        EXPECT_EQ(::mkfifo(pijp.c_str(), 0644), 0);
        SchrijfAlles(alleenLezen, "oud");
        EXPECT_EQ(::chmod(alleenLezen.c_str(), 0444), 0);
        SchrijfAlles(groot, "");
        EXPECT_EQ(::truncate(groot.c_str(), kMaxBestandsGrootte + 1), 0); // sparse, no disk used
        EXPECT_EQ(::symlink(pijp.c_str(), koppeling.c_str()), 0);
    }
};

bool IsPijp(const std::string& pad) {
    struct stat info {};
    return ::lstat(pad.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(BestandSoort, OnlyARegularFileOfASaneSizeIsRead) {
    Wekker wekker;
    CPlekken plek;
    struct Geval {
        std::string pad;
        int fout;
    } gevallen[] = {
        {plek.pijp, kFoutGeenGewoonBestand},
        {plek.koppeling, kFoutGeenGewoonBestand},
        {"/dev/zero", kFoutGeenGewoonBestand},
        {plek.map.Pad(), EISDIR},
        {plek.groot, kFoutTeGroot},
    };
    for (const Geval& g : gevallen) {
        std::string inhoud;
        int fout = 0;
        EXPECT_FALSE(LeesBestand(g.pad, inhoud, fout)) << g.pad;
        EXPECT_EQ(fout, g.fout) << g.pad;
        EXPECT_FALSE(SysteemFoutTekst(fout).empty());
    }
    std::string inhoud;
    int fout = 0;
    SchrijfAlles(plek.map.Bestand("gewoon.txt"), "tekst");
    EXPECT_TRUE(LeesBestand(plek.map.Bestand("gewoon.txt"), inhoud, fout));
    EXPECT_EQ(inhoud, "tekst");
}

TEST(BestandSoort, AWriteLeavesWhatIsNoRegularFileOrIsReadOnly) {
    Wekker wekker;
    CPlekken plek;
    struct Geval {
        std::string pad;
        int fout;
    } gevallen[] = {
        {plek.pijp, kFoutGeenGewoonBestand},
        {plek.koppeling, kFoutGeenGewoonBestand},
        {plek.alleenLezen, kFoutAlleenLezen},
        {plek.map.Pad(), EISDIR},
    };
    for (const Geval& g : gevallen) {
        int fout = 0;
        EXPECT_FALSE(SchrijfBestandVeilig(g.pad, "nieuw", fout)) << g.pad;
        EXPECT_EQ(fout, g.fout) << g.pad;
        CTekstBestand tekst;
        EXPECT_FALSE(tekst.Open(g.pad)) << g.pad;
        EXPECT_EQ(tekst.Fout(), g.fout) << g.pad;
        SchrijfAlles(plek.map.Bestand("bron.txt"), "bron");
        EXPECT_EQ(KopieerBestand(plek.map.Bestand("bron.txt"), g.pad, fout),
                  KopieUitkomst::DoelNietOpen)
            << g.pad;
    }
    EXPECT_TRUE(IsPijp(plek.pijp));
    EXPECT_EQ(LeesAlles(plek.alleenLezen), "oud");
    int fout = 0;
    EXPECT_EQ(KopieerBestand(plek.pijp, plek.map.Bestand("kopie.txt"), fout),
              KopieUitkomst::BronNietOpen);
    EXPECT_EQ(fout, kFoutGeenGewoonBestand);
}

} // namespace
