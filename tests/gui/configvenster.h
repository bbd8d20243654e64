#pragma once
// What the tests of the configuration windows share: settings on a copy of a
// profile fixture, a window shown and active offscreen, its widgets found by
// object name or by the text of their label, and the keyboard.

#include "melding_recorder.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// Clicks a check box on its box, which a click in the middle of a wide one misses.
inline void KlikVak(QWidget* vak) {
    QTest::mouseClick(vak, Qt::LeftButton, {}, QPoint(6, vak->height() / 2));
}

class ConfigVenster : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(Profiel(), Fixture("settings/formulesets.ini"));
        settings = std::make_unique<CSettings>(Profiel());
    }
    void TearDown() override { venster.reset(); }

    std::string Profiel() const { return tmp.Bestand("morvel.ini"); }

    // Makes the window, shows it and makes it the active one.
    template <class Venster> Venster& Open() {
        auto* nieuw = new Venster(*settings);
        venster.reset(nieuw);
        venster->show();
        QApplication::setActiveWindow(venster.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(venster.get()));
        return *nieuw;
    }

    template <class T> T* Zoek(const char* naam) const {
        auto* widget = venster->findChild<T*>(naam);
        EXPECT_NE(nullptr, widget) << naam;
        return widget;
    }
    // The label texts of the window with the object name of their buddy.
    std::map<QString, QString> Labels() const {
        std::map<QString, QString> labels;
        for (QLabel* label : venster->findChildren<QLabel*>()) {
            if (label->buddy()) {
                labels[label->text()] = label->buddy()->objectName();
            }
        }
        return labels;
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Typ(const QString& tekst) { QTest::keyClicks(Focus(), tekst); }
    void Toets(Qt::Key toets, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), toets, modifiers);
    }
    // Alt and the underlined letter: the button shows its click first, then acts.
    void Mnemonic(Qt::Key letter) {
        Toets(letter, Qt::AltModifier);
        QTest::qWait(200);
    }
    // Presses Tab until `doel` has the focus; false when it never gets it.
    bool TabNaar(const QWidget* doel) {
        for (int keer = 0; keer < 40 && Focus() != doel; ++keer) {
            Toets(Qt::Key_Tab);
        }
        return Focus() == doel;
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CSettings> settings;
    std::unique_ptr<QDialog> venster;
};
