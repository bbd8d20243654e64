// The rounds window's rules, driven without Qt: the results window is
// replaced by a function that works on the round it is given.

#include "app/morvelapp.h"
#include "rondes_opstelling.h"
#include "ui/rondesvenster.h"
#include "ui/rondevenster.h"

#include <filesystem>

namespace {

const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "1 \"Anna Aal\" 150 J J J\n"
                              "2 \"Bert Bos\" 200 J J J\n"
                              "3 \"Cees Claes\" 180 J J J\n"
                              "\n[Uitslagen]\n{1 okt}\n1 2 +\n3 Uitgeloot\n"
                              "{8 okt}\n1 3 -\n2 Uitgeloot\n";

const char* const kVerwijderVraag = "Weet u zeker dat u de geselecteerde speelronde (inclusief "
                                    "alle uitslagen) wilt verwijderen?";

using Rijen = std::vector<std::string>;

class RondesVenster : public CRondesOpstelling {
protected:
    void SetUp() override { Open(kDataFile); }

    void ZetModi(int32_t uitslag, int32_t uitslagen, int32_t stand) {
        app->settings.SetHtmlUitslag(uitslag);
        app->settings.SetHtmlUitslagen(uitslagen);
        app->settings.SetHtmlStand(stand);
    }
    std::string Inc(const char* naam) const {
        return std::filesystem::exists(tmp.Bestand(naam)) ? LeesAlles(tmp.Bestand(naam)) : "";
    }
    static bool Bevat(const std::string& tekst, const std::string& deel) {
        return tekst.find(deel) != std::string::npos;
    }

    // A results window that enters Anna against Cees and closes with "&Ok"
    // under `identificatie`, or with "&Cancel" when that is empty.
    CRondesVenster::CUitslagenVenster Venster(std::string identificatie) {
        return [this, identificatie](CRonde& ronde, bool) {
            CRondeVenster venster(*app, ronde);
            venster.ZetVerbergVerwerkt(false);
            for (const char* naam : {"anna", "cees"}) {
                venster.Zoek(naam);
                venster.Toevoegen();
            }
            if (identificatie.empty()) {
                recorder.Verwacht("Weet u zeker dat u de veranderingen wilt negeren en het "
                                  "venster wilt sluiten?",
                                  Antwoord::Ja);
                return venster.Cancel() != 0;
            }
            venster.ZetIdentificatie(identificatie);
            return venster.Ok() == 0;
        };
    }
};

TEST_F(RondesVenster, AddingAppendsSelectsAndRewritesTheIncludeFiles) {
    ZetModi(2, 1, 1);
    CRondesVenster venster(*app);
    EXPECT_EQ((Rijen{"1 okt", "8 okt"}), venster.Rijen());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_FALSE(venster.SelectieKnoppenAan());

    ASSERT_EQ(0, venster.Toevoegen(Venster("15 okt")));
    EXPECT_EQ((Rijen{"1 okt", "8 okt", "15 okt"}), venster.Rijen());
    EXPECT_EQ(2, venster.Selectie());
    EXPECT_TRUE(app->competitie.rondes.IsGewijzigd());
    const CRonde& ronde = app->competitie.rondes.Ronde(2);
    ASSERT_EQ(1u, ronde.Uitslagen().size());
    EXPECT_EQ(3, ronde.Uitslagen()[0].speler2);

    EXPECT_TRUE(Bevat(Inc("uitslag.inc"), "Uitslag van ronde '15 okt'"));
    EXPECT_TRUE(Bevat(Inc("uitslag.inc"), "<TR><TD>Anna Aal&nbsp;</TD><TD>Cees Claes&nbsp;"));
    EXPECT_TRUE(Bevat(Inc("uitslagen.inc"), "<BR>Uitslag van ronde '15 okt'"));
    EXPECT_TRUE(Bevat(Inc("stand.inc"), "Stand na ronde '15 okt'"));
    EXPECT_TRUE(app->uploadNodig.Nodig(HtmlBestand::Uitslag));
    EXPECT_FALSE(app->uploadNodig.Nodig(HtmlBestand::Uitslagen));
}

TEST_F(RondesVenster, ACancelledNewRoundLeavesTheListAndTheFilesAlone) {
    ZetModi(1, 1, 1);
    CRondesVenster venster(*app);
    EXPECT_EQ(-1, venster.Toevoegen(Venster("")));
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    EXPECT_FALSE(app->competitie.rondes.IsGewijzigd());
    EXPECT_EQ("", Inc("uitslag.inc"));
    EXPECT_EQ("", Inc("stand.inc"));
}

TEST_F(RondesVenster, EditingWorksOnACopyThatOnlyOkStoresBack) {
    ZetModi(1, 0, 0);
    CRondesVenster venster(*app);
    venster.Selecteer(0);
    ASSERT_TRUE(venster.SelectieKnoppenAan());

    // Cancelled: the round is as it was, although the window changed its copy.
    EXPECT_EQ(-1, venster.Wijzigen(Venster("")));
    EXPECT_EQ(2u, app->competitie.rondes.Ronde(0).Uitslagen().size());
    EXPECT_EQ("", Inc("uitslag.inc"));

    ASSERT_EQ(0, venster.Wijzigen(Venster("1 oktober")));
    EXPECT_EQ((Rijen{"1 oktober", "8 okt"}), venster.Rijen());
    EXPECT_EQ(0, venster.Selectie());
    const CRonde& ronde = app->competitie.rondes.Ronde(0);
    EXPECT_EQ(3u, ronde.Uitslagen().size());
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    // "uitslag.inc" shows the last round, not the one that changed.
    EXPECT_TRUE(Bevat(Inc("uitslag.inc"), "Uitslag van ronde '8 okt'"));
    EXPECT_EQ("", Inc("uitslagen.inc"));
}

TEST_F(RondesVenster, DeletingTheLastRoundAsksAndRewritesForTheNewLastRound) {
    ZetModi(1, 0, 1);
    CRondesVenster venster(*app);
    EXPECT_EQ(-1, venster.Verwijderen()); // nothing selected: no question
    venster.Selecteer(1);
    recorder.Verwacht(kVerwijderVraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Verwijderen());
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    EXPECT_EQ("", Inc("uitslag.inc"));

    recorder.Verwacht(kVerwijderVraag, Antwoord::Ja);
    ASSERT_EQ(0, venster.Verwijderen());
    EXPECT_EQ((Rijen{"1 okt"}), venster.Rijen());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_TRUE(Bevat(Inc("uitslag.inc"), "Uitslag van ronde '1 okt'"));
    EXPECT_TRUE(Bevat(Inc("stand.inc"), "Stand na ronde '1 okt'"));
    EXPECT_EQ("", Inc("uitslagen.inc"));

    venster.Selecteer(0);
    recorder.Verwacht(kVerwijderVraag, Antwoord::Ja);
    ASSERT_EQ(0, venster.Verwijderen());
    EXPECT_EQ("Er zijn nog geen uitslagen.<BR>\r\n", Inc("uitslag.inc"));
    EXPECT_TRUE(Bevat(Inc("stand.inc"), "Beginstand"));
}

TEST_F(RondesVenster, PrintingTakesTheSelectedRoundOrTheLast) {
    CRondesVenster venster(*app);
    std::string lijst;
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_TRUE(Bevat(lijst, "Uitslag van ronde '8 okt'"));
    EXPECT_FALSE(Bevat(lijst, "'1 okt'"));
    venster.Selecteer(0);
    ASSERT_EQ(0, venster.Afdrukken(lijst));
    EXPECT_TRUE(Bevat(lijst, "Uitslag van ronde '1 okt'"));
    EXPECT_TRUE(Bevat(lijst, "uitgeloot"));

    for (int i = 0; i < 2; ++i) {
        venster.Selecteer(0);
        recorder.Verwacht(kVerwijderVraag, Antwoord::Ja);
        venster.Verwijderen();
    }
    EXPECT_EQ(-1, venster.Afdrukken(lijst)); // no round: nothing to print
    EXPECT_EQ("", lijst);
}

// What the results window got from "&Toevoegen", and closes with.
struct CGeopend {
    std::string identificatie;
    std::vector<CUitslag> uitslagen;
    bool uitIndeling = false;
};

TEST_F(RondesVenster, APublishedPairingIsOfferedOnceAsTheNewRound) {
    CIndeling& indeling = app->indeling;
    indeling.VoegToe(2, 1, "Bert Bos", "Anna Aal", "2 stenen, 0 komi");
    indeling.VoegToe(3, 0, "Cees Claes", "", "Uitgeloot");
    indeling.gepubliceerd = {{3, 3, 2025}, 20, 15, 7};
    ASSERT_EQ(0, app->BewaarIndeling());
    const char* const vraag =
        "De indeling van 3 maart 2025 20:15 (1 partij, uitgeloot: Cees Claes) "
        "overnemen als nieuwe ronde?";
    CGeopend geopend;
    // Records what it was given and accepts with one key for the game.
    auto venster = [&](CRonde& ronde, bool uitIndeling) {
        geopend = {ronde.identificatie, ronde.Uitslagen(), uitIndeling};
        CRondeVenster v(*app, ronde, uitIndeling);
        if (uitIndeling) {
            EXPECT_EQ(CRondeVenster::EFocus::Uitslagen, v.Focus());
            EXPECT_EQ(0, v.UitslagSelectie());
            EXPECT_TRUE(v.Toets('1'));
        } else {
            v.ZetIdentificatie("handmatig");
        }
        return v.Ok() == 0;
    };

    CRondesVenster rondes(*app);
    recorder.Verwacht(vraag, Antwoord::Nee);
    ASSERT_EQ(0, rondes.Toevoegen(venster));
    EXPECT_EQ(Knoppen::JaNee, recorder.meldingen.back().knoppen); // "Ja" the default
    EXPECT_FALSE(geopend.uitIndeling);
    EXPECT_TRUE(geopend.uitslagen.empty());
    EXPECT_EQ(0, indeling.overgenomen);

    recorder.Verwacht(vraag, Antwoord::Ja);
    ASSERT_EQ(0, rondes.Toevoegen(venster));
    EXPECT_TRUE(geopend.uitIndeling);
    EXPECT_EQ("3 maart", geopend.identificatie);
    ASSERT_EQ(2u, geopend.uitslagen.size());
    EXPECT_EQ(partij, geopend.uitslagen[0].soort);
    EXPECT_EQ(2, geopend.uitslagen[0].speler1); // Black first
    EXPECT_EQ(1, geopend.uitslagen[0].speler2);
    EXPECT_EQ('?', geopend.uitslagen[0].resultaat);
    EXPECT_EQ(uitgeloot, geopend.uitslagen[1].soort);
    EXPECT_EQ(3, geopend.uitslagen[1].speler1);
    std::vector<std::string> regels;
    app->competitie.rondes.Ronde(3).SchrijfLijst(regels, 2);
    EXPECT_EQ((Rijen{"{3 maart}", "2 1 +", "3 Uitgeloot"}), regels);
    EXPECT_EQ(4, indeling.overgenomen);
    EXPECT_TRUE(Bevat(LeesAlles(tmp.Bestand(".rondes.txt.indeling")), "\r\novergenomen=4\r\n"));

    // Not offered again, also after a restart, until its round is deleted.
    app->LeesIndeling();
    EXPECT_EQ(4, indeling.overgenomen);
    ASSERT_EQ(0, rondes.Toevoegen(venster));
    EXPECT_FALSE(geopend.uitIndeling);
    rondes.Selecteer(0); // an earlier round: the mark follows its round
    recorder.Verwacht(kVerwijderVraag, Antwoord::Ja);
    ASSERT_EQ(0, rondes.Verwijderen());
    EXPECT_EQ(3, indeling.overgenomen);
    rondes.Selecteer(2);
    recorder.Verwacht(kVerwijderVraag, Antwoord::Ja);
    ASSERT_EQ(0, rondes.Verwijderen());
    EXPECT_EQ(0, indeling.overgenomen);
    EXPECT_TRUE(Bevat(LeesAlles(tmp.Bestand(".rondes.txt.indeling")), "\r\novergenomen=0\r\n"));
    recorder.Verwacht(vraag, Antwoord::Ja);
    ASSERT_EQ(0, rondes.Toevoegen(venster));
    EXPECT_TRUE(geopend.uitIndeling);
}

TEST_F(RondesVenster, APairingNamingARemovedPlayerGivesTheOtherGames) {
    CIndeling& indeling = app->indeling;
    indeling.VoegToe(2, 9, "Bert Bos", "Weg", "x");
    indeling.VoegToe(3, 1, "Cees Claes", "Anna Aal", "y");
    indeling.VoegToe(8, 0, "Ook Weg", "", "Uitgeloot");
    indeling.gepubliceerd = {{9, 10, 2025}, 9, 5, 0};
    CRondesVenster rondes(*app);
    recorder.Verwacht("De indeling van 9 oktober 2025 09:05 (2 partijen, uitgeloot: Ook Weg) "
                      "overnemen als nieuwe ronde?",
                      Antwoord::Ja);
    recorder.Verwacht("Deze partijen van de indeling noemen een speler die niet meer in de "
                      "ledenlijst staat en zijn niet overgenomen:\n  Bert Bos - Weg\n  Ook Weg "
                      "(uitgeloot)");
    std::vector<CUitslag> uitslagen;
    EXPECT_EQ(-1, rondes.Toevoegen([&](CRonde& ronde, bool) {
        uitslagen = ronde.Uitslagen();
        return false;
    }));
    ASSERT_EQ(1u, uitslagen.size());
    EXPECT_EQ(3, uitslagen[0].speler1);
    EXPECT_FALSE(app->competitie.rondes.IsGewijzigd()); // cancelled: nothing changed
    EXPECT_EQ(0, indeling.overgenomen);
}

} // namespace
