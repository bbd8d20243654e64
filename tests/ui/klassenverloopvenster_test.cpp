// The class chart window's rules, driven without Qt: the players in the
// order of the standings, choosing them, and saving the chart.

#include "app/morvelapp.h"
#include "melding_recorder.h"
#include "publish/grafiekschrijver.h"
#include "tijdelijke_map.h"
#include "ui/klassenverloopvenster.h"
#include "voorbeeld.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Draws nothing: remembers what it was asked and hands back a short text.
struct CProefTekening {
    static inline EGrafiekFormaat formaat{};
    static inline int breedte = 0;
    static inline int hoogte = 0;
    static inline size_t lijnen = 0;
    static bool Teken(const CKlassenGrafiek& grafiek, EGrafiekFormaat f, int b, int h,
                      std::string& inhoud) {
        formaat = f;
        breedte = b;
        hoogte = h;
        lijnen = grafiek.lijnen.size();
        inhoud = "grafiek";
        return true;
    }
};

class KlassenverloopVenster : public CVoorbeeldTest {
protected:
    KlassenverloopVenster() : CVoorbeeldTest(CProefTekening::Teken) {}

    size_t Getoond(const CKlassenverloopVenster& venster) {
        size_t aantal = 0;
        for (size_t rij = 0; rij < venster.Rijen().size(); ++rij) {
            EXPECT_EQ(venster.Getoond(static_cast<int>(rij)),
                      venster.Rijen()[rij].rfind(kGetoondTeken, 0) == 0);
            aantal += venster.Getoond(static_cast<int>(rij));
        }
        EXPECT_EQ(aantal, venster.Grafiek().lijnen.size());
        return aantal;
    }
};

TEST_F(KlassenverloopVenster, DeEersteAchtVanDeStandEnKiezen) {
    CKlassenverloopVenster venster(*app, "");
    // The example: twelve active players, eleven of whom played.
    ASSERT_EQ(12u, venster.Rijen().size());
    EXPECT_EQ(8u, Getoond(venster));
    for (int rij = 0; rij < 12; ++rij) {
        EXPECT_EQ(rij < 8, venster.Getoond(rij)) << rij;
    }
    EXPECT_EQ("X\t" + venster.Grafiek().lijnen[0].naam, venster.Rijen()[0]);
    EXPECT_EQ("8 van de 12 spelers in de grafiek, 4 rondes.", venster.Status());
    EXPECT_EQ("Klassenverloop Voorjaar", venster.Grafiek().titel.substr(0, 23));

    const int versie = venster.Versie();
    venster.Wissel(0);
    EXPECT_FALSE(venster.Getoond(0));
    EXPECT_EQ(7u, Getoond(venster));
    EXPECT_NE(versie, venster.Versie());
    venster.Wissel(11);
    EXPECT_EQ(8u, Getoond(venster));
    EXPECT_EQ(11, venster.Selectie());
    venster.Wissel(12); // no such row
    EXPECT_EQ(8u, Getoond(venster));

    venster.AlleSpelers();
    EXPECT_EQ(12u, Getoond(venster));
    venster.Geen();
    EXPECT_EQ(0u, Getoond(venster));
    EXPECT_EQ("0 van de 12 spelers in de grafiek, 4 rondes.", venster.Status());

    // "Zoek:" selects; Enter shows the player found.
    venster.Zoek("lucas");
    ASSERT_GE(venster.Selectie(), 0);
    EXPECT_NE(std::string::npos, venster.Rijen()[venster.Selectie()].find("Lucas Brouwer"));
    venster.Wissel(venster.Selectie());
    ASSERT_EQ(1u, Getoond(venster));
    EXPECT_EQ("Lucas Brouwer", venster.Grafiek().lijnen[0].naam);
    EXPECT_FALSE(venster.SpreadsheetAan());
}

TEST_F(KlassenverloopVenster, OpslaanInDeVormVanDeExtensie) {
    CKlassenverloopVenster venster(*app, tmp.Bestand("Voorjaar/voorjaar2025.csv"));
    EXPECT_TRUE(venster.SpreadsheetAan());
    EXPECT_EQ(tmp.Bestand("Voorjaar/klassenverloop.png"), venster.OpslaanVoorstel());
    struct {
        const char* naam;
        const char* geschreven;
        EGrafiekFormaat formaat;
    } gevallen[] = {
        {"grafiek.png", "grafiek.png", EGrafiekFormaat::Png},
        {"grafiek.SVG", "grafiek.SVG", EGrafiekFormaat::Svg},
        {"grafiek.pdf", "grafiek.pdf", EGrafiekFormaat::Pdf},
        {"grafiek", "grafiek.png", EGrafiekFormaat::Png},
    };
    for (const auto& g : gevallen) {
        ASSERT_EQ(0, venster.Opslaan(tmp.Bestand(g.naam), 800, 500)) << g.naam;
        EXPECT_EQ("grafiek", LeesAlles(tmp.Bestand(g.geschreven))) << g.naam;
        EXPECT_EQ(g.formaat, CProefTekening::formaat) << g.naam;
        EXPECT_EQ(800, CProefTekening::breedte);
        EXPECT_EQ(500, CProefTekening::hoogte);
        EXPECT_EQ(8u, CProefTekening::lijnen);
    }
    // A window shrunk below the smallest chart still gives a readable file.
    ASSERT_EQ(0, venster.Opslaan(tmp.Bestand("klein.png"), 50, 20000));
    EXPECT_EQ(kGrafiekMinimaal, CProefTekening::breedte);
    EXPECT_EQ(kGrafiekMaximaal, CProefTekening::hoogte);

    recorder.Verwacht("Een grafiek wordt bewaard als PNG, SVG of PDF: kies een bestandsnaam die "
                      "eindigt op .png, .svg of .pdf.");
    EXPECT_EQ(-1, venster.Opslaan(tmp.Bestand("grafiek.jpg"), 800, 500));
    EXPECT_FALSE(std::filesystem::exists(tmp.Bestand("grafiek.jpg")));

    ZetGrafiekTekenaar(nullptr);
    recorder.Verwacht("Een grafiek tekenen kan in deze uitvoering van het programma niet.");
    EXPECT_EQ(-1, venster.Opslaan(tmp.Bestand("zonder.png"), 800, 500));
    EXPECT_FALSE(std::filesystem::exists(tmp.Bestand("zonder.png")));
}

TEST_F(KlassenverloopVenster, ZonderRondesEenLegeGrafiek) {
    SchrijfAlles(tmp.Bestand("leeg.txt"), "versie=2\n\n[Spelers]\n1 \"Anna\" 150 J J J\n\n"
                                          "[Uitslagen]\n");
    ASSERT_EQ(0, app->OpenCompetitie(tmp.Bestand("leeg.txt")));
    CKlassenverloopVenster venster(*app, "");
    EXPECT_EQ(std::vector<std::string>{"\tAnna"}, venster.Rijen());
    EXPECT_EQ(0u, Getoond(venster));
    EXPECT_EQ("Er zijn nog geen rondes gespeeld: de grafiek is leeg.", venster.Status());
}

} // namespace
