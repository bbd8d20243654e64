#pragma once
// The fixture of the rounds and results window tests: the example profile and
// a competition read from a data file in a fresh folder.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class CRondesOpstelling : public ::testing::Test {
protected:
    // Opens the competition of `datafile` (its contents) as "rondes.txt".
    void Open(const char* datafile) {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        SchrijfAlles(tmp.Bestand("rondes.txt"), datafile);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        ASSERT_EQ(0, app->OpenCompetitie(tmp.Bestand("rondes.txt")));
    }

    void TearDown() override { app->competitie.rondes.WisGewijzigd(); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};
