// The texts of the published pairing and of the pairs that are always
// blocked, as their files beside the data file hold them: what is written
// reads back the same, and a line that cannot be read is named.

#include "pairing/blijvendeblokkades.h"
#include "pairing/indelingsbestand.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string Naam(std::mt19937& toeval) {
    static const std::string kTekens = "abcdefghij ABC\xE9\xEB'-.\\\t\"=";
    std::string naam;
    for (size_t i = 0, n = toeval() % 25; i < n; ++i) {
        naam += kTekens[toeval() % kTekens.size()];
    }
    return naam;
}

int32_t Nummer(std::mt19937& toeval) {
    return toeval() % 4 == 0 ? static_cast<int32_t>(toeval() % 2000000000u) + 1
                             : static_cast<int32_t>(toeval() % 200) + 1;
}

CIndeling WillekeurigeIndeling(std::mt19937& toeval) {
    CIndeling indeling;
    for (size_t i = 0, n = toeval() % 30; i < n; ++i) {
        const int32_t zwart = Nummer(toeval);
        const bool bye = toeval() % 8 == 0;
        const int32_t wit = bye ? 0 : zwart + 1 + static_cast<int32_t>(toeval() % 50);
        indeling.VoegToe(zwart, wit, Naam(toeval), bye ? "" : Naam(toeval),
                         bye ? "Uitgeloot" : Naam(toeval));
    }
    indeling.gepubliceerd = {{1 + static_cast<int>(toeval() % 28),
                              1 + static_cast<int>(toeval() % 12),
                              2000 + static_cast<int>(toeval() % 100)},
                             static_cast<int>(toeval() % 24),
                             static_cast<int>(toeval() % 60),
                             static_cast<int>(toeval() % 60)};
    indeling.overgenomen = static_cast<int32_t>(toeval() % 3 == 0 ? toeval() % 500 : 0);
    return indeling;
}

int Lees(const std::string& tekst, CIndeling& indeling, std::string& fout) {
    std::vector<CEigenRegel> regels;
    if (!SplitsEigenBestand(tekst, kIndelingsBestandKop, regels)) {
        fout = "vreemd";
        return -1;
    }
    return LeesIndelingsBestand(regels, indeling, fout);
}

int Lees(const std::string& tekst, CBlijvendeBlokkades& blokkades, std::string& fout) {
    std::vector<CEigenRegel> regels;
    if (!SplitsEigenBestand(tekst, kBlokkadeBestandKop, regels)) {
        fout = "vreemd";
        return -1;
    }
    return LeesBlokkadeBestand(regels, blokkades, fout);
}

TEST(IndelingsBestand, WhatIsWrittenReadsBackTheSame) {
    CIndeling indeling;
    indeling.VoegToe(3, 7, "Anna Aal", "Bert Bos", "2 stenen, 5 komi");
    indeling.VoegToe(12, 0, "Cees Claes", "", "Uitgeloot");
    indeling.gepubliceerd = {{3, 3, 2025}, 20, 15, 7};
    EXPECT_EQ("Morvel gepubliceerde indeling\r\n"
              "versie=1\r\n"
              "gepubliceerd=2025-03-03 20:15:07\r\n"
              "overgenomen=0\r\n"
              "paar=3\t7\tAnna Aal\tBert Bos\t2 stenen, 5 komi\r\n"
              "paar=12\t0\tCees Claes\t\tUitgeloot\r\n",
              IndelingsBestandTekst(indeling));

    std::mt19937 toeval(26);
    for (int geval = 0; geval < 3000; ++geval) {
        const CIndeling gemaakt = WillekeurigeIndeling(toeval);
        const std::string tekst = IndelingsBestandTekst(gemaakt);
        CIndeling gelezen;
        std::string fout;
        ASSERT_EQ(0, Lees(tekst, gelezen, fout)) << geval << ": " << fout << "\n" << tekst;
        EXPECT_EQ(gemaakt, gelezen) << geval;
        EXPECT_EQ(tekst, IndelingsBestandTekst(gelezen)) << geval;
    }
}

TEST(IndelingsBestand, AFaultyLineIsNamedAndNothingIsRead) {
    const std::string kop = "Morvel gepubliceerde indeling\n";
    const std::string goed = "versie=1\ngepubliceerd=2025-03-03 20:15:07\n";
    const std::pair<std::string, std::string> gevallen[] = {
        {kop + goed + "paar=3\t7\tA\tB\n", "regel 4: een paar heeft vijf velden"},
        {kop + goed + "paar=3\t3\tA\tA\tx\n", "regel 4: de spelersnummers"},
        {kop + goed + "paar=0\t3\tA\tB\tx\n", "regel 4: de spelersnummers"},
        {kop + goed + "paar=3\t-1\tA\tB\tx\n", "regel 4: de spelersnummers"},
        {kop + goed + "paar=3\t99999999999\tA\tB\tx\n", "regel 4: de spelersnummers"},
        {kop + goed + "overgenomen=-1\n", "regel 4: het rondenummer"},
        {kop + goed + "overgenomen=1\novergenomen=2\n", "regel 5: onbekende of dubbele regel"},
        {kop + goed + "kleur=zwart\n", "regel 4: onbekende of dubbele regel"},
        {kop + goed + "3 7 Anna Bert\n", "regel 4: onbekende of dubbele regel"},
        {kop + "versie=2\ngepubliceerd=2025-03-03 20:15:07\n",
         "regel 2: gemaakt door een nieuwere versie van Morvel (versie 2)"},
        {kop + "versie=een\n", "regel 2: de versie is geen getal"},
        {kop + "versie=1\ngepubliceerd=3-3-2025\n", "regel 3: het tijdstip van publiceren"},
        {kop + "gepubliceerd=2025-03-03 20:15:07\n", "de regel versie= ontbreekt"},
        {kop + "versie=1\n", "de regel gepubliceerd= ontbreekt"},
    };
    for (const auto& [tekst, begin] : gevallen) {
        CIndeling indeling;
        indeling.VoegToe(1, 2, "oud", "oud", "oud");
        std::string fout;
        EXPECT_EQ(-1, Lees(tekst, indeling, fout)) << tekst;
        EXPECT_EQ(0, fout.compare(0, begin.size(), begin)) << fout;
        EXPECT_TRUE(indeling.Leeg()) << tekst;
    }
    // LF alone, blank lines and any order of the lines read as well.
    CIndeling indeling;
    std::string fout;
    ASSERT_EQ(0, Lees(kop + "paar=1\t2\tA\tB\tx\n\novergenomen=4\n" + goed, indeling, fout))
        << fout;
    EXPECT_EQ(1, indeling.Aantal());
    EXPECT_EQ(4, indeling.overgenomen);
}

// Lines made of the pieces of real lines, shuffled and damaged: every text is
// read or refused with a reason, and what is read writes back to a text that
// reads the same.
TEST(IndelingsBestand, AnyTextIsReadOrRefusedAndWhatIsReadComesBack) {
    static const std::string kStukken[] = {"versie=",
                                           "1",
                                           "2",
                                           "gepubliceerd=",
                                           "2025-03-03 20:15:07",
                                           "2025-02-30 20:15:07",
                                           "overgenomen=",
                                           "paar=",
                                           "paar=3\t7\tA\tB\tC",
                                           "\t",
                                           "\\",
                                           "\\t",
                                           "0",
                                           "-1",
                                           "99999999999",
                                           "=",
                                           "\r",
                                           "\n",
                                           "\r\n",
                                           "Anna",
                                           "\xE9",
                                           std::string(1, '\0')};
    std::mt19937 toeval(28);
    int gelezen = 0;
    for (int geval = 0; geval < 20000; ++geval) {
        std::string tekst = toeval() % 8 == 0 ? "" : std::string(kIndelingsBestandKop) + "\r\n";
        for (size_t i = 0, n = toeval() % 14; i < n; ++i) {
            tekst += toeval() % 3 == 0 ? "\n" : kStukken[toeval() % std::size(kStukken)];
        }
        if (toeval() % 2 == 0) {
            tekst += "\nversie=1\ngepubliceerd=2025-03-03 20:15:07\n";
        }
        CIndeling indeling;
        std::string fout;
        if (Lees(tekst, indeling, fout) != 0) {
            EXPECT_FALSE(fout.empty()) << geval;
            EXPECT_TRUE(indeling.Leeg()) << geval;
            continue;
        }
        ++gelezen;
        CIndeling terug;
        ASSERT_EQ(0, Lees(IndelingsBestandTekst(indeling), terug, fout)) << geval << ": " << fout;
        EXPECT_EQ(indeling, terug) << geval;
    }
    EXPECT_GT(gelezen, 100); // the generator does reach files that read
}

TEST(BlokkadeBestand, WhatIsWrittenReadsBackTheSameAndAPairIsKeptOnce) {
    CBlijvendeBlokkades blokkades;
    EXPECT_TRUE(blokkades.VoegToe({3, 7, "Anna Aal", "Bert Bos"}));
    EXPECT_FALSE(blokkades.VoegToe({7, 3, "Bert Bos", "Anna Aal"})); // the same pair
    EXPECT_FALSE(blokkades.VoegToe({5, 5, "Cees", "Cees"}));
    EXPECT_NE(nullptr, blokkades.Zoek(7, 3));
    EXPECT_EQ("Morvel altijd geblokkeerde paren\r\nversie=1\r\npaar=3\t7\tAnna Aal\tBert Bos\r\n",
              BlokkadeBestandTekst(blokkades));

    std::mt19937 toeval(27);
    for (int geval = 0; geval < 3000; ++geval) {
        CBlijvendeBlokkades gemaakt;
        for (size_t i = 0, n = toeval() % 20; i < n; ++i) {
            const int32_t een = Nummer(toeval);
            gemaakt.VoegToe(
                {een, een + 1 + static_cast<int32_t>(toeval() % 9), Naam(toeval), Naam(toeval)});
        }
        const std::string tekst = BlokkadeBestandTekst(gemaakt);
        CBlijvendeBlokkades gelezen;
        std::string fout;
        ASSERT_EQ(0, Lees(tekst, gelezen, fout)) << geval << ": " << fout;
        EXPECT_EQ(gemaakt, gelezen) << geval;
        EXPECT_EQ(tekst, BlokkadeBestandTekst(gelezen)) << geval;
    }

    // A pair written twice by hand is read once; a faulty line reads nothing.
    const std::string kop = "Morvel altijd geblokkeerde paren\nversie=1\n";
    std::string fout;
    ASSERT_EQ(0, Lees(kop + "paar=1\t2\tA\tB\npaar=2\t1\tB\tA\n", blokkades, fout));
    EXPECT_EQ(1u, blokkades.Lijst().size());
    for (const char* regel : {"paar=1\t1\tA\tA\n", "paar=1\t2\tA\n", "paar=x\t2\tA\tB\n",
                              "versie=1\n", "blok=1\t2\tA\tB\n"}) {
        EXPECT_EQ(-1, Lees(kop + "paar=4\t5\tD\tE\n" + regel, blokkades, fout)) << regel;
        EXPECT_EQ(0, fout.compare(0, 8, "regel 4:")) << fout;
        EXPECT_TRUE(blokkades.Leeg());
    }
    EXPECT_EQ(-1, Lees("Morvel altijd geblokkeerde paren\n", blokkades, fout));
    EXPECT_EQ("de regel versie= ontbreekt", fout);
}

} // namespace
