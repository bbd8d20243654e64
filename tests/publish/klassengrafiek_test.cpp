// The class chart's data: the same class history as the spreadsheet export,
// the players in the order of the standings, the grade labels and the points.

#include "data/klassetekst.h"
#include "melding_recorder.h"
#include "publish/csvexport.h"
#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"
#include "rating/standberekening.h"
#include "rating/standtabel.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>
#include <sstream>

namespace {

CStandFormules Formules() {
    return {CFormule("2 * W + J"), false, CFormule("K - 10"), CFormule("K + 10"), CFormule("K")};
}

// A class as the export writes it, "-0,5" or "12,5", in tenths.
int32_t KommaKlasse(const std::string& tekst) {
    const bool negatief = !tekst.empty() && tekst[0] == '-';
    const size_t komma = tekst.find(',');
    int32_t waarde = std::stoi(tekst.substr(negatief, komma - negatief)) * 10 +
                     std::stoi(tekst.substr(komma + 1));
    return negatief ? -waarde : waarde;
}

std::vector<std::string> Velden(const std::string& regel) {
    std::vector<std::string> velden;
    std::string veld;
    std::istringstream in(regel);
    while (std::getline(in, veld, ';')) {
        velden.push_back(veld);
    }
    return velden;
}

// Exports the class history and checks that the chart of every player has,
// round by round, the classes of the file.
void VerwachtDeReeksenVanDeExport(const CSpelers& spelers, const CRondes& rondes) {
    CTijdelijkeMap map;
    CStandFormules formules = Formules();
    const std::string pad = map.Bestand("verloop.csv");
    ASSERT_EQ(0, ExporteerKlassenverloop(spelers, rondes, formules, pad));
    std::istringstream csv(LeesAlles(pad));
    std::string regel;
    std::getline(csv, regel);
    regel.pop_back(); // CR
    std::vector<std::string> namen = Velden(regel);
    namen.erase(namen.begin());

    const CKlassenverloop verloop = BerekenKlassenverloop(spelers, rondes, formules);
    std::vector<int> alle(verloop.volgorde.size());
    std::iota(alle.begin(), alle.end(), 0);
    const CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, alle, "titel");
    ASSERT_EQ(namen.size(), grafiek.lijnen.size());
    std::map<std::string, const CGrafiekLijn*> lijnen;
    for (const CGrafiekLijn& lijn : grafiek.lijnen) {
        lijnen[lijn.naam] = &lijn;
    }
    size_t r = 0;
    for (; std::getline(csv, regel); ++r) {
        regel.pop_back();
        std::vector<std::string> velden = Velden(regel);
        ASSERT_LT(r, grafiek.rondes.size());
        EXPECT_EQ(velden[0], grafiek.rondes[r]);
        ASSERT_EQ(namen.size() + 1, velden.size()) << regel;
        for (size_t s = 0; s < namen.size(); ++s) {
            ASSERT_TRUE(lijnen.count(namen[s])) << namen[s];
            EXPECT_EQ(KommaKlasse(velden[s + 1]), lijnen[namen[s]]->klassen[r])
                << namen[s] << " after round " << velden[0];
        }
    }
    EXPECT_EQ(grafiek.rondes.size(), r);
}

TEST(KlassenGrafiek, DeReeksenZijnHetKlassenverloopVanDeExport) {
    CMeldingRecorder meldingen;
    CCompetitie competitie;
    competitie.datafile = FixturePad("html/club/club.txt");
    ASSERT_EQ(0, competitie.Lees());
    VerwachtDeReeksenVanDeExport(competitie.spelers, competitie.rondes);

    // Generated competitions: games of every result, byes, class settings,
    // inactive players and round names that recur in another case.
    std::mt19937 toeval(20260310);
    for (int geval = 0; geval < 20; ++geval) {
        CTestCompetitie c;
        const int aantal = 2 + static_cast<int>(toeval() % 14);
        for (int32_t nr = 1; nr <= aantal; ++nr) {
            c.Speler(nr, "Speler " + std::to_string(nr), 50 + static_cast<int32_t>(toeval() % 250),
                     toeval() % 5 == 0 ? 0 : 1);
        }
        const int rondes = static_cast<int>(toeval() % 12);
        for (int r = 0; r < rondes; ++r) {
            const char* namen[] = {"mei", "Mei", "juni", "juli"};
            CRonde& ronde =
                c.Ronde(toeval() % 3 == 0 ? namen[toeval() % 4] : "ronde " + std::to_string(r + 1));
            for (int i = 0; i < aantal; ++i) {
                const int32_t a = 1 + static_cast<int32_t>(toeval() % aantal);
                const int32_t b = 1 + static_cast<int32_t>(toeval() % aantal);
                switch (toeval() % 4) {
                case 0:
                    ronde.VoegToe(a);
                    break;
                case 1:
                    ronde.VoegToeKlasse(a, 10 + static_cast<int32_t>(toeval() % 300));
                    break;
                default:
                    ronde.VoegToe(a, b, "+-0?"[toeval() % 4]);
                    break;
                }
            }
        }
        SCOPED_TRACE("case " + std::to_string(geval));
        VerwachtDeReeksenVanDeExport(c.spelers, c.rondes);
    }
}

class KlassenverloopTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.Speler(1, "Anna", 205);
        c.Speler(2, "Bert", 150);
        c.Speler(3, "Cor", 180);
        c.Speler(4, "Dirk", 120, 0); // inactive: no line
        c.Speler(5, "Eva", 300);     // never plays
        CRonde& een = c.Ronde("3 maart");
        een.VoegToe(1, 2, '+');
        een.VoegToe(3);
        CRonde& twee = c.Ronde("10 maart");
        twee.VoegToe(3, 1, '+');
        twee.VoegToeKlasse(2, 145);
        twee.VoegToe(4, 1, '+');
        c.Ronde("3 Maart").VoegToe(2, 3, '0');
    }

    CKlassenverloop Verloop(int aantal = -1) {
        CStandFormules formules = Formules();
        return BerekenKlassenverloop(c.spelers, c.rondes, formules, aantal);
    }

    CTestCompetitie c;
};

TEST_F(KlassenverloopTest, SpelersInDeVolgordeVanDeStandDeEersteAchtStandaard) {
    CKlassenverloop verloop = Verloop();
    // The standings after the last round (points, games, class), then the
    // active player without games.
    CStandFormules formules = Formules();
    BerekenStand(c.spelers, c.rondes, -1, formules);
    CStandTabel stand;
    ASSERT_EQ(0, stand.Vul(c.spelers, true, formules));
    std::vector<std::string> verwacht;
    for (const CStandRegel& regel : stand.Regels()) {
        if (regel.speler->aktief) {
            verwacht.push_back(regel.speler->naam);
        }
    }
    verwacht.push_back("Eva");
    std::vector<std::string> namen;
    for (int kolom : verloop.volgorde) {
        namen.push_back(verloop.historie.spelers[static_cast<size_t>(kolom)].naam);
    }
    EXPECT_EQ(verwacht, namen);
    EXPECT_EQ(3u, verloop.inStand);
    EXPECT_EQ((std::vector<int>{0, 1, 2}), verloop.StandaardKeuze());

    // Twelve players with games: the first eight of them.
    CTestCompetitie groot;
    for (int32_t nr = 1; nr <= 12; ++nr) {
        groot.Speler(nr, "S" + std::to_string(nr), 100 + nr);
    }
    CRonde& ronde = groot.Ronde("1");
    for (int32_t nr = 1; nr <= 12; nr += 2) {
        ronde.VoegToe(nr, nr + 1, '+');
    }
    CKlassenverloop veel = BerekenKlassenverloop(groot.spelers, groot.rondes, formules);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}), veel.StandaardKeuze());
    EXPECT_EQ("S1", veel.historie.spelers[static_cast<size_t>(veel.volgorde[0])].naam);
}

TEST_F(KlassenverloopTest, PuntenWaarDeSpelerSpeeldeOfZijnKlasseVeranderde) {
    CKlassenverloop verloop = Verloop();
    std::vector<int> alle(verloop.volgorde.size());
    std::iota(alle.begin(), alle.end(), 0);
    CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, alle, "t");
    std::map<std::string, std::vector<bool>> punten;
    std::map<std::string, std::vector<int32_t>> klassen;
    for (const CGrafiekLijn& lijn : grafiek.lijnen) {
        punten[lijn.naam] = lijn.punten;
        klassen[lijn.naam] = lijn.klassen;
    }
    // Round "3 Maart" is named as round 1 ignoring case: the classes of round 1.
    EXPECT_EQ((std::vector<int32_t>{195, 215, 195}), klassen["Anna"]);
    EXPECT_EQ((std::vector<int32_t>{160, 145, 160}), klassen["Bert"]);
    EXPECT_EQ((std::vector<int32_t>{180, 170, 180}), klassen["Cor"]);
    EXPECT_EQ((std::vector<bool>{true, true, true}), punten["Anna"]); // no game, but a change
    EXPECT_EQ((std::vector<bool>{true, true, true}), punten["Bert"]); // a class setting, a jigo
    EXPECT_EQ((std::vector<bool>{false, true, true}), punten["Cor"]); // a bye is no game
    EXPECT_EQ((std::vector<bool>{false, false, false}), punten["Eva"]);
    size_t bert = 0;
    while (grafiek.lijnen[bert].naam != "Bert") {
        ++bert;
    }
    EXPECT_EQ("Ronde '10 maart'\nBert\nklasse 14,5 (3 dan, sterk)", grafiek.PuntTekst(bert, 1));
    EXPECT_EQ("", grafiek.PuntTekst(9, 0));
    EXPECT_EQ("", grafiek.PuntTekst(0, 3));
}

TEST_F(KlassenverloopTest, TotEenRondeEnDeLijnenVanDeGekozenSpelers) {
    CKlassenverloop verloop = Verloop(1);
    CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, {2, 0}, "Klassenverloop club");
    EXPECT_EQ(std::vector<std::string>{"3 maart"}, grafiek.rondes);
    ASSERT_EQ(2u, grafiek.lijnen.size());
    const std::string& derde =
        verloop.historie.spelers[static_cast<size_t>(verloop.volgorde[2])].naam;
    EXPECT_EQ(derde, grafiek.lijnen[0].naam);
    // A colour follows the place in the standings, not the place in the chart.
    EXPECT_EQ(LijnKleur(2), grafiek.lijnen[0].kleur);
    EXPECT_EQ(LijnKleur(0), grafiek.lijnen[1].kleur);
    EXPECT_NE(LijnKleur(0), LijnKleur(1));
    EXPECT_EQ(LijnKleur(0), LijnKleur(10));
    EXPECT_NE(LijnStreep(0), LijnStreep(10));
    EXPECT_EQ("Klassenverloop Voorjaar 2025, 6-3-2026",
              KlassenverloopTitel("Voorjaar 2025", {6, 3, 2026}));
}

TEST(KlassenGrafiekAssen, KlassenOpHeleKlassenMetHunGraadDeSterksteBoven) {
    struct {
        const char* wat;
        std::vector<int32_t> klassen;
        int32_t boven, onder;
        size_t labels;
        int32_t stap; // between two labels, in tenths
    } gevallen[] = {
        {"within one class", {125, 128}, 120, 130, 2, 10},
        {"on whole classes: room above and below", {120, 140}, 110, 150, 5, 10},
        {"dan and kyu", {175, 233}, 170, 240, 8, 10},
        {"one value", {200}, 190, 210, 3, 10},
        {"a wide range: every second class", {10, 400}, 0, 410, 21, 20},
        {"negative classes", {-15, 5}, -20, 10, 4, 10},
    };
    for (const auto& g : gevallen) {
        CKlassenverloop verloop;
        verloop.historie.spelers = {{1, "Anna"}};
        verloop.volgorde = {0};
        for (size_t r = 0; r < g.klassen.size(); ++r) {
            verloop.historie.rondes.push_back(std::to_string(r + 1));
            verloop.historie.klassen.push_back({g.klassen[r]});
            verloop.historie.gespeeld.push_back({true});
        }
        CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, {0}, "");
        EXPECT_EQ(g.boven, grafiek.boven) << g.wat;
        EXPECT_EQ(g.onder, grafiek.onder) << g.wat;
        EXPECT_EQ(static_cast<size_t>((g.onder - g.boven) / 10 + 1), grafiek.klasseLabels.size());
        // Room for 25 labels: every whole class, or every n-th.
        const auto labels = grafiek.KlasseLabels(25);
        ASSERT_EQ(g.labels, labels.size()) << g.wat;
        for (size_t i = 0; i < labels.size(); ++i) {
            const auto& [klasse, tekst] = labels[i];
            EXPECT_EQ(0, klasse % 10) << g.wat;
            EXPECT_EQ(KlasseTekst(klasse), tekst) << g.wat;
            EXPECT_TRUE(klasse >= grafiek.boven && klasse <= grafiek.onder) << g.wat;
            if (i > 0) {
                EXPECT_EQ(g.stap, klasse - labels[i - 1].first) << g.wat;
            }
        }
    }
    // The grades at the labels read as the club knows them.
    CKlassenverloop verloop;
    verloop.historie.spelers = {{1, "Anna"}};
    verloop.volgorde = {0};
    verloop.historie.rondes = {"1", "2"};
    verloop.historie.klassen = {{165}, {215}};
    verloop.historie.gespeeld = {{true}, {true}};
    CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, {0}, "");
    std::vector<std::string> teksten;
    for (const auto& label : grafiek.klasseLabels) {
        teksten.push_back(label.second);
    }
    EXPECT_EQ(
        (std::vector<std::string>{"2 dan, sterk", "2 dan, zwak", "1 dan, sterk", "1 dan, zwak",
                                  "1 kyu, sterk", "1 kyu, zwak", "2 kyu, sterk"}),
        teksten);
}

TEST(KlassenGrafiekAssen, RondesMetUniekeLabelsEnRuimteBijVeelRondes) {
    CKlassenverloop verloop;
    verloop.historie.rondes = {"mei", "mei", "", "juni", "mei"};
    verloop.historie.klassen.assign(5, {});
    verloop.historie.gespeeld.assign(5, {});
    CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, {}, "");
    EXPECT_EQ((std::vector<std::string>{"mei", "mei (2)", "ronde 3", "juni", "mei (3)"}),
              grafiek.rondeLabels);
    EXPECT_TRUE(grafiek.lijnen.empty());
    EXPECT_LT(grafiek.boven, grafiek.onder);

    verloop.historie.rondes.clear();
    for (int r = 1; r <= 100; ++r) {
        verloop.historie.rondes.push_back("ronde " + std::to_string(r));
    }
    verloop.historie.klassen.assign(100, {});
    verloop.historie.gespeeld.assign(100, {});
    grafiek = MaakKlassenGrafiek(verloop, {}, "");
    for (size_t ruimte : {size_t{30}, size_t{7}, size_t{100}, size_t{0}}) {
        const std::vector<std::string> labels = grafiek.RondeLabels(ruimte);
        ASSERT_EQ(100u, labels.size());
        size_t getoond = 0;
        for (size_t r = 0; r < labels.size(); ++r) {
            if (!labels[r].empty()) {
                ++getoond;
                EXPECT_EQ(grafiek.rondes[r], labels[r]);
            }
        }
        EXPECT_EQ("ronde 1", labels[0]);
        EXPECT_LE(getoond, std::max<size_t>(ruimte, 1)) << ruimte;
        EXPECT_GT(getoond * 2, std::min<size_t>(std::max<size_t>(ruimte, 1), 100)) << ruimte;
    }
}

} // namespace
