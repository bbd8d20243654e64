// The members window's rules, driven without Qt.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "ui/ledenvenster.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const kKlasseVraag = "De klasse moet opgegeven worden in tienden van klasses.\r\n"
                                 "Tenzij deze speler erg sterk is, is het klasseveld verkeerd "
                                 "ingevuld.\r\nWilt u doorgaan met de huidig ingevulde waarde?";

// Players 3, 7, 2 and the inactive 5, in that register order; 3 and 7 played.
const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "3 \"Piet Jansen\" 150 J J J\n"
                              "7 \"Jan de Vries\" 200 J J J\n"
                              "2 \"bert Bos\" 120 J N J\n"
                              "5 \"Anna Oud\" 250 N N N\n"
                              "\n[Uitslagen]\n{12 mei}\n3 7 +\n";

class LedenVenster : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        SchrijfAlles(tmp.Bestand("leden.txt"), kDataFile);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        ASSERT_EQ(0, app->OpenCompetitie(tmp.Bestand("leden.txt")));
    }

    void TearDown() override { app->competitie.spelers.WisGewijzigd(); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

using Rijen = std::vector<std::string>;

TEST_F(LedenVenster, SortKeysFilterAndTheirStoredSettings) {
    app->settings.SetLedenSorteerSleutel(9); // clamped
    app->settings.SetLedenToonAlleenAktieveSpelers(1);
    CLedenVenster venster(*app);
    EXPECT_EQ(CLedenVenster::kNaamAf, venster.SorteerSleutel());
    EXPECT_EQ((Rijen{"3\tPiet Jansen", "7\tJan de Vries", "2\tbert Bos"}), venster.Rijen());

    venster.SorteerOpNaam(); // from descending to ascending
    EXPECT_EQ(CLedenVenster::kNaamOp, venster.SorteerSleutel());
    EXPECT_EQ((Rijen{"2\tbert Bos", "7\tJan de Vries", "3\tPiet Jansen"}), venster.Rijen());
    venster.SorteerOpNummer();
    EXPECT_EQ((Rijen{"2\tbert Bos", "3\tPiet Jansen", "7\tJan de Vries"}), venster.Rijen());
    venster.SorteerOpNummer();
    EXPECT_EQ(CLedenVenster::kNummerAf, venster.SorteerSleutel());
    EXPECT_EQ((Rijen{"7\tJan de Vries", "3\tPiet Jansen", "2\tbert Bos"}), venster.Rijen());

    // The selection follows its player through a refill.
    venster.Selecteer(1);
    venster.ZetAlleenAktief(false);
    EXPECT_EQ((Rijen{"7\tJan de Vries", "5\tAnna Oud", "3\tPiet Jansen", "2\tbert Bos"}),
              venster.Rijen());
    EXPECT_EQ(2, venster.Selectie());
    EXPECT_EQ("Piet Jansen", venster.Detail().naam);

    venster.Sluiten();
    EXPECT_EQ(CLedenVenster::kNummerAf, app->settings.LedenSorteerSleutel());
    EXPECT_EQ(0, app->settings.LedenToonAlleenAktieveSpelers());
}

TEST_F(LedenVenster, SearchPicksTheBestLineAndNeverAHiddenPlayer) {
    CLedenVenster venster(*app);
    struct Geval {
        const char* tekst;
        const char* naam; // empty: no selection
    } gevallen[] = {
        {"jan", "Jan de Vries"}, // the name begins with it, although Piet Jansen comes first
        {"bos", "bert Bos"},     // a later word
        {"pj", "Piet Jansen"},   // the letters in this order
        {"anna", ""},            // inactive, so not listed
        {"", ""},
    };
    for (const Geval& g : gevallen) {
        venster.Zoek(g.tekst);
        EXPECT_EQ(g.naam, venster.Detail().naam) << g.tekst;
        EXPECT_EQ(*g.naam != '\0', venster.SelectieKnoppenAan()) << g.tekst;
    }
}

TEST_F(LedenVenster, TheDetailAreaShowsTheCurrentClassAfterTheRounds) {
    CLedenVenster venster(*app);
    venster.Zoek("piet");
    const CLedenVenster::CDetail& d = venster.Detail();
    EXPECT_EQ("3", d.volgnummer);
    EXPECT_EQ("150", d.beginKlasse);
    EXPECT_NE("150", d.huidigeKlasse); // the win moved the class
    EXPECT_EQ("3 dan, zwak", d.beginKlasseTekst);
    EXPECT_TRUE(d.aktief && d.standaardIndelen && d.uitlotenToegestaan);
}

TEST_F(LedenVenster, AddingProposesTheNextNumberAndFindsTheNewPlayer) {
    CLedenVenster venster(*app);
    venster.Zoek("bert");
    venster.Toevoegen();
    EXPECT_EQ(CLedenVenster::EStatus::Toevoegen, venster.Status());
    EXPECT_EQ(CLedenVenster::EFocus::Naam, venster.Focus());
    EXPECT_TRUE(venster.VolgnummerAan());
    EXPECT_FALSE(venster.SelectieKnoppenAan());
    EXPECT_EQ("8\t(nieuwe speler)", venster.Rijen().back());
    EXPECT_EQ(3, venster.Selectie());
    EXPECT_EQ("8", venster.Detail().volgnummer);
    EXPECT_EQ("", venster.Detail().naam);
    EXPECT_TRUE(venster.Detail().aktief && venster.Detail().uitlotenToegestaan);

    venster.ZetNaam("  Karel   Kort ");
    venster.ZetBeginKlasse("215");
    EXPECT_EQ("215", venster.Detail().huidigeKlasse);
    EXPECT_EQ("1 kyu, zwak", venster.Detail().huidigeKlasseTekst);
    ASSERT_EQ(0, venster.Accepteer());
    EXPECT_TRUE(venster.Bladeren());
    EXPECT_EQ("Karel Kort", venster.ZoekTekst());
    EXPECT_EQ("Karel Kort", venster.Detail().naam);
    EXPECT_EQ(CLedenVenster::EFocus::Zoek, venster.Focus());
    ASSERT_NE(nullptr, app->competitie.spelers.Zoek(8));
    EXPECT_EQ(215, app->competitie.spelers.Zoek(8)->beginKlasse);

    // The new player survives a write and a read of the data file.
    ASSERT_EQ(0, app->competitie.Schrijf());
    ASSERT_EQ(0, app->competitie.Lees());
    EXPECT_EQ("Karel Kort", app->competitie.spelers.Zoek(8)->naam);
}

// The search would find "Jan de Vries" first for "Jan", or for a hidden player.
TEST_F(LedenVenster, AfterAcceptingTheRowIsThePlayersOwn) {
    app->settings.SetLedenSorteerSleutel(CLedenVenster::kNummerOp);
    app->settings.SetLedenToonAlleenAktieveSpelers(1);
    CLedenVenster venster(*app);
    venster.Toevoegen();
    venster.ZetNaam("Jan");
    venster.ZetBeginKlasse("150");
    ASSERT_EQ(0, venster.Accepteer());
    EXPECT_EQ("Jan", venster.ZoekTekst());
    EXPECT_EQ("8\tJan", venster.Rijen()[static_cast<size_t>(venster.Selectie())]);
    EXPECT_EQ("8", venster.Detail().volgnummer);

    // Made inactive while the filter hides the inactive: no row, not another player's.
    venster.Wijzigen();
    venster.ZetAktief(false);
    ASSERT_EQ(0, venster.Accepteer());
    EXPECT_EQ("Jan", venster.ZoekTekst());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_EQ("", venster.Detail().naam);
}

TEST_F(LedenVenster, AnEmptyRegisterProposesNumberOne) {
    app->competitie.rondes.Clear();
    for (int nummer : {3, 7, 2, 5}) {
        app->competitie.spelers.Verwijder(nummer);
    }
    CLedenVenster venster(*app);
    venster.Toevoegen();
    EXPECT_EQ("1", venster.Detail().volgnummer);
    EXPECT_EQ((Rijen{"1\t(nieuwe speler)"}), venster.Rijen());
}

TEST_F(LedenVenster, AClassBelowOneHundredAsksFirst) {
    CLedenVenster venster(*app);
    venster.Toevoegen();
    venster.ZetNaam("Sterke Speler");
    venster.ZetBeginKlasse("25");
    recorder.Verwacht(kKlasseVraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Accepteer());
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ("Waarschuwing", recorder.meldingen.back().titel);
    EXPECT_EQ(CLedenVenster::EStatus::Toevoegen, venster.Status());
    EXPECT_EQ(nullptr, app->competitie.spelers.Zoek(8));

    recorder.Verwacht(kKlasseVraag, Antwoord::Ja);
    EXPECT_EQ(0, venster.Accepteer());
    EXPECT_EQ(25, app->competitie.spelers.Zoek(8)->beginKlasse);

    venster.Zoek("sterke");
    venster.Wijzigen();
    venster.ZetBeginKlasse("100"); // 100 and above do not ask
    EXPECT_EQ(0, venster.Accepteer());
}

TEST_F(LedenVenster, ARefusalKeepsTheEditOpenWithTheTypedValues) {
    CLedenVenster venster(*app);
    venster.Zoek("bert");
    venster.Wijzigen();
    venster.ZetNaam("jan DE vries");
    recorder.Verwacht("Deze naam is al in gebruik");
    EXPECT_EQ(-1, venster.Accepteer());
    EXPECT_EQ(CLedenVenster::EStatus::Wijzigen, venster.Status());
    EXPECT_EQ("jan DE vries", venster.Detail().naam);
    EXPECT_EQ(CLedenVenster::EFocus::Zoek, venster.Focus());

    // A starting class that is no number reads as 0, which the register refuses.
    venster.ZetNaam("Bert Bos");
    venster.ZetBeginKlasse("x");
    recorder.Verwacht(kKlasseVraag, Antwoord::Ja).Verwacht("De klasse dient minimaal 1 te zijn");
    EXPECT_EQ(-1, venster.Accepteer());

    venster.Afbreken();
    EXPECT_TRUE(venster.Bladeren());
    EXPECT_EQ("bert Bos", venster.Detail().naam);
    EXPECT_EQ("bert Bos", app->competitie.spelers.Zoek(2)->naam);
}

TEST_F(LedenVenster, CancellingAnAdditionRemovesItsLine) {
    CLedenVenster venster(*app);
    venster.Zoek("jan");
    venster.Toevoegen();
    venster.ZetNaam("Nooit Toegevoegd");
    venster.Afbreken();
    EXPECT_EQ(3u, venster.Rijen().size());
    EXPECT_EQ("Jan de Vries", venster.Detail().naam);
    EXPECT_EQ(4u, app->competitie.spelers.Aantal());
    EXPECT_FALSE(app->competitie.spelers.IsGewijzigd());
}

TEST_F(LedenVenster, RemovingIsRefusedForAPlayerOfARoundAndAsksOtherwise) {
    CLedenVenster venster(*app);
    venster.Zoek("piet");
    recorder.Verwacht(
        "Deze speler komt voor in de uitslagenlijst en mag daarom niet verwijderd worden.");
    EXPECT_EQ(-1, venster.Verwijderen());
    EXPECT_NE(nullptr, app->competitie.spelers.Zoek(3));

    const char* vraag = "Weet u zeker dat u de geselecteerde speler wilt verwijderen?";
    venster.Zoek("bert");
    recorder.Verwacht(vraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Verwijderen());
    EXPECT_NE(nullptr, app->competitie.spelers.Zoek(2));
    recorder.Verwacht(vraag, Antwoord::Ja);
    EXPECT_EQ(0, venster.Verwijderen());
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ(nullptr, app->competitie.spelers.Zoek(2));
    EXPECT_EQ((Rijen{"3\tPiet Jansen", "7\tJan de Vries"}), venster.Rijen());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_TRUE(app->competitie.spelers.IsGewijzigd());
}

} // namespace
