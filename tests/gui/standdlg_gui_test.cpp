// The standings window offscreen: its controls, and printing through the
// window opener into PDF files.

#include "app/morvelapp.h"
#include "gui/standdlg.h"
#include "melding_recorder.h"
#include "pdf_inhoud.h"
#include "tijdelijke_map.h"
#include "vensterscript.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class StandDlg : public ::testing::Test {
protected:
    void SetUp() override {
        SchrijfAlles(map.Bestand("morvel.ini"), Fixture("settings/standformules.ini"));
        app = std::make_unique<CMorvelApp>(map.Bestand("morvel.ini"));
    }

    // Opens `competitie` and shows the window on it.
    void Toon(const std::string& competitie) {
        ASSERT_EQ(0, app->OpenCompetitie(competitie));
        venster = std::make_unique<CStandDlg>(*app);
        venster->show();
        rondes = venster->findChild<QListWidget*>("rondes");
        afdrukken = venster->findChild<QPushButton*>("afdrukken");
        sluiten = venster->findChild<QPushButton*>("sluiten");
        ASSERT_TRUE(rondes && afdrukken && sluiten);
    }

    // Presses "&Afdrukken" with the print dialog answered by PDF output into
    // `pad` (empty: Cancel).
    void DrukAf(const std::string& pad) {
        CVensterScript script;
        script.VerwachtPrinter(QString::fromStdString(pad));
        QTest::mouseClick(afdrukken, Qt::LeftButton);
    }

    CTijdelijkeMap map;
    CMeldingRecorder recorder;
    std::unique_ptr<CMorvelApp> app;
    std::unique_ptr<CStandDlg> venster;
    QListWidget* rondes = nullptr;
    QPushButton* afdrukken = nullptr;
    QPushButton* sluiten = nullptr;
};

TEST_F(StandDlg, TheRoundsWithTheLastSelected) {
    Toon(FixturePad("stand/Voorjaar 2024"));
    EXPECT_EQ("Morvel Competitie Beheer / Stand", venster->windowTitle());
    ASSERT_EQ(3, rondes->count());
    EXPECT_EQ("12 mei", rondes->item(0)->text());
    EXPECT_EQ("26 mei", rondes->item(2)->text());
    EXPECT_EQ(2, rondes->currentRow());
    EXPECT_TRUE(rondes->item(2)->isSelected());

    bool labelGevonden = false;
    for (QLabel* label : venster->findChildren<QLabel*>()) {
        if (label->text() == "Afdrukken stand na ronde:") {
            labelGevonden = true;
            EXPECT_EQ(rondes, label->buddy());
        }
    }
    EXPECT_TRUE(labelGevonden);
    EXPECT_EQ("&Afdrukken", afdrukken->text());
    EXPECT_EQ("&Sluiten", sluiten->text());
    EXPECT_TRUE(afdrukken->isEnabled());
}

TEST_F(StandDlg, PrintsTheStandingsAfterTheSelectedRoundAndStaysOpen) {
    Toon(FixturePad("stand/Voorjaar 2024"));
    rondes->setCurrentRow(0);
    const std::string pdf = map.Bestand("stand.pdf");
    DrukAf(pdf);
    EXPECT_TRUE(venster->isVisible());
    ASSERT_EQ(1, PdfPaginas(pdf));
    std::vector<std::string> regels = GevuldeRegels(PdfTekst(pdf));
    auto bevat = [&regels](const std::string& regel) {
        return std::find(regels.begin(), regels.end(), regel) != regels.end();
    };
    EXPECT_TRUE(bevat("Morvel Competitie Beheer - Voorjaar 2024")) << PdfTekst(pdf);
    EXPECT_TRUE(bevat("Stand na ronde '12 mei'"));
    EXPECT_TRUE(bevat("Anna de Vries 19.5 1 0 0 1 + 1 100 2"));
    EXPECT_TRUE(bevat("Bartholomeus van der Heij 16.0 0 1 0 1 - 1 0 0"));
    EXPECT_FALSE(bevat("Stand na ronde '26 mei'"));

    // Cancel prints nothing; the window stays open.
    std::filesystem::remove(pdf);
    DrukAf("");
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(venster->isVisible());

    // Another round, printed again from the same window.
    rondes->setCurrentRow(2);
    DrukAf(pdf);
    EXPECT_NE(std::string::npos, PdfTekst(pdf).find("Stand na ronde '26 mei'"));

    QTest::mouseClick(sluiten, Qt::LeftButton);
    EXPECT_FALSE(venster->isVisible());
    EXPECT_EQ(QDialog::Rejected, venster->result());
}

TEST_F(StandDlg, WithoutRoundsPrintingIsOff) {
    Toon(FixturePad("zonder_rondes/Nieuw"));
    EXPECT_EQ(0, rondes->count());
    EXPECT_FALSE(afdrukken->isEnabled());
    EXPECT_TRUE(sluiten->isEnabled());
}

TEST_F(StandDlg, TheMainWindowOpensItThroughTheOpener) {
    ASSERT_EQ(0, app->OpenCompetitie(FixturePad("stand/Voorjaar 2024")));
    CVensterScript script;
    QString titel;
    script.VerwachtVenster([&titel](QDialog& dlg) {
        titel = dlg.windowTitle();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_NE(nullptr, dynamic_cast<CStandDlg*>(&dlg));
        dlg.reject();
        return dlg.result();
    });
    ToonStand(*app, nullptr);
    EXPECT_EQ("Morvel Competitie Beheer / Stand", titel);
}

} // namespace
