// Reading a member list from a spreadsheet: the columns found from a header
// or from the contents, every class notation, the rows that are skipped, and
// the members added through the register.

#include "app/ledenimport.h"
#include "base/codering.h"
#include "base/platform.h"
#include "data/klassetekst.h"
#include "melding_recorder.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A row as the test expects it: name, class, the three flags, outcome.
struct CRij {
    std::string naam;
    int32_t klasse;
    std::string vlaggen; // "JJN"
    EImportUitkomst uitkomst = EImportUitkomst::Nieuw;
    bool operator==(const CRij&) const = default;
};

std::ostream& operator<<(std::ostream& uit, const CRij& r) {
    return uit << "{" << r.naam << ", " << r.klasse << ", " << r.vlaggen << ", "
               << static_cast<int>(r.uitkomst) << "}";
}

std::vector<CRij> Rijen(const CLedenImport& import) {
    std::vector<CRij> rijen;
    for (const CImportRij& r : import.rijen) {
        std::string vlaggen;
        for (int32_t v : {r.aktief, r.standaardIndelen, r.uitlotenToegestaan}) {
            vlaggen += v ? 'J' : 'N';
        }
        rijen.push_back({r.naam, r.klasse, vlaggen, r.uitkomst});
    }
    return rijen;
}

class LedenImport : public ::testing::Test {
protected:
    int Bekijk(const std::string& inhoud) {
        return BekijkLedenlijst(inhoud, "leden.csv", c.spelers, import);
    }

    CMeldingRecorder meldingen;
    CTestCompetitie c;
    CLedenImport import;
};

TEST_F(LedenImport, KolommenUitDeKopregelOfUitDeInhoud) {
    const std::string utf16 = [] {
        std::string s = "\xFF\xFE";
        for (char ch : std::string("Naam\tKlasse\r\nJan\t3 kyu\r\n")) {
            s += ch;
            s += '\0';
        }
        return s;
    }();
    struct {
        const char* wat;
        std::string inhoud;
        bool kopregel;
        char scheiding;
        std::vector<CRij> rijen;
    } gevallen[] = {
        {"the program's own heads with J/N",
         "Naam;Klasse;Aktief;Standaard indelen;Uitloten toegestaan\r\nJan de Vries;125;J;N;J\r\n"
         "Els Bos;95;N;J;N\r\n",
         true,
         ';',
         {{"Jan de Vries", 125, "JNJ"}, {"Els Bos", 95, "NJN"}}},
        {"English heads, commas and quoted decimals",
         "Name,Class,Active\n\"Jan de Vries\",\"12,5\",yes\nEls Bos,9.5,no\n",
         true,
         ',',
         {{"Jan de Vries", 125, "JJJ"}, {"Els Bos", 95, "NJJ"}}},
        {"other columns left alone, heads in any case",
         "Nr;NAAM;Geboortedatum;Begin klasse:;Opmerking\n7;Jan;1-2-1990;3 kyu;ja\n",
         true,
         ';',
         {{"Jan", 250, "JJJ"}}},
        {"a name in parts",
         "Voornaam;Tussenvoegsel;Achternaam;Sterkte\nJan;de;Vries;2d\nEls;;Bos;1 dan\n",
         true,
         ';',
         {{"Jan de Vries", 170, "JJJ"}, {"Els Bos", 190, "JJJ"}}},
        {"unknown heads: the first row is no class",
         "Wie;Hoe sterk\nJan;125\nEls;9,5\n",
         true,
         ';',
         {{"Jan", 125, "JJJ"}, {"Els", 95, "JJJ"}}},
        {"no header: name, class and the flags after it",
         "Jan de Vries;125;1;0;1\nEls Bos;9,5;0;1;0\n",
         false,
         ';',
         {{"Jan de Vries", 125, "JNJ"}, {"Els Bos", 95, "NJN"}}},
        {"no header: a number column before the name",
         "1;Jan;125\n2;Els;95\n",
         false,
         ';',
         {{"Jan", 125, "JJJ"}, {"Els", 95, "JJJ"}}},
        {"no header: the class before the name",
         "3 kyu;Jan\n1 dan;Els\n",
         false,
         ';',
         {{"Jan", 250, "JJJ"}, {"Els", 190, "JJJ"}}},
        {"flags as ja/nee, an empty flag is checked",
         "Naam;Klasse;Aktief;Indelen;Uitloten\nJan;125;nee;;JA\n",
         true,
         ';',
         {{"Jan", 125, "NJJ"}}},
        {"UTF-16 with tabs", utf16, true, '\t', {{"Jan", 250, "JJJ"}}},
        {"a control character, which the data file cannot hold, is a blank",
         "Naam;Klasse\nJan\x01"
         "de\x7F"
         "Vries;125\n",
         true,
         ';',
         {{"Jan de Vries", 125, "JJJ"}}},
        {"a header naming a column that no row reaches",
         "Opmerking;Tel;Naam\n125;\n3 kyu\n",
         true,
         ';',
         {{"", 0, "JJJ", EImportUitkomst::NaamOntbreekt},
          {"", 0, "JJJ", EImportUitkomst::NaamOntbreekt}}},
        {"a character the data file cannot hold shows as it will be stored",
         "Naam;Klasse\n\x93Jos\xE9\x94 \x80;125\n",
         true,
         ';',
         {{"?Jos\xE9? ?", 125, "JJJ"}}},
    };
    for (const auto& g : gevallen) {
        ASSERT_EQ(0, Bekijk(g.inhoud)) << g.wat;
        EXPECT_EQ(g.kopregel, import.kopregel) << g.wat;
        EXPECT_EQ(g.scheiding, import.scheiding) << g.wat;
        EXPECT_EQ(g.rijen, Rijen(import)) << g.wat;
    }
    EXPECT_TRUE(meldingen.meldingen.empty());
}

TEST_F(LedenImport, ElkeKlasseNotatie) {
    ASSERT_EQ(0, Bekijk("Naam;Klasse\nA;125\nB;12,5\nC;12.5\nD;3 kyu\nE;2d\nF;1 dan\n"
                        "G;3 kyu, sterk\nH;\"12,50\"\nI;15\n"));
    std::vector<int32_t> klassen;
    for (const CImportRij& r : import.rijen) {
        klassen.push_back(r.klasse);
        EXPECT_TRUE(r.Nieuw()) << r.naam;
    }
    EXPECT_EQ((std::vector<int32_t>{125, 125, 125, 250, 170, 190, 240, 125, 15}), klassen);
    // Commas as separator with the decimal comma quoted.
    ASSERT_EQ(0, Bekijk("Naam,Klasse\nA,\"12,5\"\nB,125\n"));
    EXPECT_EQ(125, import.rijen[0].klasse);
    EXPECT_EQ(125, import.rijen[1].klasse);
}

TEST_F(LedenImport, WeigeringenEnDubbelen) {
    c.Speler(1, "Jan de Vries", 150);
    c.Speler(7, "Piet", 200);
    ASSERT_EQ(0, Bekijk("Naam;Klasse;Aktief\n"
                        "JAN  DE VRIES;125;J\n" // in the register, ignoring case and spaces
                        ";125;J\n"              // no name
                        "\"Els \"\"Elsje\"\" Bos\";125;J\n" // a name the data file cannot hold
                        "Kees;sterk;J\n"                    // no class
                        "Kees;0;J\n"                        // a class below 1
                        "Kees;125;x\n"                      // a flag that is no J/N
                        "Kees;135;N\n"                      // new: the rows before were skipped
                        "kees;145;J\n"                      // twice in the file
                        "Lot;95;\n"));
    EXPECT_EQ((std::vector<CRij>{
                  {"JAN DE VRIES", 125, "JJJ", EImportUitkomst::BestaatAl},
                  {"", 0, "JJJ", EImportUitkomst::NaamOntbreekt},
                  {"Els \"Elsje\" Bos", 0, "JJJ", EImportUitkomst::NaamOngeldig},
                  {"Kees", 0, "JJJ", EImportUitkomst::KlasseOnleesbaar},
                  {"Kees", 0, "JJJ", EImportUitkomst::KlasseOnleesbaar},
                  {"Kees", 125, "JJJ", EImportUitkomst::VlagOnleesbaar},
                  {"Kees", 135, "NJJ", EImportUitkomst::Nieuw},
                  {"kees", 145, "JJJ", EImportUitkomst::DubbelInBestand},
                  {"Lot", 95, "JJJ", EImportUitkomst::Nieuw},
              }),
              Rijen(import));
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}), [&] {
        std::vector<int> regels;
        for (const CImportRij& r : import.rijen) {
            regels.push_back(r.regel);
        }
        return regels;
    }());
    EXPECT_EQ(2u, import.AantalNieuw());
    // The new rows get the numbers after the highest in use, as the members window gives them.
    EXPECT_EQ(8, import.rijen[6].volgnummer);
    EXPECT_EQ(9, import.rijen[8].volgnummer);
    EXPECT_EQ((std::vector<std::string>{
                  "2\tJAN DE VRIES\t125 = 125 (4 dan, sterk)\tJ J J\tbestaat al: overgeslagen",
                  "3\t\t125\t\tnaam ontbreekt: overgeslagen",
                  "4\tEls \"Elsje\" Bos\t125\t\tnaam ongeldig: overgeslagen",
                  "5\tKees\tsterk\t\tklasse onleesbaar: overgeslagen",
                  "6\tKees\t0\t\tklasse onleesbaar: overgeslagen",
                  "7\tKees\t125 = 125 (4 dan, sterk)\t\tvlag onleesbaar: overgeslagen",
                  "8\tKees\t135 = 135 (4 dan, zwak)\tN J J\tnieuw, nummer 8",
                  "9\tkees\t145 = 145 (3 dan, sterk)\tJ J J\tdubbel in het bestand: overgeslagen",
                  "10\tLot\t95 = 95 (6 dan, zwak)\tJ J J\tnieuw, nummer 9",
              }),
              ImportRijen(import));

    CImportTelling telling = VoegLedenToe(import, c.spelers);
    EXPECT_EQ(2, telling.toegevoegd);
    EXPECT_EQ(7, telling.overgeslagen);
    EXPECT_EQ("2 leden toegevoegd, 7 overgeslagen.", ImportSlotTekst(telling));
    const CSpeler* kees = c.spelers.Zoek(8);
    ASSERT_NE(nullptr, kees);
    EXPECT_EQ("Kees", kees->naam);
    EXPECT_EQ(135, kees->beginKlasse);
    EXPECT_EQ(135, kees->klasse);
    EXPECT_EQ(0, kees->aktief);
    EXPECT_EQ(1, kees->standaardIndelen);
    ASSERT_NE(nullptr, c.spelers.Zoek(9));
    EXPECT_EQ("Lot", c.spelers.Zoek(9)->naam);
    EXPECT_EQ(4u, c.spelers.Aantal());
    EXPECT_TRUE(c.spelers.IsGewijzigd());
    EXPECT_TRUE(meldingen.meldingen.empty());

    // A second import of the same list adds nothing.
    ASSERT_EQ(0, Bekijk("Naam;Klasse\nkees;135\nLot;95\n"));
    EXPECT_EQ(0u, import.AantalNieuw());
    EXPECT_EQ("0 leden toegevoegd, 2 overgeslagen.",
              ImportSlotTekst(VoegLedenToe(import, c.spelers)));
    EXPECT_EQ("1 lid toegevoegd.", ImportSlotTekst({1, 0}));
}

TEST_F(LedenImport, EenRijDieHetRegisterWeigertToontZijnMelding) {
    ASSERT_EQ(0, Bekijk("Naam;Klasse\nJan;125\nEls;95\n"));
    c.Speler(3, "Jan", 150); // added behind the preview's back
    meldingen.Verwacht("Deze naam is al in gebruik");
    CImportTelling telling = VoegLedenToe(import, c.spelers);
    EXPECT_EQ(1, telling.toegevoegd);
    EXPECT_EQ(1, telling.overgeslagen);
    EXPECT_EQ("Els", c.spelers.Zoek(4)->naam);
}

TEST_F(LedenImport, BestandenZonderLeden) {
    struct {
        const char* wat;
        std::string inhoud;
        std::string melding;
    } gevallen[] = {
        {"empty", "", "Het bestand 'leden.csv' bevat geen leden."},
        {"blank lines", "\r\n;;\r\n  \r\n", "Het bestand 'leden.csv' bevat geen leden."},
        {"only a header", "Naam;Klasse\r\n", "Het bestand 'leden.csv' bevat geen leden."},
        {"no text", std::string("PK\x03\x04\0\0\0", 7),
         "Het bestand 'leden.csv' is geen ledenlijst: het bevat geen tekst."},
        {"no classes", "Naam;Woonplaats\nJan;Delft\n",
         "In het bestand 'leden.csv' is geen kolom met klassen gevonden.\nGeef de klasse in "
         "tienden (125), als klasse (12,5) of als graad (3 kyu, 2 dan)."},
        {"no names", "125;J\n95;N\n",
         "In het bestand 'leden.csv' is geen kolom met namen gevonden."},
    };
    for (const auto& g : gevallen) {
        meldingen.Verwacht(g.melding);
        EXPECT_EQ(-1, Bekijk(g.inhoud)) << g.wat;
        EXPECT_TRUE(import.rijen.empty()) << g.wat;
    }
}

TEST_F(LedenImport, AlleenEenGewoonBestandWordtGelezen) {
    CTijdelijkeMap map;
    const std::string pad = map.Bestand("leden.csv");
    SchrijfAlles(pad, "\xEF\xBB\xBFNaam;Klasse\r\nRen\xC3\xA9"
                      "e;125\r\n");
    ASSERT_EQ(0, LeesLedenlijst(pad, c.spelers, import));
    EXPECT_EQ("Ren\xE9"
              "e",
              import.rijen[0].naam);
    EXPECT_EQ("Scheidingsteken puntkomma, tekenset UTF-8 met BOM, met kopregel; kolommen: naam "
              "1, klasse 2.",
              import.Samenvatting());

    // Only a regular file of a sane size is opened: a pipe would make the program wait.
    ASSERT_EQ(0, ::mkfifo(map.Bestand("pijp.csv").c_str(), 0600));
    std::filesystem::create_directory(map.Bestand("map.csv"));
    { std::ofstream groot(map.Bestand("groot.csv")); }
    std::filesystem::resize_file(map.Bestand("groot.csv"), 17u * 1024 * 1024);
    SchrijfAlles(map.Bestand("dicht.csv"), "Naam;Klasse\nJan;125\n");
    std::filesystem::permissions(map.Bestand("dicht.csv"), std::filesystem::perms::none);
    const std::string dicht = "Het bestand '" + map.Bestand("dicht.csv") +
                              "' kan niet gelezen worden, om de volgende reden:\r" +
                              SysteemFoutTekst(EACCES);
    const bool root = ::geteuid() == 0; // root reads any file
    const std::pair<std::string, std::string> gevallen[] = {
        {"weg.csv", "Het bestand '" + map.Bestand("weg.csv") + "' bestaat niet."},
        {"pijp.csv", "'" + map.Bestand("pijp.csv") +
                         "' is geen gewoon bestand (maar een map, apparaat of pijp) en wordt niet "
                         "gelezen."},
        {"map.csv", "'" + map.Bestand("map.csv") +
                        "' is geen gewoon bestand (maar een map, apparaat of pijp) en wordt niet "
                        "gelezen."},
        {"groot.csv", "Het bestand '" + map.Bestand("groot.csv") +
                          "' is groter dan 16 MB en is dus geen ledenlijst."},
        {"dicht.csv", root ? "" : dicht},
    };
    for (const auto& [naam, melding] : gevallen) {
        if (melding.empty()) {
            continue;
        }
        meldingen.Verwacht(melding);
        EXPECT_EQ(-1, LeesLedenlijst(map.Bestand(naam), c.spelers, import)) << naam;
    }
}

// Members written as spreadsheets write them, in every style, read back as they were.
TEST_F(LedenImport, GeschrevenLedenlijstenLezenTerugAlsZeWaren) {
    std::mt19937 toeval(30);
    const char* const voornamen[] = {"Jan", "Renée", "Åsa", "Piet", "Zoë", "Ludo", "Anne-Marie"};
    const char* const achternamen[] = {"de Vries", "Bos",       "Çelik", "van 't Hof",
                                       "O'Neil",   "Smit, jr.", "Ñúñez"};
    for (int geval = 0; geval < 200; ++geval) {
        const char scheiding = ";,\t"[toeval() % 3];
        const bool kop = toeval() % 2 == 0;
        const int codering = static_cast<int>(toeval() % 3); // UTF-8, with BOM, Windows-1252
        std::vector<CRij> leden;
        std::string tekst = kop ? std::string("Naam") + scheiding + "Klasse" + scheiding +
                                      "Aktief" + scheiding + "Indelen" + scheiding + "Uitloten\r\n"
                                : "";
        const int aantal = 1 + static_cast<int>(toeval() % 30);
        for (int i = 0; i < aantal; ++i) {
            std::string naam = std::string(voornamen[toeval() % 7]) + " " +
                               achternamen[toeval() % 7] + " " + std::to_string(i);
            const int32_t klasse = 10 + static_cast<int32_t>(toeval() % 390);
            std::string klasseTekst;
            switch (toeval() % 3) {
            case 0:
                klasseTekst = std::to_string(klasse);
                break;
            case 1:
                klasseTekst = KlasseMetKomma(klasse);
                break;
            default:
                klasseTekst = Cp1252NaarUtf8(KlasseTekst(klasse / 10 * 10));
                break;
            }
            const int32_t verwacht =
                klasseTekst.find(' ') != std::string::npos ? klasse / 10 * 10 : klasse;
            std::string vlaggen;
            std::string cellen;
            for (int v = 0; v < 3; ++v) {
                const bool ja = toeval() % 2 == 0;
                vlaggen += ja ? 'J' : 'N';
                const char* woorden[][2] = {{"N", "J"}, {"nee", "ja"}, {"0", "1"}};
                cellen += scheiding;
                cellen += woorden[toeval() % 3][ja];
            }
            auto veld = [&](const std::string& waarde) {
                const bool moet = waarde.find(scheiding) != std::string::npos ||
                                  waarde.find('"') != std::string::npos;
                if (!moet && toeval() % 4 != 0) {
                    return waarde;
                }
                std::string aangehaald = "\"";
                for (char ch : waarde) {
                    aangehaald += ch == '"' ? std::string("\"\"") : std::string(1, ch);
                }
                return aangehaald + "\"";
            };
            tekst += veld(naam) + scheiding + veld(klasseTekst) + cellen + "\r\n";
            leden.push_back({Utf8NaarCp1252(naam), verwacht, vlaggen});
        }
        std::string inhoud = codering == 2 ? Utf8NaarCp1252(tekst) : tekst;
        if (codering == 1) {
            inhoud = "\xEF\xBB\xBF" + inhoud;
        }
        SCOPED_TRACE("case " + std::to_string(geval) + ":\n" + tekst);
        ASSERT_EQ(0, Bekijk(inhoud));
        EXPECT_EQ(kop, import.kopregel);
        EXPECT_EQ(scheiding, import.scheiding);
        EXPECT_EQ(leden, Rijen(import));
    }
}

} // namespace
