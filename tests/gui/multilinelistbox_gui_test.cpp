#include "gui/multilinelistbox.h"

#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A list in a dialog with a default button, as the windows use it.
class Lijst : public ::testing::Test {
protected:
    void SetUp() override {
        auto* kolom = new QVBoxLayout(&venster);
        lijst = new CMultiLineListBox;
        standaard = new QPushButton(QStringLiteral("Accepteer"));
        standaard->setDefault(true);
        kolom->addWidget(lijst);
        kolom->addWidget(standaard);
        lijst->ZetRegels({"3\tPiet Jansen", "7\tJan de Vries", "12\tAnna Bos", "15\tKees Mol"});
        venster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&venster));
        lijst->setFocus();
    }

    QPoint Midden(int rij) const {
        return lijst->visualItemRect(lijst->topLevelItem(rij)).center();
    }

    QDialog venster;
    CMultiLineListBox* lijst = nullptr;
    QPushButton* standaard = nullptr;
};

TEST_F(Lijst, TabsScheidenDeKolommen) {
    lijst->ZetRegels({"-->\tAnna\tGeblokkeerd", "zonder tab", "caf\xE9\t\tna een lege kolom", ""});
    EXPECT_EQ(4, lijst->AantalRegels());
    EXPECT_EQ(3, lijst->columnCount());
    const QString verwacht[4][3] = {{"-->", "Anna", "Geblokkeerd"},
                                    {"zonder tab", "", ""},
                                    {QString::fromUtf8("café"), "", "na een lege kolom"},
                                    {"", "", ""}};
    for (int rij = 0; rij < 4; ++rij) {
        for (int kolom = 0; kolom < 3; ++kolom) {
            EXPECT_EQ(verwacht[rij][kolom], lijst->Tekst(rij, kolom)) << rij << "," << kolom;
        }
    }
    EXPECT_EQ(-1, lijst->Selectie());

    lijst->ZetRegel(0, "\tBert");
    EXPECT_EQ(QString(""), lijst->Tekst(0, 0));
    EXPECT_EQ(QString("Bert"), lijst->Tekst(0, 1));
    EXPECT_EQ(QString(""), lijst->Tekst(0, 2)) << "a shorter row leaves no old text behind";
}

TEST_F(Lijst, DeEigenaarKiestZonderMeldingEnEenRijHerschrijvenHoudtDeSelectie) {
    QSignalSpy selectie(lijst, &CMultiLineListBox::selectieGewijzigd);
    lijst->Selecteer(2);
    EXPECT_EQ(2, lijst->Selectie());
    lijst->ZetRegel(2, "12\tAnna Bos-Kok");
    EXPECT_EQ(2, lijst->Selectie());
    EXPECT_EQ(QString("Anna Bos-Kok"), lijst->Tekst(2, 1));
    lijst->Selecteer(4);
    EXPECT_EQ(-1, lijst->Selectie()) << "a row out of range clears the selection";
    lijst->Selecteer(1);
    lijst->ZetRegels({"1\tEen", "2\tTwee"});
    EXPECT_EQ(-1, lijst->Selectie()) << "new rows start without a selection";
    EXPECT_EQ(0, selectie.count());
}

TEST_F(Lijst, DeToetsenVerplaatsenDeSelectieEnMeldenHet) {
    QSignalSpy selectie(lijst, &CMultiLineListBox::selectieGewijzigd);
    struct CToets {
        Qt::Key toets;
        int rij;
    };
    const CToets toetsen[] = {
        {Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 3}, {Qt::Key_Up, 2}, {Qt::Key_Home, 0}};
    for (const CToets& t : toetsen) {
        QTest::keyClick(lijst, t.toets);
        EXPECT_EQ(t.rij, lijst->Selectie()) << QTest::toString(t.toets);
        ASSERT_FALSE(selectie.isEmpty()) << QTest::toString(t.toets);
        EXPECT_EQ(t.rij, selectie.takeLast().at(0).toInt());
    }
}

TEST_F(Lijst, EnterKiestDeGeselecteerdeRijEnAndersDruktHetDeStandaardKnop) {
    QSignalSpy gekozen(lijst, &CMultiLineListBox::gekozen);
    QSignalSpy knop(standaard, &QPushButton::clicked);
    QTest::keyClick(lijst, Qt::Key_Return);
    EXPECT_EQ(0, gekozen.count()) << "nothing to choose without a selection";
    EXPECT_EQ(1, knop.count()) << "without a selection Enter is the window's";

    lijst->Selecteer(1);
    QTest::keyClick(lijst, Qt::Key_Return);
    QTest::keyClick(lijst, Qt::Key_Enter);
    ASSERT_EQ(2, gekozen.count());
    EXPECT_EQ(1, gekozen.at(0).at(0).toInt());
    EXPECT_EQ(1, gekozen.at(1).at(0).toInt());
    EXPECT_EQ(1, knop.count());
}

TEST_F(Lijst, DubbelKlikSelecteertEnKiest) {
    QSignalSpy selectie(lijst, &CMultiLineListBox::selectieGewijzigd);
    QSignalSpy gekozen(lijst, &CMultiLineListBox::gekozen);
    QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, Midden(2));
    EXPECT_EQ(2, lijst->Selectie());
    ASSERT_FALSE(selectie.isEmpty());
    EXPECT_EQ(2, selectie.last().at(0).toInt());
    ASSERT_EQ(1, gekozen.count());
    EXPECT_EQ(2, gekozen.at(0).at(0).toInt());

    QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {},
                       QPoint(5, lijst->viewport()->height() - 2));
    EXPECT_EQ(1, gekozen.count()) << "below the last row nothing is chosen";
}

TEST_F(Lijst, KolommenRekkenMeeMetDeLijstInHunVerhouding) {
    lijst->ZetRegels({"Anna\tBert\t1 - 0"});
    lijst->ZetKolomBreedtes({10, 20});
    lijst->ZetMeeRekken({0, 1});
    const int teken = lijst->fontMetrics().averageCharWidth();
    venster.resize(40 * teken, 300);
    QApplication::processEvents();
    const int smal0 = lijst->columnWidth(0);
    EXPECT_GE(smal0, 10 * teken);
    venster.resize(120 * teken, 300);
    QApplication::processEvents();
    const int extra0 = lijst->columnWidth(0) - 10 * teken;
    const int extra1 = lijst->columnWidth(1) - 20 * teken;
    EXPECT_GT(extra0, 0);
    EXPECT_NEAR(2 * extra0, extra1, 2); // shared as the widths are
    venster.resize(40 * teken, 300);
    QApplication::processEvents();
    EXPECT_EQ(smal0, lijst->columnWidth(0)); // and narrow again
}

TEST_F(Lijst, EenAfgekapteCelToontZijnHeleTekstAlsTooltip) {
    const QString lang = QStringLiteral("Wilhelmina Cornelia van Oldenbarnevelt-Zuidervaart");
    lijst->ZetRegels({"3\t" + lang.toStdString(), "7\tJan"});
    lijst->ZetKolomBreedtes({6});
    venster.resize(200, 300);
    QApplication::processEvents();
    auto tooltip = [this](int rij) {
        QToolTip::hideText();
        for (int i = 0; i < 100 && QToolTip::isVisible(); ++i) {
            QTest::qWait(10);
        }
        const QPoint plaats =
            lijst->visualRect(lijst->model()->index(rij, 1)).topLeft() + QPoint(4, 4);
        QHelpEvent vraag(QEvent::ToolTip, plaats, lijst->viewport()->mapToGlobal(plaats));
        QApplication::sendEvent(lijst->viewport(), &vraag);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(lang, tooltip(0));
    EXPECT_EQ(QString(), tooltip(1)); // a whole name needs none
}

} // namespace
