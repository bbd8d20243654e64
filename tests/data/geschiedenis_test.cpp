// The history of a data file: every write keeps the state it replaces, and a
// file that another program changed is never overwritten without asking.

#include "base/platform.h"
#include "data/competitie.h"
#include "data/geschiedenis.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Every generation of `datafile`, oldest first.
std::vector<std::string> Inhouden(const std::string& datafile) {
    std::vector<std::string> inhouden;
    for (const CGeneratie& generatie : Generaties(datafile)) {
        inhouden.insert(inhouden.begin(), LeesAlles(generatie.pad));
    }
    return inhouden;
}

// Runs `werk` with writes of files above `grens` bytes failing, as on a full disk.
template <typename Werk> void MetBestandsGrens(size_t grens, Werk werk) {
    auto vorigSignaal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorige{};
    ::getrlimit(RLIMIT_FSIZE, &vorige);
    rlimit nieuw = vorige;
    nieuw.rlim_cur = grens;
    ::setrlimit(RLIMIT_FSIZE, &nieuw);
    werk();
    ::setrlimit(RLIMIT_FSIZE, &vorige);
    std::signal(SIGXFSZ, vorigSignaal);
}

class Geschiedenis : public ::testing::Test {
protected:
    void SetUp() override {
        competitie.competitieMap = map.Pad();
        competitie.datafile = map.Bestand("Club.txt");
        competitie.generaties = [this] { return bewaren; };
        SchrijfAlles(competitie.datafile, "versie=2\r\n\r\n[Spelers]\r\n\r\n[Uitslagen]\r\n");
        ASSERT_EQ(0, competitie.Lees());
    }

    // A new player, written: returns the data file as it is afterwards.
    std::string SchrijfSpeler(int32_t nummer) {
        std::string naam = "Speler " + std::to_string(nummer);
        EXPECT_EQ(0, competitie.spelers.VoegToe(nummer, naam, 150, 1, 1, 1));
        EXPECT_EQ(0, competitie.Schrijf());
        return LeesAlles(competitie.datafile);
    }

    CMeldingRecorder meldingen;
    CTijdelijkeMap map;
    CCompetitie competitie;
    int32_t bewaren = 100;
};

TEST_F(Geschiedenis, FiveWritesKeepFiveStatesByteForByteAndAnUnchangedWriteNone) {
    std::vector<std::string> staten{LeesAlles(competitie.datafile)};
    for (int32_t i = 1; i <= 5; ++i) {
        staten.push_back(SchrijfSpeler(i));
    }
    staten.pop_back(); // the last state is the data file itself
    EXPECT_EQ(staten, Inhouden(competitie.datafile));

    // Written again without a change (as `herschrijf` does): the same bytes, no generation.
    competitie.spelers.ZetGewijzigd();
    ASSERT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(5u, Generaties(competitie.datafile).size());

    // The history is hidden, beside the data file, and never a data file itself.
    std::vector<CGeneratie> generaties = Generaties(competitie.datafile);
    EXPECT_EQ(map.Bestand(".Club.txt.geschiedenis"), GeschiedenisMap(competitie.datafile));
    for (const CGeneratie& generatie : generaties) {
        EXPECT_EQ(GeschiedenisMap(competitie.datafile), fs::path(generatie.pad).parent_path());
        EXPECT_EQ(".generatie", fs::path(generatie.pad).extension());
    }
    // Five writes within a second or two: names made unique, newest first.
    for (size_t i = 1; i < generaties.size(); ++i) {
        EXPECT_TRUE(generaties[i - 1].tijd > generaties[i].tijd ||
                    generaties[i - 1].volgnummer > generaties[i].volgnummer);
    }
}

TEST_F(Geschiedenis, TheLimitRemovesTheOldestOnlyAfterASuccessfulWrite) {
    bewaren = 3;
    std::vector<std::string> staten{LeesAlles(competitie.datafile)};
    for (int32_t i = 1; i <= 5; ++i) {
        staten.push_back(SchrijfSpeler(i));
    }
    EXPECT_EQ(std::vector<std::string>(staten.begin() + 2, staten.begin() + 5),
              Inhouden(competitie.datafile));

    // A write that fails (the file too large to be written) removes nothing.
    std::string naam(400, 'x');
    ASSERT_EQ(0, competitie.spelers.VoegToe(9, naam, 150, 1, 1, 1));
    meldingen.Verwacht("CMorvelApp::Schrijf()\nDe datafile '" + competitie.datafile +
                       "' kan niet geopend worden!\nDe reden: '" + SysteemFoutTekst(EFBIG) + "'");
    MetBestandsGrens(staten.back().size() + 100, [&] { EXPECT_EQ(-1, competitie.Schrijf()); });
    EXPECT_EQ(staten.back(), LeesAlles(competitie.datafile));
    std::vector<std::string> na = Inhouden(competitie.datafile);
    ASSERT_EQ(4u, na.size());
    EXPECT_EQ(staten[2], na.front()); // the oldest is still there
    EXPECT_EQ(staten.back(), na.back());

    ASSERT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(std::vector<std::string>(staten.begin() + 3, staten.end()),
              Inhouden(competitie.datafile));
}

TEST_F(Geschiedenis, HistoryOffKeepsNoneAndLeavesEarlierGenerationsAlone) {
    SchrijfSpeler(1);
    bewaren = 0;
    SchrijfSpeler(2);
    SchrijfSpeler(3);
    EXPECT_EQ(1u, Generaties(competitie.datafile).size());

    CTijdelijkeMap andere;
    CCompetitie zonder; // a competition without a history setting keeps none
    zonder.datafile = andere.Bestand("Zonder.txt");
    zonder.spelers.ZetGewijzigd();
    ASSERT_EQ(0, zonder.Schrijf());
    zonder.spelers.ZetGewijzigd();
    zonder.SetFormaat(2);
    ASSERT_EQ(0, zonder.Schrijf());
    EXPECT_FALSE(fs::exists(GeschiedenisMap(zonder.datafile)));
}

TEST_F(Geschiedenis, TwoCompetitionsNeverMixTheirHistories) {
    // Even two data files in one folder keep histories of their own.
    CCompetitie tweede;
    tweede.datafile = map.Bestand("Tweede.txt");
    tweede.generaties = [] { return 100; };
    tweede.SetFormaat(2);
    ASSERT_EQ(0, tweede.Schrijf());
    std::string naam = "Alleen Tweede";
    ASSERT_EQ(0, tweede.spelers.VoegToe(1, naam, 150, 1, 1, 1));
    ASSERT_EQ(0, tweede.Schrijf());

    SchrijfSpeler(1);
    SchrijfSpeler(2);
    std::vector<std::string> eigen = Inhouden(competitie.datafile);
    std::vector<std::string> andere = Inhouden(tweede.datafile);
    ASSERT_EQ(2u, eigen.size());
    ASSERT_EQ(1u, andere.size());
    for (const std::string& inhoud : eigen) {
        EXPECT_EQ(std::string::npos, inhoud.find("Alleen Tweede"));
    }
    EXPECT_EQ(std::string::npos, andere[0].find("Speler 1"));
}

TEST_F(Geschiedenis, AFailureToKeepAGenerationIsReportedAndTheWriteGoesOn) {
    // The history folder cannot be made: a file has its name.
    SchrijfAlles(GeschiedenisMap(competitie.datafile), "iets anders");
    meldingen.VerwachtWillekeurig();
    std::string geschreven = SchrijfSpeler(1);
    ASSERT_EQ(1u, meldingen.meldingen.size());
    EXPECT_NE(std::string::npos, meldingen.meldingen[0].tekst.find("kan niet in de geschiedenis"));
    EXPECT_NE(std::string::npos, geschreven.find("Speler 1"));
    EXPECT_EQ("iets anders", LeesAlles(GeschiedenisMap(competitie.datafile)));
}

TEST_F(Geschiedenis, AFullDiskWhileKeepingAGenerationStillWritesTheDataFile) {
    // A history on another file system is kept as a copy; a copy that does not
    // fit fails as on a full disk, while the smaller data file still fits.
    std::string elders = "/dev/shm/morvel-test-" + std::to_string(::getpid());
    struct stat hier {};
    struct stat daar {};
    fs::create_directories(elders);
    if (::stat(map.Pad().c_str(), &hier) != 0 || ::stat(elders.c_str(), &daar) != 0 ||
        hier.st_dev == daar.st_dev) {
        fs::remove_all(elders);
        GTEST_SKIP() << "no second file system for the history";
    }
    fs::create_directory_symlink(elders, GeschiedenisMap(competitie.datafile));
    for (int32_t i = 1; i <= 200; ++i) {
        std::string naam = "Een speler met een lange naam " + std::to_string(i);
        ASSERT_EQ(0, competitie.spelers.VoegToe(i, naam, 150, 1, 1, 1));
    }
    bewaren = 0;
    ASSERT_EQ(0, competitie.Schrijf());
    const std::string groot = LeesAlles(competitie.datafile);
    bewaren = 100;
    for (int32_t i = 1; i <= 199; ++i) {
        competitie.spelers.Verwijder(i);
    }
    meldingen.VerwachtWillekeurig();
    MetBestandsGrens(groot.size() / 2, [&] { EXPECT_EQ(0, competitie.Schrijf()); });
    ASSERT_EQ(1u, meldingen.meldingen.size());
    EXPECT_NE(std::string::npos, meldingen.meldingen[0].tekst.find(SysteemFoutTekst(EFBIG)))
        << meldingen.meldingen[0].tekst;
    EXPECT_EQ(std::string::npos, LeesAlles(competitie.datafile).find("lange naam 1\""));
    EXPECT_NE(std::string::npos, LeesAlles(competitie.datafile).find("lange naam 200\""));
    EXPECT_TRUE(Generaties(competitie.datafile).empty());
    EXPECT_FALSE(competitie.IsGewijzigd());

    // With room again the next write keeps its generation as a copy.
    competitie.spelers.Verwijder(200);
    ASSERT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(1u, Generaties(competitie.datafile).size());
    fs::remove_all(elders);
}

TEST_F(Geschiedenis, FilesOfOthersInTheHistoryAreLeftAlone) {
    bewaren = 1;
    const std::string historie = GeschiedenisMap(competitie.datafile);
    fs::create_directory(historie);
    const char* vreemd[] = {"notities.txt", "20250317T191502Z.generatie.bak",
                            "20251317T191502Z.generatie", "20250317T191502Z-1.generatie",
                            "20250317T191502Z-02.generatie"};
    for (const char* naam : vreemd) {
        SchrijfAlles(historie + "/" + naam, naam);
    }
    fs::create_directory(historie + "/20240101T000000Z.generatie");
    SchrijfSpeler(1);
    SchrijfSpeler(2);
    SchrijfSpeler(3);
    EXPECT_EQ(1u, Generaties(competitie.datafile).size());
    for (const char* naam : vreemd) {
        EXPECT_EQ(naam, LeesAlles(historie + "/" + naam));
    }
    EXPECT_TRUE(fs::is_directory(historie + "/20240101T000000Z.generatie"));
}

TEST_F(Geschiedenis, AFileChangedByAnotherProgramIsOverwrittenOnlyOnYes) {
    const std::string vraag = "De datafile '" + competitie.datafile +
                              "' is door een ander programma gewijzigd nadat Morvel hem gelezen "
                              "heeft.\n\nOverschrijven met de gegevens van Morvel? De andere "
                              "versie wordt eerst in de geschiedenis bewaard.\nBij Nee wordt er "
                              "niets geschreven.";
    const std::string ander = "versie=2\r\n\r\n[Spelers]\r\n7 \"Van Elders\" 120 J J J\r\n";
    std::string naam = "Van Morvel";
    ASSERT_EQ(0, competitie.spelers.VoegToe(1, naam, 150, 1, 1, 1));
    SchrijfAlles(competitie.datafile, ander); // an editor, a synchronised folder

    meldingen.Verwacht(vraag, Antwoord::Nee);
    EXPECT_EQ(-1, competitie.Schrijf());
    EXPECT_EQ(Knoppen::JaNeeStdNee, meldingen.meldingen.back().knoppen);
    EXPECT_TRUE(competitie.OverschrijvenGeweigerd());
    EXPECT_TRUE(competitie.IsGewijzigd());
    EXPECT_EQ(ander, LeesAlles(competitie.datafile));
    EXPECT_TRUE(Generaties(competitie.datafile).empty());

    meldingen.Verwacht(vraag, Antwoord::Ja);
    ASSERT_EQ(0, competitie.Schrijf());
    EXPECT_NE(std::string::npos, LeesAlles(competitie.datafile).find("Van Morvel"));
    ASSERT_EQ(1u, Generaties(competitie.datafile).size());
    EXPECT_EQ(ander, LeesAlles(Generaties(competitie.datafile)[0].pad));

    // The history off: the other version is kept all the same.
    bewaren = 0;
    SchrijfAlles(competitie.datafile, ander + "\r\n");
    competitie.spelers.ZetGewijzigd();
    meldingen.Verwacht(vraag, Antwoord::Ja);
    ASSERT_EQ(0, competitie.Schrijf());
    EXPECT_EQ(ander + "\r\n", LeesAlles(Generaties(competitie.datafile)[0].pad));
}

TEST_F(Geschiedenis, SameBytesOrAFileGoneAreNoCauseToAsk) {
    const std::string gelezen = LeesAlles(competitie.datafile);
    // Rewritten with the same bytes and a new time: nothing to lose.
    fs::remove(competitie.datafile);
    SchrijfAlles(competitie.datafile, gelezen);
    fs::last_write_time(competitie.datafile,
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    SchrijfSpeler(1);
    // Removed behind its back: written again.
    fs::remove(competitie.datafile);
    EXPECT_NE(std::string::npos, SchrijfSpeler(2).find("Speler 2"));
    EXPECT_TRUE(meldingen.meldingen.empty());
}

TEST_F(Geschiedenis, ACopyReadDoesNotChangeWhatTheCheckComparesWith) {
    SchrijfSpeler(1);
    SchrijfAlles(map.Bestand("kopie.txt"),
                 "versie=2\r\n\r\n[Spelers]\r\n5 \"Kopie\" 150 J J J\r\n");
    ASSERT_EQ(0, competitie.LeesKopie(map.Bestand("kopie.txt")));
    EXPECT_EQ(map.Bestand("Club.txt"), competitie.datafile);
    competitie.spelers.ZetGewijzigd();
    ASSERT_EQ(0, competitie.Schrijf()); // no question: the data file is as written
    EXPECT_NE(std::string::npos, LeesAlles(competitie.datafile).find("Kopie"));
}

// A competition of random players and rounds from `zaad`.
void VulWillekeurig(CCompetitie& competitie, uint32_t zaad) {
    std::mt19937 toeval(zaad);
    auto getal = [&](int van, int tot) {
        return std::uniform_int_distribution<int>(van, tot)(toeval);
    };
    const char* delen[] = {"Jan", "de", "Vries", "Jos\xE9", "M\xFCller", "van", "O'Neill", "X"};
    int spelers = getal(0, 30);
    for (int32_t nr = 1; nr <= spelers; ++nr) {
        std::string naam;
        for (int d = getal(1, 3); d > 0; --d) {
            naam += std::string(naam.empty() ? "" : " ") + delen[getal(0, 7)];
        }
        naam += " " + std::to_string(nr);
        competitie.spelers.VoegToe(nr, naam, getal(10, 300), getal(0, 1), getal(0, 1), getal(0, 1));
    }
    for (int r = getal(0, 8); r > 0; --r) {
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        ronde->identificatie = std::to_string(getal(1, 28)) + " ma\xE4rt";
        for (int u = getal(0, 6); u > 0 && spelers >= 2; --u) {
            int a = getal(1, spelers);
            int b = getal(1, spelers);
            if (a == b) {
                ronde->VoegToe(a);
            } else if (competitie.Formaat() != 0 && getal(0, 4) == 0) {
                // The old layout has no line for a class setting and no code
                // for a game without a result: either raises it to the new one.
                ronde->VoegToeKlasse(a, getal(10, 300));
            } else {
                ronde->VoegToe(a, b, "+-0?"[getal(0, competitie.Formaat() == 0 ? 2 : 3)]);
            }
        }
        competitie.rondes.VoegRondeToe(std::move(ronde));
    }
}

TEST_F(Geschiedenis, AGenerationReadsBackAndWritesBackTheSameOnGeneratedCompetitions) {
    for (uint32_t zaad = 1; zaad <= 60; ++zaad) {
        CTijdelijkeMap plek;
        CCompetitie bron;
        bron.datafile = plek.Bestand("Bron.txt");
        bron.generaties = [] { return 10; };
        bron.SetFormaat(zaad % 3 == 0 ? 0 : 2);
        VulWillekeurig(bron, zaad);
        bron.spelers.ZetGewijzigd();
        ASSERT_EQ(0, bron.Schrijf());
        const std::string eerste = LeesAlles(bron.datafile);
        std::string extra = "Laatste Speler";
        ASSERT_EQ(0, bron.spelers.VoegToe(999, extra, 150, 1, 1, 1));
        ASSERT_EQ(0, bron.Schrijf());

        // Read the generation, write it as the data file again, read that.
        std::vector<CGeneratie> generaties = Generaties(bron.datafile);
        ASSERT_EQ(1u, generaties.size()) << zaad;
        ASSERT_EQ(eerste, LeesAlles(generaties[0].pad)) << zaad;
        CCompetitie gelezen;
        gelezen.datafile = plek.Bestand("Gelezen.txt");
        ASSERT_EQ(0, gelezen.LeesKopie(generaties[0].pad)) << zaad;
        ASSERT_EQ(0, gelezen.SchrijfInhoud(eerste));
        ASSERT_EQ(0, gelezen.Lees());
        gelezen.spelers.ZetGewijzigd();
        ASSERT_EQ(0, gelezen.Schrijf());
        EXPECT_EQ(eerste, LeesAlles(gelezen.datafile)) << zaad;
        EXPECT_EQ(bron.spelers.Aantal() - 1, gelezen.spelers.Aantal()) << zaad;
        EXPECT_EQ(bron.rondes.Aantal(), gelezen.rondes.Aantal()) << zaad;
        bron.spelers.WisGewijzigd();
    }
    EXPECT_TRUE(meldingen.meldingen.empty());
}

} // namespace
