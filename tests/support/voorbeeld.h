#pragma once
// The example competition of the first start, for tests that want a real one.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "publish/grafiekschrijver.h"
#include "tijdelijke_map.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// Copies the example profile to `morvel.ini` and the competition "Voorjaar
// 2025" to the folder `Voorjaar` of `map`; returns that folder.
inline std::string KopieerVoorbeeld(const CTijdelijkeMap& map) {
    const std::string voorbeeld = std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/";
    std::filesystem::copy_file(voorbeeld + "morvel.ini", map.Bestand("morvel.ini"));
    std::filesystem::create_directory(map.Bestand("Voorjaar"));
    std::filesystem::copy_file(voorbeeld + "competities/Voorjaar 2025/voorjaar2025.txt",
                               map.Bestand("Voorjaar/voorjaar2025.txt"));
    return map.Bestand("Voorjaar");
}

// A test on the example competition, opened with its profile, with
// `tekenaar` as the drawing function of charts for the length of the test.
class CVoorbeeldTest : public ::testing::Test {
protected:
    explicit CVoorbeeldTest(GrafiekTekenaar tekenaar) : tekenaar_(tekenaar) {}

    void SetUp() override {
        const std::string competitie = KopieerVoorbeeld(tmp);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        ASSERT_EQ(0, app->OpenCompetitie(competitie));
        vorige_ = ZetGrafiekTekenaar(tekenaar_);
    }
    void TearDown() override {
        ZetGrafiekTekenaar(vorige_);
        app->competitie.spelers.WisGewijzigd();
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;

private:
    GrafiekTekenaar tekenaar_;
    GrafiekTekenaar vorige_ = nullptr;
};
