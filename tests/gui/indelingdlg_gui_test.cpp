// The pairing window on the example competition, offscreen: prepared with a
// blocked and a fixed pair, computed, the log looked at and published, with
// the mouse and with the keyboard alone; the progress window and its "Stop".

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "base/pad.h"
#include "bediening.h"
#include "gui/afdrukselectie.h"
#include "gui/indelingdlg.h"
#include "gui/indelingsberekening.h"
#include "gui/indelingsvoortgang.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "melding_recorder.h"
#include "pdf_inhoud.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

const char* const kVoorbeeld = "Voorjaar 2025";

class IndelingDlg : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string share = std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld";
        std::filesystem::copy_file(share + "/morvel.ini", tmp.Bestand("morvel.ini"));
        std::filesystem::copy(share + "/competities", tmp.Bestand("competities"),
                              std::filesystem::copy_options::recursive);
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(tmp.Bestand("competities"));
        app->settings.SetHtmlIndeling(1);
        app->settings.SetIndelingSorteerSleutel(0);
        app->settings.SetIndelingToonAlleenAktieveSpelers(1);
        ASSERT_EQ(0, app->KiesCompetitie(kVoorbeeld));
    }

    void TearDown() override {
        venster.reset();
        app->competitie.spelers.WisGewijzigd();
    }

    std::string Inc() const {
        return tmp.Bestand(std::string("competities/") + kVoorbeeld + "/indeling.inc");
    }

    void Open() {
        venster = std::make_unique<CIndelingDlg>(*app);
        ToonActief(*venster);
    }

    template <class T> T* Zoek(const char* naam) const { return Kind<T>(*venster, naam); }
    // The progress window while it exists.
    static CIndelingsVoortgang* Voortgang() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* voortgang = qobject_cast<CIndelingsVoortgang*>(w)) {
                return voortgang;
            }
        }
        return nullptr;
    }
    QPushButton* Knop(const char* naam) const { return Zoek<QPushButton>(naam); }
    CMultiLineListBox* Spelers() const { return Zoek<CMultiLineListBox>("spelers"); }
    CMultiLineListBox* Paren() const { return Zoek<CMultiLineListBox>("paren"); }
    QStringList Rij(CMultiLineListBox* lijst, int rij) const {
        QStringList cellen;
        for (int k = 0; k < lijst->columnCount(); ++k) {
            cellen << lijst->Tekst(rij, k);
        }
        return cellen;
    }
    QStringList Soorten() const {
        QStringList soorten;
        for (int i = 0; i < Paren()->AantalRegels(); ++i) {
            soorten << Paren()->Tekst(i, 3);
        }
        return soorten;
    }

    // "Zoek:" with the mouse: a fresh text typed into the field.
    void ZoekSpeler(const QString& tekst) {
        auto* zoek = Zoek<QLineEdit>("zoek");
        zoek->clear();
        QTest::keyClicks(zoek, tekst);
    }
    void Klik(const char* naam) { QTest::mouseClick(Knop(naam), Qt::LeftButton); }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
    std::unique_ptr<CIndelingDlg> venster;
};

TEST_F(IndelingDlg, EveryControlHasItsDutchTextAndTheFieldItsLabel) {
    Open();
    EXPECT_EQ(QString("Indeling"), venster->windowTitle());
    EXPECT_EQ((std::map<QString, QString>{{"Zoe&k:", "zoek"}}), LabelVelden(*venster));
    const std::pair<const char*, const char*> knoppen[] = {
        {"toevoegen", "-->"},      {"verwijderen", "<--"},
        {"wissel", "+/-"},         {"altijdBlokkeren", "&Altijd blokkeren"},
        {"genereer", "&Genereer"}, {"log", "?"},
        {"print", "&Print"},       {"sluiten", "&Sluiten"},
        {"sorteerNaam", "&Naam"},  {"kopZwart", "&Zwart"},
        {"kopWit", "&Wit"},        {"kopType", "&Type"}};
    for (const auto& [naam, tekst] : knoppen) {
        EXPECT_EQ(QString(tekst), Knop(naam)->text()) << naam;
    }
    EXPECT_EQ(QString("Ind?"), Zoek<QLabel>("kopInd")->text());
    EXPECT_EQ(QString("Toon a&lleen aktieve spelers"), Zoek<QCheckBox>("alleenAktief")->text());
    EXPECT_TRUE(Knop("genereer")->isDefault());
    EXPECT_EQ(Zoek<QLineEdit>("zoek"), QApplication::focusWidget());

    // Lucas does not take part by default; the others do.
    ASSERT_EQ(12, Spelers()->AantalRegels());
    EXPECT_EQ((QStringList{"-->", "Anneke de Wit"}), Rij(Spelers(), 0));
    EXPECT_EQ((QStringList{"", "Lucas Brouwer"}), Rij(Spelers(), 10));
    for (const char* naam :
         {"toevoegen", "verwijderen", "wissel", "altijdBlokkeren", "log", "print"}) {
        EXPECT_FALSE(Knop(naam)->isEnabled()) << naam;
    }
    EXPECT_TRUE(Knop("genereer")->isEnabled());
    EXPECT_FALSE(Knop("kopType")->isVisible());
}

TEST_F(IndelingDlg, EnterInZoekMarksThePlayerFoundAndNeverGenerates) {
    Open();
    auto* zoek = Zoek<QLineEdit>("zoek");
    ZetViaToegang(zoek, "lucas"); // as dictation puts it in
    EXPECT_EQ(10, Spelers()->Selectie());
    zoek->setFocus();
    Toets(Qt::Key_Return);
    EXPECT_EQ((QStringList{"-->", "Lucas Brouwer"}), Rij(Spelers(), 10));
    EXPECT_EQ(0, Paren()->AantalRegels());
    EXPECT_EQ(nullptr, Voortgang());
    EXPECT_EQ(zoek, QApplication::focusWidget());
    EXPECT_EQ(QString("lucas"), zoek->selectedText()); // the next name replaces it
    Toets(Qt::Key_Return);
    EXPECT_EQ((QStringList{"", "Lucas Brouwer"}), Rij(Spelers(), 10));
    // Without a player found Enter does nothing at all.
    ZetViaToegang(zoek, "");
    Toets(Qt::Key_Return);
    EXPECT_EQ(0, Paren()->AantalRegels());
    EXPECT_EQ(nullptr, Voortgang());
}

TEST_F(IndelingDlg, TheSignButtonsSayWhatTheyDo) {
    Open();
    const std::pair<const char*, const char*> knoppen[] = {
        {"toevoegen", "Speler toevoegen"},
        {"verwijderen", "Regel verwijderen"},
        {"wissel", "Geblokkeerd of vast wisselen"},
        {"log", "Indelingsberekeningen tonen"}};
    for (const auto& [naam, zegt] : knoppen) {
        EXPECT_EQ(QString(zegt), ToegangNaam(Knop(naam))) << naam;
        EXPECT_TRUE(Knop(naam)->toolTip().startsWith(zegt)) << naam;
    }
}

TEST_F(IndelingDlg, PreparedComputedLoggedAndPublishedWithTheMouse) {
    Open();
    // A blocked pair, and a fixed pair made from a second one.
    for (const char* naam : {"Anneke", "Bram", "Ingrid", "Carla"}) {
        ZoekSpeler(naam);
        Klik("toevoegen");
    }
    EXPECT_EQ((QStringList{"X", "X"}), Soorten());
    QTest::mouseClick(Paren()->viewport(), Qt::LeftButton, {},
                      Paren()->visualItemRect(Paren()->topLevelItem(1)).center());
    EXPECT_EQ(1, venster->Model().PaarSelectie());
    ASSERT_TRUE(Knop("wissel")->isEnabled());
    Klik("wissel");
    EXPECT_EQ((QStringList{"X", "F"}), Soorten());
    EXPECT_TRUE(Knop("kopType")->isVisible());
    EXPECT_EQ(QString("Ingrid Koster"), Paren()->Tekst(1, 0)); // the weaker player is Black
    EXPECT_EQ(QString(""), Spelers()->Tekst(2, 0));            // Carla is out of the search

    Klik("genereer");
    // Nine in the search: after the two entries four pairs and the bye.
    ASSERT_EQ(7, Paren()->AantalRegels());
    EXPECT_EQ((QStringList{"X", "F", "", "", "", "", ""}), Soorten());
    EXPECT_TRUE(Knop("print")->isEnabled());
    EXPECT_TRUE(venster->isEnabled());

    CVensterScript script;
    script.VerwachtVenster([this](QDialog& dialoog) {
        EXPECT_EQ(QString("Indelingsberekeningen"), dialoog.windowTitle());
        auto* lijst = dialoog.findChild<CMultiLineListBox*>("berekeningen");
        EXPECT_EQ(static_cast<int>(venster->Model().LogRegels().size()), lijst->AantalRegels());
        EXPECT_EQ(QString("Volledige pairing"), lijst->Tekst(0, 0));
        EXPECT_EQ(7, lijst->columnCount());
        EXPECT_EQ(QString("Rondes niet gespeeld"), dialoog.findChild<QLabel*>("kopRondes")->text());
        QTest::mouseClick(dialoog.findChild<QPushButton*>("sluiten"), Qt::LeftButton);
        return dialoog.result();
    });
    Klik("log");
    ASSERT_TRUE(script.Klaar());

    // "Wat afdrukken?" with both boxes cleared still prints the sheet.
    const std::string pdf = tmp.Bestand("indeling.pdf");
    script.VerwachtVenster([](QDialog& dialoog) {
        EXPECT_EQ(QString("Wat afdrukken?"), dialoog.windowTitle());
        auto* uitslag = dialoog.findChild<QCheckBox*>("uitslag");
        auto* stand = dialoog.findChild<QCheckBox*>("stand");
        auto* indeling = dialoog.findChild<QCheckBox*>("indeling");
        EXPECT_TRUE(uitslag->isChecked() && stand->isChecked() && indeling->isChecked());
        EXPECT_FALSE(indeling->isEnabled());
        QTest::mouseClick(uitslag, Qt::LeftButton);
        QTest::mouseClick(stand, Qt::LeftButton);
        QTest::mouseClick(dialoog.findChild<QPushButton*>("ok"), Qt::LeftButton);
        return dialoog.result();
    });
    script.VerwachtPrinter(QString::fromStdString(pdf));
    Klik("print");
    ASSERT_TRUE(script.Klaar());
    EXPECT_EQ(0, app->settings.UitslagLaatsteRonde());
    EXPECT_EQ(0, app->settings.HuidigeStand());

    // The sheet and "indeling.inc" hold the same pairs: the fixed one first.
    ASSERT_EQ(6, app->indeling.Aantal());
    EXPECT_EQ("Ingrid Koster", app->indeling.Zwart(0));
    const std::string tekst = PdfTekst(pdf);
    const std::string inc = LeesAlles(Inc());
    std::vector<std::string> regels = GevuldeRegels(tekst);
    for (int i = 0; i < app->indeling.Aantal(); ++i) {
        std::string zwart = Cp1252NaarUtf8(app->indeling.Zwart(i));
        std::string wit = Cp1252NaarUtf8(app->indeling.Wit(i));
        EXPECT_NE(regels.end(),
                  std::find_if(regels.begin(), regels.end(),
                               [&](const auto& r) {
                                   return r.rfind(zwart + " " + (wit.empty() ? "" : wit + " "),
                                                  0) == 0;
                               }))
            << zwart << " - " << wit << "\n"
            << tekst;
        EXPECT_NE(std::string::npos, inc.find("<TR><TD>" + app->indeling.Zwart(i) +
                                              "&nbsp;</TD><TD>" + app->indeling.Wit(i)))
            << inc;
    }
    EXPECT_EQ(std::string::npos, tekst.find("Bram Visser Anneke"));
    EXPECT_EQ(1, PdfPaginas(pdf));
}

TEST_F(IndelingDlg, TheKeyboardAloneReachesEveryStepAndCancelPublishesNothing) {
    Open();
    auto* zoek = Zoek<QLineEdit>("zoek");
    QTest::keyClicks(zoek, "lucas");
    TabNaar(Spelers());
    Toets(Qt::Key_Return); // as a double click: Lucas takes part
    EXPECT_EQ(QString("-->"), Spelers()->Tekst(10, 0));
    TabNaar(Knop("toevoegen"));
    Toets(Qt::Key_Space);
    EXPECT_EQ((QStringList{"?"}), Soorten());

    TabNaar(zoek);
    zoek->selectAll();
    QTest::keyClicks(zoek, "anneke");
    TabNaar(Knop("toevoegen"));
    Toets(Qt::Key_Space);
    EXPECT_EQ((QStringList{"X"}), Soorten());
    TabNaar(Knop("wissel"));
    Toets(Qt::Key_Space);
    EXPECT_EQ((QStringList{"F"}), Soorten());
    Mnemonic(Qt::Key_T); // the "&Type" head: blocked again
    EXPECT_EQ((QStringList{"X"}), Soorten());
    EXPECT_FALSE(Knop("kopType")->isVisible());
    EXPECT_EQ(Paren(), QApplication::focusWidget());
    // With the head hidden Alt+T is "+/-"'s own key, then the head's again.
    Mnemonic(Qt::Key_T);
    EXPECT_EQ((QStringList{"F"}), Soorten());
    EXPECT_TRUE(Knop("kopType")->isVisible());
    Mnemonic(Qt::Key_T);
    EXPECT_EQ((QStringList{"X"}), Soorten());

    Mnemonic(Qt::Key_N); // names descending
    EXPECT_EQ(QString("Ren\u00e9e Jansen"), Spelers()->Tekst(0, 1));

    TabNaar(Knop("genereer"));
    Toets(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get())); // back from the progress window
    EXPECT_EQ(Knop("genereer"), QApplication::focusWidget());
    ASSERT_EQ(7, Paren()->AantalRegels()); // twelve players: six pairs after the block
    TabNaar(Knop("log"));
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        QTest::keyClick(&dialoog, Qt::Key_Return);
        return dialoog.result();
    });
    Toets(Qt::Key_Space);
    EXPECT_TRUE(script.Klaar());

    TabNaar(Knop("print"));
    script.VerwachtVenster([](QDialog& dialoog) {
        QTest::keyClick(&dialoog, Qt::Key_Escape);
        return dialoog.result();
    });
    Toets(Qt::Key_Space);
    EXPECT_TRUE(script.Klaar());
    EXPECT_EQ(0, app->indeling.Aantal());
    EXPECT_FALSE(std::filesystem::exists(Inc()));
    EXPECT_EQ(1, app->settings.UitslagLaatsteRonde());

    Mnemonic(Qt::Key_S);
    EXPECT_FALSE(venster->isVisible());
}

TEST_F(IndelingDlg, StopAsksFirstAndThenKeepsTheBestPairingFound) {
    app->settings.SetMaximaalAantalVoorVolledig(1); // the random search
    app->settings.SetExacteIndeling(0);
    app->settings.SetAantalRandomPairings(0); // until stopped
    Open();
    recorder.Verwacht("Echt onderbreken?", Antwoord::Nee);
    recorder.Verwacht("Echt onderbreken?", Antwoord::Ja);
    bool gezien = false;
    QTimer::singleShot(400, [&] {
        auto* voortgang = Voortgang();
        ASSERT_NE(nullptr, voortgang);
        gezien = true;
        EXPECT_TRUE(voortgang->isVisible());
        EXPECT_FALSE(venster->isEnabled());
        EXPECT_TRUE(voortgang->findChild<QPushButton*>("stop")->isEnabled());
        EXPECT_EQ(QString("Voortgang Oneindige Random Pairing"), voortgang->windowTitle());
        EXPECT_FALSE(voortgang->findChild<QWidget*>("balk")->isVisible());
        EXPECT_NE(QString(""), voortgang->findChild<QLabel*>("combinaties")->text());
        QTest::mouseClick(voortgang->findChild<QPushButton*>("stop"), Qt::LeftButton); // No
        // The close box asks as well; Yes stops.
        QTimer::singleShot(300, voortgang, [voortgang] { voortgang->close(); });
    });
    Klik("genereer");
    EXPECT_TRUE(gezien);
    EXPECT_TRUE(recorder.Klaar());
    for (const auto& melding : recorder.meldingen) {
        // "Nee" is the default: Enter lets the search go on.
        EXPECT_EQ(Knoppen::JaNeeStdNee, melding.knoppen);
    }
    EXPECT_TRUE(venster->isEnabled());
    EXPECT_EQ(nullptr, Voortgang());
    ASSERT_EQ(6, Paren()->AantalRegels()); // eleven players: five pairs and the bye
    EXPECT_EQ(QString("Uitgeloot"), Paren()->Tekst(5, 2));
    EXPECT_TRUE(Knop("print")->isEnabled());
    const std::vector<std::string>& log = venster->Model().LogRegels();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ("Random pairing", log.front());
}

TEST_F(IndelingDlg, APairBlockedForGoodWithTheKeyboardIsThereEveryTimeTheWindowOpens) {
    Open();
    auto* zoek = Zoek<QLineEdit>("zoek");
    for (const char* naam : {"gerda", "hans"}) {
        zoek->selectAll();
        QTest::keyClicks(zoek, naam);
        TabNaar(Knop("toevoegen"));
        Toets(Qt::Key_Space);
        TabNaar(zoek);
    }
    EXPECT_EQ((QStringList{"Gerda Smit", "Hans de Graaf", "Geblokkeerd", "X", ""}),
              Rij(Paren(), 0));
    ASSERT_TRUE(Knop("altijdBlokkeren")->isEnabled());
    Mnemonic(Qt::Key_A);
    EXPECT_EQ(QString("Altijd geblokkeerd"), Paren()->Tekst(0, 2));
    EXPECT_FALSE(Knop("altijdBlokkeren")->isEnabled());
    EXPECT_FALSE(Knop("wissel")->isEnabled()); // never to be made a fixed pair
    EXPECT_EQ(Paren(), QApplication::focusWidget());
    venster.reset();

    // Next time it is there from the start; "<--" asks, and "Nee" keeps it.
    Open();
    ASSERT_EQ(1, Paren()->AantalRegels());
    EXPECT_EQ((QStringList{"Gerda Smit", "Hans de Graaf", "Altijd geblokkeerd", "X", ""}),
              Rij(Paren(), 0));
    TabNaar(Paren());
    Toets(Qt::Key_Down);
    EXPECT_EQ(0, venster->Model().PaarSelectie());
    recorder.Verwacht("Gerda Smit en Hans de Graaf mogen nooit tegen elkaar spelen.\nDeze "
                      "blokkade voorgoed vergeten?",
                      Antwoord::Nee);
    Klik("verwijderen");
    EXPECT_EQ(1, Paren()->AantalRegels());
    EXPECT_EQ(1u, app->blokkades.Lijst().size());
}

TEST_F(IndelingDlg, AFixedPairOfTheLastRoundSaysSoBesideIt) {
    Open();
    for (const char* naam : {"Anneke", "Els"}) {
        ZoekSpeler(naam);
        Klik("toevoegen");
    }
    Klik("wissel");
    EXPECT_EQ((QStringList{"Els Bosman", "Anneke de Wit", "5 stenen, 0 komi", "F",
                           "speelden 1 ronde geleden tegen elkaar"}),
              Rij(Paren(), 0));
}

TEST_F(IndelingDlg, TheMainWindowsFunctionOpensItThroughTheOpener) {
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dialoog) {
        EXPECT_NE(nullptr, dynamic_cast<CIndelingDlg*>(&dialoog));
        dialoog.findChild<QPushButton*>("sluiten")->click();
        return dialoog.result();
    });
    ToonIndeling(*app, nullptr);
    EXPECT_TRUE(script.Klaar());
}

} // namespace
