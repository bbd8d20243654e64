// The exports for a spreadsheet: the file name, the dates and rows of the
// sign-on sheet, and starting the spreadsheet program.

#include "base/platform.h"
#include "data/competitie.h"
#include "melding_recorder.h"
#include "publish/csvexport.h"
#include "rating/standformules.h"
#include "test_competitie.h"
#include "tijdelijke_map.h"
#include "tijdzone.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(CsvBestandsNaam, DeExtensieVanDeBestandsnaamWordtCsv) {
    struct {
        const char* datafile;
        const char* csv;
    } gevallen[] = {
        {"data/club/club.txt", "data/club/club.csv"},
        {"club.v2.txt", "club.v2.csv"},
        {"data/club.2026/club", "data/club.2026/club.csv"},
        {"data\\club.2026\\club", "data\\club.2026\\club.csv"},
        {"club", "club.csv"},
        {"./club.TXT", "./club.csv"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(g.csv, CsvBestandsNaam(g.datafile)) << g.datafile;
    }
}

class MetTijdzone : public ::testing::Test {
private:
    CTijdzone tijdzone_;
};

using InschrijfDatumsTest = MetTijdzone;

TEST_F(InschrijfDatumsTest, VastAantalDagenEnVasteWeken) {
    struct {
        const char* wat;
        CDatum eerste;
        CLijstParameters parameters;
        std::vector<CDatum> datums;
    } gevallen[] = {
        {"a week, into summer time",
         {30, 3, 2026},
         {1, 7, 0, 3},
         {{30, 3, 2026}, {6, 4, 2026}, {13, 4, 2026}}},
        {"across the start of summer time",
         {23, 3, 2026},
         {1, 7, 0, 2},
         {{23, 3, 2026}, {30, 3, 2026}}},
        {"across the end of summer time",
         {19, 10, 2026},
         {1, 7, 0, 2},
         {{19, 10, 2026}, {26, 10, 2026}}},
        {"a month change",
         {28, 2, 2026},
         {1, 1, 0, 3},
         {{28, 2, 2026}, {1, 3, 2026}, {2, 3, 2026}}},
        {"a leap day", {28, 2, 2028}, {1, 1, 0, 3}, {{28, 2, 2028}, {29, 2, 2028}, {1, 3, 2028}}},
        {"a year change",
         {25, 12, 2026},
         {1, 7, 0, 3},
         {{25, 12, 2026}, {1, 1, 2027}, {8, 1, 2027}}},
        {"first and third week",
         {2, 3, 2026},
         {2, 7, 1 | 4, 5},
         {{2, 3, 2026}, {16, 3, 2026}, {6, 4, 2026}, {20, 4, 2026}, {4, 5, 2026}}},
        {"the first date outside the weeks",
         {2, 3, 2026},
         {2, 7, 2, 2},
         {{9, 3, 2026}, {13, 4, 2026}}},
        {"week 5, across the year",
         {29, 10, 2026},
         {2, 7, 16, 3},
         {{29, 10, 2026}, {31, 12, 2026}, {29, 4, 2027}}},
        {"no week selected", {2, 3, 2026}, {2, 7, 0, 5}, {}},
        {"only a bit that names no week", {2, 3, 2026}, {2, 7, 32, 5}, {}},
        {"no columns", {2, 3, 2026}, {1, 7, 5, 0}, {}},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(g.datums, InschrijfDatums(g.eerste, g.parameters)) << g.wat;
    }
}

TEST_F(InschrijfDatumsTest, HoogstensNegenenNegentigKolommen) {
    auto datums = InschrijfDatums({1, 1, 2026}, {1, 1, 5, 100000});
    ASSERT_EQ(99u, datums.size());
    EXPECT_EQ((CDatum{9, 4, 2026}), datums.back());
}

class Inschrijflijst : public MetTijdzone {
protected:
    void SetUp() override {
        competitie.datafile = FixturePad("html/club/club.txt");
        ASSERT_EQ(0, competitie.Lees());
    }
    int Exporteer(const CLijstParameters& parameters) {
        return ExporteerInschrijflijst(competitie.spelers, {30, 3, 2026}, parameters, pad);
    }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;
    std::string pad = map.Bestand("club.csv");
};

TEST_F(Inschrijflijst, ActieveSpelersOpBytewaardeMetHunVoorkeur) {
    ASSERT_EQ(0, Exporteer({1, 7, 5, 3}));
    EXPECT_EQ(Fixture("html/inschrijflijst.csv"), LeesAlles(pad));
}

TEST_F(Inschrijflijst, ZonderDatumsTochAlleKolommen) {
    ASSERT_EQ(0, Exporteer({2, 7, 0, 3}));
    EXPECT_EQ(Fixture("html/inschrijflijst_zonder_datums.csv"), LeesAlles(pad));
}

TEST_F(Inschrijflijst, EenBestandDatNietOpenKanWordtGemeld) {
    pad = map.Bestand("geen/club.csv");
    meldingen.Verwacht("Het bestand '" + pad +
                       "' kon niet geopend worden om te schrijven, om de volgende reden:\r" +
                       SysteemFoutTekst(ENOENT));
    EXPECT_EQ(-1, Exporteer({1, 7, 5, 3}));
}

class Klassenverloop : public ::testing::Test {
protected:
    int Exporteer(const CSpelers& spelers, const CRondes& rondes) {
        return ExporteerKlassenverloop(spelers, rondes, formules, pad);
    }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CStandFormules formules{CFormule("2 * W + J"), false, CFormule("K - 10"), CFormule("K + 10"),
                            CFormule("K")};
    std::string pad = map.Bestand("club.csv");
};

TEST_F(Klassenverloop, DeKlassenNaElkeRonde) {
    CCompetitie competitie;
    competitie.datafile = FixturePad("html/club/club.txt");
    ASSERT_EQ(0, competitie.Lees());
    ASSERT_EQ(0, Exporteer(competitie.spelers, competitie.rondes));
    EXPECT_EQ(Fixture("html/klassenverloop.csv"), LeesAlles(pad));
}

TEST_F(Klassenverloop, GelijkeNamenVanRondesEnKlassenOnderNul) {
    CTestCompetitie c;
    c.Speler(1, "Els", 5);
    c.Speler(2, "Tom", 95);
    c.Speler(3, "Ina", 120, 0);
    c.Ronde("Mei").VoegToe(1, 2, '+');
    c.Ronde("mei").VoegToe(1, 2, '-');
    c.Ronde("juni").VoegToe(3, 2, '+');
    ASSERT_EQ(0, Exporteer(c.spelers, c.rondes));
    EXPECT_EQ(";Els;Tom;\r\nMei;-0,5;10,5;\r\nmei;-0,5;10,5;\r\njuni;0,5;10,5;\r\n",
              LeesAlles(pad));
}

TEST_F(Klassenverloop, ZonderActieveSpelersOfRondes) {
    CTestCompetitie c;
    c.Speler(1, "Els", 50, 0);
    ASSERT_EQ(0, Exporteer(c.spelers, c.rondes));
    EXPECT_EQ(";\r\n", LeesAlles(pad));
    c.Ronde("Mei").VoegToe(1);
    ASSERT_EQ(0, Exporteer(c.spelers, c.rondes));
    EXPECT_EQ(";\r\nMei;\r\n", LeesAlles(pad));
}

TEST_F(Klassenverloop, DeInschrijflijstVervangtHetBestand) {
    CTestCompetitie c;
    c.Speler(1, "Els", 50);
    ASSERT_EQ(0, Exporteer(c.spelers, c.rondes));
    CTijdzone tijdzone;
    ASSERT_EQ(0, ExporteerInschrijflijst(c.spelers, {6, 3, 2026}, {1, 7, 5, 1}, pad));
    EXPECT_EQ("\r\n\r\nAan-/afmeldingen\r\n\r\nNaam;6-3-2026;\r\n\r\nEls;+;\r\n", LeesAlles(pad));
}

// Waits until the started program has written `pad`, at most a while.
std::string WachtOp(const std::string& pad) {
    for (int i = 0; i < 500; ++i) {
        if (std::filesystem::exists(pad + ".klaar")) {
            return LeesAlles(pad);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return "(niet gestart)";
}

TEST(Spreadsheet, OpJaStartHetProgrammaMetHetPadAlsEenArgument) {
    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    std::string programma = map.Bestand("reken blad");
    std::string uit = map.Bestand("argumenten");
    SchrijfAlles(programma, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + uit + "'\ntouch '" + uit +
                                ".klaar'\n");
    std::filesystem::permissions(programma, std::filesystem::perms::owner_all);
    std::string bestand = map.Bestand("mijn club; 2026.csv");

    meldingen.Verwacht("Spreadsheet proberen op te starten?", Antwoord::Nee);
    BiedSpreadsheetAan(programma, bestand);
    EXPECT_EQ("Morvel Competitie Beheer", meldingen.meldingen.at(0).titel);
    EXPECT_EQ(Knoppen::JaNee, meldingen.meldingen.at(0).knoppen);

    meldingen.Verwacht("Spreadsheet proberen op te starten?", Antwoord::Ja);
    BiedSpreadsheetAan(programma, bestand);
    EXPECT_EQ("1|" + bestand + "|", WachtOp(uit));
}

TEST(Spreadsheet, EenProgrammaDatNietStartWordtGemeld) {
    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    struct {
        std::string programma;
        int fout;
    } gevallen[] = {
        {map.Bestand("bestaat niet"), ENOENT},
        {"morvel-geen-programma-met-deze-naam", ENOENT},
        {map.Pad(), EACCES},
    };
    for (const auto& g : gevallen) {
        meldingen.Verwacht("Spreadsheet proberen op te starten?", Antwoord::Ja)
            .Verwacht("Het databestand 'club.csv' is geschreven.\rHet spreadsheet programma '" +
                      g.programma + "' kon niet geopend worden, wegens de volgende reden:\r" +
                      SysteemFoutTekst(g.fout));
        BiedSpreadsheetAan(g.programma, "club.csv");
        meldingen.Controleer();
    }
}

} // namespace
