#pragma once
// The fixture of tests on one competition as the main window opens it: the
// example profile, a data directory with the competition "Club" whose data
// file a test gives, and the application object with "Club" open, backups off.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class CClubOpstelling : public ::testing::Test {
protected:
    void Open(const std::string& datafile) {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        MaakMappen(tmp.Bestand("data/Club"), false);
        SchrijfAlles(Datafile(), datafile);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetMakeBackup(0);
        ASSERT_EQ(0, app->KiesCompetitie("Club"));
    }

    std::string Datafile() const { return tmp.Bestand("data/Club/Club.txt"); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};
