// The results window's rules, driven without Qt.

#include "rondes_opstelling.h"
#include "ui/rondevenster.h"

namespace {

// Dirk is inactive. The second round holds its class setting before its games.
const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "1 \"Anna Aal\" 150 J J J\n"
                              "2 \"Bert Bos\" 200 J J J\n"
                              "3 \"Cees Claes\" 180 J J J\n"
                              "4 \"Dirk Dam\" 250 N N N\n"
                              "5 \"anna Berg\" 220 J J J\n"
                              "6 \"Eva Ek\" 210 J J J\n"
                              "\n[Uitslagen]\n{1 okt}\n1 2 +\n3 Uitgeloot\n"
                              "{8 okt}\nklasse(6)=190\n1 3 -\n5 Uitgeloot\n2 6 0\n;commentaar\n";

const char* const kNegeerVraag =
    "Weet u zeker dat u de veranderingen wilt negeren en het venster wilt sluiten?";

using Rijen = std::vector<std::string>;

class RondeVenster : public CRondesOpstelling {
protected:
    void SetUp() override {
        Open(kDataFile);
        ASSERT_FALSE(HasFatalFailure());
        nieuw = std::make_unique<CRonde>(app->competitie.rondes);
    }

    // Chooses the player whose name begins with `naam` and presses "-->".
    static void Kies(CRondeVenster& venster, const std::string& naam) {
        venster.Zoek(naam);
        ASSERT_TRUE(venster.ToevoegenAan()) << naam;
        venster.Toevoegen();
    }

    int RondeTeller(int32_t nummer) const {
        return app->competitie.spelers.Zoek(nummer)->rondeTeller;
    }

    std::unique_ptr<CRonde> nieuw;
};

TEST_F(RondeVenster, AThenBIsAGameWonByAAndPlusMinusCyclesTheResult) {
    CRondeVenster venster(*app, *nieuw);
    EXPECT_EQ(CRondeVenster::EFocus::Identificatie, venster.Focus());
    Kies(venster, "Bert");
    EXPECT_EQ((Rijen{"Bert Bos\t\t"}), venster.UitslagRijen());
    EXPECT_EQ(0, venster.UitslagSelectie());
    EXPECT_EQ("", venster.ZoekTekst());
    EXPECT_EQ(CRondeVenster::EFocus::Zoek, venster.Focus());
    EXPECT_FALSE(venster.ToevoegenAan()); // the search was emptied

    Kies(venster, "Cees");
    EXPECT_EQ((Rijen{"Bert Bos\tCees Claes\t1 - 0"}), venster.UitslagRijen());
    EXPECT_EQ(0, venster.UitslagSelectie());
    EXPECT_EQ("", venster.KlasseVeld());
    EXPECT_EQ("", venster.KlasseTekst());
    EXPECT_EQ(1, RondeTeller(2));
    EXPECT_EQ(1, RondeTeller(3));
    EXPECT_TRUE(venster.Gewijzigd());

    for (const char* tekst : {"0 - 1", "jigo", "niet genoteerd", "1 - 0"}) {
        venster.Wissel();
        EXPECT_EQ(std::string("Bert Bos\tCees Claes\t") + tekst, venster.UitslagRijen()[0]);
        EXPECT_EQ(0, venster.UitslagSelectie());
    }
}

TEST_F(RondeVenster, PlusMinusTurnsAnIncompleteEntryIntoAByeAndBack) {
    CRondeVenster venster(*app, *nieuw);
    Kies(venster, "Eva");
    EXPECT_EQ("190", venster.KlasseVeld()); // her class setting, then a jigo: her current class
    EXPECT_EQ("1 dan, zwak", venster.KlasseTekst());
    venster.Wissel();
    EXPECT_EQ((Rijen{"Eva Ek\t\tuitgeloot"}), venster.UitslagRijen());
    EXPECT_FALSE(venster.KlasseVeldAan());
    EXPECT_EQ("", venster.KlasseVeld());
    EXPECT_TRUE(venster.OkAan());
    venster.Wissel();
    EXPECT_EQ((Rijen{"Eva Ek\t\t"}), venster.UitslagRijen());
    EXPECT_TRUE(venster.KlasseVeldAan());
    EXPECT_FALSE(venster.OkAan());
    // A bye stays a bye when the next player is chosen; an incomplete one becomes the game.
    Kies(venster, "Anna A");
    EXPECT_EQ((Rijen{"Eva Ek\tAnna Aal\t1 - 0"}), venster.UitslagRijen());
}

TEST_F(RondeVenster, TheEnabledControlsFollowTheSelectedEntry) {
    CRondeVenster venster(*app, *nieuw);
    venster.ZetIdentificatie("15 okt");
    Kies(venster, "Anna A");
    Kies(venster, "Bert"); // row 0: a game
    Kies(venster, "Cees");
    venster.Wissel(); // row 1: a bye
    Kies(venster, "Eva");
    venster.ZetKlasseVeld("175");
    ASSERT_EQ(0, venster.NieuweKlasse()); // row 2: a class setting
    EXPECT_EQ("Eva Ek\t\tnieuwe klasse", venster.UitslagRijen()[2]);
    EXPECT_EQ("175", venster.KlasseVeld());
    EXPECT_EQ("2 dan, zwak", venster.KlasseTekst());

    struct Geval {
        int rij;
        bool verwijderen, wissel, nieuweKlasse, klasseVeld, ok;
        const char* klasse;
    } gevallen[] = {
        {-1, false, false, false, false, true, ""},
        {0, true, true, false, false, true, ""},
        {1, true, true, false, false, true, ""},
        {2, true, false, false, false, true, "175"},
    };
    for (const Geval& g : gevallen) {
        venster.SelecteerUitslag(g.rij);
        EXPECT_EQ(g.rij, venster.UitslagSelectie());
        EXPECT_EQ(g.verwijderen, venster.VerwijderenAan()) << g.rij;
        EXPECT_EQ(g.wissel, venster.WisselAan()) << g.rij;
        EXPECT_EQ(g.nieuweKlasse, venster.NieuweKlasseAan()) << g.rij;
        EXPECT_EQ(g.klasseVeld, venster.KlasseVeldAan()) << g.rij;
        EXPECT_EQ(g.ok, venster.OkAan()) << g.rij;
        EXPECT_EQ(g.klasse, venster.KlasseVeld()) << g.rij;
    }
    // A class setting does not change with "+/-".
    venster.Wissel();
    EXPECT_EQ("Eva Ek\t\tnieuwe klasse", venster.UitslagRijen()[2]);
}

TEST_F(RondeVenster, AnIncompleteLastEntryHoldsTheSelectionAndDisablesOk) {
    CRondeVenster venster(*app, *nieuw);
    venster.ZetIdentificatie("15 okt");
    Kies(venster, "Anna A");
    Kies(venster, "Bert");
    Kies(venster, "Cees");
    EXPECT_EQ(1, venster.UitslagSelectie());
    EXPECT_FALSE(venster.OkAan());
    EXPECT_TRUE(venster.VerwijderenAan());
    EXPECT_TRUE(venster.WisselAan());
    EXPECT_TRUE(venster.NieuweKlasseAan());
    for (int rij : {0, -1}) {
        venster.SelecteerUitslag(rij);
        EXPECT_EQ(1, venster.UitslagSelectie()) << rij;
    }
    EXPECT_EQ("170", venster.KlasseVeld()); // the field keeps his class meanwhile
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ("", nieuw->identificatie);

    // An emptied class field disables "&Nieuwe klasse"; the arrows step the number.
    venster.ZetKlasseVeld("");
    EXPECT_FALSE(venster.NieuweKlasseAan());
    EXPECT_EQ("", venster.KlasseTekst());
    venster.ZetKlasseVeld("199");
    EXPECT_EQ("1 dan, zwak", venster.KlasseTekst());
    venster.KlasseStap(1);
    EXPECT_EQ("200", venster.KlasseVeld());
    EXPECT_EQ("1 kyu, sterk", venster.KlasseTekst());
    venster.KlasseStap(-2);
    EXPECT_EQ("198", venster.KlasseVeld());

    // Removing the incomplete entry frees the selection and enables "&Ok".
    venster.Verwijderen();
    EXPECT_EQ(-1, venster.UitslagSelectie());
    EXPECT_EQ(0, RondeTeller(3));
    EXPECT_TRUE(venster.OkAan());
    venster.SelecteerUitslag(0);
    EXPECT_EQ(0, venster.UitslagSelectie());
}

TEST_F(RondeVenster, ProcessedPlayersAreHiddenAndComeBackWhenTheirEntryGoes) {
    CRondeVenster venster(*app, *nieuw);
    ASSERT_TRUE(venster.AlleenAktief() && venster.VerbergVerwerkt());
    EXPECT_EQ((Rijen{"1\tAnna Aal", "5\tanna Berg", "2\tBert Bos", "3\tCees Claes", "6\tEva Ek"}),
              venster.SpelerRijen());
    Kies(venster, "Bert");
    EXPECT_EQ((Rijen{"1\tAnna Aal", "5\tanna Berg", "3\tCees Claes", "6\tEva Ek"}),
              venster.SpelerRijen());
    Kies(venster, "Eva");
    EXPECT_EQ((Rijen{"1\tAnna Aal", "5\tanna Berg", "3\tCees Claes"}), venster.SpelerRijen());

    // Shown again, a processed player can be named twice; the counter counts both.
    venster.ZetVerbergVerwerkt(false);
    EXPECT_EQ(5u, venster.SpelerRijen().size());
    Kies(venster, "Bert");
    EXPECT_EQ(2, RondeTeller(2));
    venster.ZetAlleenAktief(false);
    EXPECT_EQ("4\tDirk Dam", venster.SpelerRijen()[4]);

    venster.ZetVerbergVerwerkt(true);
    venster.ZetAlleenAktief(true);
    EXPECT_EQ((Rijen{"1\tAnna Aal", "5\tanna Berg", "3\tCees Claes"}), venster.SpelerRijen());
    venster.Verwijderen(); // Bert's incomplete entry, which held the selection
    EXPECT_EQ(1, RondeTeller(2));
    EXPECT_EQ((Rijen{"1\tAnna Aal", "5\tanna Berg", "3\tCees Claes"}), venster.SpelerRijen());
    venster.SelecteerUitslag(0); // the game Bert - Eva
    venster.Verwijderen();
    EXPECT_EQ(0, RondeTeller(2));
    EXPECT_EQ(0, RondeTeller(6));
    EXPECT_EQ(5u, venster.SpelerRijen().size());
    EXPECT_TRUE(venster.UitslagRijen().empty());
}

TEST_F(RondeVenster, EditingARoundListsGamesByesThenClassesAndHidesItsPlayers) {
    CRonde kopie(app->competitie.rondes);
    kopie.KopieerVan(app->competitie.rondes.Ronde(1));
    CRondeVenster venster(*app, kopie);
    EXPECT_EQ("8 okt", venster.Identificatie());
    EXPECT_EQ(CRondeVenster::EFocus::Zoek, venster.Focus());
    EXPECT_EQ((Rijen{"Anna Aal\tCees Claes\t0 - 1", "Bert Bos\tEva Ek\tjigo",
                     "anna Berg\t\tuitgeloot", "Eva Ek\t\tnieuwe klasse"}),
              venster.UitslagRijen());
    EXPECT_EQ((Rijen{}), venster.SpelerRijen());
    EXPECT_EQ(2, RondeTeller(6));
    EXPECT_FALSE(venster.Gewijzigd());
    venster.ZetVerbergVerwerkt(false);
    EXPECT_EQ(5u, venster.SpelerRijen().size());

    // Changed and stored: the round keeps its own order and its comment once.
    venster.SelecteerUitslag(0);
    venster.Wissel(); // 0 - 1 becomes jigo
    venster.ZetVerbergVerwerkt(true);
    ASSERT_EQ(0, venster.Ok());
    std::vector<std::string> regels;
    kopie.SchrijfLijst(regels, 2);
    EXPECT_EQ((Rijen{"{8 okt}", "klasse(6)=190", "1 3 0", "5 Uitgeloot", "2 6 0", ";commentaar"}),
              regels);
}

TEST_F(RondeVenster, TheFourSortOrdersAndTheirHeads) {
    app->settings.SetUitslagSorteerSleutel(-4); // counts as 0
    CRondeVenster venster(*app, *nieuw);
    EXPECT_EQ(CRondeVenster::kNaamOp, venster.SorteerSleutel());
    venster.Zoek("cees");
    const Rijen naamOp{"1\tAnna Aal", "5\tanna Berg", "2\tBert Bos", "3\tCees Claes", "6\tEva Ek"};
    const Rijen nummerOp{"1\tAnna Aal", "2\tBert Bos", "3\tCees Claes", "5\tanna Berg",
                         "6\tEva Ek"};
    const Rijen naamAf(naamOp.rbegin(), naamOp.rend());
    const Rijen nummerAf(nummerOp.rbegin(), nummerOp.rend());
    struct Geval {
        bool opNummer; // the head clicked
        int32_t sleutel;
        const Rijen& rijen;
    } gevallen[] = {
        {false, CRondeVenster::kNaamAf, naamAf},    {true, CRondeVenster::kNummerOp, nummerOp},
        {true, CRondeVenster::kNummerAf, nummerAf}, {false, CRondeVenster::kNaamOp, naamOp},
        {true, CRondeVenster::kNummerOp, nummerOp}, {false, CRondeVenster::kNaamOp, naamOp},
    };
    for (const Geval& g : gevallen) {
        g.opNummer ? venster.SorteerOpNummer() : venster.SorteerOpNaam();
        EXPECT_EQ(g.sleutel, venster.SorteerSleutel());
        EXPECT_EQ(g.rijen, venster.SpelerRijen()) << g.sleutel;
        // The selected player stays selected.
        ASSERT_GE(venster.SpelerSelectie(), 0);
        EXPECT_EQ("3\tCees Claes", venster.SpelerRijen()[venster.SpelerSelectie()]);
    }
}

TEST_F(RondeVenster, OkNeedsAnIdentificationAndStoresTheSettings) {
    app->settings.SetUitslagSorteerSleutel(0);
    CRondeVenster venster(*app, *nieuw);
    Kies(venster, "Anna A");
    Kies(venster, "Bert");
    venster.ZetIdentificatie("   ");
    recorder.Verwacht("U bent verplicht een ronde-identificatie in te vullen.");
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ(CRondeVenster::EFocus::Identificatie, venster.Focus());
    EXPECT_TRUE(nieuw->Uitslagen().empty());

    venster.ZetIdentificatie(std::string(1014, 'x'));
    recorder.Verwacht("De identificatie mag niet langer zijn dan 1013 tekens.");
    EXPECT_EQ(-1, venster.Ok());

    venster.ZetIdentificatie("  15   okt ");
    venster.SorteerOpNummer();
    venster.ZetAlleenAktief(false);
    venster.ZetVerbergVerwerkt(false);
    ASSERT_EQ(0, venster.Ok());
    EXPECT_EQ("15 okt", nieuw->identificatie); // as the data file gives it back
    ASSERT_EQ(1u, nieuw->Uitslagen().size());
    const CUitslag& partij = nieuw->Uitslagen()[0];
    EXPECT_EQ(1, partij.speler1);
    EXPECT_EQ(2, partij.speler2);
    EXPECT_EQ('+', partij.resultaat);
    EXPECT_EQ(CRondeVenster::kNummerOp, app->settings.UitslagSorteerSleutel());
    EXPECT_EQ(0, app->settings.UitslagToonAlleenAktieveSpelers());
    EXPECT_EQ(0, app->settings.UitslagVerbergVerwerkteSpelers());
}

TEST_F(RondeVenster, UnchangedSettingsLeaveTheStoreUnchanged) {
    app->settings.SchrijfProfiel();
    ASSERT_FALSE(app->settings.Gewijzigd());
    CRondeVenster venster(*app, *nieuw);
    venster.ZetIdentificatie("15 okt");
    ASSERT_EQ(0, venster.Ok());
    EXPECT_FALSE(app->settings.Gewijzigd());
}

TEST_F(RondeVenster, AnIncompleteEntryBetweenOthersIsLeftOutOfTheRound) {
    CRondeVenster venster(*app, *nieuw);
    venster.ZetIdentificatie("15 okt");
    Kies(venster, "Anna A");
    venster.Wissel(); // a bye
    Kies(venster, "Bert");
    Kies(venster, "Cees");
    venster.SelecteerUitslag(0);
    venster.Wissel(); // incomplete again, but no longer the last entry
    EXPECT_FALSE(venster.OkAan());
    venster.SelecteerUitslag(1);
    ASSERT_TRUE(venster.OkAan());
    ASSERT_EQ(0, venster.Ok());
    ASSERT_EQ(1u, nieuw->Uitslagen().size());
    EXPECT_EQ(partij, nieuw->Uitslagen()[0].soort);
}

TEST_F(RondeVenster, AClassBelowOneIsRefusedAndTheEntryStaysIncomplete) {
    CRondeVenster venster(*app, *nieuw);
    Kies(venster, "Anna A");
    for (const char* tekst : {"0", "-5", "abc"}) {
        venster.ZetKlasseVeld(tekst);
        ASSERT_TRUE(venster.NieuweKlasseAan()) << tekst;
        recorder.Verwacht("CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn");
        EXPECT_EQ(-1, venster.NieuweKlasse()) << tekst;
        EXPECT_EQ("Anna Aal\t\t", venster.UitslagRijen()[0]);
    }
    venster.ZetKlasseVeld("12x"); // the leading number counts
    EXPECT_EQ(0, venster.NieuweKlasse());
    EXPECT_EQ("Anna Aal\t\tnieuwe klasse", venster.UitslagRijen()[0]);
    EXPECT_EQ("12", venster.KlasseVeld());
}

TEST_F(RondeVenster, CancelAsksOnlyAfterAChangeOfTheEntries) {
    {
        CRondeVenster venster(*app, *nieuw);
        venster.ZetIdentificatie("15 okt"); // the identification alone is no change
        EXPECT_EQ(0, venster.Cancel());
    }
    CRondeVenster venster(*app, *nieuw);
    Kies(venster, "Anna A");
    venster.Verwijderen(); // back to nothing, but changed all the same
    recorder.Verwacht(kNegeerVraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Cancel());
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen); // "Nee" is the default
    recorder.Verwacht(kNegeerVraag, Antwoord::Ja);
    EXPECT_EQ(0, venster.Cancel());
    EXPECT_TRUE(nieuw->Uitslagen().empty());
    EXPECT_EQ("", nieuw->identificatie);
}

// A round of three games without results and a bye, as a pairing gives it.
class RondeVensterUitIndeling : public RondeVenster {
protected:
    void SetUp() override {
        RondeVenster::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        nieuw->identificatie = "15 okt";
        for (auto [zwart, wit] : {std::pair{2, 1}, {6, 3}, {5, 4}}) {
            ASSERT_EQ(0, nieuw->VoegToe(zwart, wit, '?'));
        }
        ASSERT_EQ(0, nieuw->VoegToe(3));
        app->competitie.rondes.WisGewijzigd();
    }

    static std::string Resultaten(const CRondeVenster& venster) {
        std::string resultaten;
        for (const std::string& rij : venster.UitslagRijen()) {
            resultaten += rij.substr(rij.rfind('\t') + 1) + "|";
        }
        return resultaten;
    }
};

TEST_F(RondeVensterUitIndeling, OneKeyGivesAResultAndMovesOnToTheNextGameWithout) {
    CRondeVenster venster(*app, *nieuw, true);
    EXPECT_EQ(CRondeVenster::EFocus::Uitslagen, venster.Focus());
    EXPECT_EQ(0, venster.UitslagSelectie());
    EXPECT_FALSE(venster.Gewijzigd());
    EXPECT_EQ("Nog 3 van 3 partijen zonder uitslag.", venster.ZonderUitslagTekst());

    const struct {
        char toets;
        int rij; // selected before the key
        const char* tekst;
    } gevallen[] = {{'1', 0, "1 - 0"}, {'-', 1, "0 - 1"}, {'=', 2, "jigo"}};
    for (const auto& g : gevallen) {
        EXPECT_EQ(g.rij, venster.UitslagSelectie()) << g.toets;
        EXPECT_TRUE(venster.Toets(g.toets)) << g.toets;
        EXPECT_EQ(g.tekst, venster.UitslagRijen()[static_cast<size_t>(g.rij)].substr(
                               venster.UitslagRijen()[static_cast<size_t>(g.rij)].rfind('\t') + 1));
    }
    // No game without a result left: the selection stays where it is.
    EXPECT_EQ(2, venster.UitslagSelectie());
    EXPECT_EQ("Alle partijen hebben een uitslag.", venster.ZonderUitslagTekst());
    EXPECT_TRUE(venster.Gewijzigd());

    // The other keys of each result, on a game chosen again.
    for (auto [toets, tekst] : {std::pair{'2', "0 - 1"},
                                {'0', "jigo"},
                                {'j', "jigo"},
                                {'J', "jigo"},
                                {'?', "niet genoteerd"},
                                {'1', "1 - 0"}}) {
        venster.SelecteerUitslag(1);
        EXPECT_TRUE(venster.Toets(toets)) << toets;
        EXPECT_EQ(std::string("Eva Ek\tCees Claes\t") + tekst, venster.UitslagRijen()[1]) << toets;
    }
    // A postponed game is found again from the top.
    venster.SelecteerUitslag(0);
    EXPECT_TRUE(venster.Toets('?'));
    venster.SelecteerUitslag(2);
    EXPECT_TRUE(venster.Toets('0'));
    EXPECT_EQ(0, venster.UitslagSelectie());

    // Other keys, and keys on a bye, change nothing.
    for (char toets : {'x', '3', ' ', 'W'}) {
        EXPECT_FALSE(venster.Toets(toets)) << toets;
    }
    venster.SelecteerUitslag(3);
    EXPECT_FALSE(venster.Toets('1'));
    EXPECT_EQ("Cees Claes\t\tuitgeloot", venster.UitslagRijen()[3]);
    // "+/-" keeps cycling.
    venster.SelecteerUitslag(0);
    venster.Wissel();
    EXPECT_EQ("1 - 0|1 - 0|jigo|uitgeloot|", Resultaten(venster));
}

TEST_F(RondeVensterUitIndeling, OkWithGamesWithoutAResultAsksWhetherToStoreTheRoundAnyway) {
    CRondeVenster venster(*app, *nieuw, true);
    EXPECT_TRUE(venster.Toets('1'));
    const std::string vraag = "Er zijn nog 2 partijen zonder uitslag (niet genoteerd).\nDe ronde "
                              "toch opslaan?";
    recorder.Verwacht(vraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Ok());
    EXPECT_EQ(Knoppen::JaNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ(1, venster.UitslagSelectie()); // the first of them
    EXPECT_EQ(CRondeVenster::EFocus::Uitslagen, venster.Focus());
    EXPECT_EQ(4u, nieuw->Uitslagen().size()); // the round untouched
    EXPECT_EQ('?', nieuw->Uitslagen()[0].resultaat);

    EXPECT_TRUE(venster.Toets('0'));
    recorder.Verwacht("Er is nog 1 partij zonder uitslag (niet genoteerd).\nDe ronde toch opslaan?",
                      Antwoord::Ja);
    ASSERT_EQ(0, venster.Ok());
    std::vector<std::string> regels;
    nieuw->SchrijfLijst(regels, 2);
    EXPECT_EQ((Rijen{"{15 okt}", "2 1 +", "6 3 0", "5 4 ?", "3 Uitgeloot"}), regels);
}

TEST_F(RondeVensterUitIndeling, APlayerWhoDidNotComeIsTakenOutOrReplaced) {
    CRondeVenster venster(*app, *nieuw, true);
    // Bert did not come: his game goes, and Anna gets a bye instead.
    venster.SelecteerUitslag(0);
    venster.Verwijderen();
    Kies(venster, "Anna A");
    venster.Wissel();
    EXPECT_EQ((Rijen{"Eva Ek\tCees Claes\tniet genoteerd", "anna Berg\tDirk Dam\tniet genoteerd",
                     "Cees Claes\t\tuitgeloot", "Anna Aal\t\tuitgeloot"}),
              venster.UitslagRijen());
    EXPECT_EQ("Nog 2 van 2 partijen zonder uitslag.", venster.ZonderUitslagTekst());
}

} // namespace
