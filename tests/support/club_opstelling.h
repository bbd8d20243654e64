#pragma once
// The example profile with one competition laid out for a test, and the
// fixture of tests on one competition as the main window opens it: the
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

// Lays out what a first start finds in `tmp`: the example profile as
// "morvel.ini" (once) and the competition `naam` in "data/" with `datafile`
// as its data file "data/<naam>/<naam>.txt".
inline void LegCompetitieKlaar(const CTijdelijkeMap& tmp, const std::string& naam,
                               const std::string& datafile) {
    if (!std::filesystem::exists(tmp.Bestand("morvel.ini"))) {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
    }
    MaakMappen(tmp.Bestand("data/" + naam), false);
    SchrijfAlles(tmp.Bestand("data/" + naam + "/" + naam + ".txt"), datafile);
}

class CClubOpstelling : public ::testing::Test {
protected:
    void Open(const std::string& datafile) {
        LegCompetitieKlaar(tmp, "Club", datafile);
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
