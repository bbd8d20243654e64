// A closed window hands the keyboard focus back to the window it was opened
// from, also where no window manager does so.

#include "gui/focusterug.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A main window with a nested dialog that was active and is now closed.
struct Venster {
    QDialog hoofd;
    QDialog* genest = new QDialog(&hoofd);

    Venster() {
        hoofd.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&hoofd));
        genest->show();
        genest->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(genest));
    }
};

} // namespace

TEST(FocusTerug, AClosedWindowHandsTheFocusToTheWindowItCameFrom) {
    CFocusTerug focusTerug;
    Venster v;
    v.genest->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &v.hoofd; }));
}

TEST(FocusTerug, AWindowThatTookTheFocusMeanwhileKeepsIt) {
    CFocusTerug focusTerug;
    Venster v;
    QDialog ander;
    // The program opens another window as the nested one closes.
    v.genest->close();
    ander.show();
    ander.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ander));
    QTest::qWait(50);
    EXPECT_EQ(&ander, QApplication::activeWindow());
}
