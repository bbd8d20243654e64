// The upload progress window against a real FTP server on 127.0.0.1: on
// screen before the run, closing by itself after a run without error, open
// with "Sluiten" after a failure, and the settings window offered between.

#include "gui/htmlvoortgang.h"
#include "gui/multilinelistbox.h"
#include "settings/settings.h"

#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "uploadserver.h"
#include "vensterscript.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

class HtmlVoortgang : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/morvel.ini",
                      tmp.Bestand("morvel.ini"));
        fs::create_directory(tmp.Bestand("lokaal"));
        fs::create_directory(tmp.Bestand("server"));
        SchrijfAlles(tmp.Bestand("lokaal/uitslag.inc"), "Ren\xE9\r\n");
        SchrijfAlles(tmp.Bestand("lokaal/stand.inc"), "stand\r\n");
        server = std::make_unique<CUploadServer>(
            "ftp", std::vector<std::string>{tmp.Bestand("server"), "club", "geheim"});
        settings = std::make_unique<CSettings>(tmp.Bestand("morvel.ini"));
        settings->SetHtmlMethode("FTP");
        settings->SetServer("127.0.0.1");
        settings->SetPoort(server->PoortTekst());
        settings->SetGebruikersnaam("club");
        settings->SetWachtwoord("geheim");
        settings->SetRemoteDirectory("");
        settings->SetCompetitieIdAanPadToevoegen(0);
        doel.competitieMap = tmp.Bestand("lokaal");
        doel.competitieId = "Najaar";
        doel.tijdslimiet = 5;
    }

    // Shows the window, checks that nothing ran yet, and waits for the run.
    void Toon(CHtmlVoortgang& venster) {
        venster.show();
        auto* sluiten = venster.findChild<QPushButton*>(QStringLiteral("sluiten"));
        ASSERT_NE(nullptr, sluiten);
        EXPECT_EQ(QStringLiteral("Voortgang HTML upload"), venster.windowTitle());
        EXPECT_FALSE(sluiten->isEnabled());
        EXPECT_TRUE(venster.Verslag().Regels().empty());
        EXPECT_TRUE(QTest::qWaitFor([&venster] { return venster.Klaar(); }, 15000));
    }

    CMeldingRecorder recorder;
    CTijdelijkeMap tmp;
    std::unique_ptr<CUploadServer> server;
    std::unique_ptr<CSettings> settings;
    CUploadDoel doel;
};

TEST_F(HtmlVoortgang, EenRunZonderFoutSluitHetVensterVanzelf) {
    CUploadRun run(*settings, doel, 1 | 8);
    CHtmlVoortgang venster(run);
    Toon(venster);
    EXPECT_FALSE(venster.isVisible());
    EXPECT_EQ(QDialog::Accepted, venster.result());
    EXPECT_EQ(0, run.Masker());
    EXPECT_EQ("Ren&eacute;\n", LeesAlles(tmp.Bestand("server/uitslag.inc")));
}

TEST_F(HtmlVoortgang, NaEenFoutBlijftHetVensterOpenMetHetVerslag) {
    settings->SetWachtwoord("fout");
    fs::create_directory(tmp.Bestand("server/stand.inc"));
    CVensterScript script;
    script.VerwachtVenster([](QDialog& instellingen) {
        auto* wachtwoord = instellingen.findChild<QLineEdit*>(QStringLiteral("wachtwoord"));
        EXPECT_NE(nullptr, wachtwoord);
        if (!wachtwoord) {
            return int(QDialog::Rejected);
        }
        wachtwoord->setText(QStringLiteral("geheim"));
        wachtwoord->textEdited(wachtwoord->text());
        instellingen.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        return instellingen.result();
    });
    CUploadRun run(*settings, doel, 1 | 8);
    CHtmlVoortgang venster(run);
    Toon(venster);
    EXPECT_TRUE(venster.isVisible());
    EXPECT_EQ(8, run.Masker());
    EXPECT_EQ("geheim", settings->Wachtwoord());
    auto* log = venster.findChild<CMultiLineListBox*>(QStringLiteral("log"));
    ASSERT_NE(nullptr, log);
    std::vector<std::pair<QString, QString>> rijen;
    for (int rij = 0; rij < log->AantalRegels(); ++rij) {
        rijen.emplace_back(log->Tekst(rij, 0), log->Tekst(rij, 1));
    }
    auto Heeft = [&rijen](const char* tekst, const char* status) {
        return std::find(rijen.begin(), rijen.end(),
                         std::pair{QString::fromUtf8(tekst), QString::fromUtf8(status)}) !=
               rijen.end();
    };
    EXPECT_TRUE(Heeft("Verbinding maken met de ftp-site: '127.0.0.1'", "MISLUKT"));
    EXPECT_TRUE(Heeft("Verbinding maken met de ftp-site: '127.0.0.1'  Opnieuw...", "OK"));
    EXPECT_TRUE(Heeft("upload 'uitslag.inc'", "OK"));
    EXPECT_TRUE(Heeft("upload 'stand.inc'", "MISLUKT"));

    auto* sluiten = venster.findChild<QPushButton*>(QStringLiteral("sluiten"));
    ASSERT_TRUE(sluiten->isEnabled());
    sluiten->click();
    EXPECT_FALSE(venster.isVisible());
}

TEST_F(HtmlVoortgang, EenZwijgendeServerHoudtDeInterfaceNietLangerVastDanDeLimiet) {
    doel.tijdslimiet = 1;
    doel.knownHosts = tmp.Bestand("known_hosts");
    for (const char* methode : {"SFTP", "FTP"}) {
        SCOPED_TRACE(methode);
        const bool sftp = std::string(methode) == "SFTP";
        // The server stops answering in the middle of the first file.
        server = sftp ? std::make_unique<CUploadServer>(
                            "sftp",
                            std::vector<std::string>{tmp.Bestand("server"), "club", "geheim",
                                                     tmp.Bestand("hostkey"), "stil", "uitslag.inc"})
                      : std::make_unique<CUploadServer>(
                            "ftp", std::vector<std::string>{tmp.Bestand("server"), "club", "geheim",
                                                            "stil", "uitslag.inc"});
        settings->SetHtmlMethode(methode);
        settings->SetPoort(server->PoortTekst());
        // How long the interface thread went without handling its events.
        QElapsedTimer klok;
        qint64 langste = 0;
        QTimer tik;
        tik.setInterval(10);
        QObject::connect(&tik, &QTimer::timeout,
                         [&] { langste = std::max(langste, klok.restart()); });
        CUploadRun run(*settings, doel, 1 | 8);
        CHtmlVoortgang venster(run);
        klok.start();
        tik.start();
        Toon(venster);
        tik.stop();
        EXPECT_LT(langste, 1000);
        EXPECT_TRUE(venster.isVisible());
        EXPECT_EQ(1 | 8, run.Masker());
        const std::vector<std::string> log = venster.Verslag().Teksten();
        auto rij = std::find(log.begin(), log.end(),
                             sftp ? "sftp_uploadfile(uitslag.inc)\tMISLUKT"
                                  : "upload 'uitslag.inc'\tMISLUKT");
        ASSERT_NE(log.end(), rij);
        ASSERT_NE(log.end(), rij + 1);
        EXPECT_EQ(0u, rij[1].find("De server reageert niet meer")) << rij[1];
        // The long line is wrapped over the rows below, none of it cut off.
        auto* lijst = venster.findChild<CMultiLineListBox*>(QStringLiteral("log"));
        ASSERT_NE(nullptr, lijst);
        int mislukt = 0;
        while (mislukt < lijst->AantalRegels() && lijst->Tekst(mislukt, 1) != "MISLUKT") {
            ++mislukt;
        }
        QStringList vervolg;
        for (int r = mislukt + 1; r < lijst->AantalRegels() && lijst->Tekst(r, 1).isEmpty(); ++r) {
            vervolg << lijst->Tekst(r, 0);
            EXPECT_LE(QFontMetrics(lijst->font()).horizontalAdvance(lijst->Tekst(r, 0)),
                      lijst->columnWidth(0));
        }
        EXPECT_GT(vervolg.size(), 1);
        EXPECT_EQ(QString::fromUtf8(rij[1].c_str()).trimmed(), vervolg.join(' '));
        venster.findChild<QPushButton*>(QStringLiteral("sluiten"))->click();
        EXPECT_FALSE(venster.isVisible());
        server.reset();
    }
}

} // namespace
