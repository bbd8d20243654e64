// The notations in which a member list gives a class.

#include "data/klassetekst.h"

#include <gtest/gtest.h>

namespace {

TEST(LeesKlasse, TiendenDecimaleKlassenEnGraden) {
    struct {
        const char* tekst;
        int32_t klasse; // 0: unreadable
    } gevallen[] = {
        {"125", 125},
        {" 125 ", 125},
        {"1", 1},
        {"12,5", 125},
        {"12.5", 125},
        {"12,0", 120},
        {"12,50", 125},
        {"9,5", 95},
        {"3 kyu", 250},
        {"3kyu", 250},
        {"3 KYU", 250},
        {"3k", 250},
        {"3 K", 250},
        {"1 kyu", 210},
        {"2d", 170},
        {"2 D", 170},
        {"1 dan", 190},
        {"1dan", 190},
        {"10 dan", 10},
        {"3 kyu, sterk", 240},
        {"3 kyu sterk", 240},
        {"3 kyu, zwak", 250},
        {"1 dan, sterk", 180},
        {"2 Dan, Zwak", 170},
        {"30 kyu", 790},
        // Refused: empty, no number, below 1, two decimals, unknown words.
        {"", 0},
        {"   ", 0},
        {"0", 0},
        {"0,0", 0},
        {"-5", 0},
        {"12,55", 0},
        {"12,", 0},
        {",5", 0},
        {"12 5", 0},
        {"abc", 0},
        {"3 kyuu", 0},
        {"3 dans", 0},
        {"3 kyu, heel sterk", 0},
        {"0 kyu", 0},
        {"11 dan", 0},
        {"10 dan, sterk", 0},
        {"99999999999", 0},
        {"3 kyu 2", 0},
    };
    for (const auto& g : gevallen) {
        std::optional<int32_t> klasse = LeesKlasse(g.tekst);
        if (g.klasse == 0) {
            EXPECT_FALSE(klasse.has_value()) << "'" << g.tekst << "' gave " << klasse.value_or(0);
        } else {
            EXPECT_EQ(g.klasse, klasse.value_or(0)) << "'" << g.tekst << "'";
        }
    }
}

TEST(LeesKlasse, EenGraadLeestTerugAlsDeTekstVanDeKlasse) {
    // Every whole class from 1.0 to 40.0: its grade text reads back as that class.
    for (int32_t klasse = 10; klasse <= 400; klasse += 10) {
        const std::string tekst = KlasseTekst(klasse);
        EXPECT_EQ(klasse, LeesKlasse(tekst).value_or(0)) << tekst;
        EXPECT_EQ(klasse, LeesKlasse(KlasseMetKomma(klasse)).value_or(0));
        EXPECT_EQ(klasse + 5, LeesKlasse(KlasseMetKomma(klasse + 5)).value_or(0));
    }
    // A grade without its strength lies in that grade.
    for (const char* graad : {"1 dan", "4 dan", "1 kyu", "7 kyu"}) {
        const std::string tekst = KlasseTekst(LeesKlasse(graad).value_or(0));
        EXPECT_EQ(0u, tekst.find(graad)) << graad << ": " << tekst;
    }
}

} // namespace
