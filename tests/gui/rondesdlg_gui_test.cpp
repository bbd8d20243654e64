// The rounds and results windows as the administrator uses them: offscreen,
// with the mouse and with the keyboard alone, up to the data file and the
// include files written at the close.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "bediening.h"
#include "gui/multilinelistbox.h"
#include "gui/rondedlg.h"
#include "gui/rondesdlg.h"
#include "melding_recorder.h"
#include "pdf_inhoud.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QAbstractSpinBox>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

const char* const kDataFile = "versie=2\n\n[Spelers]\n"
                              "1 \"Anna Aal\" 150 J J J\n"
                              "2 \"Bert Bos\" 200 J J J\n"
                              "3 \"Cees Claes\" 180 J J J\n"
                              "4 \"Dirk Dam\" 250 J J J\n"
                              "5 \"Eva Ek\" 210 J J J\n"
                              "6 \"Frans Fok\" 190 J J J\n"
                              "7 \"Gerda Gans\" 230 J J J\n"
                              "8 \"Hans Hek\" 160 J J J\n"
                              "9 \"Ina Ijs\" 170 J J J\n"
                              "10 \"Jan Jol\" 240 J J J\n"
                              "11 \"Karel Kok\" 200 J J J\n"
                              "12 \"Lies Lam\" 220 J J J\n"
                              "13 \"Marc Mol\" 260 J J J\n"
                              "14 \"Nel Nap\" 185 J J J\n"
                              "15 \"Oud Lid\" 300 N N N\n"
                              "\n[Uitslagen]\n{1 okt}\n1 2 +\n3 Uitgeloot\n";

const char* const kNegeerVraag =
    "Weet u zeker dat u de veranderingen wilt negeren en het venster wilt sluiten?";
// The play evening keeps one game postponed.
const char* const kUitgesteldVraag =
    "Er is nog 1 partij zonder uitslag (niet genoteerd).\nDe ronde toch opslaan?";

// The play evening of both tests, as the data file holds it afterwards.
const char* const kAvond = "{15 okt}\r\n1 2 +\r\n3 4 -\r\n5 6 0\r\n7 8 +\r\n9 10 ?\r\n"
                           "11 12 +\r\n13 Uitgeloot\r\nklasse(14)=176\r\n";

QStringList Kolom(const CMultiLineListBox* lijst, int kolom) {
    QStringList teksten;
    for (int i = 0; i < lijst->AantalRegels(); ++i) {
        teksten << lijst->Tekst(i, kolom);
    }
    return teksten;
}

void Typ(const QString& tekst) {
    QTest::keyClicks(QApplication::focusWidget(), tekst);
}
void Activeer(QWidget& venster) {
    QApplication::setActiveWindow(&venster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&venster));
}

// The centre of row `rij` of a list, for the mouse.
QPoint Rij(CMultiLineListBox* lijst, int rij) {
    return lijst->visualItemRect(lijst->topLevelItem(rij)).center();
}
int RijVan(CMultiLineListBox* lijst, const QString& naam) {
    return static_cast<int>(Kolom(lijst, 1).indexOf(naam));
}

class RondesDlg : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        MaakMappen(tmp.Bestand("data/Najaar"), false);
        SchrijfAlles(Datafile(), kDataFile);
        Start();
        app->settings.SetHtmlUitslag(2);
        app->settings.SetHtmlUitslagen(0);
        app->settings.SetHtmlStand(1);
    }

    void TearDown() override {
        venster.reset();
        if (app) {
            app->competitie.rondes.WisGewijzigd();
        }
    }

    void Start() {
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetUitslagSorteerSleutel(0);
        ASSERT_EQ(0, app->KiesCompetitie("Najaar"));
    }

    std::string Datafile() const { return tmp.Bestand("data/Najaar/Najaar.txt"); }
    std::string Inc(const char* naam) const {
        const std::string pad = tmp.Bestand(std::string("data/Najaar/") + naam);
        return std::filesystem::exists(pad) ? LeesAlles(pad) : "";
    }

    void Open() {
        venster = std::make_unique<CRondesDlg>(*app);
        venster->show();
        Activeer(*venster);
    }
    CMultiLineListBox* Rondes() const { return Kind<CMultiLineListBox>(*venster, "rondes"); }
    QPushButton* Knop(const char* naam) const { return Kind<QPushButton>(*venster, naam); }

    // The data file and "uitslag.inc" after the close hold the play evening.
    void ControleerAvond() {
        EXPECT_TRUE(app->SluitAf(true));
        EXPECT_NE(std::string::npos, LeesAlles(Datafile()).find(kAvond)) << LeesAlles(Datafile());
        const std::string uitslag = Inc("uitslag.inc");
        EXPECT_NE(std::string::npos, uitslag.find("Uitslag van ronde '15 okt'"));
        EXPECT_NE(std::string::npos, uitslag.find("<TR><TD>Marc Mol</TD><TD>&nbsp;</TD><TD>"
                                                  "uitgeloot</TD></TR>"));
        EXPECT_NE(std::string::npos, uitslag.find("<TD>nieuwe klasse</TD><TD>17.6</TD>"));
        EXPECT_NE(std::string::npos, Inc("stand.inc").find("Stand na ronde '15 okt'"));

        // Read back, the round is the one entered.
        venster.reset();
        app.reset();
        Start();
        ASSERT_EQ(2, app->competitie.rondes.Aantal());
        std::vector<std::string> regels;
        app->competitie.rondes.Ronde(1).SchrijfLijst(regels, 2);
        EXPECT_EQ((std::vector<std::string>{"{15 okt}", "1 2 +", "3 4 -", "5 6 0", "7 8 +",
                                            "9 10 ?", "11 12 +", "13 Uitgeloot", "klasse(14)=176"}),
                  regels);
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
    std::unique_ptr<CRondesDlg> venster;
};

TEST_F(RondesDlg, EveryControlHasItsLabelAndText) {
    Open();
    EXPECT_EQ(QString("Morvel Competitie Beheer / Rondes"), venster->windowTitle());
    const std::pair<const char*, const char*> knoppen[] = {{"toevoegen", "&Toevoegen"},
                                                           {"wijzigen", "&Wijzigen"},
                                                           {"verwijderen", "&Verwijderen"},
                                                           {"afdrukken", "&Afdrukken"},
                                                           {"sluiten", "&Sluiten"}};
    for (const auto& [naam, tekst] : knoppen) {
        EXPECT_EQ(QString(tekst), Knop(naam)->text()) << naam;
    }
    EXPECT_EQ((QStringList{"1 okt"}), Kolom(Rondes(), 0));
    EXPECT_EQ(-1, Rondes()->Selectie());
    EXPECT_FALSE(Knop("wijzigen")->isEnabled());
    EXPECT_FALSE(Knop("verwijderen")->isEnabled());

    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        Activeer(dialoog);
        EXPECT_EQ(QString("Morvel Competitie Beheer / Uitslagen"), dialoog.windowTitle());
        std::map<QString, QString> labels;
        for (QLabel* label : dialoog.findChildren<QLabel*>()) {
            if (label->buddy()) {
                labels[label->text()] = label->buddy()->objectName();
            }
        }
        EXPECT_EQ((std::map<QString, QString>{{"&Identificatie:", "identificatie"},
                                              {"&Zoek:", "zoek"},
                                              {"&Klasse:", "klasse"}}),
                  labels);
        const std::pair<const char*, const char*> teksten[] = {{"toevoegen", "-->"},
                                                               {"verwijderen", "<--"},
                                                               {"wissel", "+/-"},
                                                               {"nieuweKlasse", "Ni&euwe klasse"},
                                                               {"ok", "&Ok"},
                                                               {"cancel", "&Cancel"},
                                                               {"sorteerNummer", "N&r "},
                                                               {"sorteerNaam", "&Naam"},
                                                               {"uitslagKop", "&Uitslag"}};
        for (const auto& [naam, tekst] : teksten) {
            EXPECT_EQ(QString(tekst), Kind<QPushButton>(dialoog, naam)->text()) << naam;
        }
        EXPECT_EQ(QString("Toon a&lleen aktieve spelers"),
                  Kind<QCheckBox>(dialoog, "alleenAktief")->text());
        EXPECT_EQ(QString("&Verberg al verwerkte spelers"),
                  Kind<QCheckBox>(dialoog, "verbergVerwerkt")->text());
        EXPECT_TRUE(Kind<QPushButton>(dialoog, "ok")->isDefault());
        // A new round: nothing chosen, so only "&Ok" and "&Cancel" work.
        for (const char* naam : {"toevoegen", "verwijderen", "wissel", "nieuweKlasse"}) {
            EXPECT_FALSE(Kind<QPushButton>(dialoog, naam)->isEnabled()) << naam;
        }
        EXPECT_FALSE(Kind<QAbstractSpinBox>(dialoog, "klasse")->isEnabled());
        EXPECT_EQ(Kind<QLineEdit>(dialoog, "identificatie"), QApplication::focusWidget());
        Kind<QPushButton>(dialoog, "cancel")->click(); // unchanged: no question
        return dialoog.result();
    });
    QTest::mouseClick(Knop("toevoegen"), Qt::LeftButton);
    EXPECT_EQ(1, app->competitie.rondes.Aantal());
    EXPECT_EQ("", Inc("uitslag.inc"));
}

TEST_F(RondesDlg, APlayEveningWithTheKeyboardAlone) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        Activeer(dialoog);
        auto* uitslagen = Kind<CMultiLineListBox>(dialoog, "uitslagen");
        auto* zoek = Kind<QLineEdit>(dialoog, "zoek");
        Typ("15 okt");
        Toets(Qt::Key_Tab);
        EXPECT_EQ(zoek, QApplication::focusWidget());
        // Two names with Enter make a game won by the first; Alt+U is "+/-".
        const std::pair<const char*, int> partijen[] = {
            {"anna", 0},  {"bert", 0}, {"cees", 0}, {"dirk", 1}, {"eva", 0},   {"frans", 2},
            {"gerda", 0}, {"hans", 0}, {"ina", 0},  {"jan", 3},  {"karel", 0}, {"lies", 0}};
        for (const auto& [naam, keer] : partijen) {
            Typ(naam);
            Toets(Qt::Key_Return);
            for (int i = 0; i < keer; ++i) {
                Mnemonic(Qt::Key_U);
            }
            EXPECT_EQ(zoek, QApplication::focusWidget()) << naam;
        }
        EXPECT_EQ((QStringList{"1 - 0", "0 - 1", "jigo", "1 - 0", "niet genoteerd", "1 - 0"}),
                  Kolom(uitslagen, 2));
        // A bye: one name and "+/-".
        Typ("marc");
        Toets(Qt::Key_Return);
        EXPECT_FALSE(Kind<QPushButton>(dialoog, "ok")->isEnabled());
        Mnemonic(Qt::Key_U);
        EXPECT_EQ(QString("uitgeloot"), uitslagen->Tekst(6, 2));
        // A class setting: the name, then Tab to the class field, one up, "&Nieuwe klasse".
        Typ("nel");
        Toets(Qt::Key_Return);
        auto* klasse = Kind<QAbstractSpinBox>(dialoog, "klasse");
        EXPECT_EQ(QString("185"), klasse->text());
        EXPECT_EQ(QString("1 dan, sterk"), Kind<QLineEdit>(dialoog, "klasseTekst")->text());
        for (int i = 0; i < 20 && QApplication::focusWidget() != klasse; ++i) {
            Toets(Qt::Key_Tab);
        }
        if (QApplication::focusWidget() != klasse) {
            ADD_FAILURE() << "Tab never reached the class field";
            return static_cast<int>(QDialog::Rejected);
        }
        Toets(Qt::Key_Up);
        Toets(Qt::Key_Down);
        Toets(Qt::Key_Up);
        EXPECT_EQ(QString("186"), klasse->text());
        EXPECT_EQ(QString("1 dan, sterk"), Kind<QLineEdit>(dialoog, "klasseTekst")->text());
        Toets(Qt::Key_Backspace);
        Toets(Qt::Key_Backspace);
        Typ("76");
        Toets(Qt::Key_Tab);
        EXPECT_EQ(Kind<QPushButton>(dialoog, "nieuweKlasse"), QApplication::focusWidget());
        Toets(Qt::Key_Space);
        EXPECT_EQ(QString("nieuwe klasse"), uitslagen->Tekst(7, 2));
        EXPECT_EQ(QStringList(), Kolom(Kind<CMultiLineListBox>(dialoog, "spelers"), 1));
        recorder.Verwacht(kUitgesteldVraag, Antwoord::Ja);
        Mnemonic(Qt::Key_O);
        return dialoog.result();
    });
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ((QStringList{"1 okt", "15 okt"}), Kolom(Rondes(), 0));
    EXPECT_EQ(1, Rondes()->Selectie());
    Activeer(*venster); // the results window has gone
    Mnemonic(Qt::Key_S);
    EXPECT_FALSE(venster->isVisible());
    ControleerAvond();
}

TEST_F(RondesDlg, ARoundEnteredThroughTheAccessibilityInterfaceAlone) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        auto* zoek = Kind<QLineEdit>(dialoog, "zoek");
        auto* toevoegen = Kind<QPushButton>(dialoog, "toevoegen");
        ZetViaToegang(Kind<QLineEdit>(dialoog, "identificatie"), "15 okt");
        for (const char* naam : {"anna", "bert", "cees", "dirk"}) {
            ZetViaToegang(zoek, naam);
            DrukViaToegang(toevoegen);
        }
        DrukViaToegang(Kind<QPushButton>(dialoog, "wissel"));
        EXPECT_EQ((QStringList{"1 - 0", "0 - 1"}),
                  Kolom(Kind<CMultiLineListBox>(dialoog, "uitslagen"), 2));

        // The class field says the number it shows, and takes one.
        ZetViaToegang(zoek, "nel");
        DrukViaToegang(toevoegen);
        auto* klasse = Kind<QAbstractSpinBox>(dialoog, "klasse");
        QAccessibleInterface* toegang = QAccessible::queryAccessibleInterface(klasse);
        EXPECT_EQ(QString("Klasse"), toegang->text(QAccessible::Name)); // from its label
        if (!toegang->valueInterface()) {
            ADD_FAILURE() << "the class field has no value";
            return static_cast<int>(QDialog::Rejected);
        }
        EXPECT_EQ(185, toegang->valueInterface()->currentValue().toInt());
        toegang->valueInterface()->setCurrentValue(176);
        EXPECT_EQ(QString("176"), klasse->text());
        ZetViaToegang(klasse, "177");
        EXPECT_EQ(177, toegang->valueInterface()->currentValue().toInt());
        DrukViaToegang(Kind<QPushButton>(dialoog, "nieuweKlasse"));
        DrukViaToegang(Kind<QPushButton>(dialoog, "ok"));
        EXPECT_FALSE(dialoog.isVisible());
        return dialoog.result();
    });
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(script.Klaar());
    ASSERT_EQ(2, app->competitie.rondes.Aantal());
    std::vector<std::string> regels;
    app->competitie.rondes.Ronde(1).SchrijfLijst(regels, 2);
    EXPECT_EQ((std::vector<std::string>{"{15 okt}", "1 2 +", "3 4 -", "klasse(14)=177"}), regels);
}

TEST_F(RondesDlg, TheSignButtonsSayWhatTheyDo) {
    CRonde ronde(app->competitie.rondes);
    CRondeDlg dialoog(*app, ronde);
    const std::pair<const char*, const char*> knoppen[] = {{"toevoegen", "Speler toevoegen"},
                                                           {"verwijderen", "Regel verwijderen"},
                                                           {"wissel", "Uitslag wisselen"}};
    for (const auto& [naam, zegt] : knoppen) {
        auto* knop = Kind<QPushButton>(dialoog, naam);
        EXPECT_EQ(QString(zegt), ToegangNaam(knop)) << naam;
        EXPECT_TRUE(knop->toolTip().startsWith(zegt)) << naam;
    }
}

TEST_F(RondesDlg, APlayEveningWithTheMouse) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        auto* spelers = Kind<CMultiLineListBox>(dialoog, "spelers");
        auto* uitslagen = Kind<CMultiLineListBox>(dialoog, "uitslagen");
        auto* naar = Kind<QPushButton>(dialoog, "toevoegen");
        auto* wissel = Kind<QPushButton>(dialoog, "wissel");
        auto* ok = Kind<QPushButton>(dialoog, "ok");
        auto klik = [spelers](const char* naam) {
            QTest::mouseClick(spelers->viewport(), Qt::LeftButton, {},
                              Rij(spelers, RijVan(spelers, naam)));
        };
        auto dubbel = [spelers](const char* naam) {
            const QPoint plaats = Rij(spelers, RijVan(spelers, naam));
            QTest::mouseClick(spelers->viewport(), Qt::LeftButton, {}, plaats);
            QTest::mouseDClick(spelers->viewport(), Qt::LeftButton, {}, plaats);
        };
        QTest::mouseClick(Kind<QLineEdit>(dialoog, "identificatie"), Qt::LeftButton);
        QTest::keyClicks(Kind<QLineEdit>(dialoog, "identificatie"), "15 okt");
        // The first player with "-->", the second with a double click.
        const std::pair<const char*, const char*> paren[] = {
            {"Anna Aal", "Bert Bos"},   {"Cees Claes", "Dirk Dam"}, {"Eva Ek", "Frans Fok"},
            {"Gerda Gans", "Hans Hek"}, {"Ina Ijs", "Jan Jol"},     {"Karel Kok", "Lies Lam"}};
        for (const auto& [eerste, tweede] : paren) {
            klik(eerste);
            EXPECT_TRUE(naar->isEnabled());
            QTest::mouseClick(naar, Qt::LeftButton);
            EXPECT_FALSE(ok->isEnabled()) << eerste;
            EXPECT_EQ(-1, RijVan(spelers, eerste)); // hidden once named
            dubbel(tweede);
            EXPECT_TRUE(ok->isEnabled()) << tweede;
        }
        // The results: "+/-" on the selected game, the head on a clicked one.
        QTest::mouseClick(uitslagen->viewport(), Qt::LeftButton, {}, Rij(uitslagen, 1));
        QTest::mouseClick(wissel, Qt::LeftButton);
        QTest::mouseClick(uitslagen->viewport(), Qt::LeftButton, {}, Rij(uitslagen, 2));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(Kind<QPushButton>(dialoog, "uitslagKop"), Qt::LeftButton);
        }
        QTest::mouseClick(uitslagen->viewport(), Qt::LeftButton, {}, Rij(uitslagen, 4));
        QTest::mouseDClick(uitslagen->viewport(), Qt::LeftButton, {}, Rij(uitslagen, 4));
        QTest::mouseClick(wissel, Qt::LeftButton);
        QTest::mouseClick(wissel, Qt::LeftButton);
        EXPECT_EQ((QStringList{"1 - 0", "0 - 1", "jigo", "1 - 0", "niet genoteerd", "1 - 0"}),
                  Kolom(uitslagen, 2));
        // The bye and the class setting.
        klik("Marc Mol");
        QTest::mouseClick(naar, Qt::LeftButton);
        QTest::mouseClick(wissel, Qt::LeftButton);
        klik("Nel Nap");
        QTest::mouseClick(naar, Qt::LeftButton);
        auto* klasse = Kind<QAbstractSpinBox>(dialoog, "klasse");
        EXPECT_TRUE(klasse->isEnabled());
        klasse->stepUp(); // what the arrow does
        EXPECT_EQ(QString("186"), klasse->text());
        QTest::mouseClick(klasse, Qt::LeftButton);
        QTest::keyClick(klasse, Qt::Key_End);
        QTest::keyClick(klasse, Qt::Key_Backspace);
        QTest::keyClick(klasse, Qt::Key_Backspace);
        QTest::keyClicks(klasse, "76");
        QTest::mouseClick(Kind<QPushButton>(dialoog, "nieuweKlasse"), Qt::LeftButton);
        EXPECT_EQ(QString("nieuwe klasse"), uitslagen->Tekst(7, 2));
        recorder.Verwacht(kUitgesteldVraag, Antwoord::Ja);
        QTest::mouseClick(ok, Qt::LeftButton);
        return dialoog.result();
    });
    QTest::mouseClick(Knop("toevoegen"), Qt::LeftButton);
    EXPECT_TRUE(script.Klaar());
    QTest::mouseClick(Knop("sluiten"), Qt::LeftButton);
    ControleerAvond();
}

TEST_F(RondesDlg, APublishedPairingTakenOverWithOneKeyPerResult) {
    CIndeling& indeling = app->indeling;
    indeling.VoegToe(4, 1, "Dirk Dam", "Anna Aal", "2 stenen, 5 komi");
    indeling.VoegToe(5, 2, "Eva Ek", "Bert Bos", "          0 komi");
    indeling.VoegToe(6, 3, "Frans Fok", "Cees Claes", "          5 komi");
    indeling.VoegToe(7, 0, "Gerda Gans", "", "Uitgeloot");
    indeling.gepubliceerd = {{22, 10, 2025}, 19, 45, 0};
    ASSERT_EQ(0, app->BewaarIndeling());
    Open();
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        Activeer(dialoog);
        auto* uitslagen = Kind<CMultiLineListBox>(dialoog, "uitslagen");
        auto* zonder = Kind<QLabel>(dialoog, "zonderUitslag");
        EXPECT_EQ(QString("22 oktober"), Kind<QLineEdit>(dialoog, "identificatie")->text());
        EXPECT_EQ((QStringList{"Dirk Dam", "Eva Ek", "Frans Fok", "Gerda Gans"}),
                  Kolom(uitslagen, 0));
        EXPECT_EQ((QStringList{"niet genoteerd", "niet genoteerd", "niet genoteerd", "uitgeloot"}),
                  Kolom(uitslagen, 2));
        EXPECT_EQ(uitslagen, QApplication::focusWidget());
        EXPECT_EQ(0, uitslagen->Selectie());
        EXPECT_EQ(QString("Nog 3 van 3 partijen zonder uitslag."), zonder->text());
        // One key a game; the selection moves on by itself.
        Typ("1");
        Typ("=");
        EXPECT_EQ(2, uitslagen->Selectie());
        EXPECT_EQ(uitslagen, QApplication::focusWidget());
        EXPECT_EQ(QString("Nog 1 van 3 partijen zonder uitslag."), zonder->text());
        // "&Ok" with a game still open asks; "Nee" goes back to it.
        recorder.Verwacht(kUitgesteldVraag, Antwoord::Nee);
        Mnemonic(Qt::Key_O);
        EXPECT_TRUE(dialoog.isVisible());
        EXPECT_EQ(uitslagen, QApplication::focusWidget());
        EXPECT_EQ(2, uitslagen->Selectie());
        Typ("-");
        EXPECT_EQ((QStringList{"1 - 0", "jigo", "0 - 1", "uitgeloot"}), Kolom(uitslagen, 2));
        EXPECT_EQ(QString("Alle partijen hebben een uitslag."), zonder->text());
        Mnemonic(Qt::Key_O);
        return dialoog.result();
    });
    recorder.Verwacht("De indeling van 22 oktober 2025 19:45 (3 partijen, uitgeloot: Gerda Gans) "
                      "overnemen als nieuwe ronde?",
                      Antwoord::Ja);
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ((QStringList{"1 okt", "22 oktober"}), Kolom(Rondes(), 0));
    EXPECT_EQ(2, app->indeling.overgenomen);
    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_NE(
        std::string::npos,
        LeesAlles(Datafile()).find("{22 oktober}\r\n4 1 +\r\n5 2 0\r\n6 3 -\r\n7 Uitgeloot\r\n"))
        << LeesAlles(Datafile());
}

TEST_F(RondesDlg, ADoubleClickEditsARoundWhosePlayersAreHiddenAtOnce) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        auto* spelers = Kind<CMultiLineListBox>(dialoog, "spelers");
        auto* uitslagen = Kind<CMultiLineListBox>(dialoog, "uitslagen");
        EXPECT_EQ(QString("1 okt"), Kind<QLineEdit>(dialoog, "identificatie")->text());
        EXPECT_EQ((QStringList{"Anna Aal", "Cees Claes"}), Kolom(uitslagen, 0));
        EXPECT_EQ((QStringList{"1 - 0", "uitgeloot"}), Kolom(uitslagen, 2));
        EXPECT_EQ(-1, RijVan(spelers, "Anna Aal"));
        EXPECT_EQ(-1, RijVan(spelers, "Cees Claes"));
        EXPECT_EQ(11, spelers->AantalRegels());
        QTest::mouseClick(Kind<QCheckBox>(dialoog, "verbergVerwerkt"), Qt::LeftButton);
        EXPECT_EQ(14, spelers->AantalRegels());
        QTest::mouseClick(Kind<QCheckBox>(dialoog, "alleenAktief"), Qt::LeftButton);
        EXPECT_EQ(15, spelers->AantalRegels());
        // The bye goes, and the window is closed without "&Ok".
        QTest::mouseClick(uitslagen->viewport(), Qt::LeftButton, {}, Rij(uitslagen, 1));
        QTest::mouseClick(Kind<QPushButton>(dialoog, "verwijderen"), Qt::LeftButton);
        EXPECT_EQ(1, uitslagen->AantalRegels());
        return static_cast<int>(QDialog::Rejected);
    });
    const QPoint rij = Rij(Rondes(), 0);
    QTest::mouseClick(Rondes()->viewport(), Qt::LeftButton, {}, rij);
    QTest::mouseDClick(Rondes()->viewport(), Qt::LeftButton, {}, rij);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ(2u, app->competitie.rondes.Ronde(0).Uitslagen().size());
    EXPECT_EQ("", Inc("uitslag.inc"));
    // The filters changed, but a cancelled window stores no settings.
    EXPECT_EQ(1, app->settings.UitslagVerbergVerwerkteSpelers());
}

TEST_F(RondesDlg, EscapeOnAChangedRoundAsksAndYesLeavesTheListAsItWas) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        Activeer(dialoog);
        Typ("16 okt");
        Toets(Qt::Key_Tab);
        Typ("anna");
        Toets(Qt::Key_Return);
        recorder.Verwacht(kNegeerVraag, Antwoord::Nee);
        Toets(Qt::Key_Escape);
        EXPECT_TRUE(dialoog.isVisible());
        // "Nee" is the default: Escape then Enter keeps the evening's entries.
        EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
        recorder.Verwacht(kNegeerVraag, Antwoord::Ja);
        Mnemonic(Qt::Key_C);
        EXPECT_FALSE(dialoog.isVisible());
        return dialoog.result();
    });
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ(1, app->competitie.rondes.Aantal());
    EXPECT_EQ((QStringList{"1 okt"}), Kolom(Rondes(), 0));
    EXPECT_FALSE(app->competitie.rondes.IsGewijzigd());
}

TEST_F(RondesDlg, OkWithoutAnIdentificationStaysOpenAndEnterThereGoesOnToZoek) {
    Open();
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        Activeer(dialoog);
        Toets(Qt::Key_Tab);
        recorder.Verwacht("U bent verplicht een ronde-identificatie in te vullen.");
        Mnemonic(Qt::Key_O);
        EXPECT_TRUE(dialoog.isVisible());
        EXPECT_EQ(Kind<QLineEdit>(dialoog, "identificatie"), QApplication::focusWidget());
        Typ("17 okt");
        // Enter goes on to "Zoek:" and never stores the round.
        Toets(Qt::Key_Return);
        EXPECT_TRUE(dialoog.isVisible());
        EXPECT_EQ(Kind<QLineEdit>(dialoog, "zoek"), QApplication::focusWidget());
        Mnemonic(Qt::Key_O);
        EXPECT_FALSE(dialoog.isVisible());
        return dialoog.result();
    });
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ((QStringList{"1 okt", "17 okt"}), Kolom(Rondes(), 0));
    EXPECT_TRUE(Inc("uitslag.inc").find("Uitslag van ronde '17 okt'") != std::string::npos);
    EXPECT_TRUE(app->uploadNodig.Nodig(HtmlBestand::Uitslag));
}

TEST_F(RondesDlg, DeletingTheLastRoundRewritesItsIncludeFileForTheNewLastOne) {
    app->competitie.rondes.VoegToe("{8 okt}", 2);
    app->competitie.rondes.VoegToe("2 4 -", 2);
    Open();
    ASSERT_EQ(2, Rondes()->AantalRegels());
    QTest::mouseClick(Rondes()->viewport(), Qt::LeftButton, {}, Rij(Rondes(), 1));
    EXPECT_TRUE(Knop("verwijderen")->isEnabled());
    recorder.Verwacht("Weet u zeker dat u de geselecteerde speelronde (inclusief alle "
                      "uitslagen) wilt verwijderen?",
                      Antwoord::Ja);
    QTest::mouseClick(Knop("verwijderen"), Qt::LeftButton);
    EXPECT_EQ((QStringList{"1 okt"}), Kolom(Rondes(), 0));
    EXPECT_EQ(-1, Rondes()->Selectie());
    EXPECT_FALSE(Knop("verwijderen")->isEnabled());
    EXPECT_NE(std::string::npos, Inc("uitslag.inc").find("Uitslag van ronde '1 okt'"));
    EXPECT_EQ("", Inc("uitslagen.inc")); // its mode is 0
}

TEST_F(RondesDlg, PrintingWithoutASelectionPrintsTheLastRound) {
    app->competitie.rondes.VoegToe("{8 okt}", 2);
    app->competitie.rondes.VoegToe("2 4 -", 2);
    Open();
    const std::string pdf = tmp.Bestand("uitslag.pdf");
    {
        CVensterScript script;
        script.VerwachtPrinter(QString::fromStdString(pdf));
        Mnemonic(Qt::Key_A);
    }
    const std::string tekst = PdfTekst(pdf);
    EXPECT_NE(std::string::npos, tekst.find("Uitslag van ronde '8 okt'")) << tekst;
    EXPECT_EQ(std::string::npos, tekst.find("1 okt"));
    EXPECT_TRUE(venster->isVisible());

    QTest::mouseClick(Rondes()->viewport(), Qt::LeftButton, {}, Rij(Rondes(), 0));
    {
        CVensterScript script;
        script.VerwachtPrinter(QString::fromStdString(pdf));
        QTest::mouseClick(Knop("afdrukken"), Qt::LeftButton);
    }
    EXPECT_NE(std::string::npos, PdfTekst(pdf).find("Uitslag van ronde '1 okt'"));
}

} // namespace
