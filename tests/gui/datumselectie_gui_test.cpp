#include "gui/datumselectiedlg.h"
#include "gui/vensterstart.h"
#include "melding_recorder.h"
#include "settings/settings.h"
#include "tijdelijke_map.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window on settings whose list parameters are method 2 (fixed weeks),
// 14 days, the 3rd week and 12 columns, opened on 31 January 2026.
class DatumVenster : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/compleet.ini"));
        settings = std::make_unique<CSettings>(map.Bestand("morvel.ini"));
        ASSERT_FALSE(settings->Gewijzigd());
    }
    void Open() {
        model = std::make_unique<CDatumSelectie>(*settings, kVandaag);
        venster = std::make_unique<DatumSelectieDlg>(*model);
        venster->show();
    }
    template <class T> static T* Zoek(QWidget* venster, const char* naam) {
        auto* widget = venster->findChild<T*>(naam);
        EXPECT_NE(nullptr, widget) << naam;
        return widget;
    }
    template <class T> T* Zoek(const char* naam) const { return Zoek<T>(venster.get(), naam); }
    QString Tekst(const char* lijst) const { return Zoek<QComboBox>(lijst)->currentText(); }
    QString Weekdag() const { return Zoek<QLineEdit>("weekdag")->text(); }
    // The label whose buddy is `widget`.
    QString LabelVan(const QWidget* widget) const {
        for (QLabel* label : venster->findChildren<QLabel*>()) {
            if (label->buddy() == widget) {
                return label->text();
            }
        }
        return {};
    }

    static constexpr CDatum kVandaag{31, 1, 2026};
    CTijdelijkeMap map;
    CMeldingRecorder recorder;
    std::unique_ptr<CSettings> settings;
    std::unique_ptr<CDatumSelectie> model;
    std::unique_ptr<DatumSelectieDlg> venster;
};

TEST_F(DatumVenster, OpentMetDeTekstenEnDeOpgeslagenParameters) {
    Open();
    EXPECT_EQ(QString("Datum en parameters inschrijflijst"), venster->windowTitle());
    EXPECT_EQ(QString("&Datum eerstvolgende ronde:"), LabelVan(Zoek<QComboBox>("dag")));
    EXPECT_EQ(QString("&maand:"), LabelVan(Zoek<QComboBox>("maand")));
    EXPECT_EQ(QString("&jaar:"), LabelVan(Zoek<QComboBox>("jaar")));
    EXPECT_EQ(QString("&weekdag:"), LabelVan(Zoek<QLineEdit>("weekdag")));
    EXPECT_EQ(QString("Aantal &kolommen:"), LabelVan(Zoek<QComboBox>("aantalKolommen")));
    EXPECT_EQ(QString("aa&ntal:"), LabelVan(Zoek<QComboBox>("aantalDagen")));
    EXPECT_EQ(QString("31"), Tekst("dag"));
    EXPECT_EQ(31, Zoek<QComboBox>("dag")->count());
    EXPECT_EQ(QString("januari"), Tekst("maand"));
    EXPECT_EQ(QString("2026"), Tekst("jaar"));
    EXPECT_EQ(3, Zoek<QComboBox>("jaar")->count());
    EXPECT_EQ(QString("zaterdag"), Weekdag());
    EXPECT_TRUE(Zoek<QLineEdit>("weekdag")->isReadOnly());
    EXPECT_EQ(QString("12"), Tekst("aantalKolommen"));
    EXPECT_EQ(QString("14"), Tekst("aantalDagen"));

    auto* dagen = Zoek<QRadioButton>("vastAantalDagen");
    auto* weken = Zoek<QRadioButton>("vasteWeken");
    EXPECT_EQ(QString("Na een &vast aantal dagen"), dagen->text());
    EXPECT_EQ(QString("Vaste w&eken van de maand"), weken->text());
    EXPECT_FALSE(dagen->isChecked());
    EXPECT_TRUE(weken->isChecked());
    EXPECT_FALSE(Zoek<QComboBox>("aantalDagen")->isEnabled());
    const char* const boxen[] = {"week1", "week2", "week3", "week4", "week5"};
    for (int week = 0; week < kAantalWeken; ++week) {
        auto* box = Zoek<QCheckBox>(boxen[week]);
        EXPECT_EQ(QString("&%1e week van de maand").arg(week + 1), box->text());
        EXPECT_EQ(week == 2, box->isChecked()) << week;
        EXPECT_TRUE(box->isEnabled()) << week;
    }
    EXPECT_EQ(QString("&OK"), Zoek<QPushButton>("ok")->text());
    EXPECT_TRUE(Zoek<QPushButton>("ok")->isDefault());
    EXPECT_EQ(QString("&Afbreken"), Zoek<QPushButton>("afbreken")->text());
}

TEST_F(DatumVenster, EenAndereMaandOfDagPastDeAndereLijstenEnDeWeekdagAan) {
    Open();
    Zoek<QComboBox>("maand")->setCurrentIndex(1);
    EXPECT_EQ(QString("28"), Tekst("dag"));
    EXPECT_EQ(QString("zaterdag"), Weekdag());
    Zoek<QComboBox>("jaar")->setCurrentIndex(0);
    EXPECT_EQ(QString("vrijdag"), Weekdag()) << "28 februari 2025";
    Zoek<QComboBox>("dag")->setCurrentIndex(30);
    EXPECT_EQ(QString("28"), Tekst("dag")) << "February has no 31st";
    Zoek<QComboBox>("maand")->setCurrentIndex(2);
    Zoek<QComboBox>("dag")->setCurrentIndex(30);
    EXPECT_EQ(QString("31"), Tekst("dag"));
    EXPECT_EQ(QString("maandag"), Weekdag()) << "31 maart 2025";
    EXPECT_EQ((CDatum{31, 3, 2025}), model->Datum());
}

TEST_F(DatumVenster, DeMethodeZetDeLijstOfDeWekenAanEnOkVraagtEenWeek) {
    Open();
    auto* ok = Zoek<QPushButton>("ok");
    QTest::mouseClick(Zoek<QRadioButton>("vastAantalDagen"), Qt::LeftButton);
    EXPECT_TRUE(Zoek<QComboBox>("aantalDagen")->isEnabled());
    EXPECT_FALSE(Zoek<QCheckBox>("week3")->isEnabled());
    EXPECT_TRUE(ok->isEnabled());

    QTest::mouseClick(Zoek<QRadioButton>("vasteWeken"), Qt::LeftButton);
    EXPECT_FALSE(Zoek<QComboBox>("aantalDagen")->isEnabled());
    QTest::mouseClick(Zoek<QCheckBox>("week3"), Qt::LeftButton);
    EXPECT_FALSE(Zoek<QCheckBox>("week3")->isChecked());
    EXPECT_FALSE(ok->isEnabled());
    QTest::mouseClick(Zoek<QCheckBox>("week5"), Qt::LeftButton);
    EXPECT_TRUE(ok->isEnabled());
    QTest::mouseClick(Zoek<QCheckBox>("week5"), Qt::LeftButton);
    EXPECT_FALSE(ok->isEnabled());
    QTest::mouseClick(Zoek<QRadioButton>("vastAantalDagen"), Qt::LeftButton);
    EXPECT_TRUE(ok->isEnabled()) << "a day count needs no week";
}

// Runs `stappen` on the window as soon as it is shown modally.
void BedienVenster(std::function<void(QWidget*)> stappen) {
    QTimer::singleShot(0, [stappen] {
        QWidget* venster = QApplication::activeModalWidget();
        if (!qobject_cast<DatumSelectieDlg*>(venster)) {
            ADD_FAILURE() << "the date window is not open";
            if (venster) {
                venster->close();
            }
            return;
        }
        stappen(venster);
    });
}

TEST_F(DatumVenster, OkGeeftDeDatumEnSlaatDeParametersOp) {
    BedienVenster([](QWidget* modaal) {
        Zoek<QComboBox>(modaal, "maand")->setCurrentIndex(2);
        Zoek<QComboBox>(modaal, "jaar")->setCurrentIndex(2);
        Zoek<QComboBox>(modaal, "aantalKolommen")->setCurrentIndex(4);
        QTest::mouseClick(Zoek<QCheckBox>(modaal, "week1"), Qt::LeftButton);
        QTest::mouseClick(Zoek<QPushButton>(modaal, "ok"), Qt::LeftButton);
    });
    CDatum datum{1, 1, 2000};
    ASSERT_EQ(0, KiesInschrijfDatum(*settings, datum, nullptr, kVandaag));
    EXPECT_EQ((CDatum{31, 3, 2027}), datum);
    EXPECT_TRUE(settings->Gewijzigd());
    EXPECT_EQ(2, settings->IndelingsLijstMethode());
    EXPECT_EQ(1 + 4, settings->WeekNummers());
    EXPECT_EQ(5, settings->AantalKolommen());
    EXPECT_EQ(14, settings->AantalDagen());
}

TEST_F(DatumVenster, AfbrekenVeranderNiets) {
    BedienVenster([](QWidget* modaal) {
        Zoek<QComboBox>(modaal, "aantalKolommen")->setCurrentIndex(4);
        QTest::mouseClick(Zoek<QRadioButton>(modaal, "vastAantalDagen"), Qt::LeftButton);
        QTest::mouseClick(Zoek<QPushButton>(modaal, "afbreken"), Qt::LeftButton);
    });
    CDatum datum{1, 1, 2000};
    EXPECT_EQ(-1, KiesInschrijfDatum(*settings, datum, nullptr, kVandaag));
    EXPECT_EQ((CDatum{1, 1, 2000}), datum);
    EXPECT_FALSE(settings->Gewijzigd());
    EXPECT_EQ(12, settings->AantalKolommen());
    EXPECT_EQ(2, settings->IndelingsLijstMethode());

    BedienVenster([](QWidget* modaal) { QTest::keyClick(modaal, Qt::Key_Escape); });
    EXPECT_EQ(-1, KiesInschrijfDatum(*settings, datum, nullptr, kVandaag));
    EXPECT_FALSE(settings->Gewijzigd());
}

} // namespace

// The long lists (31 days, 99 columns) open as a list of at most 15 rows in
// the program's style, not as a column as high as the screen; so do the
// others, with their default of 10. The weekday is a field of its own that
// the keyboard reaches.
TEST_F(DatumVenster, LijstenOpenenHoogstens15RegelsHoogEnDeWeekdagIsBereikbaar) {
    Open();
    CMorvelStijl stijl;
    for (const auto& [naam, regels] : {std::pair{"dag", 15}, std::pair{"aantalKolommen", 15},
                                       std::pair{"aantalDagen", 15}, std::pair{"maand", 12}}) {
        auto* lijst = Zoek<QComboBox>(naam);
        lijst->setEnabled(true);
        lijst->setStyle(&stijl);
        lijst->showPopup();
        QAbstractItemView* keuzes = lijst->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(keuzes->window())) << naam;
        const int regel = keuzes->sizeHintForRow(0);
        ASSERT_GT(regel, 0);
        EXPECT_LE(keuzes->viewport()->height(), regels * regel + 1) << naam;
        EXPECT_GE(keuzes->viewport()->height(), std::min(regels, lijst->count()) * regel - 1)
            << naam;
        lijst->hidePopup();
        lijst->setStyle(nullptr);
    }
    auto* weekdag = Zoek<QLineEdit>("weekdag");
    QApplication::setActiveWindow(venster.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(weekdag, QApplication::focusWidget());
    EXPECT_EQ(QString("zaterdag"), weekdag->text());
    QTest::keyClick(weekdag, Qt::Key_X);
    EXPECT_EQ(QString("zaterdag"), weekdag->text()); // read only
}
