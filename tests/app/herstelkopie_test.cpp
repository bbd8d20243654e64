// The recovery copy: an evening's work survives a crash between two writes
// of the data file.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "club_opstelling.h"
#include "melding_recorder.h"
#include "programma.h"
#include "tijdelijke_map.h"
#include "ui/ledenvenster.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kDataFile = "versie=2\n\n[Spelers]\n1 \"Anna\" 150 J J J\n2 \"Bert\" 160 J J J\n"
                              "\n[Uitslagen]\n{12 mei}\n1 2 +\n";

bool BeginMet(const std::string& tekst, const std::string& begin) {
    return tekst.compare(0, begin.size(), begin) == 0;
}

class Herstelkopie : public ::testing::Test {
protected:
    void SetUp() override {
        LegCompetitieKlaar(tmp, "Club", kDataFile);
        Start();
    }

    void Start() {
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
    }

    // What a crash leaves: the objects gone, nothing written.
    void Crash() {
        app->competitie.spelers.WisGewijzigd();
        app->competitie.rondes.WisGewijzigd();
        app.reset();
    }

    // A round entered and accepted, as the rounds window does.
    void VoerRondeIn() {
        auto ronde = std::make_unique<CRonde>(app->competitie.rondes);
        ronde->identificatie = "19 mei";
        ASSERT_EQ(0, ronde->VoegToe(2, 1, '+'));
        app->competitie.rondes.VoegRondeToe(std::move(ronde));
        ASSERT_EQ(0, app->BewaarHerstel());
    }

    std::string Datafile() const { return tmp.Bestand("data/Club/Club.txt"); }
    std::string Herstel() const { return tmp.Bestand("data/Club/.Club.txt.herstel"); }
    std::vector<std::string> Opzij() const {
        std::vector<std::string> namen;
        for (const auto& ingang : fs::directory_iterator(tmp.Bestand("data/Club"))) {
            std::string naam = ingang.path().filename().string();
            if (BeginMet(naam, ".Club.txt.herstel-")) {
                namen.push_back(naam);
            }
        }
        return namen;
    }
    static std::string Vraag() { return "Er is een herstelkopie van de competitie 'Club' van "; }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(Herstelkopie, YesGivesTheEnteredRoundBackAndTheCloseWritesIt) {
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    VoerRondeIn();
    EXPECT_EQ(kDataFile, LeesAlles(Datafile())); // the data file itself is not written
    Crash();

    Start();
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    const CMelding& vraag = recorder.meldingen.at(0);
    EXPECT_TRUE(BeginMet(vraag.tekst, Vraag())) << vraag.tekst;
    EXPECT_NE(std::string::npos,
              vraag.tekst.find("zijn.\n\nDatafile: 2 spelers, 1 rondes.\nHerstelkopie: 2 spelers, "
                               "2 rondes.\n\nDe niet opgeslagen wijzigingen terugzetten?"))
        << vraag.tekst;
    EXPECT_EQ(Knoppen::JaNee, vraag.knoppen);
    ASSERT_EQ(2, app->competitie.rondes.Aantal());
    EXPECT_EQ("19 mei", app->competitie.rondes.Ronde(1).identificatie);
    EXPECT_TRUE(app->competitie.IsGewijzigd());
    EXPECT_EQ(Datafile(), app->competitie.datafile);

    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_NE(std::string::npos, LeesAlles(Datafile()).find("{19 mei}\r\n2 1 +\r\n"));
    EXPECT_FALSE(fs::exists(Herstel())); // a normal write removes the copy
}

TEST_F(Herstelkopie, NoKeepsTheDataFileAndPutsTheCopyAside) {
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    VoerRondeIn();
    std::string kopie = LeesAlles(Herstel());
    Crash();

    Start();
    recorder.VerwachtWillekeurig(Antwoord::Nee).VerwachtWillekeurig();
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    EXPECT_EQ(1, app->competitie.rondes.Aantal());
    EXPECT_FALSE(app->competitie.IsGewijzigd());
    EXPECT_FALSE(fs::exists(Herstel()));
    std::vector<std::string> opzij = Opzij();
    ASSERT_EQ(1u, opzij.size());
    EXPECT_EQ(kopie, LeesAlles(tmp.Bestand("data/Club/" + opzij[0])));
    EXPECT_NE(std::string::npos, recorder.meldingen.at(1).tekst.find(opzij[0]));
    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_EQ(kDataFile, LeesAlles(Datafile()));
}

TEST_F(Herstelkopie, AnUnreadableCopyIsReportedAndKeptAside) {
    SchrijfAlles(Herstel(), "versie=9\r\n");
    recorder
        .Verwacht("Om deze data bestanden te kunnen lezen, dient u versie 9 (of hoger) van "
                  "dit programma te gebruiken")
        .VerwachtWillekeurig();
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    EXPECT_NE(std::string::npos, recorder.meldingen.at(1).tekst.find("kan niet gelezen worden"));
    EXPECT_EQ(1u, Opzij().size());
    EXPECT_FALSE(fs::exists(Herstel()));
    EXPECT_EQ(1, app->competitie.rondes.Aantal());
}

TEST_F(Herstelkopie, LeavingWithoutChangesRemovesTheCopyAndWindowsWriteIt) {
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    EXPECT_EQ(0, app->BewaarHerstel()); // nothing changed: no copy
    EXPECT_FALSE(fs::exists(Herstel()));

    // The members window writes the copy when a player is accepted.
    CLedenVenster leden(*app);
    leden.Toevoegen();
    leden.ZetNaam("Cees");
    leden.ZetBeginKlasse("170");
    ASSERT_EQ(0, leden.Accepteer());
    EXPECT_NE(std::string::npos, LeesAlles(Herstel()).find("3 \"Cees\" 170 J J J"));
    EXPECT_EQ(kDataFile, LeesAlles(Datafile()));

    app->competitie.spelers.WisGewijzigd(); // as if written elsewhere: no changes left
    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_FALSE(fs::exists(Herstel()));
}

TEST_F(Herstelkopie, CommandsMentionTheCopyWithoutTouchingIt) {
    SchrijfAlles(Herstel(), kDataFile);
    std::string profiel = tmp.Bestand("morvel.ini");
    CProgrammaUitvoer u = VoerMorvelUit({"--profiel", profiel, "controleer", Datafile()});
    EXPECT_EQ(1, u.status);
    EXPECT_NE(std::string::npos, u.fout.find("herstelkopie")) << u.fout;
    u = VoerMorvelUit({"--profiel", profiel, "stand", tmp.Bestand("data/Club")});
    EXPECT_NE(std::string::npos, u.fout.find("herstelkopie")) << u.fout;
    EXPECT_EQ(kDataFile, LeesAlles(Herstel()));
}

// A child writes the copy again and again and is killed at a random moment:
// the copy on disk is always the old one or the new one, whole, and the next
// write leaves no temporary file behind.
TEST_F(Herstelkopie, AKilledWriteLeavesTheOldOrTheNewCopyWhole) {
    ASSERT_EQ(0, app->KiesCompetitie("Club"));
    std::string naam = "Nieuw";
    ASSERT_EQ(0, app->competitie.spelers.VoegToe(3, naam, 170, 1, 1, 1));
    int fout = 0;
    ASSERT_EQ(0, app->competitie.SchrijfKopie(Herstel(), fout));
    const std::string oud = LeesAlles(Herstel());
    // The new copy is much larger, so a write takes a while to be caught in.
    for (int32_t nummer = 10; nummer < 4000; ++nummer) {
        naam = "Speler " + std::to_string(nummer);
        ASSERT_EQ(0, app->competitie.spelers.VoegToe(nummer, naam, 150, 1, 1, 1));
    }
    std::string nieuw;
    {
        CTijdelijkeMap elders;
        ASSERT_EQ(0, app->competitie.SchrijfKopie(elders.Bestand("n"), fout));
        nieuw = LeesAlles(elders.Bestand("n"));
    }
    std::mt19937 toeval(20261210);
    std::uniform_int_distribution<int> wacht(0, 60000);
    for (int keer = 0; keer < 40; ++keer) {
        SchrijfAlles(Herstel(), oud);
        pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            for (;;) {
                int f = 0;
                app->competitie.SchrijfKopie(Herstel(), f);
            }
        }
        ::usleep(static_cast<useconds_t>(wacht(toeval)));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);
        std::string gevonden = LeesAlles(Herstel());
        ASSERT_TRUE(gevonden == oud || gevonden == nieuw)
            << "after " << keer << ": " << gevonden.size() << " bytes";
    }
    ASSERT_EQ(0, app->competitie.SchrijfKopie(Herstel(), fout));
    for (const auto& ingang : fs::directory_iterator(tmp.Bestand("data/Club"))) {
        EXPECT_FALSE(BeginMet(ingang.path().filename().string(), ".morvel-"))
            << ingang.path().filename();
    }
    app->competitie.spelers.WisGewijzigd();
}

} // namespace
