// The one-line description of what changed between two states of a competition.

#include "data/verschil.h"
#include "melding_recorder.h"
#include "test_competitie.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// The state every case starts from: three players, two rounds.
void Basis(CTestCompetitie& c) {
    c.Speler(1, "Jan de Vries", 150);
    c.Speler(2, "Piet Jansen", 160);
    c.Speler(3, "Anna Bakker", 170);
    c.Ronde("10 maart").VoegToe(1, 2, '+');
    c.Ronde("17 maart").VoegToe(2, 3, '-');
}

struct Geval {
    const char* naam;
    std::function<void(CTestCompetitie&)> wijzig;
    const char* verwacht;
};

TEST(Verschil, SaysInOneLineWhatChangedSinceAnEarlierState) {
    CMeldingRecorder meldingen;
    const Geval gevallen[] = {
        {"nothing", [](CTestCompetitie&) {}, ""},
        {"a round added", [](CTestCompetitie& c) { c.Ronde("24 maart").VoegToe(1, 3, '0'); },
         "1 ronde meer: '24 maart'"},
        {"a round removed", [](CTestCompetitie& c) { c.rondes.Verwijder(2); },
         "1 ronde minder: '17 maart'"},
        {"all rounds removed",
         [](CTestCompetitie& c) {
             c.rondes.Verwijder(2);
             c.rondes.Verwijder(1);
         },
         "2 rondes minder"},
        {"a result changed",
         [](CTestCompetitie& c) {
             c.rondes.Ronde(0).Leeg();
             c.rondes.Ronde(0).VoegToe(1, 2, '-');
         },
         "1 ronde gewijzigd: '10 maart'"},
        {"a starting class changed", [](CTestCompetitie& c) { c.Van(1).beginKlasse = 145; },
         "beginklasse van Jan de Vries 150 -> 145"},
        {"a name changed", [](CTestCompetitie& c) { c.Van(3).naam = "Anna de Bakker"; },
         "naam 'Anna Bakker' -> 'Anna de Bakker'"},
        {"a player changed twice",
         [](CTestCompetitie& c) {
             c.Van(2).beginKlasse = 100;
             c.Van(2).aktief = 0;
         },
         "1 speler gewijzigd: 'Piet Jansen'"},
        {"two players changed",
         [](CTestCompetitie& c) {
             c.Van(1).beginKlasse = 140;
             c.Van(2).standaardIndelen = 0;
         },
         "2 spelers gewijzigd"},
        {"a player added", [](CTestCompetitie& c) { c.Speler(4, "Kees Smit", 200); },
         "1 speler meer: 'Kees Smit'"},
        {"two players added",
         [](CTestCompetitie& c) {
             c.Speler(4, "Kees Smit", 200);
             c.Speler(5, "Els Smit", 210);
         },
         "2 spelers meer"},
        {"a player removed", [](CTestCompetitie& c) { c.spelers.Verwijder(3); },
         "1 speler minder: 'Anna Bakker'"},
        {"the format raised", [](CTestCompetitie& c) { c.competitie.SetFormaat(2); },
         "formaat 0 -> 2"},
        {"several at once",
         [](CTestCompetitie& c) {
             c.rondes.Verwijder(1);
             c.Ronde("31 maart");
             c.Speler(4, "Kees Smit", 200);
         },
         "1 ronde meer: '31 maart', 1 ronde minder: '10 maart', 1 speler meer: 'Kees Smit'"},
    };
    for (const Geval& g : gevallen) {
        CTestCompetitie eerder;
        CTestCompetitie nu;
        Basis(eerder);
        Basis(nu);
        g.wijzig(nu);
        EXPECT_EQ(g.verwacht, BeschrijfVerschil(eerder.competitie, nu.competitie)) << g.naam;
    }
}

TEST(Verschil, RoundsOfTheSameNameAreMatchedInTheirOrder) {
    CMeldingRecorder meldingen;
    CTestCompetitie eerder;
    CTestCompetitie nu;
    for (CTestCompetitie* c : {&eerder, &nu}) {
        c->Speler(1, "A", 150);
        c->Speler(2, "B", 150);
        c->Ronde("inhaal").VoegToe(1, 2, '+');
        c->Ronde("inhaal").VoegToe(2, 1, '+');
    }
    nu.Ronde("inhaal");
    EXPECT_EQ("1 ronde meer: 'inhaal'", BeschrijfVerschil(eerder.competitie, nu.competitie));
    EXPECT_EQ("1 ronde minder: 'inhaal'", BeschrijfVerschil(nu.competitie, eerder.competitie));
}

} // namespace
