// One program at a time writes a competition: the lock, the read-only mode of
// a second program, and the question before another program's version of the
// data file is overwritten.

#include "app/competitieslot.h"
#include "app/morvelapp.h"
#include "base/mappen.h"
#include "base/platform.h"
#include "club_opstelling.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "ui/ledenvenster.h"
#include "ui/rondesvenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kClub =
    "versie=2\r\n\r\n[Spelers]\r\n1 \"Anna\" 150 J J J\r\n2 \"Bert\" 160 J J J\r\n"
    "\r\n[Uitslagen]\r\n{12 mei}\r\n1 2 +\r\n";

bool Bevat(const std::string& tekst, const std::string& deel) {
    return tekst.find(deel) != std::string::npos;
}

class Schrijfslot : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* naam : {"Club", "Ander"}) {
            LegCompetitieKlaar(tmp, naam, kClub);
        }
        eerste = Start();
    }

    std::unique_ptr<CMorvelApp> Start() {
        auto app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetMakeBackup(0);
        return app;
    }

    std::string Datafile(const std::string& naam = "Club") const {
        return tmp.Bestand("data/" + naam + "/" + naam + ".txt");
    }
    std::string Slot(const std::string& naam = "Club") const { return SlotPad(Datafile(naam)); }

    CSlotHouder LeesHouder(const std::string& naam = "Club") const {
        CSlotHouder houder;
        EXPECT_TRUE(LeesSlotTekst(LeesAlles(Slot(naam)), houder));
        return houder;
    }

    // A lock left by the process `proces` on this computer.
    void LegSlot(int64_t proces, const std::string& programma, const std::string& computer = "") {
        CSlotHouder houder{computer.empty() ? ComputerNaam() : computer, "iemand", proces,
                           programma, 1700000000};
        SchrijfAlles(Slot(), SlotTekst(houder));
    }

    // The number of a process that has ended.
    static int64_t GestoptProces() {
        pid_t kind = ::fork();
        if (kind == 0) {
            ::_exit(0);
        }
        ::waitpid(kind, nullptr, 0);
        return kind;
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> eerste;
};

TEST_F(Schrijfslot, OpeningTakesTheLockASwitchAndTheCloseGiveItBack) {
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    CSlotHouder houder = LeesHouder();
    EXPECT_EQ(ComputerNaam(), houder.computer);
    EXPECT_EQ(GebruikersNaam(), houder.gebruiker);
    EXPECT_EQ(ProcesNummer(), houder.proces);
    EXPECT_EQ(ProcesProgramma(), houder.programma);
    EXPECT_LE(std::abs(houder.tijd - static_cast<int64_t>(std::time(nullptr))), 5);
    EXPECT_EQ(".Club.txt.slot", fs::path(Slot()).filename());
    EXPECT_FALSE(eerste->AlleenLezen());

    ASSERT_EQ(0, eerste->KiesCompetitie("Ander"));
    EXPECT_FALSE(fs::exists(Slot()));
    EXPECT_TRUE(fs::exists(Slot("Ander")));
    EXPECT_TRUE(eerste->SluitAf(true));
    EXPECT_FALSE(fs::exists(Slot("Ander")));
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(Schrijfslot, ASecondProgramGetsReadOnlyAndChangesNothing) {
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    const std::string slot = LeesAlles(Slot());
    std::unique_ptr<CMorvelApp> tweede = Start();
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, tweede->KiesCompetitie("Club"));
    const CMelding& vraag = recorder.meldingen.at(0);
    EXPECT_TRUE(Bevat(vraag.tekst, "De competitie 'Club' is sinds ")) << vraag.tekst;
    EXPECT_TRUE(Bevat(vraag.tekst, " geopend door " + GebruikersNaam() + " op " + ComputerNaam() +
                                       " (proces " + std::to_string(ProcesNummer()) + ")."))
        << vraag.tekst;
    EXPECT_TRUE(Bevat(vraag.tekst, "\n\nDe competitie alleen lezen openen?")) << vraag.tekst;
    EXPECT_EQ(Knoppen::JaNee, vraag.knoppen);
    EXPECT_TRUE(tweede->AlleenLezen());
    EXPECT_EQ(1, tweede->competitie.rondes.Aantal()); // it can be read

    // Every change is refused with a message.
    recorder.Controleer();
    const std::string geweigerd = "De competitie 'Club' is alleen geopend om te lezen; "
                                  "wijzigingen zijn niet mogelijk.\n";
    CLedenVenster leden(*tweede);
    CRondesVenster rondes(*tweede);
    for (int i = 0; i < 5; ++i) {
        recorder.VerwachtWillekeurig();
    }
    leden.Selecteer(0);
    leden.Toevoegen();
    leden.Wijzigen();
    EXPECT_TRUE(leden.Bladeren());
    CLedenImport import;
    EXPECT_EQ(-1, leden.LeesImport(tmp.Bestand("leden.csv"), import));
    rondes.Selecteer(0);
    EXPECT_EQ(-1, rondes.Verwijderen());
    EXPECT_EQ(-1, rondes.Toevoegen([](CRonde&, bool) { return true; }));
    for (const CMelding& m : recorder.meldingen) {
        EXPECT_TRUE(Bevat(m.tekst, geweigerd)) << m.tekst;
    }
    recorder.Controleer();
    EXPECT_EQ(1, tweede->competitie.rondes.Aantal());

    // Whatever changed in memory is never written, not even at the close.
    tweede->competitie.spelers.ZetGewijzigd();
    recorder.VerwachtWillekeurig();
    EXPECT_EQ(-1, tweede->competitie.Schrijf());
    EXPECT_EQ(0, tweede->BewaarHerstel());
    EXPECT_TRUE(tweede->SluitAf(true));
    EXPECT_EQ(kClub, LeesAlles(Datafile()));
    EXPECT_FALSE(fs::exists(tweede->HerstelPad()));
    EXPECT_EQ(slot, LeesAlles(Slot())); // the first one's lock stays

    // The first one writes as before.
    std::string naam = "Cees";
    ASSERT_EQ(0, eerste->competitie.spelers.VoegToe(3, naam, 170, 1, 1, 1));
    EXPECT_TRUE(eerste->SluitAf(true));
    EXPECT_TRUE(Bevat(LeesAlles(Datafile()), "3 \"Cees\" 170"));
}

TEST_F(Schrijfslot, NoLeavesTheCompetitionUnopened) {
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    std::unique_ptr<CMorvelApp> tweede = Start();
    ASSERT_EQ(0, tweede->KiesCompetitie("Ander"));
    recorder.VerwachtWillekeurig(Antwoord::Nee);
    EXPECT_EQ(-1, tweede->KiesCompetitie("Club"));
    EXPECT_FALSE(tweede->CompetitieGelezen());
    EXPECT_FALSE(tweede->AlleenLezen());
    EXPECT_EQ(0u, tweede->competitie.spelers.Aantal());
    EXPECT_FALSE(fs::exists(Slot("Ander"))); // the one it left is free
}

TEST_F(Schrijfslot, TheRecoveryCopyOfTheWriterIsLeftToIt) {
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    std::string naam = "Cees";
    ASSERT_EQ(0, eerste->competitie.spelers.VoegToe(3, naam, 170, 1, 1, 1));
    ASSERT_EQ(0, eerste->BewaarHerstel());
    const std::string herstel = LeesAlles(eerste->HerstelPad());
    std::unique_ptr<CMorvelApp> tweede = Start();
    recorder.VerwachtWillekeurig(Antwoord::Ja); // read-only; no offer of the copy
    ASSERT_EQ(0, tweede->KiesCompetitie("Club"));
    EXPECT_TRUE(tweede->SluitAf(true));
    EXPECT_EQ(herstel, LeesAlles(eerste->HerstelPad()));
    recorder.Controleer();
    eerste->competitie.Sluit();
}

TEST_F(Schrijfslot, ALockLeftBehindOnThisComputerIsTakenOver) {
    struct Geval {
        const char* naam;
        int64_t proces;
        std::string programma;
    } gevallen[] = {
        {"a process that has ended", GestoptProces(), "morvel"},
        {"a number now used by another program", ProcesNummer(), "iets-anders"},
    };
    for (const Geval& g : gevallen) {
        LegSlot(g.proces, g.programma);
        ASSERT_EQ(0, eerste->KiesCompetitie("Club")) << g.naam;
        EXPECT_FALSE(eerste->AlleenLezen()) << g.naam;
        EXPECT_EQ(ProcesNummer(), LeesHouder().proces) << g.naam;
        EXPECT_EQ(ProcesProgramma(), LeesHouder().programma) << g.naam;
        ASSERT_EQ(0, eerste->KiesCompetitie("Ander"));
    }
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(Schrijfslot, ALockOfAnotherComputerOrOneThatCannotBeReadIsRespected) {
    LegSlot(GestoptProces(), "morvel", "elders");
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    EXPECT_TRUE(eerste->AlleenLezen());
    const std::string& tekst = recorder.meldingen.at(0).tekst;
    EXPECT_TRUE(Bevat(tekst, " geopend door iemand op elders (proces ")) << tekst;
    EXPECT_TRUE(Bevat(tekst, "verwijder dan het slotbestand '" + Slot() + "'")) << tekst;
    recorder.Controleer();

    SchrijfAlles(Slot(), "geen slot van Morvel");
    ASSERT_EQ(0, eerste->KiesCompetitie("Ander"));
    recorder.VerwachtWillekeurig(Antwoord::Nee);
    EXPECT_EQ(-1, eerste->KiesCompetitie("Club"));
    EXPECT_TRUE(Bevat(recorder.meldingen.at(0).tekst, "is vergrendeld door het slotbestand '" +
                                                          Slot() +
                                                          "', dat niet gelezen kan worden."));
    EXPECT_EQ("geen slot van Morvel", LeesAlles(Slot()));
}

TEST_F(Schrijfslot, ALockRemovedWhileOpenIsMadeAgainAndOneTakenByAnotherStopsTheWrite) {
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    std::string naam = "Cees";
    ASSERT_EQ(0, eerste->competitie.spelers.VoegToe(3, naam, 170, 1, 1, 1));
    fs::remove(Slot());
    ASSERT_EQ(0, eerste->competitie.Schrijf());
    EXPECT_EQ(ProcesNummer(), LeesHouder().proces);

    LegSlot(ProcesNummer(), ProcesProgramma(), "elders");
    eerste->competitie.spelers.ZetGewijzigd();
    recorder.VerwachtWillekeurig();
    EXPECT_EQ(-1, eerste->competitie.Schrijf());
    EXPECT_TRUE(Bevat(recorder.meldingen.at(0).tekst, "\nEr is niets geschreven."));
    EXPECT_TRUE(eerste->competitie.IsGewijzigd());
    eerste->competitie.spelers.WisGewijzigd();
}

TEST_F(Schrijfslot, TheLockTextReadsBackAsWritten) {
    std::mt19937 toeval(27);
    const std::string tekens = "abcXYZ09 -_.=:\xE9\xFC'";
    auto tekst = [&](size_t lengte) {
        std::string t;
        for (size_t i = 0; i < lengte; ++i) {
            t += tekens[std::uniform_int_distribution<size_t>(0, tekens.size() - 1)(toeval)];
        }
        return t;
    };
    for (int keer = 0; keer < 200; ++keer) {
        CSlotHouder houder{"c" + tekst(keer % 40), tekst(keer % 13),
                           std::uniform_int_distribution<int64_t>(1, INT32_MAX)(toeval),
                           tekst(keer % 16),
                           std::uniform_int_distribution<int64_t>(0, 4000000000)(toeval)};
        CSlotHouder gelezen;
        ASSERT_TRUE(LeesSlotTekst(SlotTekst(houder), gelezen)) << SlotTekst(houder);
        EXPECT_EQ(houder, gelezen) << SlotTekst(houder);
        EXPECT_EQ(SlotTekst(houder), SlotTekst(gelezen));
    }
    CSlotHouder houder;
    for (const char* vreemd :
         {"", "[Morvel slot]\r\n", "[Morvel slot]\r\ncomputer=x\r\nproces=0\r\ntijd=1\r\n",
          "[Morvel slot]\r\ncomputer=x\r\nproces=5\r\ntijd=-1\r\n", "versie=2\r\n[Spelers]\r\n"}) {
        EXPECT_FALSE(LeesSlotTekst(vreemd, houder)) << vreemd;
    }
}

// Another program changed the data file while it was open here.
class AndereVersie : public Schrijfslot {
protected:
    void SetUp() override {
        Schrijfslot::SetUp();
        ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
        std::string naam = "Cees";
        ASSERT_EQ(0, eerste->competitie.spelers.VoegToe(3, naam, 170, 1, 1, 1));
        SchrijfAlles(Datafile(), kAnder);
    }

    static constexpr const char* kAnder =
        "versie=2\r\n\r\n[Spelers]\r\n1 \"Anna\" 150 J J J\r\n\r\n[Uitslagen]\r\n";
};

TEST_F(AndereVersie, OverwriteKeepsTheOtherVersionInTheHistory) {
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, eerste->KiesCompetitie("Ander"));
    EXPECT_TRUE(Bevat(recorder.meldingen.at(0).tekst, "door een ander programma gewijzigd"));
    EXPECT_TRUE(Bevat(LeesAlles(Datafile()), "3 \"Cees\" 170"));
    std::vector<CGeneratie> generaties = Generaties(Datafile());
    ASSERT_FALSE(generaties.empty());
    EXPECT_EQ(kAnder, LeesAlles(generaties.front().pad));
}

TEST_F(AndereVersie, CancelStaysOpenThenLeavesWithBothVersionsKept) {
    recorder.VerwachtWillekeurig(Antwoord::Nee).VerwachtWillekeurig();
    EXPECT_EQ(-1, eerste->KiesCompetitie("Ander"));
    EXPECT_EQ("Club", eerste->GeopendeNaam());
    EXPECT_TRUE(eerste->competitie.IsGewijzigd());
    EXPECT_TRUE(Bevat(recorder.meldingen.at(1).tekst, "herstelkopie"))
        << recorder.meldingen[1].tekst;
    EXPECT_EQ(kAnder, LeesAlles(Datafile()));
    EXPECT_TRUE(Bevat(LeesAlles(eerste->HerstelPad()), "3 \"Cees\" 170"));
    recorder.Controleer();

    // Leaving again asks nothing more: their version in the data file, ours in the copy.
    ASSERT_EQ(0, eerste->KiesCompetitie("Ander"));
    EXPECT_TRUE(recorder.meldingen.empty());
    EXPECT_EQ(kAnder, LeesAlles(Datafile()));
    EXPECT_FALSE(fs::exists(Slot()));

    // Opened again, the copy is offered; taken back, it is written over theirs.
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, eerste->KiesCompetitie("Club"));
    EXPECT_TRUE(Bevat(recorder.meldingen.at(0).tekst, "herstelkopie"));
    EXPECT_TRUE(eerste->SluitAf(true));
    EXPECT_TRUE(Bevat(LeesAlles(Datafile()), "3 \"Cees\" 170"));
    EXPECT_EQ(kAnder, LeesAlles(Generaties(Datafile()).front().pad));
}

TEST_F(AndereVersie, CancelAtTheCloseStaysOpenOnce) {
    recorder.VerwachtWillekeurig(Antwoord::Nee).VerwachtWillekeurig();
    EXPECT_FALSE(eerste->SluitAf(true));
    recorder.Controleer();
    EXPECT_TRUE(eerste->SluitAf(true));
    EXPECT_TRUE(recorder.meldingen.empty());
    EXPECT_EQ(kAnder, LeesAlles(Datafile()));
    EXPECT_TRUE(Bevat(LeesAlles(eerste->HerstelPad()), "3 \"Cees\" 170"));
}

} // namespace
