#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using S = CKolomKoppen::ESoort;

// Heads above a list, in a window of their own.
class Koppen : public ::testing::Test {
protected:
    void SetUp() override {
        auto* kolom = new QVBoxLayout(&venster);
        kolom->setSpacing(0);
        lijst = new CMultiLineListBox;
        koppen = new CKolomKoppen(*lijst);
        kolom->addWidget(koppen);
        kolom->addWidget(lijst);
    }
    void Toon() {
        venster.resize(400, 300);
        venster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&venster));
    }
    // The x of the left edge of a list column, in the heads' coordinates.
    int KolomX(int kolom) const {
        QPoint p = lijst->viewport()->mapToGlobal(
            QPoint(lijst->header()->sectionViewportPosition(kolom), 0));
        return koppen->mapFromGlobal(p).x();
    }

    QWidget venster;
    CMultiLineListBox* lijst = nullptr;
    CKolomKoppen* koppen = nullptr;
};

TEST_F(Koppen, EenKlikMeldtKolomEnRichtingEnDePijlVolgt) {
    const int nr = koppen->VoegToe("N&r ", "nr", S::Sorteert);
    const int naam = koppen->VoegToe("&Naam", "naam", S::Sorteert);
    koppen->ZetSortering(nr, Qt::AscendingOrder);
    Toon();
    QSignalSpy sorteer(koppen, &CKolomKoppen::sorteer);
    QSignalSpy geklikt(koppen, &CKolomKoppen::geklikt);

    struct CKlik {
        int kop;
        Qt::SortOrder richting;
    };
    const CKlik kliks[] = {{nr, Qt::DescendingOrder},  {nr, Qt::AscendingOrder},
                           {naam, Qt::AscendingOrder}, {naam, Qt::DescendingOrder},
                           {naam, Qt::AscendingOrder}, {nr, Qt::AscendingOrder}};
    for (const CKlik& klik : kliks) {
        QTest::mouseClick(koppen->Knop(klik.kop), Qt::LeftButton);
        ASSERT_EQ(1, sorteer.count());
        const QList<QVariant> melding = sorteer.takeFirst();
        EXPECT_EQ(klik.kop, melding.at(0).toInt());
        EXPECT_EQ(klik.richting, melding.at(1).value<Qt::SortOrder>());
        EXPECT_EQ(klik.kop, koppen->SorteerKop());
        EXPECT_EQ(klik.richting, koppen->Richting());
        const QString beschrijving = klik.richting == Qt::AscendingOrder
                                         ? QString("oplopend gesorteerd")
                                         : QString("aflopend gesorteerd");
        for (int kop : {nr, naam}) {
            QPushButton* knop = koppen->Knop(kop);
            EXPECT_EQ(kop == klik.kop, !knop->icon().isNull()) << kop;
            EXPECT_EQ(kop == klik.kop ? beschrijving : QString(), knop->accessibleDescription());
        }
    }
    EXPECT_EQ(0, geklikt.count());

    // The owner decides: here it refuses the order and hides the arrows.
    koppen->ZetSortering(-1);
    EXPECT_TRUE(koppen->Knop(nr)->icon().isNull());
    EXPECT_TRUE(koppen->Knop(naam)->icon().isNull());
    EXPECT_EQ(QString("&Naam"), koppen->Knop(naam)->text());
}

TEST_F(Koppen, CommandoEnTitelKrijgenGeenPijl) {
    koppen->VoegToe("Naam", "naam1", S::Tekst);
    koppen->VoegToe("Naam", "naam2", S::Tekst);
    const int uitslag = koppen->VoegToe("&Uitslag", "uitslag", S::Commando);
    Toon();
    EXPECT_EQ(nullptr, koppen->Knop(0));
    QSignalSpy geklikt(koppen, &CKolomKoppen::geklikt);
    QSignalSpy sorteer(koppen, &CKolomKoppen::sorteer);
    QTest::mouseClick(koppen->Knop(uitslag), Qt::LeftButton);
    ASSERT_EQ(1, geklikt.count());
    EXPECT_EQ(uitslag, geklikt.at(0).at(0).toInt());
    EXPECT_EQ(0, sorteer.count());
    EXPECT_TRUE(koppen->Knop(uitslag)->icon().isNull());
}

TEST_F(Koppen, DeKoppenStaanBovenHunKolommen) {
    koppen->VoegToe("Zwart", "zwart", S::Tekst);
    koppen->VoegToe("Klasseverschil", "klasseverschil", S::Tekst, 2);
    koppen->VoegToe("&Type", "type", S::Commando);
    EXPECT_EQ(4, lijst->columnCount());
    lijst->ZetKolomBreedtes({10, 6, 8});
    Toon();
    auto* zwart = koppen->findChild<QWidget*>("zwart");
    auto* verschil = koppen->findChild<QWidget*>("klasseverschil");
    QWidget* type = koppen->Knop(2);
    EXPECT_EQ(0, zwart->x());
    EXPECT_EQ(KolomX(1), verschil->x());
    EXPECT_EQ(KolomX(3), verschil->x() + verschil->width()) << "a head spans its two columns";
    EXPECT_EQ(KolomX(3), type->x());
    EXPECT_EQ(koppen->width(), type->x() + type->width()) << "the last head reaches the edge";

    lijst->setColumnWidth(0, 200);
    EXPECT_EQ(KolomX(1), verschil->x()) << "the heads follow a wider column";

    lijst->ZetKolomZichtbaar(3, false);
    EXPECT_FALSE(type->isVisible());
    lijst->ZetKolomZichtbaar(3, true);
    EXPECT_TRUE(type->isVisible());
}

} // namespace
