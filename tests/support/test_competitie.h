#pragma once
// A competition built in memory for tests: players and rounds added in a line
// each. The modified flags are cleared at the end so that nothing is reported.

#include "data/competitie.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class CTestCompetitie {
public:
    ~CTestCompetitie() {
        competitie.spelers.WisGewijzigd();
        competitie.rondes.WisGewijzigd();
    }

    // Adds a player; `aktief` also sets the two other flags.
    CSpeler& Speler(int32_t nummer, std::string naam, int32_t beginKlasse, int32_t aktief = 1) {
        EXPECT_EQ(0, competitie.spelers.VoegToe(nummer, naam, beginKlasse, aktief, aktief, 1));
        return *competitie.spelers.Zoek(nummer);
    }

    // Appends a new round and returns it for its entries.
    CRonde& Ronde(const std::string& identificatie) {
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        ronde->identificatie = identificatie;
        CRonde& r = *ronde;
        competitie.rondes.VoegRondeToe(std::move(ronde));
        return r;
    }

    CSpeler& Van(int32_t nummer) const { return *competitie.spelers.Zoek(nummer); }

    CCompetitie competitie;
    CSpelers& spelers = competitie.spelers;
    CRondes& rondes = competitie.rondes;
};
