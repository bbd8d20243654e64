// Read, write, read gives the same competition, and a second write the same
// bytes: for every file of the project that a reader might meet and for
// generated files of both layouts with odd players, rounds and lines.

#include "melding_recorder.h"
#include "rondgang.h"
#include "tijdelijke_map.h"
#include "toeval.h"

#include "base/formatteer.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr int kGevallen = 10000;

std::string SpelerRegel2(CToeval& t) {
    std::string naam = t.Tekst();
    if (t.Kans(80)) {
        naam = "\"" + naam + (t.Kans(90) ? "\"" : "");
    }
    static const std::vector<std::string> vlaggen = {"J", "N", "j", "n", "Y", "y", "x", "", "Ja"};
    std::string regel = (t.Kans(95) ? t.Getal() : t.Tekst(2)) + " " + naam + " " + t.Getal();
    for (int i = 0; i < 3; ++i) {
        regel += " " + t.Kies(vlaggen);
    }
    return regel;
}

std::string UitslagRegel2(CToeval& t) {
    static const std::vector<std::string> uitslagen = {"+", "-", "0", "?", "J", "W",
                                                       "V", "w", "v", "x", "",  "+ extra"};
    switch (t.Onder(7)) {
    case 0:
        return "{" + t.Tekst() + (t.Kans(90) ? "}" : "");
    case 1:
        return t.Getal() + (t.Kans(50) ? " Uitgeloot" : t.Kans(50) ? " 0" : "");
    case 2:
        return "klasse(" + t.Getal() + ")=" + t.Getal();
    case 3:
        return ";" + t.Tekst();
    case 4:
        return t.Tekst(3);
    default:
        return t.Getal() + " " + t.Getal() + " " + t.Kies(uitslagen);
    }
}

// A file in the "versie" layout, with something odd in most of its lines.
std::string Formaat2(CToeval& t) {
    static const std::vector<std::string> versies = {"versie=2", "VERSIE = 2", "versie=1",
                                                     "versie",   "versie=0",   "versie=2 x"};
    static const std::vector<std::string> koppen = {"[Spelers]", "[ spelers ]", "[SPELERS",
                                                    "[Spelers]"};
    std::string uit = t.Kies(versies) + t.RegelEinde();
    if (t.Kans(10)) {
        uit += t.Tekst() + t.RegelEinde();
    }
    uit += t.RegelEinde() + t.Kies(koppen) + t.RegelEinde();
    size_t spelers = t.Onder(9);
    for (size_t i = 0; i < spelers; ++i) {
        uit += (t.Kans(10) ? "" : SpelerRegel2(t)) + t.RegelEinde();
    }
    if (t.Kans(10)) {
        uit += t.Tekst() + t.RegelEinde();
    }
    uit += t.RegelEinde() + (t.Kans(95) ? "[Uitslagen]" : "[ uitslag") + t.RegelEinde();
    size_t regels = t.Onder(16);
    for (size_t i = 0; i < regels; ++i) {
        uit += (i == 0 && t.Kans(90) ? "{" + t.Tekst() + "}" : UitslagRegel2(t)) + t.RegelEinde();
    }
    return uit;
}

// A file in the old layout: padded players, "Speeldag" rounds, games in columns.
std::string Formaat0(CToeval& t) {
    std::string uit = (t.Kans(90) ? "Brom' implementatie" : t.Tekst()) + t.RegelEinde();
    uit += t.RegelEinde();
    size_t spelers = t.Onder(9);
    for (size_t i = 0; i < spelers; ++i) {
        std::string naam = t.Kans(60) ? Formatteer("%-22s", t.Tekst(3).c_str()) : t.Tekst();
        uit += (t.Kans(90) ? t.Getal() : t.Tekst(1)) + " " + naam + "  " +
               std::to_string(t.Onder(6)) + "  " + t.Getal() + t.RegelEinde();
    }
    uit += t.RegelEinde();
    size_t regels = t.Onder(16);
    for (size_t i = 0; i < regels; ++i) {
        std::string regel;
        switch (t.Onder(6)) {
        case 0:
            regel = "Speeldag " + t.Tekst();
            break;
        case 1:
            regel = Formatteer("%3s 0", t.Getal().c_str());
            break;
        case 2:
            regel = t.Tekst(3);
            break;
        default:
            regel =
                Formatteer("%3s%3s %s", t.Getal().c_str(), t.Getal().c_str(),
                           t.Kies(std::vector<std::string>{"+", "-", "0", "?", "x", ""}).c_str());
        }
        uit += regel + t.RegelEinde();
    }
    return uit;
}

void ControleerGegenereerd(std::string (*maak)(CToeval&), uint32_t zaad) {
    CStilleMelder stil;
    CToeval toeval(zaad);
    int mislukt = 0;
    for (int i = 0; i < kGevallen && mislukt < 5; ++i) {
        std::string inhoud = maak(toeval);
        std::string fout = DataFileRondgangFout(inhoud);
        if (!fout.empty()) {
            ++mislukt;
            ADD_FAILURE() << "case " << i << ": " << fout << "\n" << testing::PrintToString(inhoud);
        }
    }
}

} // namespace

TEST(DataFileRondgang, EveryFixtureOfTheProject) {
    CStilleMelder stil;
    int gelezen = 0;
    for (const auto& ingang : std::filesystem::recursive_directory_iterator(FixturePad(""))) {
        if (!ingang.is_regular_file()) {
            continue;
        }
        ++gelezen;
        EXPECT_EQ(DataFileRondgangFout(LeesAlles(ingang.path().string())), "") << ingang.path();
    }
    EXPECT_GT(gelezen, 40);
}

TEST(DataFileRondgang, GeneratedFilesOfTheVersieLayout) {
    ControleerGegenereerd(Formaat2, 2);
}

TEST(DataFileRondgang, GeneratedFilesOfTheOldLayout) {
    ControleerGegenereerd(Formaat0, 0);
}
