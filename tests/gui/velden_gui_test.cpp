// The shared field pieces: a field reports every change of its text that the
// user makes, by any route, and never the text the program puts in.

#include "gui/velden.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Wijzigingen {
    QLineEdit veld;
    QStringList gemeld;
    std::unique_ptr<QObject> ontvanger = std::make_unique<QObject>();

    Wijzigingen() {
        BijWijziging(&veld, ontvanger.get(), [this](const QString& tekst) { gemeld << tekst; });
    }
    QAccessibleInterface* Toegang() { return QAccessible::queryAccessibleInterface(&veld); }
};

TEST(BijWijziging, EveryRouteOfTheUserIsReportedAndTheProgramsOwnTextIsNot) {
    Wijzigingen w;
    w.veld.show();
    QTest::keyClicks(&w.veld, "ab");
    EXPECT_EQ((QStringList{"a", "ab"}), w.gemeld);

    // What dictation and voice control do: set the text, no key pressed.
    w.veld.setText("Bert Claes");
    EXPECT_EQ(QString("Bert Claes"), w.gemeld.back());

    // A screen reader's edit through the accessibility interface.
    QAccessibleInterface* toegang = w.Toegang();
    ASSERT_NE(nullptr, toegang);
    toegang->setText(QAccessible::Value, "Bert Bos");
    EXPECT_EQ(QString("Bert Bos"), w.gemeld.back());
    QAccessibleEditableTextInterface* bewerk = toegang->editableTextInterface();
    ASSERT_NE(nullptr, bewerk);
    bewerk->replaceText(5, 8, "Claessens");
    EXPECT_EQ(QString("Bert Claessens"), w.gemeld.back());
    bewerk->insertText(0, "Dr. ");
    EXPECT_EQ(QString("Dr. Bert Claessens"), w.gemeld.back());
    bewerk->deleteText(0, 4);
    EXPECT_EQ(QString("Bert Claessens"), w.gemeld.back());

    // The program's own text is no edit, and an equal text is not set again.
    const qsizetype gezien = w.gemeld.size();
    ZetVeldTekst(&w.veld, "Piet");
    ZetVeldTekst(&w.veld, "Piet");
    EXPECT_EQ(QString("Piet"), w.veld.text());
    EXPECT_EQ(gezien, w.gemeld.size());

    // Once the receiver has gone nothing is reported.
    w.ontvanger.reset();
    w.veld.setText("Jan");
    EXPECT_EQ(gezien, w.gemeld.size());
}

} // namespace
