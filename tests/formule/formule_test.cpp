#include "formule/formule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CVariabelen {
    int32_t w = 0, v = 0, j = 0, p = 0, r = 0, k = 0;
};

struct CWaardeGeval {
    const char* formule;
    int32_t verwacht;
    CVariabelen var = {};
};

struct CFoutGeval {
    const char* formule;
    const char* melding;
    int32_t positie;
    CVariabelen var = {};
};

const char* const kOngeldig = "Ongeldige funktie of teken op deze plaats.";
const char* const kNietCompleet = "Formule is niet compleet.";
const char* const kOverflow = "Overflow.";
const char* const kDeling = "Deling door nul.";
const char* const kSluithaakje = "Sluithaakje ')' mist.";
const char* const kHaakjeOpen = "Funktie mist '('.";
const char* const kKomma = "komma (argumentscheidingsteken) ',' mist.";
const char* const kSqrt = "Argument van Sqrt() is negatief.";
const char* const kNegatief = "Negatieve factor.";

void ControleerWaarden(const std::vector<CWaardeGeval>& gevallen) {
    for (const CWaardeGeval& g : gevallen) {
        CFormule formule(g.formule);
        int32_t resultaat = -999;
        const CVariabelen& x = g.var;
        EXPECT_EQ(formule.Bereken(x.w, x.v, x.j, x.p, x.r, x.k, resultaat), 0)
            << "'" << g.formule << "': " << formule.FoutTekst() << " op " << formule.FoutPositie();
        EXPECT_EQ(resultaat, g.verwacht) << "'" << g.formule << "'";
    }
}

void ControleerFouten(const std::vector<CFoutGeval>& gevallen) {
    for (const CFoutGeval& g : gevallen) {
        CFormule formule(g.formule);
        int32_t resultaat = 0;
        const CVariabelen& x = g.var;
        EXPECT_EQ(formule.Bereken(x.w, x.v, x.j, x.p, x.r, x.k, resultaat), -1)
            << "'" << g.formule << "' gaf " << resultaat;
        EXPECT_STREQ(formule.FoutTekst(), g.melding) << "'" << g.formule << "'";
        EXPECT_EQ(formule.FoutPositie(), g.positie) << "'" << g.formule << "'";
    }
}

TEST(Formule, OperatorenEnRangorde) {
    ControleerWaarden({
        {"2 + 3", 5},
        {"2 - 3", -1},
        {"6 * 7", 42},
        {"7 / 2", 3},
        {"- 7 / 2", -3},
        {"7 / - 2", -3},
        {"7 % 2", 1},
        {"- 7 % 2", -1},
        {"7 % - 2", 1},
        {"-7 % -2", -1},
        {"5 % -1", 0},
        {"2 ^ 10", 1024},
        {"2 * 3 ^ 2", 36},
        {"2 ^ 3 ^ 2", 64},
        {"2 ^ 3 * 2", 16},
        {"- 2 ^ 2", 4},
        {"3 - - 2", 5},
        {"10 - 2 - 3", 5},
        {"7 / 2 * 2", 6},
        {"100 / 10 / 5", 2},
        {"17 % 10 % 4", 3},
        {"2 + 3 * 4", 14},
        {"(2 + 3) * 4", 20},
        {"1 + 2 = 3", 1},
        {"1 < 2 < 3", 1},
        {"3 > 2 > 1", 0},
        {"2 = 2 = 1", 1},
        {"-(2 + 3)", -5},
        {"-V", -4, {.v = 4}},
        {"007", 7},
        {"2147483647", 2147483647},
        {"((((1))))", 1},
        {"\t 1 \t+\t2 \t", 3},
    });
}

TEST(Formule, Vergelijkingen) {
    ControleerWaarden({
        {"3 = 3", 1},
        {"3 = 4", 0},
        {"3 <> 4", 1},
        {"3 <> 3", 0},
        {"3 != 4", 1},
        {"3 != 3", 0},
        {"3 < 4", 1},
        {"4 < 4", 0},
        {"4 > 3", 1},
        {"4 > 4", 0},
        {"3 <= 3", 1},
        {"4 <= 3", 0},
        {"3 =< 3", 1},
        {"4 =< 3", 0},
        {"3 >= 3", 1},
        {"3 >= 4", 0},
        {"3 => 3", 1},
        {"3 => 4", 0},
        {"V <> 0", 1, {.v = 3}},
        {"V != 0", 1, {.v = 3}},
        {"-1 < 0", 1},
    });
}

TEST(Formule, Functies) {
    ControleerWaarden({
        {"sqrt(0)", 0},
        {"sqrt(8)", 2},
        {"sqrt(9)", 3},
        {"sqrt(V)", 3, {.v = 15}},
        {"sqrt(2147483647)", 46340},
        {"abs(-5)", 5},
        {"abs(5)", 5},
        {"-abs(-3)", -3},
        {"abs(2147483647)", 2147483647},
        {"sign(-7)", -1},
        {"sign(0)", 0},
        {"sign(9)", 1},
        {"als(0, 1, 2)", 2},
        {"als(-1, 1, 2)", 1},
        {"als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", 6, {.v = 0}},
        {"als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", 0, {.v = 1}},
        {"als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", 0, {.v = 17}},
        {"als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))", -5, {.v = 18}},
        {"max(3)", 3},
        {"max(1, 5, 2)", 5},
        {"max(-4, -9)", -4},
        {"min(4, -2, 7)", -2},
        {"min(7)", 7},
        {"min((V + 2) / 2, 9)", 1, {.v = 0}},
        {"min((V + 2) / 2, 9)", 4, {.v = 7}},
        {"min((V + 2) / 2, 9)", 9, {.v = 30}},
        {"max(1 < 2, 0)", 1},
        {"abs (V)", 2, {.v = -2}},
        {"sign(abs(V))", 1, {.v = -2}},
    });
}

TEST(Formule, VariabelenEnHoofdletters) {
    CVariabelen alle{.w = 1, .v = 2, .j = 3, .p = 4, .r = 5, .k = 6};
    ControleerWaarden({
        {"W*100000 + V*10000 + J*1000 + P*100 + R*10 + K", 123456, alle},
        {"w*100000 + v*10000 + j*1000 + p*100 + r*10 + k", 123456, alle},
        {"v + w", 7, {.w = 4, .v = 3}},
        {"SQRT(9)", 3},
        {"Abs(-2)", 2},
        {"ABS (V)", 5, {.v = -5}},
        {"SiGn(-3)", -1},
        {"ALS(1, 2, 3)", 2},
        {"MaX(1, 2)", 2},
        {"MIN(1, 2)", 1},
    });
}

TEST(Formule, Regelovergangen) {
    ControleerWaarden({
        {"\n\r\n1", 1},
        {"1 +\n2", 3},
        {"1 <\r\n2", 1},
        {"-\n2", -2},
        {"abs\n(-3)", 3},
        {"max(1\n,\n2\n)", 2},
        {"als(1\n, 2\n, 3\n)", 2},
        {"(1\n)", 1},
        {"1\n", 1},
        {"1 \r\n \t", 1},
    });
    ControleerFouten({
        {"1\n+ 2", kOngeldig, 2},
        {"1 \r\n* 2", kOngeldig, 4},
        {"1\n< 2", kOngeldig, 2},
        {"(1\n+ 2)", kSluithaakje, 3},
        {"max(1\n+ 2)", kSluithaakje, 6},
    });
}

TEST(Formule, Meldingen) {
    ControleerFouten({
        // Operand expected, text ended.
        {"", kNietCompleet, 0},
        {"   ", kNietCompleet, 3},
        {"\n", kNietCompleet, 1},
        {"3 +", kNietCompleet, 3},
        {"-", kNietCompleet, 1},
        {"(", kNietCompleet, 1},
        {"max(1,", kNietCompleet, 6},
        {"als(1,", kNietCompleet, 6},
        // Operand expected, something else there; or text left over.
        {"max()", kOngeldig, 4},
        {"V 2", kOngeldig, 2},
        {"- - 2", kOngeldig, 2},
        {"+1", kOngeldig, 0},
        {"2.5", kOngeldig, 1},
        {"WV", kOngeldig, 1},
        {"V == 1", kOngeldig, 3},
        {"V !", kOngeldig, 2},
        {"V ! 1", kOngeldig, 2},
        {"max(,1)", kOngeldig, 4},
        {"x", kOngeldig, 0},
        {"1)", kOngeldig, 1},
        // Brackets and commas.
        {"(1", kSluithaakje, 2},
        {"(1 2)", kSluithaakje, 3},
        {"min(V 2)", kSluithaakje, 6},
        {"sqrt(1, 2)", kSluithaakje, 6},
        {"abs(1", kSluithaakje, 5},
        {"als(1, 2, 3, 4)", kSluithaakje, 11},
        {"abs V", kHaakjeOpen, 4},
        {"sqrt", kHaakjeOpen, 4},
        {"absolute(V)", kHaakjeOpen, 3},
        {"maxi(1)", kHaakjeOpen, 3},
        {"als(V, 1)", kKomma, 8},
        {"als(1 2, 3)", kKomma, 6},
        {"als(1, 2 3)", kKomma, 9},
        // Arithmetic.
        {"sqrt(V)", kSqrt, 6, {.v = -1}},
        {"sqrt(V \t)", kSqrt, 8, {.v = -1}},
        {"10 / W", kDeling, 6},
        {"10 / W + 1", kDeling, 6},
        {"7 % 0", kDeling, 5},
        {"als(W, 10 / W, 0)", kDeling, 13},
        {"als(1, 0, 1 / 0)", kDeling, 15},
        {"2 ^ -1", kNegatief, 6},
        {"2 ^ (0 - 3) + 1", kNegatief, 11},
    });
}

TEST(Formule, Overloopgrenzen) {
    ControleerWaarden({
        {"- 2147483647 - 1", -2147483647 - 1},
        {"-2 ^ 31", -2147483647 - 1},
        {"2 ^ 30 - 1 + 2 ^ 30", 2147483647},
        {"46340 * 46340", 2147395600},
        {"(-2147483647 - 1) % -1", 0},
        {"(-2147483647 - 1) / 1", -2147483647 - 1},
        {"0 ^ 0", 1},
        {"V ^ 0", 1, {.v = -9}},
        {"5 ^ 1", 5},
        {"0 ^ 5", 0},
        {"(-3) ^ 3", -27},
        {"1 ^ 2147483647", 1},
        {"(-1) ^ 2147483647", -1},
        {"(-1) ^ 2147483646", 1},
    });
    ControleerFouten({
        {"2147483648", kOverflow, 9},
        {"-2147483648", kOverflow, 10},
        {"99999999999", kOverflow, 9},
        {"2147483647 + 1", kOverflow, 14},
        {"2147483647 + 1  ", kOverflow, 16},
        {"-2147483647 - 2 ", kOverflow, 16},
        {"65536 * 32768", kOverflow, 13},
        {"65536 * 32768 ", kOverflow, 13},
        {"2 ^ 31", kOverflow, 6},
        {"(-2) ^ 33", kOverflow, 9},
        {"-(-2147483647 - 1)", kOverflow, 18},
        {"abs(-2147483647 - 1)", kOverflow, 19},
        {"(-2147483647 - 1) / -1", kOverflow, 22},
        {"-W", kOverflow, 2, {.w = -2147483647 - 1}},
    });
}

TEST(Formule, DiepGenesteHaakjesZonderVastlopen) {
    std::string diep = std::string(150, '(') + "1" + std::string(150, ')');
    ControleerWaarden({{diep.c_str(), 1}});
    std::string teDiep = std::string(100000, '(') + "1" + std::string(100000, ')');
    std::string aanroepen;
    for (int i = 0; i < 100000; ++i) {
        aanroepen += "abs(";
    }
    ControleerFouten({{teDiep.c_str(), kOverflow, 200}, {aanroepen.c_str(), kOverflow, 800}});
}

TEST(Formule, FoutToestandPerBerekening) {
    CFormule formule("10 / W");
    EXPECT_STREQ(formule.FoutTekst(), "");
    EXPECT_EQ(formule.FoutPositie(), 0);
    int32_t resultaat = 0;
    EXPECT_EQ(formule.Bereken(0, 0, 0, 0, 0, 0, resultaat), -1);
    EXPECT_STREQ(formule.FoutTekst(), kDeling);
    EXPECT_EQ(formule.Bereken(5, 0, 0, 0, 0, 0, resultaat), 0);
    EXPECT_EQ(resultaat, 2);
    EXPECT_STREQ(formule.FoutTekst(), "");
    EXPECT_EQ(formule.FoutPositie(), 0);
}

TEST(Formule, AlleenVGegeven) {
    CFormule formule("V * 10 + W + J + P + R + K");
    int32_t resultaat = 0;
    ASSERT_EQ(formule.Bereken(7, resultaat), 0);
    EXPECT_EQ(resultaat, 70);
    CFormule fout("3 / V");
    EXPECT_EQ(fout.Bereken(0, resultaat), -1);
    EXPECT_STREQ(fout.FoutTekst(), kDeling);
    EXPECT_EQ(fout.FoutPositie(), 5);
}

} // namespace
