// The command "indeling": the pairing sheet of a competition as publishing makes it.

#include "pairing/indeling.h"
#include "programma.h"
#include "publish/lijsten.h"
#include "settings/profiel.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Five of the six players of "najaar" take part by default (Dirk does not);
// Frits is inactive and had a bye, Cees may not get one. Anna met Bert and
// Cees met Eva in the only round. Worked out by hand, the lowest cost is -220:
// Anna-Cees and Frits-Eva, with the bye for Bert.
class IndelingOpdracht : public ::testing::Test {
protected:
    // The profile of the fixture with some settings of "Morvel" and
    // "Indeling Parameters" changed.
    std::string Profiel(const std::map<std::string, int32_t>& getallen = {}) {
        std::string pad = map.Bestand("morvel.ini");
        SchrijfAlles(pad, Fixture("indeling/morvel.ini"));
        CProfiel profiel(pad);
        EXPECT_EQ(profiel.Lees(), 0);
        profiel.ZetTekst("Morvel", "DataPad", FixturePad("indeling"));
        for (const auto& [sleutel, waarde] : getallen) {
            bool morvel = sleutel == "HuidigeVoorgiftFormule";
            profiel.ZetGetal(morvel ? "Morvel" : "Indeling Parameters", sleutel, waarde);
        }
        EXPECT_EQ(profiel.Schrijf(), 0);
        return pad;
    }

    CProgrammaUitvoer Indeling(std::vector<std::string> argumenten,
                               const std::map<std::string, int32_t>& getallen = {}) {
        argumenten.insert(argumenten.begin(), {"--profiel", Profiel(getallen), "indeling"});
        return VoerMorvelUit(argumenten);
    }

    // The sheet of these pairs, as the listing writes it.
    struct CBladRegel {
        std::string zwart;
        std::string wit;
        std::string tekst;
    };
    static std::string Blad(const std::vector<CBladRegel>& items) {
        CIndeling indeling;
        for (const CBladRegel& i : items) {
            indeling.VoegToe(1, i.wit.empty() ? 0 : 2, i.zwart, i.wit, i.tekst);
        }
        std::string uit;
        LijstIndeling(indeling, "najaar", true, uit);
        return uit;
    }

    CTijdelijkeMap map;
};

TEST_F(IndelingOpdracht, DeelnemersVolgensStandaardIndelen) {
    const std::string verwacht = Blad({{"Anna", "Cees", "2 stenen, 6,5 komi"},
                                       {"Frits", "Eva", "2 stenen, 0,5 komi"},
                                       {"Bert", "", "Uitgeloot"}});
    // The folder, its data file, or the name of a competition below DataPad.
    for (std::string competitie :
         {FixturePad("indeling/najaar"), FixturePad("indeling/najaar/najaar.txt"),
          std::string("najaar")}) {
        CProgrammaUitvoer u = Indeling({competitie});
        EXPECT_EQ(u.status, 0) << competitie << "\n" << u.fout;
        EXPECT_EQ(u.uit, verwacht) << competitie;
        EXPECT_EQ(u.fout, "");
    }
}

TEST_F(IndelingOpdracht, VastePaarEerstEnGeblokkeerdePaarApart) {
    // Anna-Cees play a fixed pair; Eva-Frits, the best of the rest, may not meet.
    CProgrammaUitvoer u = Indeling({"najaar", "--vast", "3-1", "--blokkeer", "5-6"});
    EXPECT_EQ(u.status, 0) << u.fout;
    EXPECT_EQ(u.uit, Blad({{"Anna", "Cees", "2 stenen, 5 komi"},
                           {"Frits", "Bert", "5 stenen, 0,5 komi"},
                           {"Eva", "", "Uitgeloot"}}));
}

TEST_F(IndelingOpdracht, GekozenDeelnemersMetLog) {
    CProgrammaUitvoer u = Indeling({"najaar", "--deelnemers", "2,4", "--log"});
    EXPECT_EQ(u.status, 0) << u.fout;
    std::string blad = Blad({{"Bert", "Dirk", "2 stenen, 0,5 komi"}});
    ASSERT_EQ(u.uit.compare(0, blad.size(), blad), 0) << u.uit;
    std::string streep = std::string(40, '-') + "\t" + std::string(40, '-');
    for (int i = 0; i < 5; ++i) {
        streep += "\t" + std::string(20, '-');
    }
    EXPECT_EQ(u.uit.substr(blad.size()),
              "\n"
              "Volledige pairing\n"
              "Aantal spelers\t\t2\n"
              "Grens klasseverschil\t\t17\n"
              "Penalty verschil\tonder grens\t10\n"
              "Penalty verschil\tboven grens\t20\n"
              "Grens rondes\tniet gespeeld\t1\n"
              "Aftrek rondes\tonder grens\t400\n"
              "Aftrek rondes\tboven grens\t1600\n" +
                  std::string(40, '=') + "\t" + std::string(40, '=') + "\t" + std::string(20, '=') +
                  "\t" + std::string(20, '=') + "\t" + std::string(20, '=') + "\t" +
                  std::string(20, '=') + "\t" + std::string(20, '=') +
                  "\n"
                  "Bert\tDirk\t30\t(+300)\t1\t(-400)\t-100\n" +
                  streep + "\n");
}

TEST_F(IndelingOpdracht, RandomZoektochtMetZaadEnTijdslimiet) {
    std::map<std::string, int32_t> random = {
        {"MaximaalAantalVoorVolledig", 1}, {"AantalRandomPairings", 3000}, {"ExacteIndeling", 0}};
    CProgrammaUitvoer een = Indeling({"najaar", "--zaad", "7", "--log"}, random);
    CProgrammaUitvoer twee = Indeling({"najaar", "--zaad", "7", "--log"}, random);
    EXPECT_EQ(een.status, 0) << een.fout;
    EXPECT_NE(een.uit.find("\nRandom pairing\n"), std::string::npos);
    EXPECT_EQ(een.uit, twee.uit);
    // 3000 tries find the one best pairing of these five.
    std::string blad = Blad({{"Anna", "Cees", "2 stenen, 6,5 komi"},
                             {"Frits", "Eva", "2 stenen, 0,5 komi"},
                             {"Bert", "", "Uitgeloot"}});
    EXPECT_EQ(een.uit.compare(0, blad.size(), blad), 0) << een.uit;

    random["AantalRandomPairings"] = 0; // until the time is up
    CProgrammaUitvoer eindeloos = Indeling({"najaar", "--seconden", "1"}, random);
    EXPECT_EQ(eindeloos.status, 0) << eindeloos.fout;
    EXPECT_NE(eindeloos.uit.find("Uitgeloot"), std::string::npos);
}

TEST_F(IndelingOpdracht, ExacteIndelingEnDeGekozenMethode) {
    // Every search finds the one best pairing of these five; the log tells
    // which one ran.
    const std::string blad = Blad({{"Anna", "Cees", "2 stenen, 6,5 komi"},
                                   {"Frits", "Eva", "2 stenen, 0,5 komi"},
                                   {"Bert", "", "Uitgeloot"}});
    struct Geval {
        std::vector<std::string> argumenten;
        std::map<std::string, int32_t> getallen;
        const char* wijze;
    };
    const Geval gevallen[] = {
        {{}, {{"MaximaalAantalVoorVolledig", 1}}, "Exacte pairing"}, // the default above it
        {{"--methode", "exact"}, {}, "Exacte pairing"},
        {{"--methode", "volledig"}, {{"MaximaalAantalVoorVolledig", 1}}, "Volledige pairing"},
        {{"--methode", "random", "--zaad", "7"},
         {{"AantalRandomPairings", 3000}},
         "Random pairing"},
    };
    for (const Geval& g : gevallen) {
        std::vector<std::string> argumenten = {"najaar", "--log"};
        argumenten.insert(argumenten.end(), g.argumenten.begin(), g.argumenten.end());
        CProgrammaUitvoer u = Indeling(argumenten, g.getallen);
        EXPECT_EQ(u.status, 0) << g.wijze << "\n" << u.fout;
        EXPECT_EQ(u.uit.compare(0, blad.size(), blad), 0) << u.uit;
        EXPECT_NE(u.uit.find(std::string("\n") + g.wijze + "\n"), std::string::npos) << u.uit;
        // The chosen pairing's block ends on its total.
        const std::string streep = "\n" + std::string(40, '-') + "\t";
        EXPECT_EQ(u.uit.rfind("\t-220" + streep), u.uit.rfind(streep) - 5) << u.uit;
        if (std::string(g.wijze) == "Exacte pairing") {
            EXPECT_EQ(u.uit.find(streep), u.uit.rfind(streep)) << "one block only";
        }
    }
}

TEST_F(IndelingOpdracht, Weigeringen) {
    struct Geval {
        std::vector<std::string> argumenten;
        std::map<std::string, int32_t> getallen;
        int status;
        std::string melding;
    };
    const Geval gevallen[] = {
        {{"najaar", "--deelnemers", "1,2", "--blokkeer", "2-1"},
         {},
         1,
         "Met de opgegeven keuzes kon er geen indeling gemaakt worden"},
        {{"najaar"},
         {{"HuidigeVoorgiftFormule", 0}},
         1,
         "Er is geen aktieve voorgiftformule, stel deze eerst in via het configuratiescherm."},
        {{"najaar", "--deelnemers", "1,9"}, {}, 1, "Het nummer '9' is ongebruikt"},
        {{"najaar", "--vast", "1-2", "--vast", "2-3"}, {}, 1, "Speler Bert staat in meer dan"},
        {{"najaar", "--blokkeer", "4-4"}, {}, 1, "Speler Dirk kan niet tegen zichzelf spelen."},
        {{"najaar", "--vast", "3"}, {}, 64, "De optie --vast verwacht twee spelersnummers"},
        {{"najaar", "--deelnemers", "1,,2"}, {}, 64, "Het spelersnummer '' is geen"},
        {{"najaar", "--zaad", "-1"}, {}, 64, "Het zaad '-1' is geen geheel getal"},
        {{"najaar", "--seconden", "0"}, {}, 64, "Het aantal seconden '0'"},
        {{"najaar", "--methode", "snel"},
         {},
         64,
         "De methode 'snel' is niet volledig, random of exact."},
        {{"najaar", "--methode", "exact", "--deelnemers", "1,2,3", "--blokkeer", "2-1",
          "--blokkeer", "3-1", "--blokkeer", "2-3"},
         {},
         1,
         "Met de opgegeven keuzes kon er geen indeling gemaakt worden"},
        {{"bestaat-niet"}, {}, 2, ""},
    };
    for (const Geval& g : gevallen) {
        CProgrammaUitvoer u = Indeling(g.argumenten, g.getallen);
        EXPECT_EQ(u.status, g.status) << g.melding << "\n" << u.fout;
        EXPECT_NE(u.fout.find(g.melding), std::string::npos) << u.fout;
        EXPECT_EQ(u.uit, "");
    }
}

} // namespace
