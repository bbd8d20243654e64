#include "melding_recorder.h"
#include "pairing/indelingsparameters.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"

#include <gtest/gtest.h>

namespace {

TEST(Indelingsparameters, KomenUitDeInstellingen) {
    CMeldingRecorder recorder;
    CTijdelijkeMap map;
    std::string pad = map.Bestand("morvel.ini");
    SchrijfAlles(pad, Fixture("settings/compleet.ini"));
    CSettings settings(pad);
    CIndelingsParameters p = IndelingsParameters(settings);
    EXPECT_EQ(p.MaximaalAantalVoorVolledig, 10);
    EXPECT_EQ(p.AantalRandomPairings, 5000);
    EXPECT_EQ(p.PenaltyUitgeloot, 1500);
    EXPECT_EQ(p.PenaltyMagNietUitgeloot, 30000);
    EXPECT_EQ(p.PenaltyKlasseVerschilGrens, 15);
    EXPECT_EQ(p.PenaltyKlasseVerschilLaag, 12);
    EXPECT_EQ(p.PenaltyKlasseVerschilHoog, 25);
    EXPECT_EQ(p.PenaltyNietZoIngedeeldGrens, 2);
    EXPECT_EQ(p.PenaltyNietZoIngedeeldLaag, 300);
    EXPECT_EQ(p.PenaltyNietZoIngedeeldHoog, 50);
    EXPECT_EQ(p.ExacteIndeling, 0);
}

TEST(Indelingsparameters, ExacteIndelingStaatStandaardAan) {
    CMeldingRecorder recorder;
    CTijdelijkeMap map;
    std::string pad = map.Bestand("morvel.ini");
    std::string profiel = Fixture("settings/compleet.ini");
    const std::string regel = "ExacteIndeling=0\r\n";
    ASSERT_NE(profiel.find(regel), std::string::npos);
    SchrijfAlles(pad, profiel.erase(profiel.find(regel), regel.size()));
    CSettings settings(pad);
    EXPECT_EQ(IndelingsParameters(settings).ExacteIndeling, 1);
    EXPECT_EQ(CIndelingsParameters{}.ExacteIndeling, 1);
}

} // namespace
