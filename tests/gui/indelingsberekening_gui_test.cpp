// The log window of the pairing search: its heads are read whole, also at
// the smallest size the window allows.

#include "gui/indelingsberekening.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(IndelingsBerekening, EveryHeadIsWholeAtTheSmallestSize) {
    CIndelingsBerekening venster({"Volledige pairing", "Aantal spelers\t\t12",
                                  "=====\t=====\t=====\t=====\t=====\t=====\t=====",
                                  "Anneke de Wit\tBram Bakker\t10\t(+0)\t3\t(-0)\t0"});
    venster.resize(venster.minimumSizeHint());
    venster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&venster));
    QApplication::processEvents();
    const QList<QLabel*> koppen = venster.findChildren<QLabel*>();
    ASSERT_EQ(5, koppen.size());
    for (QLabel* kop : koppen) {
        EXPECT_GE(kop->width(), kop->sizeHint().width()) << kop->text().toStdString();
    }
}

} // namespace
