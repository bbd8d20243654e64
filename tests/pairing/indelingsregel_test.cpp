#include "indeling_opstelling.h"
#include "pairing/indelingsregel.h"
#include "rating/voorgift.h"

#include <gtest/gtest.h>

namespace {

TEST(Indelingsregels, KleurenEnUitlotingAchteraan) {
    CIndelingOpstelling o;
    o.Speler("Sterk", 200);
    o.Speler("Zwak", 209);
    o.Speler("Gelijk1", 150);
    o.Speler("Gelijk2", 150);
    o.Speler("Hoog", 199);
    o.Speler("Bye", 300);
    auto s = o.Deelnemers();
    CVoorgift voorgift("V", "0", false); // as many stones as whole classes between them
    std::vector<CSpeler*> volgorde = {s[0], s[1], s[3], s[2], s[4], s[0], s[5]};
    std::vector<CIndelingsRegel> verwacht = {
        // 209 and 200: Black is the larger class, V counts whole classes
        {"Zwak", "Sterk", "0 stenen, 0 komi", "", 2, 1},
        {"Gelijk2", "Gelijk1", "0 stenen, 0 komi", "", 4,
         3},                                            // equal classes: the first of the pair
        {"Sterk", "Hoog", "1 steen, 0 komi", "", 1, 5}, // 200 and 199
        {"Bye", "", "Uitgeloot", "", 6, 0},
    };
    EXPECT_EQ(MaakParen(volgorde, voorgift), verwacht);
    volgorde.pop_back();
    verwacht.pop_back();
    EXPECT_EQ(MaakParen(volgorde, voorgift), verwacht);
}

TEST(Indelingsregels, VasteHandicapTekst) {
    const std::pair<int32_t, const char*> gevallen[] = {
        {0, "          5 komi"},   {1, "          0 komi"},    {2, "2 stenen, 5 komi"},
        {3, "2 stenen, 0 komi"},   {16, "9 stenen, 5 komi"},   {17, "9 stenen, 0 komi"},
        {18, "9 stenen, -5 komi"}, {19, "9 stenen, -10 komi"},
    };
    for (auto [verschil, tekst] : gevallen) {
        EXPECT_EQ(VasteHandicapTekst(verschil), tekst) << verschil;
    }
}

TEST(Indelingsregels, VastPaarZetDeGrootsteHeleKlasseOpZwart) {
    CIndelingOpstelling o;
    o.Speler("Arend", 245);
    o.Speler("Bram", 212);
    o.Speler("Chris", 249);
    auto s = o.Deelnemers();
    CIndelingsRegel verwacht{"Arend", "Bram", "2 stenen, 0 komi", "F", 1, 2};
    EXPECT_EQ(MaakVastPaar(*s[0], *s[1]), verwacht);
    EXPECT_EQ(MaakVastPaar(*s[1], *s[0]), verwacht);
    // 245 and 249 are both whole class 24: the first stays Black.
    EXPECT_EQ(MaakVastPaar(*s[0], *s[2]),
              (CIndelingsRegel{"Arend", "Chris", "          5 komi", "F", 1, 3}));
}

} // namespace
