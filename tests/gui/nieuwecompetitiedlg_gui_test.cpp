// The window "Nieuwe competitie" as the administrator uses it from the main
// window, with the keyboard alone.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "bediening.h"
#include "gui/morveldlg.h"
#include "gui/nieuwecompetitiedlg.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class NieuweCompetitieDlg : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        MaakMappen(tmp.Bestand("data/Voorjaar"), false);
        SchrijfAlles(tmp.Bestand("data/Voorjaar/Voorjaar.txt"),
                     "versie=2\n[Spelers]\n1 \"Anna\" 214 J J J\n2 \"Bert\" 215 J N J\n");
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetHuidigePeriode("Voorjaar");
    }

    static void Toets(Qt::Key toets) { QTest::keyClick(QApplication::focusWidget(), toets); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
};

TEST_F(NieuweCompetitieDlg, ANewCompetitionWithRoundedEndClassesByKeyboard) {
    CMorvelDlg hoofdvenster(*app);
    hoofdvenster.show();
    QCoreApplication::processEvents();
    CVensterScript script;
    script.VerwachtVenster([](QDialog& venster) {
        QApplication::setActiveWindow(&venster);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&venster));
        auto* ok = venster.findChild<QPushButton*>("ok");
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_FALSE(venster.findChild<QComboBox*>("oudeCompetitie")->isEnabled());
        EXPECT_EQ(venster.findChild<QLineEdit*>("identificatie"), QApplication::focusWidget());
        QTest::keyClicks(QApplication::focusWidget(), "voorjaar"); // exists, in other case
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClicks(QApplication::focusWidget(), " 2027");
        EXPECT_TRUE(ok->isEnabled());
        Toets(Qt::Key_Tab); // to the radio buttons
        Toets(Qt::Key_Down);
        EXPECT_TRUE(venster.findChild<QRadioButton*>("kopieer")->isChecked());
        EXPECT_TRUE(venster.findChild<QComboBox*>("oudeCompetitie")->isEnabled());
        EXPECT_EQ(QString("Voorjaar"),
                  venster.findChild<QComboBox*>("oudeCompetitie")->currentText());
        EXPECT_EQ(QString("Einde oude competitie - afgerond"),
                  venster.findChild<QComboBox*>("beginKlasse")->currentText());
        Toets(Qt::Key_Return);
        return venster.result();
    });
    QTest::mouseClick(hoofdvenster.findChild<QPushButton*>("nieuweCompetitie"), Qt::LeftButton);
    EXPECT_TRUE(script.Klaar());

    EXPECT_EQ("versie=2\r\n\r\n[Spelers]\r\n1 \"Anna\" 210 J J J\r\n2 \"Bert\" 220 J N J\r\n"
              "\r\n[Uitslagen]\r\n",
              LeesAlles(tmp.Bestand("data/voorjaar 2027/voorjaar 2027.txt")));
    auto* lijst = hoofdvenster.findChild<QComboBox*>("competitie");
    EXPECT_EQ(2, lijst->count());
    EXPECT_EQ(QString("Voorjaar"), lijst->currentText()); // the one open before stays open
    EXPECT_EQ("Voorjaar", app->GeopendeNaam());
}

TEST_F(NieuweCompetitieDlg, LabelsAndTexts) {
    CNieuweCompetitieDlg venster(*app);
    EXPECT_EQ(QString("Nieuwe competitie"), venster.windowTitle());
    QStringList labels;
    for (QLabel* label : venster.findChildren<QLabel*>()) {
        if (label->buddy()) {
            labels << label->text() + "=" + label->buddy()->objectName();
        }
    }
    labels.sort();
    EXPECT_EQ((QStringList{"&Identificatie:=identificatie", "Begin&klasse:=beginKlasse",
                           "I&dentificatie:=oudeCompetitie"}),
              labels);
    EXPECT_TRUE(venster.findChild<QPushButton*>("ok")->isDefault());
    EXPECT_EQ(QString("&Afbreken"), venster.findChild<QPushButton*>("afbreken")->text());
}

// Text put in by dictation or a screen reader counts as typed, and the line
// under the field says why "OK" is disabled.
TEST_F(NieuweCompetitieDlg, SaysWhyOkIsDisabledWhateverPutTheTextIn) {
    CNieuweCompetitieDlg venster(*app);
    auto* veld = venster.findChild<QLineEdit*>("identificatie");
    auto* reden = venster.findChild<QLabel*>("reden");
    auto* ok = venster.findChild<QPushButton*>("ok");
    EXPECT_EQ(QString("Geef de nieuwe competitie een identificatie."), reden->text());
    const std::pair<const char*, const char*> gevallen[] = {
        {"voorjaar", "De competitie 'Voorjaar' bestaat al."},
        {"najaar/2026", "De identificatie mag geen '/', ':', '\\' of onzichtbare tekens bevatten."},
        {"Najaar 2026", ""},
        {"", "Geef de nieuwe competitie een identificatie."},
    };
    for (bool toegankelijk : {true, false}) {
        for (const auto& [tekst, waarom] : gevallen) {
            if (toegankelijk) {
                ZetToegankelijkeTekst(veld, QString::fromUtf8(tekst));
            } else {
                veld->setText(QString::fromUtf8(tekst));
            }
            EXPECT_EQ(tekst, venster.Model().Identificatie());
            EXPECT_EQ(QString::fromUtf8(waarom), reden->text()) << tekst;
            EXPECT_EQ(QString::fromUtf8(waarom), veld->accessibleDescription()) << tekst;
            EXPECT_EQ(*waarom == '\0', ok->isEnabled()) << tekst;
        }
    }
}

TEST_F(NieuweCompetitieDlg, TheIdentificationPutInThroughTheAccessibilityInterfaceCounts) {
    CNieuweCompetitieDlg venster(*app);
    auto* ok = venster.findChild<QPushButton*>("ok");
    auto* identificatie = venster.findChild<QLineEdit*>("identificatie");
    ZetViaToegang(identificatie, "voorjaar"); // exists, in other case
    EXPECT_FALSE(ok->isEnabled());
    ZetViaToegang(identificatie, "Najaar 2027");
    EXPECT_TRUE(ok->isEnabled());
    DrukViaToegang(ok);
    EXPECT_EQ(QDialog::Accepted, venster.result());
    EXPECT_TRUE(std::filesystem::exists(tmp.Bestand("data/Najaar 2027/Najaar 2027.txt")));
}

} // namespace
