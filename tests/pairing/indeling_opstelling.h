#pragma once
// A small competition for the pairing tests: players with a class and a bye
// flag, rounds of games and byes, and a progress object that records what the
// search reports and can ask for a stop.

#include "data/competitie.h"
#include "melding_recorder.h"
#include "pairing/indeling.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingsregel.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/zoekvoortgang.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// Entries and items as a failing test shows them.
inline void PrintTo(const CIndelingsRegel& r, std::ostream* uit) {
    *uit << "{" << r.zwart << " (" << r.zwartNummer << "), " << r.wit << " (" << r.witNummer
         << "), '" << r.tekst << "', '" << r.soort << "', '" << r.opmerking << "'}";
}
inline void PrintTo(const CIndItem& i, std::ostream* uit) {
    *uit << "{" << i.zwart << " (" << i.zwartNummer << "), " << i.wit << " (" << i.witNummer
         << "), '" << i.tekst << "'}";
}

class CIndelingOpstelling {
public:
    ~CIndelingOpstelling() {
        competitie.spelers.WisGewijzigd();
        competitie.rondes.WisGewijzigd();
    }

    // Adds a player numbered after the last; returns its register index.
    int Speler(const std::string& naam, int32_t klasse, int32_t uitlotenToegestaan = 1) {
        std::string n = naam;
        auto nummer = static_cast<int32_t>(competitie.spelers.Aantal() + 1);
        EXPECT_EQ(competitie.spelers.VoegToe(nummer, n, klasse, 1, 1, uitlotenToegestaan), 0);
        return nummer - 1;
    }

    // Appends a round with games between register indices and byes.
    void Ronde(const std::vector<std::pair<int, int>>& partijen,
               const std::vector<int>& byes = {}) {
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        for (auto [a, b] : partijen) {
            EXPECT_EQ(ronde->VoegToe(a + 1, b + 1, '+'), 0);
        }
        for (int b : byes) {
            EXPECT_EQ(ronde->VoegToe(b + 1), 0);
        }
        competitie.rondes.VoegRondeToe(std::move(ronde));
    }

    std::vector<CSpeler*> Deelnemers() const {
        std::vector<CSpeler*> lijst;
        for (CSpeler& s : competitie.spelers) {
            lijst.push_back(&s);
        }
        return lijst;
    }

    CMeldingRecorder recorder;
    CCompetitie competitie;
};

class CTestVoortgang : public CZoekVoortgang {
public:
    // Looks at every position, so that a stop can come at an exact point.
    CTestVoortgang() : CZoekVoortgang(1) {}

    void NieuweBeste(int64_t waarde) override {
        CZoekVoortgang::NieuweBeste(waarde);
        besten.push_back(waarde);
        if (stopNaBesten > 0 && static_cast<int>(besten.size()) >= stopNaBesten) {
            VraagStop();
        }
    }

    std::vector<int64_t> besten;
    int stopNaBesten = 0;      // ask for a stop at this many new bests
    double stopBijPositie = 0; // ask for a stop once the position reaches this

protected:
    void Controleer() override {
        if (stopBijPositie > 0 && Teller() >= stopBijPositie) {
            VraagStop();
        }
    }
};

// Participants of equal class who never played: every pair costs 0.
inline void GelijkeSpelers(CIndelingOpstelling& o, int aantal) {
    for (int i = 0; i < aantal; ++i) {
        o.Speler("Speler " + std::to_string(i), 150);
    }
}

// A search over the participants of `o` with its own progress and log.
struct Zoektocht {
    Zoektocht(CIndelingOpstelling& o, CIndelingsParameters p = {},
              std::vector<CNaamPaar> blokkades = {})
        : model(o.Deelnemers(), o.competitie.rondes, p, blokkades), zoeker(model, voortgang, log) {}

    CKostenModel model;
    CTestVoortgang voortgang;
    CIndelingsLog log;
    CIndelingZoeker zoeker;
};
