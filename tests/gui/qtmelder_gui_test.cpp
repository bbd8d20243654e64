#include "gui/qtmelder.h"
#include "gui/vensterstart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct CGezien {
    QString titel;
    QString tekst;
    Qt::TextFormat formaat = Qt::AutoText;
    QStringList knoppen;
};

// Answers the message box that is about to open with the button `antwoord`
// and notes what it showed.
void Beantwoord(QMessageBox::StandardButton antwoord, CGezien& gezien) {
    QTimer::singleShot(0, [antwoord, &gezien] {
        auto* doos = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!doos) {
            ADD_FAILURE() << "no message box";
            return;
        }
        gezien.titel = doos->windowTitle();
        gezien.tekst = doos->text();
        gezien.formaat = doos->textFormat();
        for (QAbstractButton* knop : doos->buttons()) {
            gezien.knoppen << knop->text().remove('&');
        }
        gezien.knoppen.sort();
        doos->button(antwoord)->click();
    });
}

} // namespace

TEST(QtMelder, NederlandseKnoppenEnTekstZoalsHijIs) {
    CNederlands nederlands;
    ASSERT_TRUE(nederlands.QtGeladen());
    CQtMelder melder;

    CGezien gezien;
    Beantwoord(QMessageBox::No, gezien);
    EXPECT_EQ(Antwoord::Nee,
              melder.Toon("Verwijderen?\r\nDruk op de <Stop>-knop", Knoppen::JaNee, "Morvel"));
    EXPECT_EQ(QString("Morvel"), gezien.titel);
    EXPECT_EQ(QString("Verwijderen?\nDruk op de <Stop>-knop"), gezien.tekst);
    EXPECT_EQ(Qt::PlainText, gezien.formaat);
    EXPECT_EQ((QStringList{"Ja", "Nee"}), gezien.knoppen);

    gezien = {};
    Beantwoord(QMessageBox::Cancel, gezien);
    EXPECT_EQ(Antwoord::Annuleren,
              melder.Toon("Caf\xE9 open?", Knoppen::OkAnnuleren, "Morvel: mededeling"));
    EXPECT_EQ(QString("Morvel: mededeling"), gezien.titel);
    EXPECT_EQ(QString::fromUtf8("Café open?"), gezien.tekst);
    // Cancel says what the windows around it say.
    EXPECT_EQ((QStringList{"Afbreken", "OK"}), gezien.knoppen);
}

// Qt's own dialogs say "Afbreken" as the windows around them do, and only
// while the program's words are installed.
TEST(QtMelder, QtsEigenVenstersZeggenAfbreken) {
    auto annuleren = [] {
        QPrinter printer;
        QPrintDialog dialoog(&printer);
        auto* knoppen = dialoog.findChild<QDialogButtonBox*>();
        return knoppen ? knoppen->button(QDialogButtonBox::Cancel)->text() : QString();
    };
    {
        CNederlands nederlands;
        EXPECT_EQ(QString("&Afbreken"), annuleren());
        EXPECT_EQ(
            QString("&Afbreken"),
            QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text());
    }
    EXPECT_EQ(QString("Cancel"), annuleren());
}
