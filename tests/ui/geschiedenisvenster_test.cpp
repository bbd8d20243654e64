// The history window's model: the rows, the question before a restore, and
// the standings of a generation without restoring it.

#include "club_opstelling.h"
#include "publish/standlijst.h"
#include "ui/geschiedenisvenster.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const char* const kOrigineel = "versie=2\r\n\r\n[Spelers]\r\n1 \"Jan de Vries\" 150 J J J\r\n"
                               "2 \"Piet Jansen\" 160 J J J\r\n\r\n[Uitslagen]\r\n{10 maart}\r\n"
                               "1 2 +\r\n{17 maart}\r\n2 1 -\r\n";

class GeschiedenisVenster : public CClubOpstelling {
protected:
    // "17 maart" deleted and written, and a generation of a later program.
    void SetUp() override {
        Open(kOrigineel);
        ASSERT_EQ(0, app->competitie.rondes.Verwijder(2));
        ASSERT_EQ(0, app->competitie.Schrijf());
        SchrijfAlles(GeschiedenisMap(Datafile()) + "/20000101T000000Z.generatie", "versie=5\r\n");
    }
};

TEST_F(GeschiedenisVenster, RowsNewestFirstAndButtonsOnlyForAReadableGeneration) {
    CGeschiedenisVenster venster(*app);
    std::vector<CGeneratie> generaties = Generaties(Datafile());
    ASSERT_EQ(2u, venster.Rijen().size());
    EXPECT_EQ("1\t" + GeneratieTijd(generaties[0]) + "\t2\t2\tsindsdien 1 ronde minder: '17 maart'",
              venster.Rijen()[0]);
    EXPECT_EQ("2\t" + GeneratieTijd(generaties[1]) +
                  "\t\t\tkan niet gelezen worden: Om deze data bestanden te kunnen lezen, dient u "
                  "versie 5 (of hoger) van dit programma te gebruiken",
              venster.Rijen()[1]);
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_FALSE(venster.KnoppenAan());
    venster.Selecteer(1);
    EXPECT_FALSE(venster.KnoppenAan());
    std::string titel;
    std::string lijst;
    EXPECT_EQ(-1, venster.Bekijken(titel, lijst));
    EXPECT_EQ(-1, venster.Terugzetten());
    venster.Selecteer(0);
    EXPECT_TRUE(venster.KnoppenAan());
    venster.Selecteer(2);
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(GeschiedenisVenster, RestoringAsksFirstAndNoChangesNothing) {
    CGeschiedenisVenster venster(*app);
    venster.Selecteer(0);
    const std::string vraag = "De competitie 'Club' terugzetten naar de versie van " +
                              GeneratieTijd(Generaties(Datafile())[0]) +
                              ", 2 spelers, 2 rondes?\nDe huidige stand wordt eerst in de "
                              "geschiedenis bewaard, zodat u dit ongedaan kunt maken.";
    const std::string zonder = LeesAlles(Datafile());
    recorder.Verwacht(vraag, Antwoord::Nee);
    EXPECT_EQ(-1, venster.Terugzetten());
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_EQ(zonder, LeesAlles(Datafile()));

    recorder.Verwacht(vraag, Antwoord::Ja);
    ASSERT_EQ(0, venster.Terugzetten());
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    ASSERT_EQ(3u, venster.Rijen().size());
    EXPECT_EQ(-1, venster.Selectie());
    EXPECT_NE(std::string::npos,
              venster.Rijen()[0].find("\t2\t1\tsindsdien 1 ronde meer: '17 maart'"));
    EXPECT_NE(std::string::npos, venster.Rijen()[1].find("\tgelijk aan de huidige stand"));
}

TEST_F(GeschiedenisVenster, ViewingShowsTheStandingsOfTheGenerationWithoutRestoringIt) {
    CGeschiedenisVenster venster(*app);
    venster.Selecteer(0);
    std::string titel;
    std::string lijst;
    ASSERT_EQ(0, venster.Bekijken(titel, lijst));
    EXPECT_EQ("Stand van de versie van " + GeneratieTijd(Generaties(Datafile())[0]), titel);

    CCompetitie eerder;
    eerder.datafile = tmp.Bestand("eerder.txt");
    SchrijfAlles(eerder.datafile, kOrigineel);
    ASSERT_EQ(0, eerder.Lees());
    std::string verwacht;
    CLijstBron bron{eerder.spelers, eerder.rondes, "Club"};
    ASSERT_EQ(0, MaakStandLijst(app->settings, bron, -1, std::nullopt, verwacht));
    EXPECT_EQ(verwacht, lijst);
    EXPECT_NE(std::string::npos, lijst.find("17 maart"));
    EXPECT_EQ(1, app->competitie.rondes.Aantal()); // nothing restored
    EXPECT_TRUE(recorder.meldingen.empty());
}

} // namespace
