#include "gui/qtmelder.h"
#include "gui/vensterstart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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
    QTranslator vertaling;
    ASSERT_TRUE(InstalleerNederlands(vertaling));
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
    EXPECT_EQ((QStringList{"Annuleren", "OK"}), gezien.knoppen);
}
