#pragma once
// How a test works a window as its user does: the labels and the fields they
// name, keys on the widget that has the focus, mnemonics and Tab.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>

// Every label of `venster` that names a field: its text and the field's object name.
inline std::map<QString, QString> LabelVelden(const QWidget& venster) {
    std::map<QString, QString> labels;
    for (QLabel* label : venster.findChildren<QLabel*>()) {
        if (label->buddy()) {
            labels[label->text()] = label->buddy()->objectName();
        }
    }
    return labels;
}

// The child `naam` of `venster`, which must be there.
template <class T> T* Kind(const QWidget& venster, const char* naam) {
    auto* widget = venster.findChild<T*>(naam);
    EXPECT_NE(nullptr, widget) << naam;
    return widget;
}

// Shows `venster` as the active window, as it opens for its user.
inline void ToonActief(QWidget& venster) {
    venster.show();
    QApplication::setActiveWindow(&venster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&venster));
}

// A key on the widget that has the focus.
inline void Toets(Qt::Key toets, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), toets, modifiers);
}

// Alt and the underlined letter: the button shows its click first, then acts.
inline void Mnemonic(Qt::Key letter) {
    Toets(letter, Qt::AltModifier);
    QTest::qWait(200);
}

// Tab until `doel` has the focus, as the keyboard reaches it.
inline void TabNaar(QWidget* doel) {
    for (int i = 0; i < 30 && QApplication::focusWidget() != doel; ++i) {
        Toets(Qt::Key_Tab);
    }
    ASSERT_EQ(doel, QApplication::focusWidget()) << doel->objectName().toStdString();
}

// Puts `tekst` into a field as a screen reader, dictation or voice control
// does: through the accessibility interface, without a key, as its value.
inline void ZetToegankelijkeTekst(QWidget* veld, const QString& tekst) {
    QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(veld);
    ASSERT_NE(nullptr, toegang) << veld->objectName().toStdString();
    toegang->setText(QAccessible::Value, tekst);
}

// The same by an edit of the text: the whole text of `veld` replaced
// through the accessibility interface's editable text, no key pressed.
inline void ZetViaToegang(QWidget* veld, const QString& tekst) {
    QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(veld);
    ASSERT_NE(nullptr, toegang) << veld->objectName().toStdString();
    QAccessibleEditableTextInterface* bewerk = toegang->editableTextInterface();
    ASSERT_NE(nullptr, bewerk) << veld->objectName().toStdString();
    bewerk->replaceText(0, toegang->textInterface()->characterCount(), tekst);
}

// A button pressed through the accessibility interface, as a screen reader
// does: the button shows its click first, then acts.
inline void DrukViaToegang(QWidget* knop) {
    QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(knop);
    ASSERT_NE(nullptr, toegang) << knop->objectName().toStdString();
    ASSERT_NE(nullptr, toegang->actionInterface()) << knop->objectName().toStdString();
    toegang->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(200);
}

// The name a screen reader says for `widget`.
inline QString ToegangNaam(QWidget* widget) {
    QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(widget);
    return toegang ? toegang->text(QAccessible::Name) : QString();
}
