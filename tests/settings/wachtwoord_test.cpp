#include "settings/wachtwoord.h"

#include <gtest/gtest.h>

namespace {

bool AllesAfdrukbaar(const std::string& tekst) {
    for (char c : tekst) {
        if (c < ' ' || c > '_') {
            return false;
        }
    }
    return true;
}

TEST(Wachtwoord, ScrambledTextReadsBack) {
    const std::string gevallen[] = {
        "a",
        "geheim",
        "p\xe9t\xe9r \"met\" spaties ",
        std::string(55, 'x'),
        std::string(56, 'y'),
        std::string(57, 'z'),
        "een wachtwoord van meer dan zesenvijftig tekens, zoals een wachtwoordkluis ze maakt",
        std::string(kMaxWachtwoordLengte, 'q'),
    };
    for (const std::string& wachtwoord : gevallen) {
        for (uint32_t zaad : {0u, 1u, 4711u, 32767u}) {
            std::string tekst = VersleutelWachtwoord(wachtwoord, zaad);
            EXPECT_TRUE(AllesAfdrukbaar(tekst)) << tekst;
            EXPECT_EQ(tekst.size() % 4, 0u);
            if (wachtwoord.size() <= 56) {
                EXPECT_EQ(tekst.size(), 80u); // the stored form every profile knows
            }
            EXPECT_EQ(tekst.find(wachtwoord), std::string::npos);
            std::string terug;
            ASSERT_TRUE(OntsleutelWachtwoord(tekst, terug)) << wachtwoord;
            EXPECT_EQ(terug, wachtwoord);
        }
    }
}

TEST(Wachtwoord, TooLongKeepsItsStartAndFitsATextSetting) {
    std::string lang(kMaxWachtwoordLengte + 20, 'w');
    std::string tekst = VersleutelWachtwoord(lang, 3);
    EXPECT_LE(tekst.size(), 259u);
    std::string terug;
    ASSERT_TRUE(OntsleutelWachtwoord(tekst, terug));
    EXPECT_EQ(terug, lang.substr(0, kMaxWachtwoordLengte));
}

TEST(Wachtwoord, SeedChangesTheText) {
    EXPECT_NE(VersleutelWachtwoord("geheim", 1), VersleutelWachtwoord("geheim", 2));
    uint32_t eerste = NieuwWachtwoordZaad();
    for (int i = 0; i < 100; ++i) {
        uint32_t volgende = NieuwWachtwoordZaad();
        ASSERT_LT(volgende, 32768u);
        ASSERT_NE(volgende, eerste);
        eerste = volgende;
    }
}

TEST(Wachtwoord, OtherTextsAreNotScrambledValues) {
    std::string goed = VersleutelWachtwoord("geheim", 12);
    std::string terug = "onveranderd";
    for (const std::string& tekst :
         {std::string("geheim"), std::string(80, 'A'), goed.substr(0, 76), goed + "ab",
          goed.substr(1) + "a", goed.substr(0, 79) + "~"}) {
        EXPECT_FALSE(OntsleutelWachtwoord(tekst, terug)) << tekst;
    }
    EXPECT_EQ(terug, "onveranderd");
}

} // namespace
