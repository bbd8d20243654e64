// The history window offscreen: its labels and buttons, the keyboard alone,
// viewing a generation and restoring it.

#include "bediening.h"
#include "club_opstelling.h"
#include "gui/geschiedenisdlg.h"
#include "gui/lijstdlg.h"
#include "gui/multilinelistbox.h"
#include "vensterscript.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const char* const kOrigineel = "versie=2\r\n\r\n[Spelers]\r\n1 \"Jan de Vries\" 150 J J J\r\n"
                               "2 \"Piet Jansen\" 160 J J J\r\n\r\n[Uitslagen]\r\n{10 maart}\r\n"
                               "1 2 +\r\n{17 maart}\r\n2 1 -\r\n";

class GeschiedenisDlg : public CClubOpstelling {
protected:
    void SetUp() override { Open(kOrigineel); }
};

TEST_F(GeschiedenisDlg, WithoutGenerationsItSaysSoAndOffersNothing) {
    CGeschiedenisDlg venster(*app);
    ToonActief(venster);
    EXPECT_EQ(QString("Morvel Competitie Beheer / Geschiedenis"), venster.windowTitle());
    EXPECT_EQ(
        (std::map<QString, QString>{{"&Versies van de competitie, de nieuwste eerst:", "versies"}}),
        LabelVelden(venster));
    EXPECT_TRUE(Kind<QLabel>(venster, "leeg")->isVisible());
    EXPECT_EQ(0, Kind<CMultiLineListBox>(venster, "versies")->AantalRegels());
    for (const char* naam : {"terugzetten", "bekijken"}) {
        EXPECT_FALSE(Kind<QPushButton>(venster, naam)->isEnabled()) << naam;
    }
    EXPECT_EQ(QString("&Terugzetten"), Kind<QPushButton>(venster, "terugzetten")->text());
    EXPECT_EQ(QString("&Bekijken"), Kind<QPushButton>(venster, "bekijken")->text());
    EXPECT_EQ(QString("&Sluiten"), Kind<QPushButton>(venster, "sluiten")->text());
    EXPECT_EQ(QString("Terugzetten"), Kind<QPushButton>(venster, "terugzetten")->accessibleName());
    Mnemonic(Qt::Key_S);
    EXPECT_FALSE(venster.isVisible());
}

TEST_F(GeschiedenisDlg, ViewAndRestoreWithTheKeyboardAlone) {
    ASSERT_EQ(0, app->competitie.rondes.Verwijder(2));
    ASSERT_EQ(0, app->competitie.Schrijf());
    CGeschiedenisDlg venster(*app);
    ToonActief(venster);
    auto* versies = Kind<CMultiLineListBox>(venster, "versies");
    EXPECT_EQ(versies, QApplication::focusWidget());
    EXPECT_FALSE(Kind<QLabel>(venster, "leeg")->isVisible());
    ASSERT_EQ(1, versies->AantalRegels());
    EXPECT_EQ(QString("sindsdien 1 ronde minder: '17 maart'"), versies->Tekst(0, 4));
    EXPECT_EQ(QString("2"), versies->Tekst(0, 3));

    Toets(Qt::Key_Down);
    EXPECT_EQ(0, venster.Model().Selectie());
    EXPECT_TRUE(Kind<QPushButton>(venster, "bekijken")->isEnabled());

    recorder.VerwachtWillekeurig(Antwoord::Ja);
    Mnemonic(Qt::Key_T);
    EXPECT_EQ(kOrigineel, LeesAlles(Datafile()));
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
    EXPECT_EQ(2, versies->AantalRegels());
    EXPECT_EQ(QString("sindsdien 1 ronde meer: '17 maart'"), versies->Tekst(0, 4));
    EXPECT_FALSE(Kind<QPushButton>(venster, "terugzetten")->isEnabled());
    EXPECT_EQ(versies, QApplication::focusWidget());

    // The state from before the restore, viewed without restoring it.
    Toets(Qt::Key_Down);
    CVensterScript script;
    script.VerwachtVenster([](QDialog& lijst) {
        EXPECT_TRUE(lijst.windowTitle().startsWith("Stand van de versie van "));
        auto* tekst = lijst.findChild<QPlainTextEdit*>("lijst");
        EXPECT_TRUE(tekst && tekst->toPlainText().contains("10 maart"));
        EXPECT_TRUE(tekst && !tekst->toPlainText().contains("17 maart"));
        EXPECT_TRUE(tekst && tekst->isReadOnly());
        EXPECT_EQ((std::map<QString, QString>{{"&Overzicht:", "lijst"}}), LabelVelden(lijst));
        return QDialog::Rejected;
    });
    Mnemonic(Qt::Key_B);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ(2, app->competitie.rondes.Aantal());
}

} // namespace
