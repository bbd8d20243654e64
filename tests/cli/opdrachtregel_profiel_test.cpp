// The settings as the command line sets them up: from --profiel, with the
// start-up messages on standard error; the release notices are the window's.

#include "programma.h"
#include "settings/profiel.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

TEST(OpdrachtregelProfiel, NewProfileShowsTheStartUpMessagesOnStandardError) {
    CTijdelijkeMap map;
    std::string profiel = map.Bestand("eigen.ini");
    for (int keer = 0; keer < 2; ++keer) {
        CProgrammaUitvoer u =
            VoerMorvelUit({"--profiel", profiel, "controleer", FixturePad("data/formaat2.txt")});
        EXPECT_EQ(u.status, 0);
        EXPECT_EQ(u.uit, "formaat 2, 4 spelers, 2 rondes\n");
        std::vector<std::string> begin = {
            "Er is geen formule voor het bepalen van de stand gekozen.\n",
            "Er is geen formule voor het bepalen van de klasse na winst gekozen.\n",
        };
        if (keer == 0) { // the default handicap sets are made only once
            begin.insert(begin.begin(), "Deze versie maakt gebruik van dynamisch");
        }
        size_t plaats = 0;
        for (const std::string& b : begin) {
            size_t gevonden = u.fout.find(b, plaats);
            ASSERT_NE(gevonden, std::string::npos) << b << "\n" << u.fout;
            plaats = gevonden + b.size();
        }
        EXPECT_EQ(u.fout.find("Deze versie", plaats), std::string::npos);
        EXPECT_EQ(u.fout.find("Met ingang van release"), std::string::npos) << u.fout;
        EXPECT_EQ(u.fout.find('\r'), std::string::npos);

        // The notices stay for the next start of the window.
        CProfiel gelezen(profiel);
        ASSERT_EQ(gelezen.Lees(), 0);
        EXPECT_EQ(gelezen.Getal("Morvel", "AantalVoorgiftFormules", "0"), 3);
        EXPECT_EQ(gelezen.Getal("Opmerkingen", "IndelingSneller", "0"), 0);
    }
}

} // namespace
