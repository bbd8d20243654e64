// The configuration hub offscreen: its buttons open their windows through
// the window opener; and a new user makes a points formula that the
// standings then use.

#include "app/morvelapp.h"
#include "configvenster.h"
#include "gui/configafdrukvoorkeurdlg.h"
#include "gui/configdlg.h"
#include "gui/configformuledlg.h"
#include "gui/confightmldlg.h"
#include "gui/configindelingdlg.h"
#include "gui/configpadendlg.h"
#include "settings/profiel.h"
#include "ui/standvenster.h"
#include "vensterscript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace {

class ConfigDlg : public ConfigVenster {};

// The hub's buttons, top to bottom in the left column and then the right one.
const std::pair<const char*, const char*> kKnoppen[] = {{"paden", "&Paden"},
                                                        {"afdrukvoorkeur", "&Afdrukvoorkeur"},
                                                        {"puntenformule", "P&untenformule"},
                                                        {"klasseformule", "&Klasseformule"},
                                                        {"indeling", "&Indeling"},
                                                        {"html", "&HTML uitvoer"},
                                                        {"voorgift", "&Voorgift / Komi"}};

TEST_F(ConfigDlg, SevenButtonsInTwoColumnsEachOpeningItsWindow) {
    Open<CConfigDlg>();
    EXPECT_EQ(QString("Configuratie"), venster->windowTitle());
    const std::function<bool(QDialog&)> soorten[] = {
        [](QDialog& d) { return dynamic_cast<CConfigPadenDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigAfdrukvoorkeurDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigPuntenDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigKlasseDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigIndelingDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigHtmlDlg*>(&d) != nullptr; },
        [](QDialog& d) { return dynamic_cast<CConfigVoorgiftDlg*>(&d) != nullptr; },
    };
    for (size_t i = 0; i < std::size(kKnoppen); ++i) {
        QPushButton* knop = Zoek<QPushButton>(kKnoppen[i].first);
        EXPECT_EQ(QString(kKnoppen[i].second), knop->text());
        const QPushButton* eerste = Zoek<QPushButton>(kKnoppen[i < 4 ? 0 : 4].first);
        EXPECT_EQ(eerste->x(), knop->x()) << kKnoppen[i].first;
        EXPECT_NE(Zoek<QPushButton>(kKnoppen[0].first)->x() == knop->x(), i >= 4);
        CVensterScript script;
        script.VerwachtVenster([&soorten, i](QDialog& d) {
            EXPECT_TRUE(soorten[i](d)) << kKnoppen[i].first;
            return static_cast<int>(QDialog::Rejected);
        });
        QTest::mouseClick(knop, Qt::LeftButton);
        EXPECT_TRUE(script.Klaar());
    }
    EXPECT_FALSE(settings->Gewijzigd()); // the hub stores nothing
    QPushButton* sluiten = Zoek<QPushButton>("sluiten");
    EXPECT_EQ(QString("&Sluiten"), sluiten->text());
    QTest::mouseClick(sluiten, Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
}

TEST_F(ConfigDlg, TheKeyboardReachesEveryButton) {
    Open<CConfigDlg>();
    ASSERT_TRUE(TabNaar(Zoek<QPushButton>("html")));
    CVensterScript script;
    script.VerwachtVenster([](QDialog& d) {
        EXPECT_EQ(QString("Instellen HTML uitvoer"), d.windowTitle());
        return static_cast<int>(QDialog::Rejected);
    });
    Toets(Qt::Key_Space);
    EXPECT_TRUE(script.Klaar());
    EXPECT_TRUE(venster->isVisible());
    Toets(Qt::Key_Return); // "Sluiten" is the default button
    EXPECT_FALSE(venster->isVisible());
}

// A new user, without any profile: the standings use the points formula that
// was made in the window, and the profile holds it after the end.
TEST(ConfigNieuweGebruiker, ANewPointsFormulaTakesEffectAndIsWrittenAtTheEnd) {
    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    const std::string profiel = tmp.Bestand("morvel.ini");
    recorder.VerwachtWillekeurig().VerwachtWillekeurig().VerwachtWillekeurig();
    auto app = std::make_unique<CMorvelApp>(profiel);
    ASSERT_EQ(3u, recorder.meldingen.size()); // the default handicap sets and two warnings
    EXPECT_EQ("Morvel: mededeling nieuwe formules", recorder.meldingen[0].titel);
    EXPECT_EQ(0u, recorder.meldingen[1].tekst.find(
                      "Er is geen formule voor het bepalen van de stand gekozen."));

    CVensterScript script;
    script.VerwachtVenster([](QDialog& hub) {
        hub.findChild<QPushButton*>("puntenformule")->click();
        hub.findChild<QPushButton*>("sluiten")->click();
        return hub.result();
    });
    script.VerwachtVenster([](QDialog& venster) {
        EXPECT_EQ(0, venster.findChild<QComboBox*>("formulenaam")->count());
        QTest::mouseClick(venster.findChild<QPushButton*>("nieuw"), Qt::LeftButton);
        auto* naam = venster.findChild<QComboBox*>("formulenaam");
        naam->lineEdit()->selectAll();
        QTest::keyClicks(naam, "Winst telt dubbel");
        auto* formule = venster.findChild<QLineEdit*>("formule");
        QTest::mouseClick(formule, Qt::LeftButton);
        QTest::keyClicks(formule, "2 * W + J");
        QTest::mouseClick(venster.findChild<QPushButton*>("test"), Qt::LeftButton);
        EXPECT_EQ(QString("13"), venster.findChild<QLineEdit*>("resultaat")->text());
        KlikVak(venster.findChild<QCheckBox*>("actief"));
        QTest::mouseClick(venster.findChild<QPushButton*>("ok"), Qt::LeftButton);
        return venster.result();
    });
    ToonConfiguratie(*app, nullptr);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ("2 * W + J", app->settings.PuntenformuleTekst());

    ASSERT_EQ(0, app->OpenCompetitie(FixturePad("stand/Voorjaar 2024")));
    CStandVenster stand(*app);
    std::string lijst;
    ASSERT_EQ(0, stand.Afdrukken(lijst));
    EXPECT_NE(std::string::npos, lijst.find("(Puntenformule '2 * W + J')")) << lijst;

    app.reset();
    CProfiel geschreven(profiel);
    ASSERT_EQ(0, geschreven.Lees());
    EXPECT_EQ("Winst telt dubbel", geschreven.Tekst("ScoreFormule 1", "Naam", ""));
    EXPECT_EQ("2 * W + J", geschreven.Tekst("ScoreFormule 1", "Formule", ""));
    EXPECT_EQ("0", geschreven.Tekst("ScoreFormule 1", "Middelen", ""));
    EXPECT_EQ("1", geschreven.Tekst("Morvel", "AantalScoreFormules", ""));
    EXPECT_EQ("1", geschreven.Tekst("Morvel", "HuidigeScoreFormule", ""));
    EXPECT_EQ("3", geschreven.Tekst("Morvel", "AantalVoorgiftFormules", ""));
    EXPECT_EQ("Default 9x9", geschreven.Tekst("VoorgiftEnKomi 3", "Naam", ""));
}

} // namespace
