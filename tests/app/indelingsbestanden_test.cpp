// The published pairing and the pairs that are always blocked, kept in files
// of their own beside the data file: back after a restart, and a file that
// cannot be read is reported and costs nothing else.

#include "app/indelingslijst.h"
#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/mappen.h"
#include "club_opstelling.h"
#include "melding_recorder.h"
#include "pairing/zoekvoortgang.h"
#include "publish/lijsten.h"
#include "tijdelijke_map.h"
#include "ui/indelingvenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Six players; Anna and Bert met in the last round.
const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "1 \"Anna Aal\" 150 J J J\n"
                              "2 \"Bert Bos\" 160 J J J\n"
                              "3 \"Cees Claes\" 170 J J J\n"
                              "4 \"Dirk Dam\" 180 J J J\n"
                              "5 \"Eva Ek\" 190 J J J\n"
                              "6 \"Fien Fok\" 200 J J J\n"
                              "\n[Uitslagen]\n{1 okt}\n1 2 +\n3 4 -\n5 6 0\n";

bool Bevat(const std::string& tekst, const std::string& deel) {
    return tekst.find(deel) != std::string::npos;
}

class IndelingsBestanden : public ::testing::Test {
protected:
    void SetUp() override {
        LegCompetitieKlaar(tmp, "Club", kDataFile);
        Start();
    }

    // A new application object reading the folder, as a restart does.
    void Start(bool gelezen = true) {
        app.reset();
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetHtmlIndeling(1);
        app->settings.SetUitslagSorteerSleutel(0);
        ASSERT_EQ(gelezen ? 0 : -1, app->KiesCompetitie("Club"));
    }

    // Computes a pairing of everybody and publishes it, as "Print" does.
    void Publiceer(CIndelingsLijst& lijst) {
        CZoekVoortgang voortgang;
        ASSERT_EQ(0, lijst.Genereer(voortgang, 1));
        std::string afdruk;
        lijst.Publiceer(CAfdrukKeuzes{}, afdruk);
        PubliceerIndeling(*app);
    }
    void Publiceer() {
        CIndelingsLijst lijst(*app);
        Publiceer(lijst);
    }

    std::string Blad() const {
        std::string blad;
        LijstIndeling(app->indeling, "Club", true, blad);
        return blad;
    }

    std::string Datafile() const { return tmp.Bestand("data/Club/Club.txt"); }
    std::string Bijbestand(const char* soort) const {
        return tmp.Bestand(std::string("data/Club/.Club.txt.") + soort);
    }
    std::string Inc() const { return LeesAlles(tmp.Bestand("data/Club/indeling.inc")); }
    std::vector<std::string> Namen() const {
        std::vector<std::string> namen;
        for (const auto& ingang : fs::directory_iterator(tmp.Bestand("data/Club"))) {
            namen.push_back(ingang.path().filename().string());
        }
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(IndelingsBestanden, APublishedPairingIsBackAfterARestart) {
    Publiceer();
    ASSERT_EQ(3, app->indeling.Aantal());
    const CIndeling gepubliceerd = app->indeling;
    const std::string blad = Blad();
    const std::string inc = Inc();
    EXPECT_EQ(LeesAlles(Bijbestand("indeling")).rfind("Morvel gepubliceerde indeling\r\n", 0), 0u);
    // Beside the data file, which stays the first ".txt" file of the folder and is untouched
    // (the lock is there while the competition is open).
    EXPECT_EQ((std::vector<std::string>{".Club.txt.indeling", ".Club.txt.slot", "Club.txt",
                                        "indeling.inc"}),
              Namen());
    EXPECT_EQ(kDataFile, LeesAlles(Datafile()));

    Start();
    EXPECT_EQ(gepubliceerd, app->indeling);
    EXPECT_EQ(blad, Blad());
    fs::remove(tmp.Bestand("data/Club/indeling.inc"));
    SchrijfIndelingHtml(*app);
    EXPECT_EQ(inc, Inc());

    // Another competition has its own pairing, or none.
    LegCompetitieKlaar(tmp, "Ander", kDataFile);
    ASSERT_EQ(0, app->KiesCompetitie("Ander"));
    EXPECT_TRUE(app->indeling.Leeg());
}

TEST_F(IndelingsBestanden, ADamagedFileIsReportedKeptAndPutAsideByTheNextPublication) {
    const std::string beschadigd = "Morvel gepubliceerde indeling\r\nversie=1\r\nonzin\r\n";
    SchrijfAlles(Bijbestand("indeling"), beschadigd);
    recorder.VerwachtWillekeurig();
    Start();
    ASSERT_EQ(1u, recorder.meldingen.size());
    const std::string melding = recorder.meldingen[0].tekst;
    EXPECT_TRUE(Bevat(melding, "Gepubliceerde indeling: het bestand '" + Bijbestand("indeling") +
                                   "' is beschadigd (regel 3: onbekende of dubbele regel)"))
        << melding;
    EXPECT_TRUE(Bevat(melding, "de datafile is niet aangeraakt")) << melding;
    EXPECT_TRUE(app->CompetitieGelezen());
    EXPECT_EQ(6u, app->competitie.spelers.Aantal());
    EXPECT_TRUE(app->indeling.Leeg());
    EXPECT_EQ(beschadigd, LeesAlles(Bijbestand("indeling")));
    EXPECT_EQ(kDataFile, LeesAlles(Datafile()));

    recorder.VerwachtWillekeurig();
    Publiceer();
    ASSERT_EQ(2u, recorder.meldingen.size());
    EXPECT_TRUE(Bevat(recorder.meldingen[1].tekst, "is bewaard als"))
        << recorder.meldingen[1].tekst;
    std::string opzij;
    for (const std::string& naam : Namen()) {
        if (naam.rfind(".Club.txt.indeling-", 0) == 0) {
            opzij = naam;
        }
    }
    ASSERT_FALSE(opzij.empty());
    EXPECT_EQ(beschadigd, LeesAlles(tmp.Bestand("data/Club/" + opzij)));
    Start();
    EXPECT_EQ(3, app->indeling.Aantal());
}

TEST_F(IndelingsBestanden, AFileThatIsNotOursIsNeverWrittenOver) {
    for (bool map : {false, true}) {
        fs::remove_all(Bijbestand("indeling"));
        if (map) {
            fs::create_directory(Bijbestand("indeling"));
        } else {
            SchrijfAlles(Bijbestand("indeling"), kDataFile);
        }
        recorder.VerwachtWillekeurig();
        Start();
        EXPECT_TRUE(Bevat(recorder.meldingen.back().tekst, "is geen bestand van Morvel")) << map;
        recorder.VerwachtWillekeurig();
        Publiceer();
        EXPECT_TRUE(Bevat(recorder.meldingen.back().tekst, "niet overschreven")) << map;
        EXPECT_EQ(3, app->indeling.Aantal()); // published all the same, until the close
        EXPECT_EQ(map, fs::is_directory(Bijbestand("indeling")));
        if (!map) {
            EXPECT_EQ(kDataFile, LeesAlles(Bijbestand("indeling")));
        }
        recorder.Controleer();
    }
    // A FIFO is never opened, so nothing waits for it.
    fs::remove_all(Bijbestand("indeling"));
    ASSERT_EQ(0, ::mkfifo(Bijbestand("indeling").c_str(), 0600));
    recorder.VerwachtWillekeurig();
    Start();
    EXPECT_TRUE(app->indeling.Leeg());
}

TEST_F(IndelingsBestanden, APairingThatNamesARemovedPlayerIsReportedAndKeptAsPrinted) {
    Publiceer();
    const std::string blad = Blad();
    // Fien leaves the register (she has no rounds of her own in the file below).
    SchrijfAlles(Datafile(), "versie=2\n\n[Spelers]\n"
                             "1 \"Anna Aal\" 150 J J J\n2 \"Bert Bos\" 160 J J J\n"
                             "3 \"Cees Claes\" 170 J J J\n4 \"Dirk Dam\" 180 J J J\n"
                             "5 \"Eva Ek\" 190 J J J\n\n[Uitslagen]\n");
    recorder.VerwachtWillekeurig();
    Start();
    const std::string melding = recorder.meldingen.back().tekst;
    EXPECT_TRUE(
        Bevat(melding, "noemt spelers die niet meer in de ledenlijst staan:\n  6 (Fien Fok)"))
        << melding;
    EXPECT_EQ(blad, Blad());
}

TEST_F(IndelingsBestanden, PairsAlwaysBlockedSurviveARestartAndTheSearchKeepsThemApart) {
    {
        CIndelingsLijst lijst(*app);
        lijst.Blokkeer(*app->competitie.spelers.Zoek(1), *app->competitie.spelers.Zoek(3));
        EXPECT_FALSE(lijst.KanAltijdBlokkeren(1));
        ASSERT_TRUE(lijst.KanAltijdBlokkeren(0));
        ASSERT_EQ(0, lijst.AltijdBlokkeren(0));
        EXPECT_FALSE(lijst.KanAltijdBlokkeren(0)); // once is enough
        EXPECT_EQ("Altijd geblokkeerd", lijst.Regels()[0].tekst);
    }
    EXPECT_EQ("Morvel altijd geblokkeerde paren\r\nversie=1\r\npaar=1\t3\tAnna Aal\tCees Claes\r\n",
              LeesAlles(Bijbestand("blokkades")));

    Start();
    CIndelingsLijst lijst(*app);
    ASSERT_EQ(1u, lijst.Regels().size());
    const CIndelingsRegel& regel = lijst.Regels()[0];
    EXPECT_EQ("Anna Aal", regel.zwart);
    EXPECT_EQ("Cees Claes", regel.wit);
    EXPECT_TRUE(regel.IsAltijdGeblokkeerd());
    EXPECT_EQ(lijst.Wissel(0), 0); // stays blocked: a pair that must never play is never fixed
    EXPECT_TRUE(lijst.Regels()[0].IsAltijdGeblokkeerd());
    // Anna and Cees never met, which makes them a cheap pair; the block forbids it.
    for (int i = 0; i < 2; ++i) {
        CZoekVoortgang voortgang;
        ASSERT_EQ(0, lijst.Genereer(voortgang, static_cast<uint32_t>(i)));
        for (const CIndelingsRegel& r : lijst.Regels()) {
            const std::set<int32_t> paar{r.zwartNummer, r.witNummer};
            EXPECT_FALSE(r.soort == kSoortBerekend && paar == std::set<int32_t>({1, 3}));
        }
    }
}

TEST_F(IndelingsBestanden, APairAlwaysBlockedIsForgottenOnlyOnYes) {
    app->blokkades.VoegToe({2, 5, "Bert Bos", "Eva Ek"});
    ASSERT_EQ(0, app->BewaarBlokkades());
    const std::string bestand = LeesAlles(Bijbestand("blokkades"));
    CIndelingsLijst lijst(*app);
    const std::string vraag = "Bert Bos en Eva Ek mogen nooit tegen elkaar spelen.\nDeze blokkade "
                              "voorgoed vergeten?";
    recorder.Verwacht(vraag, Antwoord::Nee);
    EXPECT_EQ(-1, lijst.Verwijder(0));
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ(1u, lijst.Regels().size());
    EXPECT_EQ(bestand, LeesAlles(Bijbestand("blokkades")));

    recorder.Verwacht(vraag, Antwoord::Ja);
    EXPECT_EQ(0, lijst.Verwijder(0));
    EXPECT_TRUE(lijst.Regels().empty());
    EXPECT_TRUE(app->blokkades.Leeg());
    Start();
    EXPECT_TRUE(CIndelingsLijst(*app).Regels().empty());
}

TEST_F(IndelingsBestanden, ANewCompetitionWithThePlayersKeepsThePairsAlwaysBlocked) {
    app->blokkades.VoegToe({2, 5, "Bert Bos", "Eva Ek"});
    ASSERT_EQ(0, app->BewaarBlokkades());
    Publiceer();
    ASSERT_EQ(
        0, app->MaakNieuweCompetitie("Voorjaar", tmp.Bestand("data/Club"), EBeginKlasse::Afgerond));
    EXPECT_EQ(LeesAlles(Bijbestand("blokkades")),
              LeesAlles(tmp.Bestand("data/Voorjaar/.Voorjaar.txt.blokkades")));
    EXPECT_FALSE(fs::exists(tmp.Bestand("data/Voorjaar/.Voorjaar.txt.indeling")));
    EXPECT_EQ(1u, app->blokkades.Lijst().size());
    EXPECT_TRUE(app->indeling.Leeg());

    ASSERT_EQ(0, app->MaakNieuweCompetitie("Leeg", "", EBeginKlasse::Afgerond));
    EXPECT_FALSE(fs::exists(tmp.Bestand("data/Leeg/.Leeg.txt.blokkades")));
    EXPECT_TRUE(app->blokkades.Leeg());
}

TEST_F(IndelingsBestanden, AFixedPairOfARecentRematchSaysHowManyRoundsAgo) {
    CIndelingsLijst lijst(*app);
    CSpelers& spelers = app->competitie.spelers;
    lijst.MaakVast(*spelers.Zoek(1), *spelers.Zoek(2));
    EXPECT_EQ("speelden 1 ronde geleden tegen elkaar", lijst.Regels().back().opmerking);
    lijst.MaakVast(*spelers.Zoek(1), *spelers.Zoek(4)); // never met
    EXPECT_EQ("", lijst.Regels().back().opmerking);
    // Blocked, then fixed with "+/-": the same note; a publication leaves it out.
    lijst.Blokkeer(*spelers.Zoek(3), *spelers.Zoek(4));
    app->competitie.rondes.VoegToe("{8 okt}", 2);
    app->competitie.rondes.VoegToe("1 5 +", 2);
    EXPECT_EQ(2, lijst.Wissel(2));
    EXPECT_EQ("speelden 2 rondes geleden tegen elkaar", lijst.Regels()[2].opmerking);
    // The search counts a meeting up to its rounds limit before the newest round; beyond it
    // there is no note.
    app->settings.SetPenaltyNietZoIngedeeldGrens(1);
    lijst.Wissel(2);
    EXPECT_EQ(2, lijst.Wissel(2));
    EXPECT_EQ("speelden 2 rondes geleden tegen elkaar", lijst.Regels()[2].opmerking);
    app->competitie.rondes.VoegToe("{15 okt}", 2);
    app->competitie.rondes.VoegToe("2 6 +", 2);
    lijst.Wissel(2);
    EXPECT_EQ(2, lijst.Wissel(2));
    EXPECT_EQ(kSoortVast, lijst.Regels()[2].soort);
    EXPECT_EQ("", lijst.Regels()[2].opmerking);
    // The note is the window's, never the pairing's.
    std::string afdruk;
    lijst.Publiceer(CAfdrukKeuzes{}, afdruk);
    EXPECT_FALSE(Bevat(afdruk, "geleden"));
    app->competitie.rondes.WisGewijzigd();
}

TEST_F(IndelingsBestanden, OpenReadOnlyNothingIsPublishedNorBlockedNorForgotten) {
    app->blokkades.VoegToe({2, 5, "Bert Bos", "Eva Ek"});
    ASSERT_EQ(0, app->BewaarBlokkades());
    Publiceer();
    const std::string indeling = LeesAlles(Bijbestand("indeling"));
    const std::string blokkades = LeesAlles(Bijbestand("blokkades"));
    const std::string inc = Inc();

    // A second program opens the competition read-only.
    CMorvelApp tweede(tmp.Bestand("morvel.ini"));
    tweede.settings.SetDataPad(tmp.Bestand("data"));
    tweede.settings.SetHtmlIndeling(1);
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    ASSERT_EQ(0, tweede.KiesCompetitie("Club"));
    ASSERT_TRUE(tweede.AlleenLezen());
    recorder.Controleer();
    EXPECT_EQ(app->indeling, tweede.indeling); // it can be read

    CIndelingVenster venster(tweede);
    ASSERT_EQ(1u, venster.PaarRijen().size());
    venster.SelecteerPaar(0);
    recorder.VerwachtWillekeurig();
    venster.Verwijderen(); // refused before the question
    EXPECT_EQ(1u, venster.PaarRijen().size());
    for (const char* naam : {"Anna", "Cees"}) {
        venster.Zoek(naam);
        venster.Toevoegen();
    }
    venster.SelecteerPaar(1);
    EXPECT_FALSE(venster.AltijdBlokkerenAan());
    recorder.VerwachtWillekeurig();
    EXPECT_EQ(-1, venster.AltijdBlokkeren());
    CZoekVoortgang voortgang;
    ASSERT_EQ(0, venster.Genereer(voortgang, 1));
    recorder.VerwachtWillekeurig();
    EXPECT_FALSE(venster.MagPubliceren());
    recorder.VerwachtWillekeurig();
    std::string afdruk;
    EXPECT_EQ(-1, venster.Print(false, false, afdruk));
    EXPECT_EQ("", afdruk);
    ASSERT_EQ(4u, recorder.meldingen.size());
    for (const CMelding& m : recorder.meldingen) {
        EXPECT_TRUE(Bevat(m.tekst, "De competitie 'Club' is alleen geopend om te lezen"))
            << m.tekst;
    }
    EXPECT_EQ(app->indeling, tweede.indeling);
    EXPECT_EQ(indeling, LeesAlles(Bijbestand("indeling")));
    EXPECT_EQ(blokkades, LeesAlles(Bijbestand("blokkades")));
    EXPECT_EQ(inc, Inc());
    tweede.competitie.spelers.WisGewijzigd();
}

} // namespace
