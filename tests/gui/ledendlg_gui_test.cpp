// The members window as the administrator uses it: offscreen, with the mouse
// and with the keyboard alone.

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "bediening.h"
#include "gui/ledendlg.h"
#include "gui/morveldlg.h"
#include "gui/multilinelistbox.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

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
                              "3 \"Piet Jansen\" 150 J J J\n"
                              "7 \"Jan de Vries\" 200 J J J\n"
                              "5 \"Anna Oud\" 250 N N N\n"
                              "\n[Uitslagen]\n{12 mei}\n3 7 +\n";

class LedenDlg : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(MORVEL_FIXTURES) +
                                       "/../../share/voorbeeld/morvel.ini",
                                   tmp.Bestand("morvel.ini"));
        MaakMappen(tmp.Bestand("data/Leden"), false);
        SchrijfAlles(Datafile(), kDataFile);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("data"));
        app->settings.SetLedenSorteerSleutel(0);
        app->settings.SetLedenToonAlleenAktieveSpelers(1);
        ASSERT_EQ(0, app->KiesCompetitie("Leden"));
    }

    void TearDown() override {
        venster.reset();
        app->competitie.spelers.WisGewijzigd();
    }

    std::string Datafile() const { return tmp.Bestand("data/Leden/Leden.txt"); }

    void Open() {
        venster = std::make_unique<CLedenDlg>(*app);
        venster->show();
        QApplication::setActiveWindow(venster.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    }

    template <class T> T* Zoek(const char* naam) const {
        auto* widget = venster->findChild<T*>(naam);
        EXPECT_NE(nullptr, widget) << naam;
        return widget;
    }
    QLineEdit* Veld(const char* naam) const { return Zoek<QLineEdit>(naam); }
    QPushButton* Knop(const char* naam) const { return Zoek<QPushButton>(naam); }
    CMultiLineListBox* Lijst() const { return Zoek<CMultiLineListBox>("leden"); }
    QStringList Namen() const {
        QStringList namen;
        for (int i = 0; i < Lijst()->AantalRegels(); ++i) {
            namen << Lijst()->Tekst(i, 1);
        }
        return namen;
    }
    // Types `tekst` into the widget that has the focus, as the keyboard does.
    void Typ(const QString& tekst) { QTest::keyClicks(QApplication::focusWidget(), tekst); }
    void Toets(Qt::Key toets, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), toets, modifiers);
    }
    // Alt and the underlined letter: the button shows its click first, then acts.
    void Mnemonic(Qt::Key letter) {
        Toets(letter, Qt::AltModifier);
        QTest::qWait(200);
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
    std::unique_ptr<CLedenDlg> venster;
};

TEST_F(LedenDlg, EveryFieldHasItsLabelAndTheButtonsTheirTexts) {
    Open();
    EXPECT_EQ(QString("Morvel Competitie Beheer / Leden beheer"), venster->windowTitle());
    std::map<QString, QString> labels;
    for (QLabel* label : venster->findChildren<QLabel*>()) {
        if (label->buddy()) {
            labels[label->text()] = label->buddy()->objectName();
        }
    }
    EXPECT_EQ((std::map<QString, QString>{{"&Zoek:", "zoek"},
                                          {"V&olgnr:", "volgnummer"},
                                          {"Naa&m:", "naam"},
                                          {"&Begin klasse:", "beginKlasse"},
                                          {"Huidige klasse:", "huidigeKlasse"}}),
              labels);
    const std::pair<const char*, const char*> knoppen[] = {
        {"toevoegen", "&Toevoegen"}, {"verwijderen", "&Verwijderen"}, {"wijzigen", "&Wijzigen"},
        {"sluiten", "&Sluiten"},     {"accepteer", "&Accepteer"},     {"afbreken", "A&fbreken"},
        {"sorteerNummer", "N&r "},   {"sorteerNaam", "&Naam"}};
    for (const auto& [naam, tekst] : knoppen) {
        EXPECT_EQ(QString(tekst), Knop(naam)->text()) << naam;
    }
    EXPECT_TRUE(Knop("accepteer")->isDefault());
}

TEST_F(LedenDlg, AddChangeAndRemoveWithTheKeyboardAlone) {
    Open();
    EXPECT_EQ(Veld("zoek"), QApplication::focusWidget());

    // Add: Alt+T, the name, Tab to the starting class, Enter accepts.
    Mnemonic(Qt::Key_T);
    EXPECT_EQ(QString("8"), Veld("volgnummer")->text());
    EXPECT_EQ(Veld("naam"), QApplication::focusWidget());
    EXPECT_FALSE(Lijst()->isEnabled());
    EXPECT_FALSE(Knop("sluiten")->isEnabled());
    Typ("Karel Kort");
    Toets(Qt::Key_Tab);
    EXPECT_EQ(Veld("beginKlasse"), QApplication::focusWidget());
    Typ("215");
    EXPECT_EQ(QString("215"), Veld("huidigeKlasse")->text());
    EXPECT_EQ(QString("1 kyu, zwak"), Veld("beginKlasseTekst")->text());
    Toets(Qt::Key_Return);
    ASSERT_NE(nullptr, app->competitie.spelers.Zoek(8));
    EXPECT_EQ(QString("Karel Kort"), Veld("zoek")->text());
    EXPECT_EQ(QString("Karel Kort"), Lijst()->Tekst(Lijst()->Selectie(), 1));
    EXPECT_EQ(Veld("zoek"), QApplication::focusWidget());

    // Change: Alt+W, a new name, Enter.
    Mnemonic(Qt::Key_W);
    EXPECT_EQ(Veld("naam"), QApplication::focusWidget());
    Typ("Karel de Kort"); // the name was selected, so typing replaces it
    Toets(Qt::Key_Return);
    EXPECT_EQ("Karel de Kort", app->competitie.spelers.Zoek(8)->naam);

    // Escape ends an edit without a change, and does not close the window.
    Mnemonic(Qt::Key_W);
    Typ("Weggegooid");
    Toets(Qt::Key_Escape);
    EXPECT_EQ("Karel de Kort", app->competitie.spelers.Zoek(8)->naam);
    EXPECT_EQ(QString("Karel de Kort"), Veld("naam")->text());
    Toets(Qt::Key_Escape);
    EXPECT_TRUE(venster->isVisible());

    // Remove: Alt+V and Yes.
    recorder.Verwacht("Weet u zeker dat u de geselecteerde speler wilt verwijderen?", Antwoord::Ja);
    Mnemonic(Qt::Key_V);
    EXPECT_EQ(nullptr, app->competitie.spelers.Zoek(8));
    EXPECT_EQ((QStringList{"Piet Jansen", "Jan de Vries"}), Namen());

    // Close: Alt+S stores the sort key and the filter.
    Mnemonic(Qt::Key_N); // sort by name
    Mnemonic(Qt::Key_S);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(2, app->settings.LedenSorteerSleutel());
}

TEST_F(LedenDlg, AMemberChangedThroughTheAccessibilityInterfaceAlone) {
    Open();
    DrukViaToegang(Zoek<QCheckBox>("alleenAktief")); // Anna Oud is not active
    ZetViaToegang(Veld("zoek"), "anna");
    EXPECT_EQ(QString("Anna Oud"), Lijst()->Tekst(Lijst()->Selectie(), 1));
    EXPECT_EQ(QString("Anna Oud"), Veld("naam")->text());
    DrukViaToegang(Knop("wijzigen"));
    ZetViaToegang(Veld("naam"), "Anna de Oud");
    ZetViaToegang(Veld("beginKlasse"), "180");
    EXPECT_EQ(QString("180"), Veld("huidigeKlasse")->text());
    DrukViaToegang(Zoek<QCheckBox>("aktief"));
    DrukViaToegang(Knop("accepteer"));
    const CSpeler* anna = app->competitie.spelers.Zoek(5);
    EXPECT_EQ("Anna de Oud", anna->naam);
    EXPECT_EQ(180, anna->beginKlasse);
    EXPECT_EQ(1, anna->aktief);
    EXPECT_TRUE(venster->Model().Bladeren());

    // Enter in "Zoek:" edits the player found, as Enter on his row does.
    ZetViaToegang(Veld("zoek"), "piet");
    Veld("zoek")->setFocus();
    Toets(Qt::Key_Return);
    EXPECT_EQ(CLedenVenster::EStatus::Wijzigen, venster->Model().Status());
    EXPECT_EQ(Veld("naam"), QApplication::focusWidget());
    EXPECT_EQ(QString("Piet Jansen"), Veld("naam")->text());
}

TEST_F(LedenDlg, TheCloseBoxDuringAnEditAsksWithNeeAsTheDefault) {
    Open();
    ZetViaToegang(Veld("zoek"), "piet");
    Mnemonic(Qt::Key_W);
    Typ("Piet Weg");
    const char* vraag =
        "Weet u zeker dat u de veranderingen wilt negeren en het venster wilt sluiten?";
    recorder.Verwacht(vraag, Antwoord::Nee);
    venster->close();
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_TRUE(venster->isVisible());
    EXPECT_EQ(QString("Piet Weg"), Veld("naam")->text());
    recorder.Verwacht(vraag, Antwoord::Ja);
    venster->close();
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ("Piet Jansen", app->competitie.spelers.Zoek(3)->naam);
}

TEST_F(LedenDlg, HeadsSortWithTheirArrowAndTheFilterShowsEveryone) {
    Open();
    EXPECT_EQ((QStringList{"Piet Jansen", "Jan de Vries"}), Namen());
    EXPECT_FALSE(Knop("sorteerNummer")->icon().isNull());
    EXPECT_TRUE(Knop("sorteerNaam")->icon().isNull());

    QTest::mouseClick(Knop("sorteerNaam"), Qt::LeftButton);
    EXPECT_EQ((QStringList{"Jan de Vries", "Piet Jansen"}), Namen());
    QTest::mouseClick(Knop("sorteerNaam"), Qt::LeftButton);
    EXPECT_EQ((QStringList{"Piet Jansen", "Jan de Vries"}), Namen());
    EXPECT_EQ(3, venster->Model().SorteerSleutel());
    EXPECT_TRUE(Knop("sorteerNummer")->icon().isNull());
    EXPECT_FALSE(Knop("sorteerNaam")->icon().isNull());

    QTest::mouseClick(Zoek<QCheckBox>("alleenAktief"), Qt::LeftButton);
    EXPECT_EQ((QStringList{"Piet Jansen", "Jan de Vries", "Anna Oud"}), Namen());
    QTest::mouseClick(Knop("sluiten"), Qt::LeftButton);
    EXPECT_EQ(0, app->settings.LedenToonAlleenAktieveSpelers());
    EXPECT_EQ(3, app->settings.LedenSorteerSleutel());
}

TEST_F(LedenDlg, ADoubleClickChangesAndAClassBelowOneHundredAsks) {
    Open();
    QTest::keyClicks(Veld("zoek"), "jan");
    EXPECT_EQ(QString("Jan de Vries"), Veld("naam")->text());
    EXPECT_TRUE(Knop("wijzigen")->isEnabled());
    emit Lijst()->gekozen(Lijst()->Selectie()); // what a double click reports
    EXPECT_TRUE(Veld("naam")->isEnabled());
    EXPECT_FALSE(Veld("volgnummer")->isEnabled()); // the number is fixed when changing
    Veld("beginKlasse")->clear();
    QTest::keyClicks(Veld("beginKlasse"), "25");
    recorder.Verwacht("De klasse moet opgegeven worden in tienden van klasses.\r\n"
                      "Tenzij deze speler erg sterk is, is het klasseveld verkeerd ingevuld.\r\n"
                      "Wilt u doorgaan met de huidig ingevulde waarde?",
                      Antwoord::Nee);
    QTest::mouseClick(Knop("accepteer"), Qt::LeftButton);
    EXPECT_EQ(Knoppen::JaNeeStdNee, recorder.meldingen.back().knoppen);
    EXPECT_TRUE(Knop("accepteer")->isEnabled()); // the edit stays open
    EXPECT_EQ(200, app->competitie.spelers.Zoek(7)->beginKlasse);
    QTest::mouseClick(Knop("afbreken"), Qt::LeftButton);
    EXPECT_EQ(QString("200"), Veld("beginKlasse")->text());
}

TEST_F(LedenDlg, TheMainWindowOpensItAndTheChangeIsWrittenAtTheClose) {
    CMorvelDlg hoofdvenster(*app);
    hoofdvenster.show();
    QCoreApplication::processEvents();
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        auto& leden = dynamic_cast<CLedenDlg&>(dialoog);
        CLedenVenster& model = leden.Model();
        model.Toevoegen();
        model.ZetNaam("Nieuw Lid");
        model.ZetBeginKlasse("180");
        EXPECT_EQ(0, model.Accepteer());
        leden.findChild<QPushButton*>("sluiten")->click();
        return leden.result();
    });
    hoofdvenster.findChild<QPushButton*>("leden")->click();
    EXPECT_TRUE(script.Klaar());
    EXPECT_TRUE(app->SluitAf(true));
    EXPECT_NE(std::string::npos, LeesAlles(Datafile()).find("8 \"Nieuw Lid\" 180 J J J"));
}

} // namespace

namespace {

// A member list as a spreadsheet saves it: semicolons, a BOM, Windows line ends.
const char* const kLedenlijst = "\xEF\xBB\xBFNaam;Klasse;Aktief\r\n"
                                "Ren\xC3\xA9"
                                "e Jansen;12,5;J\r\n"
                                "piet jansen;150;J\r\n"
                                "Bram Visser;3 kyu;nee\r\n";

TEST_F(LedenDlg, ImporterenToontHetVoorbeeldEnAfbrekenVoegtNietsToe) {
    SchrijfAlles(tmp.Bestand("leden.csv"), kLedenlijst);
    Open();
    EXPECT_EQ(QString("&Importeren"), Knop("importeren")->text());
    {
        CVensterScript script;
        script.VerwachtBestand(QString::fromStdString(tmp.Bestand("leden.csv")));
        script.VerwachtVenster([](QDialog& d) {
            EXPECT_EQ(QString("Morvel Competitie Beheer / Leden importeren"), d.windowTitle());
            auto* regels = d.findChild<CMultiLineListBox*>("regels");
            EXPECT_EQ(3, regels->AantalRegels());
            EXPECT_EQ(QString("Ren\u00E9e Jansen"), regels->Tekst(0, 1));
            EXPECT_EQ(QString("nieuw, nummer 8"), regels->Tekst(0, 4));
            EXPECT_EQ(QString("bestaat al: overgeslagen"), regels->Tekst(1, 4));
            EXPECT_NE(-1, d.findChild<QLabel*>("telling")->text().indexOf("2 nieuwe leden"));
            EXPECT_TRUE(d.findChild<QPushButton*>("importeren")->isEnabled());
            QTest::mouseClick(d.findChild<QPushButton*>("afbreken"), Qt::LeftButton);
            return d.result();
        });
        QTest::mouseClick(Knop("importeren"), Qt::LeftButton);
        EXPECT_EQ("Ledenlijst importeren", script.bestandTitels.value(0).toStdString());
    }
    EXPECT_EQ(3u, app->competitie.spelers.Aantal());
    EXPECT_FALSE(app->competitie.spelers.IsGewijzigd());
    EXPECT_TRUE(recorder.meldingen.empty());
    EXPECT_EQ(Veld("zoek"), QApplication::focusWidget());

    // A cancelled file dialog opens nothing.
    CVensterScript script;
    script.VerwachtBestand(QString());
    Toets(Qt::Key_I, Qt::AltModifier);
    QTest::qWait(200);
}

TEST_F(LedenDlg, ImporterenVoegtDeNieuweLedenToeEnToontZe) {
    SchrijfAlles(tmp.Bestand("leden.csv"), kLedenlijst);
    Open();
    {
        CVensterScript script;
        script.VerwachtBestand(QString::fromStdString(tmp.Bestand("leden.csv")));
        script.VerwachtVenster([](QDialog& d) {
            QApplication::setActiveWindow(&d);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
            QTest::qWait(200);
            return d.result();
        });
        recorder.Verwacht("2 leden toegevoegd, 1 overgeslagen.");
        Toets(Qt::Key_I, Qt::AltModifier);
        QTest::qWait(200);
    }
    EXPECT_EQ((QStringList{"Piet Jansen", "Jan de Vries", "Ren\u00E9e Jansen"}), Namen());
    const CSpeler* bram = app->competitie.spelers.Zoek(9);
    ASSERT_NE(nullptr, bram);
    EXPECT_EQ("Bram Visser", bram->naam);
    EXPECT_EQ(250, bram->beginKlasse);
    EXPECT_EQ(0, bram->aktief);
    // Kept in the data file at the switch or the close, as every change.
    ASSERT_TRUE(app->SluitAf(false));
    const std::string data = LeesAlles(Datafile());
    EXPECT_NE(std::string::npos, data.find("8 \"Ren\x82"
                                           "e Jansen\" 125 J J J"));
    EXPECT_NE(std::string::npos, data.find("9 \"Bram Visser\" 250 N J J"));
}

} // namespace
