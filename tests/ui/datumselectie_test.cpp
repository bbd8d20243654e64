#include "melding_recorder.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"
#include "ui/datumselectie.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using L = EDatumLijst;

// Settings from a complete profile, whose list parameters are method 2
// (fixed weeks), 14 days, week bits 4 (the 3rd week) and 12 columns.
class DatumSelectieTest : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/compleet.ini"));
        settings = std::make_unique<CSettings>(map.Bestand("morvel.ini"));
        ASSERT_FALSE(settings->Gewijzigd());
    }
    // Keeps the values set so far as the stored ones.
    void Bewaar() {
        ASSERT_EQ(0, settings->SchrijfProfiel());
        ASSERT_FALSE(settings->Gewijzigd());
    }
    void VerwachtOpgeslagen(int methode, int dagen, int weken, int kolommen) const {
        EXPECT_EQ(methode, settings->IndelingsLijstMethode());
        EXPECT_EQ(dagen, settings->AantalDagen());
        EXPECT_EQ(weken, settings->WeekNummers());
        EXPECT_EQ(kolommen, settings->AantalKolommen());
    }

    CTijdelijkeMap map;
    CMeldingRecorder recorder;
    std::unique_ptr<CSettings> settings;
};

TEST_F(DatumSelectieTest, OpentOpVandaagEnDeOpgeslagenParameters) {
    CDatumSelectie model(*settings, {6, 3, 2026});
    const CKeuzeLijst& dagen = model.Lijst(L::Dag);
    ASSERT_EQ(31u, dagen.teksten.size());
    EXPECT_EQ("1", dagen.teksten.front());
    EXPECT_EQ("31", dagen.teksten.back());
    EXPECT_EQ(5, dagen.gekozen);
    const CKeuzeLijst& maanden = model.Lijst(L::Maand);
    ASSERT_EQ(12u, maanden.teksten.size());
    EXPECT_EQ("januari", maanden.teksten.front());
    EXPECT_EQ("december", maanden.teksten.back());
    EXPECT_EQ("maart", maanden.teksten[static_cast<size_t>(maanden.gekozen)]);
    EXPECT_EQ((std::vector<std::string>{"2025", "2026", "2027"}), model.Lijst(L::Jaar).teksten);
    EXPECT_EQ(1, model.Lijst(L::Jaar).gekozen);
    EXPECT_EQ(99u, model.Lijst(L::AantalKolommen).teksten.size());
    EXPECT_EQ("12", model.Lijst(L::AantalKolommen).teksten[11]);
    EXPECT_EQ(11, model.Lijst(L::AantalKolommen).gekozen);
    EXPECT_EQ(31u, model.Lijst(L::AantalDagen).teksten.size());
    EXPECT_EQ(13, model.Lijst(L::AantalDagen).gekozen);

    EXPECT_EQ((CDatum{6, 3, 2026}), model.Datum());
    EXPECT_EQ("vrijdag", model.Weekdag());
    EXPECT_FALSE(model.VastAantalDagen());
    for (int week = 0; week < kAantalWeken; ++week) {
        EXPECT_EQ(week == 2, model.Week(week)) << week;
    }
    EXPECT_FALSE(model.AantalDagenAan());
    EXPECT_TRUE(model.WekenAan());
    EXPECT_TRUE(model.OkAan());
}

struct CKeuze {
    L lijst;
    int index;
};

struct CDatumGeval {
    const char* naam;
    CDatum vandaag;
    std::vector<CKeuze> keuzes;
    CDatum verwacht;
    const char* weekdag;
};

const CDatumGeval kDatumGevallen[] = {
    {"the 31st in a 30-day month", {31, 1, 2026}, {{L::Maand, 3}}, {30, 4, 2026}, "donderdag"},
    {"the 31st chosen in February", {15, 2, 2026}, {{L::Dag, 30}}, {28, 2, 2026}, "zaterdag"},
    {"29 February in a leap year", {31, 1, 2024}, {{L::Maand, 1}}, {29, 2, 2024}, "donderdag"},
    {"29 February in a year after a leap year",
     {29, 2, 2024},
     {{L::Jaar, 2}},
     {28, 2, 2025},
     "vrijdag"},
    {"a clamped day stays when the month grows again",
     {31, 1, 2025},
     {{L::Maand, 1}, {L::Maand, 2}},
     {28, 3, 2025},
     "vrijdag"},
    {"2000 is a leap year", {10, 2, 2001}, {{L::Jaar, 0}, {L::Dag, 28}}, {29, 2, 2000}, "dinsdag"},
    {"2100 is not a leap year",
     {10, 2, 2101},
     {{L::Jaar, 0}, {L::Dag, 28}},
     {28, 2, 2100},
     "zondag"},
    {"an index outside a list changes nothing",
     {6, 3, 2026},
     {{L::Dag, 31}, {L::Maand, -1}, {L::Jaar, 3}},
     {6, 3, 2026},
     "vrijdag"},
    {"new year's day", {1, 1, 2026}, {}, {1, 1, 2026}, "donderdag"},
};

void PrintTo(const CDatumGeval& geval, std::ostream* uit) {
    *uit << geval.naam;
}

class DatumKeuze : public DatumSelectieTest, public ::testing::WithParamInterface<CDatumGeval> {};

TEST_P(DatumKeuze, DeDagPastInDeMaandEnDeWeekdagVolgt) {
    const CDatumGeval& geval = GetParam();
    CDatumSelectie model(*settings, geval.vandaag);
    for (const CKeuze& keuze : geval.keuzes) {
        model.Kies(keuze.lijst, keuze.index);
    }
    EXPECT_EQ(geval.verwacht, model.Datum()) << geval.naam;
    EXPECT_EQ(geval.verwacht.dag - 1, model.Lijst(L::Dag).gekozen) << geval.naam;
    EXPECT_EQ(geval.weekdag, model.Weekdag()) << geval.naam;
}

INSTANTIATE_TEST_SUITE_P(Gevallen, DatumKeuze, ::testing::ValuesIn(kDatumGevallen));

TEST_F(DatumSelectieTest, EenWeekLangElkeWeekdagOpZijnBeurt) {
    const char* const namen[] = {"zondag",    "maandag", "dinsdag", "woensdag",
                                 "donderdag", "vrijdag", "zaterdag"};
    CDatumSelectie model(*settings, {1, 3, 2026});
    for (int dag = 0; dag < 7; ++dag) {
        model.Kies(L::Dag, dag);
        EXPECT_EQ(namen[dag], model.Weekdag()) << dag + 1 << " maart 2026";
    }
}

TEST_F(DatumSelectieTest, DeMethodeBepaaltWatAanStaatEnOkVraagtEenWeek) {
    CDatumSelectie model(*settings, {6, 3, 2026});
    model.ZetWeek(2, false);
    EXPECT_TRUE(model.WekenAan());
    EXPECT_FALSE(model.OkAan());
    EXPECT_EQ(-1, model.Ok());
    EXPECT_FALSE(settings->Gewijzigd());

    model.KiesMethode(true);
    EXPECT_TRUE(model.AantalDagenAan());
    EXPECT_FALSE(model.WekenAan());
    EXPECT_TRUE(model.OkAan()) << "a day count needs no week";

    model.KiesMethode(false);
    EXPECT_FALSE(model.OkAan());
    model.ZetWeek(4, true);
    EXPECT_TRUE(model.OkAan());
    EXPECT_TRUE(model.Week(4));
    model.ZetWeek(4, false);
    EXPECT_FALSE(model.Week(4));
    EXPECT_FALSE(model.OkAan());
}

TEST_F(DatumSelectieTest, OkZonderWijzigingSlaatNietsOp) {
    CDatumSelectie model(*settings, {6, 3, 2026});
    model.Kies(L::Dag, 20);
    ASSERT_EQ(0, model.Ok());
    EXPECT_FALSE(settings->Gewijzigd());
    VerwachtOpgeslagen(2, 14, 4, 12);
    EXPECT_EQ((CDatum{21, 3, 2026}), model.Datum());
}

TEST_F(DatumSelectieTest, OkMetVastAantalDagenSlaatDieEnDeKolommenOp) {
    CDatumSelectie model(*settings, {6, 3, 2026});
    model.ZetWeek(0, true); // boxes of the other method are not stored
    model.KiesMethode(true);
    model.Kies(L::AantalDagen, 9);
    model.Kies(L::AantalKolommen, 19);
    ASSERT_EQ(0, model.Ok());
    EXPECT_TRUE(settings->Gewijzigd());
    VerwachtOpgeslagen(1, 10, 4, 20);
}

TEST_F(DatumSelectieTest, OkMetVasteWekenSlaatDeWekenOp) {
    settings->SetIndelingsLijstMethode(1);
    Bewaar();
    CDatumSelectie model(*settings, {6, 3, 2026});
    EXPECT_TRUE(model.VastAantalDagen());
    model.Kies(L::AantalDagen, 2); // the day count of the other method is not stored
    model.KiesMethode(false);
    model.ZetWeek(2, false);
    model.ZetWeek(0, true);
    model.ZetWeek(4, true);
    ASSERT_EQ(0, model.Ok());
    EXPECT_TRUE(settings->Gewijzigd());
    VerwachtOpgeslagen(2, 14, 1 + 16, 12);
}

TEST_F(DatumSelectieTest, OpgeslagenWaardenBuitenDeLijstenWordenDeDichtstbijzijnde) {
    settings->SetIndelingsLijstMethode(0);
    settings->SetAantalDagen(40);
    settings->SetWeekNummers(32 + 8 + 1);
    settings->SetAantalKolommen(150);
    Bewaar();
    CDatumSelectie model(*settings, {6, 3, 2026});
    EXPECT_FALSE(model.VastAantalDagen()) << "any method but 1 is fixed weeks";
    EXPECT_EQ(30, model.Lijst(L::AantalDagen).gekozen);
    EXPECT_EQ(98, model.Lijst(L::AantalKolommen).gekozen);
    for (int week = 0; week < kAantalWeken; ++week) {
        EXPECT_EQ(week == 0 || week == 3, model.Week(week)) << week;
    }
    ASSERT_EQ(0, model.Ok());
    VerwachtOpgeslagen(2, 40, 8 + 1, 99);

    settings->SetAantalKolommen(0);
    Bewaar();
    EXPECT_EQ(0, CDatumSelectie(*settings, {6, 3, 2026}).Lijst(L::AantalKolommen).gekozen);
}

} // namespace
