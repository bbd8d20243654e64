// The pairing window's rules, driven without Qt: participants, the pair list
// with its blocked and fixed pairs, the search, and what "Print" publishes.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "pairing/zoekvoortgang.h"
#include "publish/lijsten.h"
#include "tijdelijke_map.h"
#include "ui/indelingvenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Anna (245) and bert (212) are whole classes 24 and 21; Dirk does not take
// part by default; Eva is inactive but takes part. Cees and Dirk drew in the
// only round, which leaves every class as it starts.
const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "1 \"Anna\" 245 J J J\n"
                              "2 \"bert\" 212 J J J\n"
                              "3 \"Cees\" 180 J J J\n"
                              "4 \"Dirk\" 150 J N J\n"
                              "5 \"Eva\" 200 N J J\n"
                              "\n[Uitslagen]\n{12 mei}\n3 4 0\n";

const char* const kGeenIndeling = "Met de opgegeven keuzes kon er geen indeling gemaakt worden";

// Progress that records the calls around the search and, when asked, stops
// the search after a number of clock looks.
class CTestVoortgang : public CZoekVoortgang {
public:
    explicit CTestVoortgang(int stopNa = -1) : CZoekVoortgang(1), stopNa_(stopNa) {}
    void Begin() override { stappen += "B"; }
    void Einde() override { stappen += "E"; }
    void ZetBereik(double laag, double hoog) override {
        stappen += "R";
        CZoekVoortgang::ZetBereik(laag, hoog);
    }

    std::string stappen;
    int controles = 0;

protected:
    void Controleer() override {
        if (++controles == stopNa_) {
            VraagStop();
        }
    }

private:
    int stopNa_;
};

class IndelingVenster : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        std::filesystem::create_directory(tmp.Bestand("club"));
        SchrijfAlles(tmp.Bestand("club/club.txt"), kDataFile);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetIndelingSorteerSleutel(0);
        app->settings.SetIndelingToonAlleenAktieveSpelers(1);
        ASSERT_EQ(0, app->OpenCompetitie(tmp.Bestand("club")));
    }

    void TearDown() override { app->competitie.spelers.WisGewijzigd(); }

    // Selects the listed player `naam` through "Zoek:".
    static void Kies(CIndelingVenster& v, const std::string& naam) {
        v.Zoek(naam);
        ASSERT_GE(v.SpelerSelectie(), 0) << naam;
    }
    static void Toevoegen(CIndelingVenster& v, const std::string& naam) {
        Kies(v, naam);
        v.Toevoegen();
    }
    int Genereer(CIndelingVenster& v) { return v.Genereer(voortgang, 7); }
    bool Meedoen(int32_t nummer) const {
        return app->competitie.spelers.Zoek(nummer)->meedoen != 0;
    }
    // The players of the computed entries, each pair once whatever its colours.
    static std::set<std::set<std::string>> BerekendeParen(const CIndelingVenster& v) {
        std::set<std::set<std::string>> paren;
        for (const CIndelingsRegel& r : v.Lijst().Regels()) {
            if (r.soort == kSoortBerekend) {
                paren.insert({r.zwart, r.wit});
            }
        }
        return paren;
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
    CTestVoortgang voortgang;
};

using Rijen = std::vector<std::string>;

TEST_F(IndelingVenster, OpeningMarksTheDefaultParticipantsAndHidesTheInactive) {
    app->settings.SetIndelingSorteerSleutel(7); // beyond the last order: descending
    CIndelingVenster v(*app);
    EXPECT_EQ(CIndelingVenster::kNaamAf, v.SorteerSleutel());
    EXPECT_EQ((Rijen{"\tDirk", "-->\tCees", "-->\tbert", "-->\tAnna"}), v.SpelerRijen());
    EXPECT_TRUE(Meedoen(5)); // Eva, hidden
    EXPECT_TRUE(v.PaarRijen().empty());
    EXPECT_FALSE(v.PrintAan());
    EXPECT_FALSE(v.ToevoegenAan());
    EXPECT_TRUE(v.GenereerAan());

    // The selection stays on its player through the other order and the filter.
    Kies(v, "ce");
    v.SorteerOpNaam();
    EXPECT_EQ((Rijen{"-->\tAnna", "-->\tbert", "-->\tCees", "\tDirk"}), v.SpelerRijen());
    EXPECT_EQ(2, v.SpelerSelectie());
    v.ZetAlleenAktief(false);
    EXPECT_EQ((Rijen{"-->\tAnna", "-->\tbert", "-->\tCees", "\tDirk", "-->\tEva"}),
              v.SpelerRijen());
    EXPECT_EQ(2, v.SpelerSelectie());
    v.Zoek("");
    EXPECT_EQ(-1, v.SpelerSelectie());

    // A double click flips participation and nothing else.
    v.WisselMeedoen(3);
    EXPECT_EQ("-->\tDirk", v.SpelerRijen()[3]);
    EXPECT_TRUE(Meedoen(4));
    v.WisselMeedoen(3);
    EXPECT_FALSE(Meedoen(4));
    EXPECT_EQ(3, v.SpelerSelectie());
    // The window never writes its settings.
    EXPECT_EQ(7, app->settings.IndelingSorteerSleutel());
    EXPECT_EQ(1, app->settings.IndelingToonAlleenAktieveSpelers());
}

TEST_F(IndelingVenster, TwoArrowsGiveOneBlockedPairAndAThirdWaits) {
    CIndelingVenster v(*app);
    Toevoegen(v, "Dirk");
    EXPECT_TRUE(Meedoen(4));
    EXPECT_EQ((Rijen{"Dirk\t\t\t?"}), v.PaarRijen());
    EXPECT_EQ(0, v.PaarSelectie());
    EXPECT_FALSE(v.ToevoegenAan()); // the waiting player cannot be blocked against himself
    v.Toevoegen();
    EXPECT_EQ(1u, v.PaarRijen().size());

    Toevoegen(v, "Anna");
    Toevoegen(v, "Cees");
    EXPECT_EQ((Rijen{"Dirk\tAnna\tGeblokkeerd\tX", "Cees\t\t\t?"}), v.PaarRijen());
    EXPECT_EQ(1, v.PaarSelectie());
    EXPECT_FALSE(v.WisselAan()); // a waiting entry is neither blocked nor fixed
    v.SelecteerPaar(0);
    EXPECT_TRUE(v.WisselAan());
    EXPECT_FALSE(v.TypeZichtbaar());

    // "Genereer" deletes the waiting entry; Cees keeps his part and is paired.
    ASSERT_EQ(0, Genereer(v));
    EXPECT_EQ("BRE", voortgang.stappen); // the progress window around the search
    const auto& regels = v.Lijst().Regels();
    EXPECT_EQ(kSoortGeblokkeerd, regels.front().soort);
    EXPECT_TRUE(v.PrintAan());
    std::set<std::string> spelers;
    for (const auto& paar : BerekendeParen(v)) {
        for (const std::string& naam : paar) {
            if (!naam.empty()) { // not the empty White of the bye
                spelers.insert(naam);
            }
        }
        EXPECT_NE((std::set<std::string>{"Dirk", "Anna"}), paar);
    }
    EXPECT_EQ((std::set<std::string>{"Anna", "bert", "Cees", "Dirk", "Eva"}), spelers);
    EXPECT_EQ(-1, v.PaarSelectie());
}

TEST_F(IndelingVenster, FixedPairTakesTheLargerWholeClassAsBlackInEitherOrder) {
    for (bool omgekeerd : {false, true}) {
        CIndelingVenster v(*app);
        Toevoegen(v, omgekeerd ? "bert" : "Anna");
        Toevoegen(v, omgekeerd ? "Anna" : "bert");
        v.Wissel();
        EXPECT_EQ((Rijen{"Anna\tbert\t2 stenen, 0 komi\tF"}), v.PaarRijen()) << omgekeerd;
        EXPECT_EQ(0, v.PaarSelectie());
        EXPECT_TRUE(v.TypeZichtbaar());
        EXPECT_FALSE(Meedoen(1));
        EXPECT_FALSE(Meedoen(2));
        EXPECT_EQ((Rijen{"\tAnna", "\tbert", "-->\tCees", "\tDirk"}), v.SpelerRijen());
    }
}

TEST_F(IndelingVenster, BlockedAgainMarksBothAndTheNextSearchKeepsThemApart) {
    CIndelingVenster v(*app);
    Toevoegen(v, "Anna");
    Toevoegen(v, "Cees");
    v.Wissel(); // fixed
    ASSERT_EQ(0, Genereer(v));
    EXPECT_EQ((std::set<std::set<std::string>>{{"bert", "Eva"}}), BerekendeParen(v));
    EXPECT_EQ(2u, v.PaarRijen().size());

    // Back to blocked: the computed pair goes, both players take part again.
    v.SelecteerPaar(0);
    v.Wissel();
    EXPECT_EQ((Rijen{"Anna\tCees\tGeblokkeerd\tX"}), v.PaarRijen());
    EXPECT_EQ(0, v.PaarSelectie());
    EXPECT_FALSE(v.PrintAan());
    EXPECT_FALSE(v.TypeZichtbaar());
    EXPECT_EQ((Rijen{"-->\tAnna", "-->\tbert", "-->\tCees", "\tDirk"}), v.SpelerRijen());
    ASSERT_EQ(0, Genereer(v));
    std::set<std::set<std::string>> paren = BerekendeParen(v);
    EXPECT_EQ(2u, paren.size());
    EXPECT_EQ(0u, paren.count({"Anna", "Cees"}));
}

TEST_F(IndelingVenster, DeletingAFixedPairLeavesBothOutUntilMarkedAgain) {
    CIndelingVenster v(*app);
    Toevoegen(v, "Anna");
    Toevoegen(v, "bert");
    v.Wissel();
    ASSERT_EQ(0, Genereer(v));
    ASSERT_TRUE(v.PrintAan());

    // "<--" deletes only the entry: the computed flag stays as it is.
    v.SelecteerPaar(0);
    EXPECT_TRUE(v.VerwijderenAan());
    v.Verwijderen();
    EXPECT_EQ(-1, v.PaarSelectie());
    EXPECT_TRUE(v.PrintAan());
    EXPECT_FALSE(v.VerwijderenAan());
    EXPECT_FALSE(Meedoen(1));
    EXPECT_FALSE(Meedoen(2));
    ASSERT_EQ(0, Genereer(v));
    EXPECT_EQ((std::set<std::set<std::string>>{{"Cees", "Eva"}}), BerekendeParen(v));

    // A double click puts one back; the fixed pair could have stayed.
    Kies(v, "Anna");
    v.WisselMeedoen(v.SpelerSelectie());
    ASSERT_EQ(0, Genereer(v));
    ASSERT_EQ(2u, v.PaarRijen().size()); // one pair, and the bye last
    EXPECT_EQ("Uitgeloot", v.Lijst().Regels().back().tekst);
}

TEST_F(IndelingVenster, TheHiddenParticipantAloneKeepsGenereerDisabled) {
    CIndelingVenster v(*app);
    for (const char* naam : {"Anna", "bert", "Cees"}) {
        Kies(v, naam);
        v.WisselMeedoen(v.SpelerSelectie());
    }
    EXPECT_TRUE(Meedoen(5));
    EXPECT_FALSE(v.GenereerAan());
    v.ZetAlleenAktief(false);
    EXPECT_TRUE(v.GenereerAan());

    Kies(v, "Dirk");
    v.WisselMeedoen(v.SpelerSelectie());
    v.ZetAlleenAktief(true); // Eva is hidden again, and still takes part
    ASSERT_EQ(0, Genereer(v));
    EXPECT_EQ((std::set<std::set<std::string>>{{"Dirk", "Eva"}}), BerekendeParen(v));
}

TEST_F(IndelingVenster, TheByeComesLastAndIsPublishedAsSuch) {
    app->settings.SetHtmlIndeling(2);
    CIndelingVenster v(*app);
    Kies(v, "Dirk");
    v.WisselMeedoen(v.SpelerSelectie());
    ASSERT_EQ(0, Genereer(v));
    const CIndelingsRegel& bye = v.Lijst().Regels().back();
    EXPECT_EQ("", bye.wit);
    EXPECT_EQ("Uitgeloot", bye.tekst);
    EXPECT_EQ(3u, BerekendeParen(v).size()); // two pairs, and the bye counted once

    std::string afdruk;
    v.Print(false, false, afdruk);
    ASSERT_EQ(3, app->indeling.Aantal());
    EXPECT_EQ(bye.zwart, app->indeling.Zwart(2));
    EXPECT_EQ("", app->indeling.Wit(2));
    EXPECT_EQ("Uitgeloot", app->indeling.Tekst(2));
    std::string blad;
    LijstIndeling(app->indeling, "club", true, blad);
    EXPECT_EQ(blad, afdruk);
    std::string inc = LeesAlles(tmp.Bestand("club/indeling.inc"));
    EXPECT_NE(std::string::npos, inc.find("<TD>" + bye.zwart + "&nbsp;</TD><TD>&nbsp;</TD>"))
        << inc;
    EXPECT_TRUE(app->uploadNodig.Nodig(HtmlBestand::Indeling));
}

TEST_F(IndelingVenster, PrintStoresTheChoicesAndPublishesFixedAndComputedPairsOnly) {
    app->settings.SetHtmlIndeling(1);
    app->settings.SetStandOpNieuwePagina(1);
    app->settings.SetIndelingOpNieuwePagina(0);
    CIndelingVenster v(*app);
    EXPECT_TRUE(v.UitslagAfdrukken()); // the defaults of the settings
    EXPECT_TRUE(v.StandAfdrukken());
    Toevoegen(v, "Anna");
    Toevoegen(v, "bert");
    v.Wissel();           // fixed
    Toevoegen(v, "Cees"); // blocked Cees-Dirk, left out of the publication
    Toevoegen(v, "Dirk");
    ASSERT_EQ(0, Genereer(v));
    // Cees, Dirk and Eva: one pair and a bye, the blocked pair kept apart.
    ASSERT_EQ(4u, v.PaarRijen().size());

    std::string afdruk;
    v.Print(true, false, afdruk);
    EXPECT_EQ(1, app->settings.UitslagLaatsteRonde());
    EXPECT_EQ(0, app->settings.HuidigeStand());
    EXPECT_TRUE(app->settings.Gewijzigd());
    ASSERT_EQ(3, app->indeling.Aantal());
    EXPECT_EQ("Anna", app->indeling.Zwart(0));
    EXPECT_EQ("2 stenen, 0 komi", app->indeling.Tekst(0));
    // The results with their header, the sheet without one on the same page.
    EXPECT_EQ(std::string::npos, afdruk.find('\f'));
    EXPECT_NE(std::string::npos, afdruk.find("\tUitslag van ronde '12 mei'\n"));
    EXPECT_EQ(std::string::npos, afdruk.find("\tStand na ronde"));
    EXPECT_EQ(afdruk.find("Morvel Competitie Beheer"), afdruk.rfind("Morvel Competitie Beheer"));
    EXPECT_NE(std::string::npos,
              afdruk.find(" Anna                   bert                   2 stenen, 0 komi\n"));
    EXPECT_FALSE(app->uploadNodig.Nodig(HtmlBestand::Indeling)); // mode 1: written only
    EXPECT_NE(std::string::npos, LeesAlles(tmp.Bestand("club/indeling.inc")).find("Anna&nbsp;"));
}

TEST_F(IndelingVenster, RefusedSearchesChangeNothingOrLeaveThePreparation) {
    {
        // No active handicap set: its message, and the waiting entry stays.
        app->settings.SetHuidigeVoorgiftFormule(0);
        CIndelingVenster v(*app);
        Toevoegen(v, "Anna");
        recorder.VerwachtWillekeurig();
        EXPECT_EQ(-1, Genereer(v));
        EXPECT_EQ((Rijen{"Anna\t\t\t?"}), v.PaarRijen());
        EXPECT_EQ("", voortgang.stappen); // no progress window
        app->settings.SetHuidigeVoorgiftFormule(1);
    }
    {
        // Two participants who are blocked: nothing can be paired.
        CIndelingVenster v(*app);
        v.ZetAlleenAktief(false);
        for (const char* naam : {"Cees", "Eva"}) {
            Kies(v, naam);
            v.WisselMeedoen(v.SpelerSelectie());
        }
        Toevoegen(v, "Anna");
        Toevoegen(v, "bert");
        recorder.Verwacht(kGeenIndeling);
        EXPECT_EQ(-1, Genereer(v));
        EXPECT_EQ("BRE", voortgang.stappen);
        EXPECT_EQ((Rijen{"Anna\tbert\tGeblokkeerd\tX"}), v.PaarRijen());
        EXPECT_FALSE(v.PrintAan());
    }
}

TEST_F(IndelingVenster, AboveTheMaximumTheExactSearchFindsTheLowestTotalAtOnce) {
    CIndelingVenster v(*app);
    ASSERT_EQ(0, Genereer(v)); // four participants: the full search
    std::set<std::set<std::string>> volledig = BerekendeParen(v);
    int64_t laagste = voortgang.Beste();

    app->settings.SetMaximaalAantalVoorVolledig(1);
    CTestVoortgang exact;
    ASSERT_EQ(0, v.Genereer(exact, 7));
    EXPECT_EQ("Exacte pairing", v.LogRegels().front());
    EXPECT_EQ("Voortgang Exacte Pairing", exact.Titel());
    EXPECT_EQ("BRE", exact.stappen);
    EXPECT_EQ(laagste, exact.Beste());
    EXPECT_EQ(volledig, BerekendeParen(v));
    EXPECT_TRUE(v.PrintAan());
}

TEST_F(IndelingVenster, AStopDuringTheRandomSearchKeepsTheBestPairingSoFar) {
    app->settings.SetMaximaalAantalVoorVolledig(1); // two pairs: the random search
    app->settings.SetExacteIndeling(0);
    app->settings.SetAantalRandomPairings(0); // until stopped
    CTestVoortgang stopper(5000);
    CIndelingVenster v(*app);
    Kies(v, "Dirk");
    v.WisselMeedoen(v.SpelerSelectie());
    ASSERT_EQ(0, v.Genereer(stopper, 3));
    EXPECT_EQ(5000, stopper.controles);
    EXPECT_TRUE(v.PrintAan());
    EXPECT_EQ("Voortgang Oneindige Random Pairing", stopper.Titel());

    // The pairs are those of the last (best) block of the log.
    const Rijen& log = v.LogRegels();
    ASSERT_GE(log.size(), 12u);
    EXPECT_EQ("Random pairing", log.front());
    std::set<std::set<std::string>> laatste;
    size_t einde = log.size() - 1; // the closing rule
    size_t begin = einde;
    while (begin > 0 && log[begin - 1][0] != '=' && log[begin - 1][0] != '-') {
        --begin;
    }
    std::string totaal;
    for (size_t i = begin; i < einde; ++i) {
        std::string zwart = log[i].substr(0, log[i].find('\t'));
        std::string rest = log[i].substr(zwart.size() + 1);
        std::string wit = rest.substr(0, rest.find('\t'));
        laatste.insert(wit == "<uitgeloot>" ? std::set<std::string>{zwart}
                                            : std::set<std::string>{zwart, wit});
        totaal = log[i].substr(log[i].rfind('\t') + 1);
    }
    std::set<std::set<std::string>> berekend = BerekendeParen(v);
    const CIndelingsRegel& bye = v.Lijst().Regels().back();
    berekend.erase({bye.zwart, bye.wit});
    berekend.insert({bye.zwart});
    EXPECT_EQ(laatste, berekend);
    EXPECT_EQ(std::to_string(stopper.Beste()), totaal);
}

} // namespace
