// Reading tables as spreadsheets save them: character set, separator, quoted
// fields and line ends.

#include "base/csvlezer.h"

#include <gtest/gtest.h>

namespace {

using Rijen = std::vector<std::vector<std::string>>;

TEST(LeesCsv, HetScheidingstekenUitHetBestand) {
    struct {
        const char* wat;
        std::string inhoud;
        char scheiding;
        Rijen rijen;
    } gevallen[] = {
        {"semicolons with decimal commas",
         "Naam;Klasse\r\nJan;12,5\r\nPiet;9,5\r\n",
         ';',
         {{"Naam", "Klasse"}, {"Jan", "12,5"}, {"Piet", "9,5"}}},
        {"semicolons and commas alike, no header",
         "Jan;12,5\nPiet;9,5\n",
         ';',
         {{"Jan", "12,5"}, {"Piet", "9,5"}}},
        {"commas with quoted decimals",
         "Naam,Klasse\n\"Jan\",\"12,5\"\nPiet,95\n",
         ',',
         {{"Naam", "Klasse"}, {"Jan", "12,5"}, {"Piet", "95"}}},
        {"tabs",
         "Naam\tKlasse\tAktief\nJan de Vries\t3 kyu\tJ\n",
         '\t',
         {{"Naam", "Klasse", "Aktief"}, {"Jan de Vries", "3 kyu", "J"}}},
        {"a comma inside names with semicolons",
         "de Vries, Jan;125\nBos, Els;95\n",
         ';',
         {{"de Vries, Jan", "125"}, {"Bos, Els", "95"}}},
        {"quotes, separators and line ends inside a field",
         "Naam;Opmerking\n\"Jan \"\"Jantje\"\" Smit\";\"een; twee\r\ndrie\"\n",
         ';',
         {{"Naam", "Opmerking"}, {"Jan \"Jantje\" Smit", "een; twee\r\ndrie"}}},
        {"CR line ends, blank lines and empty rows",
         "Jan;125\r\r;;\r  \rPiet;95",
         ';',
         {{"Jan", "125"}, {"Piet", "95"}}},
        {"one column", "Jan\nPiet\n", ';', {{"Jan"}, {"Piet"}}},
        {"rows of different lengths",
         "Jan;125;J\nPiet;95\n",
         ';',
         {{"Jan", "125", "J"}, {"Piet", "95"}}},
        {"empty", "", ';', {}},
    };
    for (const auto& g : gevallen) {
        CCsvTabel tabel = LeesCsv(g.inhoud);
        EXPECT_TRUE(tabel.tekst) << g.wat;
        EXPECT_EQ(g.scheiding, tabel.scheiding) << g.wat;
        EXPECT_EQ(g.rijen, tabel.rijen) << g.wat;
        EXPECT_EQ(g.rijen.size(), tabel.regels.size()) << g.wat;
    }
}

TEST(LeesCsv, DeTekensetUitHetBestand) {
    // "Renée Çelik" in each character set; the cells come out in Windows-1252.
    const std::string cp1252 = "Ren\xE9"
                               "e \xC7"
                               "elik;125\n";
    const std::string utf8 = "Ren\xC3\xA9"
                             "e \xC3\x87"
                             "elik;125\n";
    std::string utf16le = "\xFF\xFE";
    std::string utf16be = "\xFE\xFF";
    for (char32_t c : std::u32string(U"Ren\u00E9e \u00C7elik;125\n")) {
        utf16le += static_cast<char>(c & 0xFF);
        utf16le += static_cast<char>(c >> 8);
        utf16be += static_cast<char>(c >> 8);
        utf16be += static_cast<char>(c & 0xFF);
    }
    struct {
        const char* wat;
        std::string inhoud;
        ECsvCodering codering;
    } gevallen[] = {
        {"UTF-8", utf8, ECsvCodering::Utf8},
        {"UTF-8 with a BOM", "\xEF\xBB\xBF" + utf8, ECsvCodering::Utf8MetBom},
        {"Windows-1252", cp1252, ECsvCodering::Windows1252},
        {"UTF-16 little-endian", utf16le, ECsvCodering::Utf16},
        {"UTF-16 big-endian", utf16be, ECsvCodering::Utf16},
    };
    for (const auto& g : gevallen) {
        CCsvTabel tabel = LeesCsv(g.inhoud);
        EXPECT_EQ(g.codering, tabel.codering) << g.wat;
        EXPECT_EQ((Rijen{{"Ren\xE9"
                          "e \xC7"
                          "elik",
                          "125"}}),
                  tabel.rijen)
            << g.wat;
    }
    // Not in Windows-1252: a question mark, as everywhere in the program.
    EXPECT_EQ("Ma?gorzata", LeesCsv("Ma\xC5\x82gorzata;125\n").rijen[0][0]);
    // A byte that cannot start UTF-8 makes the whole file Windows-1252.
    CCsvTabel gemengd = LeesCsv("Ren\xC3\xA9"
                                "e;125\nJos\xE9;95\n");
    EXPECT_EQ(ECsvCodering::Windows1252, gemengd.codering);
    EXPECT_EQ("Jos\xE9", gemengd.rijen[1][0]);
}

TEST(LeesCsv, RegelsVanDeRijenEnGeenTekst) {
    CCsvTabel tabel = LeesCsv("Naam;Opmerking\n\nJan;\"twee\nregels\"\nPiet;x\n");
    EXPECT_EQ((std::vector<int>{1, 3, 5}), tabel.regels);
    EXPECT_FALSE(LeesCsv(std::string("PK\x03\x04\0\0binary", 12)).tekst);
    EXPECT_STREQ("puntkomma", ScheidingNaam(';'));
    EXPECT_STREQ("tab", ScheidingNaam('\t'));
    EXPECT_STREQ("UTF-8 met BOM", CoderingNaam(ECsvCodering::Utf8MetBom));
}

} // namespace
