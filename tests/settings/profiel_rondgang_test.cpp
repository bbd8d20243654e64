// Read, write, read gives the same settings, and a second write the same
// bytes: for every profile of the project and for generated profiles with
// white space, quotes, line ends, long texts and hand-typed passwords.

#include "rondgang.h"
#include "tijdelijke_map.h"
#include "toeval.h"

#include "settings/settings.h"
#include "settings/wachtwoord.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr int kGevallen = 10000;

struct CSleutelNaam {
    const char* sectie;
    const char* sleutel;
};

const std::vector<CSleutelNaam>& Sleutels() {
    static const std::vector<CSleutelNaam> sleutels = {
#define MORVEL_SLEUTEL_NAAM(naam, sectie, sleutel, standaard) {sectie, sleutel},
        MORVEL_INSTELLINGEN(MORVEL_SLEUTEL_NAAM, MORVEL_SLEUTEL_NAAM)
#undef MORVEL_SLEUTEL_NAAM
            {"ScoreFormule 1", "Formule"},
        {"KlasseBerekening 1", "KlasseNaWinst"},
        {"Eigen Sectie", "Sleutel"}};
    return sleutels;
}

std::string Waarde(CToeval& t, const std::string& sleutel) {
    if (sleutel == "Wachtwoord" && t.Kans(30)) {
        return "\"" + VersleutelWachtwoord(t.Tekst(), static_cast<uint32_t>(t.Onder(32768))) + "\"";
    }
    if (sleutel == "LetterGrootte" && t.Kans(70)) {
        return std::to_string(t.Onder(25));
    }
    switch (t.Onder(5)) {
    case 0:
        return t.Getal();
    case 1:
        return "\"" + t.Tekst() + (t.Kans(80) ? "\"" : "");
    case 2:
        return std::string(t.Onder(300), 'p');
    default:
        return t.Tekst();
    }
}

std::string Profiel(CToeval& t) {
    std::string uit;
    std::string sectie;
    size_t regels = t.Onder(30);
    for (size_t i = 0; i < regels; ++i) {
        const CSleutelNaam& s = t.Kies(Sleutels());
        if (sectie != s.sectie || t.Kans(5)) {
            sectie = s.sectie;
            uit += (t.Kans(90) ? "[" + sectie + "]" : "[ " + sectie) + t.RegelEinde();
        }
        switch (t.Onder(12)) {
        case 0:
            uit += ";" + t.Tekst() + t.RegelEinde();
            break;
        case 1:
            uit += t.RegelEinde();
            break;
        case 2:
            uit += t.Tekst(2) + t.RegelEinde();
            break;
        default:
            uit += (t.Kans(90) ? std::string(s.sleutel) : " " + std::string(s.sleutel) + " ") +
                   "=" + Waarde(t, s.sleutel) + t.RegelEinde();
        }
    }
    return uit;
}

} // namespace

TEST(ProfielRondgang, EveryProfileOfTheProject) {
    CStilleMelder stil;
    int gelezen = 0;
    auto bronnen =
        std::filesystem::weakly_canonical(std::filesystem::path(MORVEL_FIXTURES) / ".." / "..");
    for (const auto& map : {bronnen / "tests" / "fixtures", bronnen / "share"}) {
        for (const auto& ingang : std::filesystem::recursive_directory_iterator(map)) {
            if (ingang.is_regular_file() && ingang.path().extension() == ".ini") {
                ++gelezen;
                EXPECT_EQ(ProfielRondgangFout(LeesAlles(ingang.path().string())), "")
                    << ingang.path();
            }
        }
    }
    EXPECT_GT(gelezen, 10);
}

TEST(ProfielRondgang, GeneratedProfiles) {
    CStilleMelder stil;
    CToeval toeval(4);
    int mislukt = 0;
    for (int i = 0; i < kGevallen && mislukt < 5; ++i) {
        std::string inhoud = Profiel(toeval);
        std::string fout = ProfielRondgangFout(inhoud);
        if (!fout.empty()) {
            ++mislukt;
            ADD_FAILURE() << "case " << i << ": " << fout << "\n" << testing::PrintToString(inhoud);
        }
    }
}
