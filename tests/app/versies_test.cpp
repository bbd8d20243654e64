// The history of the open competition: its generations listed with what
// changed since, and one of them restored.

#include "app/morvelapp.h"
#include "app/versies.h"
#include "club_opstelling.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// LF line ends and an extra comment: only a byte-for-byte restore gives them back.
const char* const kOrigineel = "versie=2\n; opgezet door de secretaris\n\n[Spelers]\n"
                               "1 \"Jan de Vries\" 150 J J J\n2 \"Piet Jansen\" 160 J J J\n"
                               "\n[Uitslagen]\n{10 maart}\n1 2 +\n{17 maart}\n2 1 0\n";

class Versies : public CClubOpstelling {
protected:
    void SetUp() override {
        Open(kOrigineel);
        app->settings.SetHtmlStand(2);
    }

    void TearDown() override { app->competitie.Sluit(); }

    // The round "17 maart" deleted and written, as at a switch.
    void VerwijderRonde() {
        ASSERT_EQ(0, app->competitie.rondes.Verwijder(2));
        ASSERT_EQ(0, app->competitie.Schrijf());
    }
};

TEST_F(Versies, EachGenerationSaysWhatChangedSince) {
    VerwijderRonde();
    app->competitie.spelers.Zoek(1)->beginKlasse = 145;
    app->competitie.spelers.ZetGewijzigd();
    ASSERT_EQ(0, app->competitie.Schrijf());
    std::vector<CVersie> versies = ::Versies(app->competitie);
    ASSERT_EQ(2u, versies.size());
    EXPECT_TRUE(versies[0].leesbaar);
    EXPECT_EQ(2u, versies[0].spelers);
    EXPECT_EQ(1, versies[0].rondes);
    EXPECT_EQ("sindsdien beginklasse van Jan de Vries 150 -> 145", versies[0].verschil);
    EXPECT_EQ(2, versies[1].rondes);
    EXPECT_EQ("sindsdien 1 ronde minder: '17 maart', beginklasse van Jan de Vries 150 -> 145",
              versies[1].verschil);
    EXPECT_EQ(GeneratieTijd(versies[0].generatie) + ", 2 spelers, 1 rondes", VersieKop(versies[0]));
}

TEST_F(Versies, ARestoreKeepsTheCurrentStateFirstAndWritesTheChosenByteForByte) {
    VerwijderRonde();
    const std::string zonderRonde = LeesAlles(Datafile());
    // Unsaved changes count as the current state too.
    std::string naam = "Kees Smit";
    ASSERT_EQ(0, app->competitie.spelers.VoegToe(3, naam, 200, 1, 1, 1));
    std::vector<CVersie> versies = ::Versies(app->competitie);
    ASSERT_EQ(1u, versies.size());
    EXPECT_EQ("sindsdien 1 ronde minder: '17 maart', 1 speler meer: 'Kees Smit'",
              versies[0].verschil);

    ASSERT_EQ(0, app->ZetTerug(versies[0].generatie));
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    EXPECT_EQ("17 maart", app->competitie.rondes.Ronde(1).identificatie);
    EXPECT_EQ(nullptr, app->competitie.spelers.Zoek(3));
    EXPECT_FALSE(app->competitie.IsGewijzigd());

    // Both states before it are in the history, the newest first: undoable.
    std::vector<CGeneratie> generaties = Generaties(Datafile());
    ASSERT_EQ(3u, generaties.size());
    EXPECT_NE(std::string::npos, LeesAlles(generaties[0].pad).find("3 \"Kees Smit\" 200"));
    EXPECT_EQ(zonderRonde, LeesAlles(generaties[1].pad));
    EXPECT_EQ(kOrigineel, LeesAlles(generaties[2].pad));
    EXPECT_EQ("gelijk aan de huidige stand", ::Versies(app->competitie)[2].verschil);

    // The include files follow, marked for upload.
    EXPECT_NE(std::string::npos, LeesAlles(tmp.Bestand("data/Club/stand.inc")).find("Piet"));
    EXPECT_TRUE(app->uploadNodig.Nodig(HtmlBestand::Stand));
    app->uploadNodig.Wis(HtmlBestand::Stand);
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(Versies, ARestoreKeepsTheCurrentStateEvenWithTheHistoryOff) {
    VerwijderRonde();
    app->settings.SetGeschiedenis(0);
    ASSERT_EQ(0, app->ZetTerug(Generaties(Datafile())[0]));
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_EQ(2u, Generaties(Datafile()).size());
    app->uploadNodig.Wis(HtmlBestand::Stand);
}

TEST_F(Versies, AGenerationThatCannotBeReadIsListedAndNeverRestored) {
    VerwijderRonde();
    const std::string map = GeschiedenisMap(Datafile());
    SchrijfAlles(map + "/20300101T000000Z.generatie", "versie=7\r\n");
    SchrijfAlles(map + "/20300102T000000Z.generatie", "");
    std::vector<CVersie> versies = ::Versies(app->competitie);
    ASSERT_EQ(3u, versies.size());
    EXPECT_FALSE(versies[0].leesbaar);
    EXPECT_EQ("kan niet gelezen worden: het bestand is leeg", versies[0].verschil);
    EXPECT_FALSE(versies[1].leesbaar);
    EXPECT_EQ("kan niet gelezen worden: Om deze data bestanden te kunnen lezen, dient u versie 7 "
              "(of hoger) van dit programma te gebruiken",
              versies[1].verschil);
    EXPECT_EQ(GeneratieTijd(versies[1].generatie), VersieKop(versies[1]));
    EXPECT_TRUE(versies[2].leesbaar);

    const std::string voor = LeesAlles(Datafile());
    recorder.Verwacht("De versie van " + GeneratieTijd(versies[1].generatie) +
                      " kan niet gelezen worden.");
    EXPECT_EQ(-1, app->ZetTerug(versies[1].generatie));
    EXPECT_EQ(voor, LeesAlles(Datafile()));
    EXPECT_EQ(3u, Generaties(Datafile()).size());
}

TEST_F(Versies, AGenerationReadWithMessagesSaysSo) {
    fs::create_directories(GeschiedenisMap(Datafile()));
    SchrijfAlles(GeschiedenisMap(Datafile()) + "/20300101T000000Z.generatie",
                 "versie=2\r\n\r\n[Spelers]\r\n1 \"Jan de Vries\" 150 J J J\r\n[Notities]\r\n"
                 "bellen\r\n\r\n[Uitslagen]\r\n");
    std::vector<CVersie> versies = ::Versies(app->competitie);
    ASSERT_EQ(1u, versies.size());
    EXPECT_TRUE(versies[0].leesbaar);
    EXPECT_EQ("sindsdien 2 rondes meer, 1 speler meer: 'Piet Jansen' (1 meldingen bij het lezen)",
              versies[0].verschil);
    EXPECT_TRUE(recorder.meldingen.empty());
}

} // namespace
