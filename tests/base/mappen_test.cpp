#include "base/mappen.h"
#include "base/platform.h"

#include "tijdelijke_map.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

TEST(NormaliseerPad, MaaktEenPadMetEnkeleSchuineStrepen) {
    const struct {
        const char* in;
        const char* uit;
    } gevallen[] = {
        {"  D:/club//data/  ", "D:/club/data"},
        {"\t\r\nC:\\Data\\\r\n", "C:/Data"},
        {"C:\\", "C:"},
        {"a\\/b", "a/b"},
        {"a//\\//b", "a/b"},
        {"/home/club/", "/home/club"},
        {"competities", "competities"},
        {"a b / c", "a b / c"},
        {"/", ""},
        {"\\", ""},
        {" \t\r\n ", ""},
        {"", ""},
    };
    for (const auto& g : gevallen) {
        std::string pad = g.in;
        EXPECT_EQ(g.uit, NormaliseerPad(pad)) << "'" << g.in << "'";
        EXPECT_EQ(g.uit, pad) << "changed in place: '" << g.in << "'";
    }
}

TEST(MaakMappen, MaaktElkeMapVanHetPad) {
    CTijdelijkeMap tmp;
    MaakMappen(tmp.Bestand("a/b/c"), false);
    EXPECT_EQ(1, IsMap(tmp.Bestand("a/b/c")));

    MaakMappen(tmp.Bestand("x/y/bestand.txt"), true);
    EXPECT_EQ(1, IsMap(tmp.Bestand("x/y")));
    EXPECT_EQ(0, IsMap(tmp.Bestand("x/y/bestand.txt")));
}

TEST(MaakMappen, EenLangPadWordtHelemaalGemaakt) {
    CTijdelijkeMap tmp;
    std::string pad = tmp.Pad();
    for (int i = 0; i < 30; ++i) {
        pad += "/map-met-een-lange-naam";
    }
    ASSERT_GT(pad.size(), 600u);
    MaakMappen(pad + "/backup.txt", true);
    EXPECT_EQ(1, IsMap(pad));
}

TEST(MaakMappen, WatNietKanWordtStilOvergeslagen) {
    CTijdelijkeMap tmp;
    SchrijfAlles(tmp.Bestand("bestand"), "x");
    MaakMappen(tmp.Bestand("bestand/onder"), false);
    EXPECT_EQ(0, IsMap(tmp.Bestand("bestand/onder")));
    MaakMappen("", false);
    MaakMappen(tmp.Pad(), false); // exists already
    EXPECT_EQ(1, IsMap(tmp.Pad()));
}

TEST(IsMap, AlleenEenBestaandeMap) {
    CTijdelijkeMap tmp;
    SchrijfAlles(tmp.Bestand("data.txt"), "x");
    EXPECT_EQ(1, IsMap(tmp.Pad()));
    EXPECT_EQ(0, IsMap(tmp.Bestand("data.txt")));
    EXPECT_EQ(0, IsMap(tmp.Bestand("bestaat-niet")));
    EXPECT_EQ(0, IsMap(""));
}

TEST(MaakPriveMap, EenNieuweMapAlleenVoorDeEigenaar) {
    namespace fs = std::filesystem;
    CTijdelijkeMap basis;
    std::string een;
    std::string twee;
    int fout = 0;
    ASSERT_TRUE(MaakPriveMap(basis.Bestand(""), "morvel-upload-", een, fout));
    ASSERT_TRUE(MaakPriveMap(basis.Bestand(""), "morvel-upload-", twee, fout));
    EXPECT_NE(een, twee);
    EXPECT_EQ(0u, fs::path(een).filename().string().find("morvel-upload-"));
    EXPECT_EQ(fs::perms::owner_all, fs::status(een).permissions());
    EXPECT_FALSE(MaakPriveMap(basis.Bestand("bestaat-niet"), "x-", een, fout));
    EXPECT_EQ(ENOENT, fout);
}
