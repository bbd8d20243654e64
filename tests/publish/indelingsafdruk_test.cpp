// The combined print of the pairing window: which listings, where a page
// begins and which listing carries the header.

#include "melding_recorder.h"
#include "pairing/indeling.h"
#include "publish/indelingsafdruk.h"
#include "rating/standberekening.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

class IndelingsAfdruk : public ::testing::Test {
protected:
    void SetUp() override {
        c.Speler(1, "Anna de Vries", 205);
        c.Speler(2, "Bert", 150);
        c.Speler(3, "Cees", 180);
        CRonde& ronde = c.Ronde("12 mei");
        ronde.VoegToe(1, 2, '+');
        ronde.VoegToe(3);
        indeling.VoegToe(1, 3, "Anna de Vries", "Cees", "2 stenen, 0,5 komi");
        indeling.VoegToe(2, 0, "Bert", "", "Uitgeloot");
        BerekenStand(c.spelers, c.rondes, -1, formules);
    }

    CMeldingRecorder recorder;
    CTestCompetitie c;
    CStandFormules formules{CFormule("2 * W + J"), false, CFormule("K - 10"), CFormule("K + 10"),
                            CFormule("K")};
    CLijstBron bron{c.spelers, c.rondes, "Voorjaar 2024"};
    CIndeling indeling;
};

TEST_F(IndelingsAfdruk, PageBreaksAndHeadersFollowTheChoices) {
    struct Geval {
        CAfdrukKeuzes keuzes;
        const char* fixture;
    } gevallen[] = {
        // Only the sheet, with its header; the page settings do not matter.
        {{false, false, true, true}, "afdruk/alleen_indeling.txt"},
        // Everything on one page: only the results carry the header.
        {{true, true, false, false}, "afdruk/alles_doorlopend.txt"},
        // Standings and sheet each on a new page, each with the header.
        {{true, true, true, true}, "afdruk/alles_nieuwe_paginas.txt"},
        // The standings first carry the header; the sheet follows without it.
        {{false, true, true, false}, "afdruk/stand_doorlopend.txt"},
        {{false, true, false, true}, "afdruk/stand_indeling_nieuwe_pagina.txt"},
        // Without the results the standings never start a page.
        {{true, false, true, false}, "afdruk/uitslag_doorlopend.txt"},
    };
    for (const Geval& g : gevallen) {
        std::string uit = "weg"; // replaced, not appended to
        LijstIndelingsAfdruk(bron, indeling, g.keuzes, formules, uit);
        EXPECT_EQ(Fixture(g.fixture), uit) << g.fixture;
    }
}

} // namespace
