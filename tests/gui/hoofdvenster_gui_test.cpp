#include "app/morvelapp.h"
#include "base/mappen.h"
#include "gui/klassenverloopdlg.h"
#include "gui/geschiedenisdlg.h"
#include "gui/morveldlg.h"
#include "gui/multilinelistbox.h"
#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

const char* const kCompetitieCommandos[] = {
    "leden", "uitslagen", "indeling", "inschrijflijst", "klassenverloop", "stand", "geschiedenis"};
const char* const kAltijdAan[] = {"nieuweCompetitie", "configuratie", "afsluiten"};

std::string Voorbeeld(const std::string& naam) {
    return std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/" + naam;
}

// A data file with LF line ends: a write of it (always CR LF) shows at once.
std::string DataFile(const std::string& speler) {
    return "versie=2\n\n[Spelers]\n1 \"" + speler + "\" 150 J J N\n\n[Uitslagen]\n";
}

// A data directory with competitions, a profile and the main window on them.
class Hoofdvenster : public ::testing::Test {
protected:
    void SetUp() override {
        data = tmp.Bestand("data");
        MaakMappen(data, false);
        std::filesystem::copy_file(Voorbeeld("morvel.ini"), tmp.Bestand("morvel.ini"));
    }

    void MaakCompetitie(const std::string& naam, const std::string& speler) {
        MaakMappen(data + "/" + naam, false);
        SchrijfAlles(data + "/" + naam + "/" + naam + ".txt", DataFile(speler));
    }

    // Makes the application object on the data directory and shows the main window.
    void Start(const std::string& huidigePeriode) {
        app = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
        app->settings.SetDataPad(data);
        app->settings.SetHuidigePeriode(huidigePeriode);
        app->settings.SetMakeBackup(1);
        app->settings.SetBackupPad(tmp.Bestand("backup"));
        venster = std::make_unique<CMorvelDlg>(*app);
        venster->show();
        QCoreApplication::processEvents(); // the competitions are opened once it is shown
        lijst = venster->findChild<QComboBox*>("competitie");
        ASSERT_NE(nullptr, lijst);
    }

    // Picks the competition `naam` in the list as the administrator does.
    void Kies(const QString& naam) {
        int index = lijst->findText(naam);
        ASSERT_GE(index, 0) << naam.toStdString();
        lijst->setCurrentIndex(index);
        emit lijst->activated(index);
    }

    QStringList Namen() const {
        QStringList namen;
        for (int i = 0; i < lijst->count(); ++i) {
            namen << lijst->itemText(i);
        }
        return namen;
    }

    bool Aan(const char* knop) const {
        auto* k = venster->findChild<QPushButton*>(knop);
        EXPECT_NE(nullptr, k) << knop;
        return k && k->isEnabled();
    }

    void VerwachtCommandos(bool aan) const {
        for (const char* knop : kCompetitieCommandos) {
            EXPECT_EQ(aan, Aan(knop)) << knop;
        }
        for (const char* knop : kAltijdAan) {
            EXPECT_TRUE(Aan(knop)) << knop;
        }
    }

    std::string Bestand(const std::string& naam) const {
        return data + "/" + naam + "/" + naam + ".txt";
    }

    void VoegSpelerToe(const char* naam) {
        std::string tekst = naam;
        ASSERT_EQ(0, app->competitie.spelers.VoegToe(app->competitie.spelers.HoogsteNummer() + 1,
                                                     tekst, 200, 1, 1, 0));
    }

    CTijdelijkeMap tmp;
    CMeldingRecorder recorder;
    std::string data;
    std::unique_ptr<CMorvelApp> app;
    std::unique_ptr<CMorvelDlg> venster;
    QComboBox* lijst = nullptr;
};

} // namespace

TEST_F(Hoofdvenster, ToontHetVensterMetZijnKnoppen) {
    Start("");
    EXPECT_EQ(QString("Morvel Competitie Beheer"), venster->windowTitle());
    EXPECT_FALSE(venster->windowIcon().isNull());
    auto* afsluiten = venster->findChild<QPushButton*>("afsluiten");
    ASSERT_NE(nullptr, afsluiten);
    EXPECT_TRUE(afsluiten->isDefault());
    EXPECT_FALSE(lijst->isEditable());
}

TEST_F(Hoofdvenster, MappenAlfabetischEnDeBewaardeCompetitieOpBeginLetters) {
    MaakCompetitie("Voorjaar", "Vera Voorjaar");
    MaakCompetitie("Najaar", "Nico Najaar");
    MaakCompetitie("appel", "Ad Appel");
    SchrijfAlles(data + "/los.txt", "geen competitie");
    Start("voor");
    EXPECT_EQ((QStringList{"appel", "Najaar", "Voorjaar"}), Namen());
    EXPECT_EQ(QString("Voorjaar"), lijst->currentText());
    EXPECT_EQ(Bestand("Voorjaar"), app->competitie.datafile);
    ASSERT_EQ(1u, app->competitie.spelers.Aantal());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Vera Voorjaar"));
    EXPECT_EQ("Voorjaar", app->settings.HuidigePeriode());
    VerwachtCommandos(true);
}

TEST_F(Hoofdvenster, WisselenSchrijftDeOudeAlleenNaEenWijzigingMetBackup) {
    MaakCompetitie("Najaar", "Nico Najaar");
    MaakCompetitie("Voorjaar", "Vera Voorjaar");
    Start("Najaar");

    Kies("Voorjaar");
    EXPECT_EQ(DataFile("Nico Najaar"), LeesAlles(Bestand("Najaar")));
    EXPECT_EQ(0, IsMap(tmp.Bestand("backup")));
    EXPECT_EQ("Voorjaar", app->settings.HuidigePeriode());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Vera Voorjaar"));

    VoegSpelerToe("Wim Wissel");
    Kies("Najaar");
    std::string geschreven = LeesAlles(Bestand("Voorjaar"));
    EXPECT_NE(std::string::npos, geschreven.find("\"Wim Wissel\" 200 J J N\r\n"));
    EXPECT_EQ(geschreven, LeesAlles(tmp.Bestand("backup/Voorjaar.txt")));
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Nico Najaar"));
    VerwachtCommandos(true);
}

TEST_F(Hoofdvenster, AfsluitenSchrijftZonderVraag) {
    MaakCompetitie("Najaar", "Nico Najaar");
    Start("Najaar");
    VoegSpelerToe("Sien Sluiter");
    QTest::keyClick(venster.get(), Qt::Key_Escape);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Sien Sluiter"));
    EXPECT_FALSE(app->competitie.IsGewijzigd());
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(Hoofdvenster, AfsluitenKnopSchrijftOok) {
    MaakCompetitie("Najaar", "Nico Najaar");
    Start("Najaar");
    VoegSpelerToe("Sien Sluiter");
    QTest::mouseClick(venster->findChild<QPushButton*>("afsluiten"), Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Sien Sluiter"));
}

TEST_F(Hoofdvenster, KlassenverloopSchrijftHetCsvBestandEnOpentDeGrafiek) {
    MaakCompetitie("Najaar", "Nico Najaar");
    Start("Najaar");
    CVensterScript script;
    script.VerwachtVenster([this](QDialog& d) {
        // The file is written first, and the spreadsheet is one button away.
        EXPECT_EQ(";Nico Najaar;\r\n", LeesAlles(data + "/Najaar/Najaar.csv"));
        EXPECT_NE(nullptr, qobject_cast<CKlassenverloopDlg*>(&d));
        EXPECT_EQ(QString("Morvel Competitie Beheer / Klassenverloop"), d.windowTitle());
        EXPECT_TRUE(d.findChild<QPushButton*>("spreadsheet")->isEnabled());
        return QDialog::Rejected;
    });
    QTest::mouseClick(venster->findChild<QPushButton*>("klassenverloop"), Qt::LeftButton);
    EXPECT_TRUE(recorder.meldingen.empty()); // no question before the window

    // A file that cannot be written is told, and the chart still opens, without the spreadsheet.
    std::filesystem::remove(data + "/Najaar/Najaar.csv");
    std::filesystem::create_directory(data + "/Najaar/Najaar.csv");
    recorder.VerwachtWillekeurig();
    script.VerwachtVenster([](QDialog& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("spreadsheet")->isEnabled());
        return QDialog::Rejected;
    });
    QTest::mouseClick(venster->findChild<QPushButton*>("klassenverloop"), Qt::LeftButton);
    EXPECT_EQ(0u, recorder.meldingen.back().tekst.find("Het bestand '"));
}

TEST_F(Hoofdvenster, MapZonderDatabestandZetDeCommandosUit) {
    MaakCompetitie("Najaar", "Nico Najaar");
    MaakMappen(data + "/Leeg", false);
    SchrijfAlles(data + "/Leeg/notities.doc", "geen .txt");
    Start("Najaar");
    VerwachtCommandos(true);
    Kies("Leeg");
    EXPECT_EQ("", app->competitie.datafile);
    EXPECT_EQ(0u, app->competitie.spelers.Aantal());
    VerwachtCommandos(false);
}

TEST_F(Hoofdvenster, ZonderCompetitiesOfBewaardeNaamBlijvenDeCommandosUit) {
    Start("Najaar");
    EXPECT_EQ(0, lijst->count());
    VerwachtCommandos(false);

    MaakCompetitie("Voorjaar", "Vera Voorjaar");
    venster->VernieuwCompetities();
    EXPECT_EQ(-1, lijst->currentIndex());
    EXPECT_EQ("", app->competitie.datafile);
    VerwachtCommandos(false);
}

TEST_F(Hoofdvenster, EenAndereDataMapLaatDeOpenCompetitieInHetGeheugen) {
    MaakCompetitie("Najaar", "Nico Najaar");
    Start("Najaar");
    VoegSpelerToe("Gijs Geheugen");
    app->settings.SetDataPad(tmp.Bestand("elders"));
    venster->VernieuwCompetities();
    VerwachtCommandos(false);
    EXPECT_TRUE(app->competitie.IsGewijzigd());
    venster->close();
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Gijs Geheugen"));
}

TEST_F(Hoofdvenster, EenMislukteSchrijfactieHoudtDeWijzigingenVast) {
    MaakCompetitie("Najaar", "Nico Najaar");
    MaakCompetitie("Voorjaar", "Vera Voorjaar");
    Start("Najaar");
    VoegSpelerToe("Berend Bewaard");
    std::filesystem::remove_all(data + "/Najaar");
    std::string fout = "CMorvelApp::Schrijf()\nDe datafile '" + Bestand("Najaar") +
                       "' kan niet geopend worden!\nDe reden: 'No such file or directory'";

    recorder.Verwacht(fout);
    Kies("Voorjaar");
    EXPECT_EQ(QString("Najaar"), lijst->currentText());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Berend Bewaard"));
    EXPECT_EQ("Najaar", app->settings.HuidigePeriode());

    const std::string vraag = "De wijzigingen in de competitie zijn niet opgeslagen.\n"
                              "Toch afsluiten? De wijzigingen gaan dan verloren.";
    recorder.Verwacht(fout).Verwacht(vraag, Antwoord::Nee);
    venster->close();
    EXPECT_TRUE(venster->isVisible());

    MaakMappen(data + "/Najaar", false);
    venster->close();
    EXPECT_FALSE(venster->isVisible());
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Berend Bewaard"));
}

TEST_F(Hoofdvenster, EenLegeDataMapIsDeProgrammaMap) {
    // An empty data directory is the program's folder, as "." is.
    std::string naam = "morvel-lege-datamap-" + std::to_string(::getpid());
    std::string map = QCoreApplication::applicationDirPath().toStdString() + "/" + naam;
    MaakMappen(map, false);
    SchrijfAlles(map + "/" + naam + ".txt", DataFile("Lena Leeg"));
    Start(naam);
    app->settings.SetDataPad("");
    venster->VernieuwCompetities();
    EXPECT_EQ(QString::fromStdString(naam), lijst->currentText());
    EXPECT_EQ(map, app->competitie.competitieMap);
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Lena Leeg"));
    VerwachtCommandos(true);
    venster.reset();
    std::filesystem::remove_all(map);
}

TEST_F(Hoofdvenster, HetVoorbeeldOpentZonderMeldingen) {
    std::filesystem::copy(Voorbeeld("competities"), data, std::filesystem::copy_options::recursive);
    Start("Voorjaar 2025");
    EXPECT_EQ(QString("Voorjaar 2025"), lijst->currentText());
    EXPECT_EQ(12u, app->competitie.spelers.Aantal());
    EXPECT_EQ(4, app->competitie.rondes.Aantal());
    EXPECT_NE(nullptr, app->competitie.spelers.ZoekNaam("Ren\xE9"
                                                        "e Jansen"));
    VerwachtCommandos(true);
    EXPECT_TRUE(recorder.meldingen.empty());
}

TEST_F(Hoofdvenster, GeschiedenisToontDeVersiesVanDeOpenCompetitie) {
    MaakCompetitie("Najaar", "Nico Najaar");
    MaakCompetitie("Voorjaar", "Vera Voorjaar");
    Start("Najaar");
    auto* knop = venster->findChild<QPushButton*>("geschiedenis");
    ASSERT_NE(nullptr, knop);
    EXPECT_EQ(QString("&Geschiedenis"), knop->text());
    EXPECT_EQ(QString("Geschiedenis"), knop->accessibleName());
    auto* groep = qobject_cast<QGroupBox*>(knop->parentWidget());
    ASSERT_NE(nullptr, groep);
    EXPECT_EQ(QString("Onderhoud"), groep->title());

    VoegSpelerToe("Wim Wissel");
    Kies("Voorjaar"); // the write that keeps the state it replaces
    Kies("Najaar");
    CVensterScript script;
    script.VerwachtVenster([](QDialog& dlg) {
        EXPECT_NE(nullptr, dynamic_cast<CGeschiedenisDlg*>(&dlg));
        EXPECT_EQ(QString("Morvel Competitie Beheer / Geschiedenis"), dlg.windowTitle());
        auto* versies = dlg.findChild<CMultiLineListBox*>("versies");
        EXPECT_EQ(1, versies ? versies->AantalRegels() : 0);
        EXPECT_EQ(QString("sindsdien 1 speler meer: 'Wim Wissel'"),
                  versies ? versies->Tekst(0, 4) : QString());
        return QDialog::Rejected;
    });
    QApplication::setActiveWindow(venster.get());
    QTest::keyClick(venster.get(), Qt::Key_G, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_TRUE(script.Klaar());
}

TEST_F(Hoofdvenster, EenTweedeProgrammaOpentDeCompetitieAlleenLezen) {
    MaakCompetitie("Najaar", "Nico Najaar");
    Start("Najaar");
    auto tweedeApp = std::make_unique<CMorvelApp>(tmp.Bestand("morvel.ini"));
    tweedeApp->settings.SetDataPad(data);
    tweedeApp->settings.SetHuidigePeriode("Najaar");
    recorder.VerwachtWillekeurig(Antwoord::Ja);
    auto tweede = std::make_unique<CMorvelDlg>(*tweedeApp);
    tweede->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.Klaar());
    EXPECT_EQ(QString("Morvel Competitie Beheer (alleen lezen)"), tweede->windowTitle());
    EXPECT_EQ(QString("Morvel Competitie Beheer"), venster->windowTitle());

    tweedeApp->competitie.spelers.ZetGewijzigd();
    tweede->accept();
    tweede.reset();
    tweedeApp.reset();
    EXPECT_EQ(DataFile("Nico Najaar"), LeesAlles(Bestand("Najaar")));

    VoegSpelerToe("Eerste Programma");
    venster->accept();
    EXPECT_NE(std::string::npos, LeesAlles(Bestand("Najaar")).find("Eerste Programma"));
}
