// The paths, print preferences, HTML and pairing parameter windows offscreen,
// with the mouse and with the keyboard alone.

#include "base/mappen.h"
#include "bediening.h"
#include "configvenster.h"
#include "gui/afdrukken.h"
#include "gui/configafdrukvoorkeurdlg.h"
#include "gui/confightmldlg.h"
#include "gui/configindelingdlg.h"
#include "gui/configpadendlg.h"
#include "gui/qttekst.h"
#include "vensterscript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class InstellingVenster : public ConfigVenster {
protected:
    QLineEdit* Veld(const char* naam) const { return Zoek<QLineEdit>(naam); }
    QCheckBox* Vak(const char* naam) const { return Zoek<QCheckBox>(naam); }
    QPushButton* Knop(const char* naam) const { return Zoek<QPushButton>(naam); }
    // Replaces the text of the field with the focus, as typing over it does.
    void TypOver(const QString& tekst) {
        Toets(Qt::Key_A, Qt::ControlModifier);
        Typ(tekst);
    }
};

// --- Paden ---

TEST_F(InstellingVenster, PathsWindowLabelsAndTheBackupFieldFollowingItsBox) {
    settings->SetBackupPad("backup");
    Open<CConfigPadenDlg>();
    EXPECT_EQ(QString("Paden"), venster->windowTitle());
    EXPECT_EQ((std::map<QString, QString>{{"&Data pad:", "dataPad"},
                                          {"&Backup pad:", "backupPad"},
                                          {"&Spreadsheet:", "spreadSheet"},
                                          {"&Geschiedenis:", "geschiedenis"}}),
              Labels());
    auto* geschiedenis = Zoek<QSpinBox>("geschiedenis");
    EXPECT_EQ(100, geschiedenis->value());
    geschiedenis->setValue(0);
    EXPECT_EQ(QString("uit: geen versies bewaren"), geschiedenis->text());
    EXPECT_EQ(QString("&Maak automatisch een backup van de bestanden"), Vak("makeBackup")->text());
    EXPECT_EQ(QString("&Ok"), Knop("ok")->text());
    EXPECT_EQ(QString("&Cancel"), Knop("cancel")->text());
    EXPECT_EQ(QString("."), Veld("dataPad")->text());
    EXPECT_EQ(QString("backup"), Veld("backupPad")->text());
    EXPECT_FALSE(Veld("backupPad")->isEnabled());
    KlikVak(Vak("makeBackup"));
    EXPECT_TRUE(Veld("backupPad")->isEnabled());
    KlikVak(Vak("makeBackup"));
    EXPECT_FALSE(Veld("backupPad")->isEnabled());
    Veld("spreadSheet")->setText("/usr/bin/x");
    QTest::mouseClick(Knop("cancel"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ("xdg-open", settings->SpreadSheet());
}

TEST_F(InstellingVenster, PathsWindowWithTheKeyboardAlone) {
    Open<CConfigPadenDlg>();
    EXPECT_EQ(Veld("dataPad"), Focus());
    TypOver(QString::fromStdString(tmp.Pad() + "//Club//Data/"));
    Toets(Qt::Key_Tab);
    EXPECT_EQ(Vak("makeBackup"), Focus());
    Toets(Qt::Key_Space);
    Toets(Qt::Key_Tab);
    EXPECT_EQ(Veld("backupPad"), Focus());
    TypOver(QString::fromStdString(tmp.Pad() + "\\backup"));
    recorder
        .Verwacht("Waarschuwing:\nHet aanpassen van de datadirectory heeft niet automatisch het "
                  "verplaatsen van de betreffende bestanden tot gevolg!")
        .Verwacht("De Data Directory bestaat niet, aanmaken?", Antwoord::Nee)
        .Verwacht("De Backup Directory bestaat niet, aanmaken?", Antwoord::Ja);
    Toets(Qt::Key_Return); // "&Ok" is the default button
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(tmp.Pad() + "/Club/Data", settings->DataPad());
    EXPECT_FALSE(IsMap(tmp.Bestand("Club")));
    EXPECT_TRUE(IsMap(tmp.Bestand("backup")));
    EXPECT_EQ(1, settings->MakeBackup());
    EXPECT_EQ(100, settings->Geschiedenis());

    // Again: the data path is unchanged now, the backup folder exists.
    Open<CConfigPadenDlg>();
    ASSERT_TRUE(TabNaar(Zoek<QSpinBox>("geschiedenis")));
    TypOver("25");
    Mnemonic(Qt::Key_O);
    EXPECT_EQ(25, settings->Geschiedenis());
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(3u, recorder.meldingen.size());
}

// --- Afdrukvoorkeur ---

TEST_F(InstellingVenster, PrintPreferencesListOnlyMonospacedFamilies) {
    settings->SetLettertype("DejaVu Sans Mono");
    Open<CConfigAfdrukvoorkeurDlg>();
    EXPECT_EQ(QString("Afdrukvoorkeur"), venster->windowTitle());
    EXPECT_EQ(
        (std::map<QString, QString>{{"&Lettertype:", "lettertypen"}, {"&Grootte:", "groottes"}}),
        Labels());
    auto* lettertypen = Zoek<QListWidget>("lettertypen");
    QStringList namen;
    for (int i = 0; i < lettertypen->count(); ++i) {
        namen << lettertypen->item(i)->text();
        EXPECT_TRUE(QFontDatabase::isFixedPitch(namen.back())) << namen.back().toStdString();
    }
    EXPECT_EQ(namen.size(), QSet<QString>(namen.begin(), namen.end()).size());
    EXPECT_TRUE(namen.contains("DejaVu Sans Mono"));
    ASSERT_TRUE(QFontDatabase::families().contains("DejaVu Sans"));
    EXPECT_FALSE(namen.contains("DejaVu Sans")); // a proportional face
    EXPECT_EQ(QString("DejaVu Sans Mono"), lettertypen->currentItem()->text());
    EXPECT_EQ(QString("Voorbeeld"), Zoek<QLabel>("voorbeeld")->text());
    EXPECT_EQ(QString("DejaVu Sans Mono"), Zoek<QLabel>("voorbeeld")->font().family());
    EXPECT_EQ(12.0, Zoek<QLabel>("voorbeeld")->font().pointSizeF());
}

// Without the stored font the window chooses the one that printing uses
// instead, and says so; OK stores it.
TEST_F(InstellingVenster, PrintPreferencesWithoutTheStoredFontChooseWhatPrintingUses) {
    settings->SetLettertype("Courier New"); // not installed here
    const QString gebruikt = QFontInfo(LijstLettertype(*settings)).family();
    Open<CConfigAfdrukvoorkeurDlg>();
    auto* lettertypen = Zoek<QListWidget>("lettertypen");
    EXPECT_EQ(gebruikt, lettertypen->selectedItems().value(0)->text());
    auto* opmerking = Zoek<QLabel>("opmerking");
    EXPECT_TRUE(opmerking->isVisible());
    EXPECT_EQ(QString::fromUtf8("'Courier New' is niet geïnstalleerd; het afdrukken gebruikt '") +
                  gebruikt + "'.",
              opmerking->text());
    EXPECT_EQ(opmerking->text(), lettertypen->accessibleDescription());
    EXPECT_EQ(gebruikt, Zoek<QLabel>("voorbeeld")->font().family());
    // At its smallest the window shows every name whole and the chosen one in sight.
    venster->resize(venster->minimumSizeHint());
    QApplication::processEvents();
    QListWidgetItem* gekozen = lettertypen->selectedItems().value(0);
    EXPECT_TRUE(lettertypen->viewport()->rect().contains(lettertypen->visualItemRect(gekozen)));
    for (int i = 0; i < lettertypen->count(); ++i) {
        EXPECT_LE(lettertypen->sizeHintForIndex(lettertypen->model()->index(i, 0)).width(),
                  lettertypen->viewport()->width())
            << lettertypen->item(i)->text().toStdString();
        EXPECT_EQ(lettertypen->item(i)->text(), lettertypen->item(i)->toolTip());
    }
    ASSERT_TRUE(Knop("ok")->isEnabled());
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(VanQString(gebruikt), settings->Lettertype());
    EXPECT_EQ(gebruikt, QFontInfo(LijstLettertype(*settings)).family());

    // The stored font is there now: no remark.
    Open<CConfigAfdrukvoorkeurDlg>();
    EXPECT_FALSE(Zoek<QLabel>("opmerking")->isVisible());
}

TEST_F(InstellingVenster, PrintPreferencesSizeWithTheMouseAndOkOnlyWithBothChosen) {
    settings->SetLetterGrootte(250); // outside the list
    Open<CConfigAfdrukvoorkeurDlg>();
    auto* groottes = Zoek<QListWidget>("groottes");
    ASSERT_EQ(180, groottes->count());
    EXPECT_TRUE(groottes->selectedItems().isEmpty());
    EXPECT_FALSE(Knop("ok")->isEnabled());
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_TRUE(venster->isVisible());

    auto* lettertypen = Zoek<QListWidget>("lettertypen");
    const int mono =
        lettertypen->row(lettertypen->findItems("DejaVu Sans Mono", Qt::MatchExactly).value(0));
    ASSERT_GE(mono, 0);
    lettertypen->scrollToItem(lettertypen->item(mono));
    QTest::mouseClick(lettertypen->viewport(), Qt::LeftButton, {},
                      lettertypen->visualItemRect(lettertypen->item(mono)).center());
    groottes->scrollToItem(groottes->item(65));
    QTest::mouseClick(groottes->viewport(), Qt::LeftButton, {},
                      groottes->visualItemRect(groottes->item(65)).center());
    EXPECT_EQ(9.5, Zoek<QLabel>("voorbeeld")->font().pointSizeF());
    ASSERT_TRUE(Knop("ok")->isEnabled());
    KlikVak(Vak("standOpNieuwePagina"));
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(95, settings->LetterGrootte());
    EXPECT_EQ("DejaVu Sans Mono", settings->Lettertype());
    EXPECT_EQ(1, settings->StandOpNieuwePagina());
}

TEST_F(InstellingVenster, PrintPreferencesWithTheKeyboardAlone) {
    settings->SetLettertype("DejaVu Sans Mono");
    Open<CConfigAfdrukvoorkeurDlg>();
    ASSERT_TRUE(TabNaar(Zoek<QListWidget>("groottes")));
    Toets(Qt::Key_Down);
    EXPECT_EQ(QString("12.1"), Zoek<QListWidget>("groottes")->selectedItems().value(0)->text());
    EXPECT_EQ(12.1, Zoek<QLabel>("voorbeeld")->font().pointSizeF());
    ASSERT_TRUE(TabNaar(Vak("indelingOpNieuwePagina")));
    Toets(Qt::Key_Space);
    Toets(Qt::Key_Return);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(121, settings->LetterGrootte());
    EXPECT_EQ(1, settings->IndelingOpNieuwePagina());
}

// --- HTML uitvoer ---

TEST_F(InstellingVenster, HtmlWindowLabelsListsAndTheEnableRule) {
    settings->SetPoort("2121");
    auto& dlg = Open<CConfigHtmlDlg>();
    EXPECT_EQ(QString("Instellen HTML uitvoer"), venster->windowTitle());
    EXPECT_EQ((std::map<QString, QString>{{"&Uitslag laatste ronde:", "uitslag"},
                                          {"A&lle uitslagen:", "uitslagen"},
                                          {"&Stand:", "stand"},
                                          {"&Indeling nieuwe ronde:", "indeling"},
                                          {"&Klassenverloop (grafiek):", "klassenverloop"},
                                          {"Methode", "ftp"},
                                          {"Ser&ver / poort", "server"},
                                          {"Poo&rt:", "poort"},
                                          {"&Gebruikersnaam", "gebruikersnaam"},
                                          {"&Wachtwoord", "wachtwoord"},
                                          {"Pa&d op de server", "remoteDirectory"},
                                          {"&Certificaatbestand (FTPS)", "certificaat"}}),
              Labels());
    EXPECT_EQ(QString("&OK"), Knop("ok")->text());
    EXPECT_EQ(QString("&Afbreken"), Knop("afbreken")->text());
    auto* stand = Zoek<QComboBox>("stand");
    EXPECT_EQ((QStringList{"Bestand niet aanmaken", "Bestand aanmaken, niet uploaden",
                           "Bestand aanmaken en uploaden"}),
              (QStringList{stand->itemText(0), stand->itemText(1), stand->itemText(2)}));
    EXPECT_EQ(0, stand->currentIndex());
    EXPECT_TRUE(Zoek<QRadioButton>("ftp")->isChecked());

    const char* const uploadVelden[] = {
        "server",          "poort",        "gebruikersnaam",      "wachtwoord",
        "remoteDirectory", "competitieId", "automatischAfsluiten"};
    auto aan = [this](const char* naam) { return venster->findChild<QWidget*>(naam)->isEnabled(); };
    for (const char* naam : uploadVelden) {
        EXPECT_FALSE(aan(naam)) << naam;
    }
    EXPECT_TRUE(aan("passief"));
    QTest::mouseClick(Zoek<QRadioButton>("sftp"), Qt::LeftButton);
    EXPECT_FALSE(aan("passief"));
    EXPECT_EQ(QString("22"), Veld("poort")->text());

    stand->setCurrentIndex(2);
    for (const char* naam : uploadVelden) {
        EXPECT_TRUE(aan(naam)) << naam;
    }
    EXPECT_FALSE(aan("passief"));
    EXPECT_FALSE(aan("certificaat"));
    QTest::mouseClick(Zoek<QRadioButton>("ftps"), Qt::LeftButton);
    EXPECT_TRUE(aan("passief"));
    EXPECT_TRUE(aan("certificaat"));
    EXPECT_TRUE(aan("bladeren"));
    EXPECT_EQ(QString("21"), Veld("poort")->text());
    QTest::mouseClick(Zoek<QRadioButton>("ftp"), Qt::LeftButton);
    EXPECT_TRUE(aan("passief"));
    EXPECT_FALSE(aan("certificaat"));
    EXPECT_FALSE(aan("bladeren"));
    EXPECT_EQ(QString("21"), Veld("poort")->text());
    QTest::mouseClick(Knop("afbreken"), Qt::LeftButton);
    EXPECT_EQ(QDialog::Rejected, dlg.result());
    EXPECT_EQ("2121", settings->Poort());
    EXPECT_EQ(0, settings->HtmlStand());
}

TEST_F(InstellingVenster, HtmlWindowPasswordPlaceholderKeptOrTyped) {
    settings->SetWachtwoord("geheim");
    Open<CConfigHtmlDlg>();
    EXPECT_EQ(QString("1234567890123456"), Veld("wachtwoord")->text());
    EXPECT_EQ(QLineEdit::Password, Veld("wachtwoord")->echoMode());
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_EQ("geheim", settings->Wachtwoord());

    Open<CConfigHtmlDlg>();
    Zoek<QComboBox>("uitslag")->setCurrentIndex(2);
    Veld("wachtwoord")->setFocus();
    Veld("wachtwoord")->end(false);
    Toets(Qt::Key_Backspace);
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_EQ("123456789012345", settings->Wachtwoord());
    EXPECT_EQ(2, settings->HtmlUitslag());
}

TEST_F(InstellingVenster, HtmlWindowFtpsWithTheClubsCertificateFile) {
    settings->SetHtmlUitslag(2);
    CVensterScript script;
    script.VerwachtBestand(QString::fromUtf8("/etc/club/café-ca.pem"));
    Open<CConfigHtmlDlg>();
    auto* ftps = Zoek<QRadioButton>("ftps");
    EXPECT_EQ(QString("FTPS"), ftps->accessibleName());
    EXPECT_FALSE(ftps->isChecked());
    // Alt+T chooses FTPS, Alt+B browses, Alt+C goes to the file field.
    Veld("server")->setFocus();
    Mnemonic(Qt::Key_T);
    EXPECT_TRUE(ftps->isChecked());
    Mnemonic(Qt::Key_B);
    EXPECT_EQ(QStringList{"Certificaatbestand"}, script.bestandTitels);
    EXPECT_EQ(QString::fromUtf8("/etc/club/café-ca.pem"), Veld("certificaat")->text());
    Mnemonic(Qt::Key_C);
    EXPECT_EQ(Veld("certificaat"), Focus());
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_EQ("FTPS", settings->HtmlMethode());
    EXPECT_EQ("/etc/club/caf\xE9-ca.pem", settings->HtmlCertificaat());
}

TEST_F(InstellingVenster, HtmlWindowWithTheKeyboardAloneAndFromElsewhere) {
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& d) {
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        auto* indeling = d.findChild<QComboBox*>("indeling");
        indeling->setFocus();
        Toets(Qt::Key_Down);
        Toets(Qt::Key_Down);
        EXPECT_EQ(2, indeling->currentIndex());
        EXPECT_TRUE(TabNaar(d.findChild<QRadioButton*>("ftp")));
        Toets(Qt::Key_Right); // the other radio button of the group
        EXPECT_TRUE(d.findChild<QRadioButton*>("sftp")->isChecked());
        EXPECT_TRUE(TabNaar(d.findChild<QLineEdit*>("server")));
        Typ(" ftp.club.nl ");
        Toets(Qt::Key_Tab);
        Typ("x9"); // Tab selected "22"; only the digit replaces it
        EXPECT_EQ(QString("9"), d.findChild<QLineEdit*>("poort")->text());
        Toets(Qt::Key_Return);
        return d.result();
    });
    EXPECT_EQ(QDialog::Accepted, ToonHtmlInstellingen(*settings, nullptr));
    EXPECT_EQ(2, settings->HtmlIndeling());
    EXPECT_EQ("SFTP", settings->HtmlMethode());
    EXPECT_EQ(" ftp.club.nl ", settings->Server());
    EXPECT_EQ("9", settings->Poort());
}

TEST_F(InstellingVenster, HtmlWindowFieldsPutInThroughTheAccessibilityInterface) {
    settings->SetHtmlUitslag(2);
    Open<CConfigHtmlDlg>();
    ZetViaToegang(Veld("server"), "ftp.club.nl");
    ZetViaToegang(Veld("poort"), "x2 1"); // no validator on this route: the digits stay
    EXPECT_EQ(QString("21"), Veld("poort")->text());
    ZetViaToegang(Veld("gebruikersnaam"), "bestuur");
    ZetViaToegang(Veld("wachtwoord"), "nieuw geheim");
    ZetViaToegang(Veld("remoteDirectory"), "/www/go");
    DrukViaToegang(Knop("ok"));
    EXPECT_EQ("ftp.club.nl", settings->Server());
    EXPECT_EQ("21", settings->Poort());
    EXPECT_EQ("bestuur", settings->Gebruikersnaam());
    EXPECT_EQ("nieuw geheim", settings->Wachtwoord());
    EXPECT_EQ("/www/go", settings->RemoteDirectory());
}

// --- Indelingsparameters ---

TEST_F(InstellingVenster, PairingParametersWithTheirLabelsAndGroups) {
    Open<CConfigIndelingDlg>();
    EXPECT_EQ(QString("Indelingsparameters"), venster->windowTitle());
    const std::map<QString, QString> labels = Labels();
    ASSERT_EQ(10u, labels.size());
    EXPECT_EQ(QString("penaltyKlasseVerschilLaag"),
              labels.at("&Penalty per klasseverschil onder/boven de grens (10/20):"));
    // The high class penalty shares that line under a label of its own.
    EXPECT_EQ(QString("penaltyKlasseVerschilHoog"), labels.at("bo&ven:"));
    EXPECT_EQ(QString("maximaalAantalVoorVolledig"),
              labels.at("&Maximum aantal pairings voor berekenen alle permutaties (8):"));
    QStringList groepen;
    for (QGroupBox* groep : venster->findChildren<QGroupBox*>()) {
        groepen << groep->title();
    }
    EXPECT_TRUE(groepen.contains("Extra punten voor klasseverschil per tegenstanders"));
    EXPECT_TRUE(groepen.contains(
        "Aftrekpunten voor aantal rondes dat deze tegenstanders elkaar niet getroffen hebben"));
    EXPECT_EQ(QString("20"), Veld("penaltyKlasseVerschilHoog")->text());
    EXPECT_EQ(QString("&Ok"), Knop("ok")->text());
    EXPECT_EQ(QString("&Cancel"), Knop("cancel")->text());

    // OK without a change marks nothing.
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_FALSE(settings->Gewijzigd());
}

TEST_F(InstellingVenster, PairingParametersWithTheKeyboardAlone) {
    Open<CConfigIndelingDlg>();
    EXPECT_EQ(Veld("maximaalAantalVoorVolledig"), Focus());
    TypOver("10 paren");
    ASSERT_TRUE(TabNaar(Veld("penaltyKlasseVerschilHoog")));
    TypOver("-25");
    Mnemonic(Qt::Key_C);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(8, settings->MaximaalAantalVoorVolledig());

    Open<CConfigIndelingDlg>();
    TypOver("10 paren");
    ASSERT_TRUE(TabNaar(Veld("penaltyKlasseVerschilHoog")));
    TypOver("-25");
    Mnemonic(Qt::Key_O);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(10, settings->MaximaalAantalVoorVolledig());
    EXPECT_EQ(-25, settings->PenaltyKlasseVerschilHoog());
    EXPECT_TRUE(settings->Gewijzigd());
}

TEST_F(InstellingVenster, PairingParametersExactPairingCheckBox) {
    Open<CConfigIndelingDlg>();
    QCheckBox* exact = Vak("exacteIndeling");
    EXPECT_EQ(QString("Boven het maximum de &exacte indeling berekenen (altijd de laagste score)"),
              exact->text());
    EXPECT_TRUE(exact->isChecked()); // the default
    // Reached with the keyboard and unchecked with the space bar.
    ASSERT_TRUE(TabNaar(exact));
    Toets(Qt::Key_Space);
    EXPECT_FALSE(exact->isChecked());
    Mnemonic(Qt::Key_C);
    EXPECT_EQ(1, settings->ExacteIndeling());
    EXPECT_FALSE(settings->Gewijzigd());

    Open<CConfigIndelingDlg>();
    KlikVak(Vak("exacteIndeling"));
    QTest::mouseClick(Knop("ok"), Qt::LeftButton);
    EXPECT_EQ(0, settings->ExacteIndeling());
    EXPECT_TRUE(settings->Gewijzigd());

    Open<CConfigIndelingDlg>();
    EXPECT_FALSE(Vak("exacteIndeling")->isChecked());
}

} // namespace
