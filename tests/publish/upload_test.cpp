// The upload run against real FTP and SFTP servers on 127.0.0.1: what arrives
// on the server, the log with its statuses and hints, the retries after the
// settings window, the known-hosts check and the time limit.

#include "publish/upload.h"
#include "publish/uploadstappen.h"
#include "publish/uploadverslag.h"
#include "settings/settings.h"

#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "uploadserver.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

const std::string kUitslag = "<TR><TD>Ren\xE9&nbsp;</TD></TR>\r\n<TR><TD>Piet</TD></TR>\r\n";
const std::string kUitslagOpServer =
    "<TR><TD>Ren&eacute;&nbsp;</TD></TR>\n<TR><TD>Piet</TD></TR>\n";

// The settings window replaced: counts how often it was offered and changes
// the settings as the test says.
class CStandIn : public CUploadOmgeving {
public:
    void ToonInstellingen(CSettings& settings) override {
        ++aangeboden;
        if (wijzig) {
            wijzig(settings);
        }
    }
    int aangeboden = 0;
    std::function<void(CSettings&)> wijzig;
};

class Upload : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/morvel.ini",
                      tmp.Bestand("morvel.ini"));
        settings = std::make_unique<CSettings>(tmp.Bestand("morvel.ini"));
        for (const char* map : {"lokaal", "server", "tijdelijk"}) {
            fs::create_directory(tmp.Bestand(map));
        }
        SchrijfAlles(tmp.Bestand("lokaal/uitslag.inc"), kUitslag);
        SchrijfAlles(tmp.Bestand("lokaal/uitslagen.inc"), "alle\r\n");
        SchrijfAlles(tmp.Bestand("lokaal/stand.inc"), "stand\r\n");
        SchrijfAlles(tmp.Bestand("lokaal/indeling.inc"), "indeling\r\n");
        const char* vorige = std::getenv("TMPDIR");
        vorigeTmp = vorige ? vorige : "";
        heeftVorigeTmp = vorige != nullptr;
        ::setenv("TMPDIR", tmp.Bestand("tijdelijk").c_str(), 1);
        doel.competitieMap = tmp.Bestand("lokaal");
        doel.competitieId = "Najaar";
        doel.tijdslimiet = 5;
        doel.knownHosts = tmp.Bestand("known_hosts");
        settings->SetServer("127.0.0.1");
        settings->SetGebruikersnaam("club");
        settings->SetWachtwoord("geheim");
        settings->SetRemoteDirectory("");
        settings->SetCompetitieIdAanPadToevoegen(0);
    }
    void TearDown() override {
        if (heeftVorigeTmp) {
            ::setenv("TMPDIR", vorigeTmp.c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

    void StartFtp() {
        server = std::make_unique<CUploadServer>(
            "ftp", std::vector<std::string>{tmp.Bestand("server"), "club", "geheim"});
        settings->SetHtmlMethode("FTP");
        settings->SetPoort(server->PoortTekst());
    }
    // `vol`: the file whose writes fail, as on a full disk.
    void StartSftp(const std::string& vol = "") {
        std::vector<std::string> argumenten{tmp.Bestand("server"), "club", "geheim",
                                            tmp.Bestand("hostkey")};
        if (!vol.empty()) {
            argumenten.push_back(vol);
        }
        server = std::make_unique<CUploadServer>("sftp", argumenten);
        settings->SetHtmlMethode("SFTP");
        settings->SetPoort(server->PoortTekst());
    }

    // Runs over `masker`; the log is in `verslag`, the bits left in `over`.
    bool Voer(int masker) {
        verslag = CUploadVerslag();
        CUploadRun run(*settings, doel, masker);
        bool gelukt = run.Voer(verslag, standIn);
        over = run.Masker();
        return gelukt;
    }
    std::vector<std::string> Log() const { return verslag.Teksten(); }
    std::string OpServer(const std::string& pad) const {
        return LeesAlles(tmp.Bestand("server/" + pad));
    }
    bool TijdelijkLeeg() const { return fs::is_empty(tmp.Bestand("tijdelijk")); }

    CMeldingRecorder recorder;
    CTijdelijkeMap tmp;
    std::unique_ptr<CSettings> settings;
    std::unique_ptr<CUploadServer> server;
    CUploadDoel doel;
    CUploadVerslag verslag;
    CStandIn standIn;
    int over = -1;
    std::string vorigeTmp;
    bool heeftVorigeTmp = false;
};

std::string Ftp(const std::string& server, bool opnieuw = false) {
    return MetAanhalingen("Verbinding maken met de ftp-site: '", server, opnieuw);
}

const std::vector<std::string> kFtpBegin = {"Opbouwen internet-connectie\tOK",
                                            "Verbinding maken met de ftp-site: '127.0.0.1'\tOK"};
const std::vector<std::string> kFtpEinde = {"Verbinding ftp-site verbreken\tOK",
                                            "Internet-connectie verbreken\tOK"};

std::vector<std::string> Samen(std::vector<std::string> a, const std::vector<std::string>& b,
                               const std::vector<std::string>& c = {}) {
    a.insert(a.end(), b.begin(), b.end());
    a.insert(a.end(), c.begin(), c.end());
    return a;
}

TEST(UploadMasker, BitsVolgenDeVlaggenEnAlleenVerzondenBestandenWordenGewist) {
    CUploadNodig nodig;
    EXPECT_EQ(0, UploadMasker(nodig));
    nodig.Zet(HtmlBestand::Stand);
    nodig.Zet(HtmlBestand::Indeling);
    EXPECT_EQ(8 | 4, UploadMasker(nodig));
    nodig.Zet(HtmlBestand::Uitslag);
    WisVerzonden(nodig, 8); // stand.inc failed
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Stand));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Uitslag));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Indeling));
}

TEST(LfLezer, CrLfWordtLfOokOpDeGrensVanEenStuk) {
    struct Geval {
        std::string inhoud;
        std::string verwacht;
    };
    const Geval gevallen[] = {
        {"a\r\nb\r\n", "a\nb\n"}, {"a\rb", "a\rb"}, {"a\r", "a\r"},
        {"\r\r\n\n", "\r\n\n"},   {"", ""},
    };
    CTijdelijkeMap map;
    for (const Geval& g : gevallen) {
        for (size_t stuk : {size_t{1}, size_t{2}, size_t{1024}}) {
            SchrijfAlles(map.Bestand("f"), g.inhoud);
            CLfLezer lezer(map.Bestand("f"));
            ASSERT_TRUE(lezer.Open());
            std::string gelezen;
            char buffer[1024];
            long n;
            while ((n = lezer.Lees(buffer, stuk)) > 0) {
                gelezen.append(buffer, static_cast<size_t>(n));
            }
            EXPECT_EQ(0, n);
            EXPECT_EQ(g.verwacht, gelezen) << "stukken van " << stuk;
        }
    }
}

TEST_F(Upload, FtpZonderFoutZendtGecodeerdMetLfEnWistAlleBits) {
    StartFtp();
    EXPECT_TRUE(Voer(1 | 2 | 8 | 4));
    EXPECT_EQ(0, over);
    EXPECT_EQ(Samen(kFtpBegin,
                    {"upload 'uitslag.inc'\tOK", "upload 'uitslagen.inc'\tOK",
                     "upload 'stand.inc'\tOK", "upload 'indeling.inc'\tOK"},
                    kFtpEinde),
              Log());
    EXPECT_EQ(kUitslagOpServer, OpServer("uitslag.inc"));
    EXPECT_EQ("stand\n", OpServer("stand.inc"));
    EXPECT_EQ(kUitslag, LeesAlles(tmp.Bestand("lokaal/uitslag.inc")));
    EXPECT_TRUE(TijdelijkLeeg());
    EXPECT_EQ(0, standIn.aangeboden);
}

TEST_F(Upload, FtpInActieveModus) {
    StartFtp();
    settings->SetFtpModePassief(0);
    EXPECT_TRUE(Voer(8));
    EXPECT_EQ(Samen(kFtpBegin, {"upload 'stand.inc'\tOK"}, kFtpEinde), Log());
    EXPECT_EQ("stand\n", OpServer("stand.inc"));
}

TEST_F(Upload, EenMislukkendBestandHoudtAlleenZijnBitEnDeVolgordeStaatVast) {
    for (const char* methode : {"FTP", "SFTP"}) {
        SCOPED_TRACE(methode);
        fs::remove_all(tmp.Bestand("server"));
        fs::create_directory(tmp.Bestand("server"));
        // A directory in the way of stand.inc makes its transfer fail.
        fs::create_directory(tmp.Bestand("server/stand.inc"));
        std::string(methode) == "FTP" ? StartFtp() : StartSftp();
        EXPECT_FALSE(Voer(8 | 1));
        EXPECT_EQ(8, over);
        std::vector<std::string> log = Log();
        auto uitslag =
            std::find(log.begin(), log.end(),
                      std::string(methode) == "FTP" ? "upload 'uitslag.inc'\tOK"
                                                    : "sftp_uploadfile(uitslag.inc)\tOK");
        auto stand =
            std::find(log.begin(), log.end(),
                      std::string(methode) == "FTP" ? "upload 'stand.inc'\tMISLUKT"
                                                    : "sftp_uploadfile(stand.inc)\tMISLUKT");
        ASSERT_NE(log.end(), uitslag);
        ASSERT_NE(log.end(), stand);
        EXPECT_LT(uitslag, stand);
        EXPECT_EQ(kUitslagOpServer, OpServer("uitslag.inc"));
        EXPECT_TRUE(TijdelijkLeeg());
    }
}

TEST_F(Upload, EenOntbrekendLokaalBestandMisluktEnDeVolgendeGaatDoor) {
    StartFtp();
    fs::remove(tmp.Bestand("lokaal/uitslagen.inc"));
    EXPECT_FALSE(Voer(2 | 8));
    EXPECT_EQ(2, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(7u, log.size());
    EXPECT_EQ("upload 'uitslagen.inc'\tMISLUKT", log[2]);
    EXPECT_NE(std::string::npos, log[3].find("No such file")) << log[3];
    EXPECT_EQ("upload 'stand.inc'\tOK", log[4]);
}

TEST_F(Upload, FtpVerkeerdeServerGeeftDeHintsEnProbeertOpnieuwNaWijziging) {
    StartFtp();
    settings->SetServer("bestaat-niet.invalid");
    standIn.wijzig = [](CSettings& s) { s.SetServer("127.0.0.1"); };
    EXPECT_TRUE(Voer(1));
    std::vector<std::string> log = Log();
    ASSERT_EQ(9u, log.size());
    EXPECT_EQ(Ftp("bestaat-niet.invalid") + "\tMISLUKT", log[1]);
    EXPECT_FALSE(log[2].empty());
    EXPECT_EQ("--> Deze fout lijkt op een foutieve ftp-server te wijzen\t", log[3]);
    EXPECT_EQ("--> Wijzig eventueel deze parameter in de getoonde dialoog\t", log[4]);
    EXPECT_EQ("Verbinding maken met de ftp-site: '127.0.0.1'\tOpnieuw...\tOK", log[5]);
    EXPECT_EQ(1, standIn.aangeboden);
    EXPECT_EQ(kUitslagOpServer, OpServer("uitslag.inc"));
}

TEST_F(Upload, FtpOngewijzigdeInstellingenBeeindigenDeRun) {
    struct Geval {
        const char* naam;
        std::function<void(CSettings&)> fout;
        const char* hint;
    };
    const Geval gevallen[] = {
        {"server", [](CSettings& s) { s.SetServer("bestaat-niet.invalid"); },
         "--> Deze fout lijkt op een foutieve ftp-server te wijzen\t"},
        {"wachtwoord", [](CSettings& s) { s.SetWachtwoord("fout"); },
         "--> Deze fout lijkt op een foutieve username/passwd te wijzen\t"},
    };
    StartFtp();
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        g.fout(*settings);
        standIn.aangeboden = 0;
        EXPECT_FALSE(Voer(1 | 8));
        EXPECT_EQ(1 | 8, over);
        std::vector<std::string> log = Log();
        ASSERT_EQ(5u, log.size());
        EXPECT_EQ(g.hint, log[3]);
        EXPECT_EQ(1, standIn.aangeboden);
        EXPECT_FALSE(fs::exists(tmp.Bestand("server/uitslag.inc")));
        settings->SetServer("127.0.0.1");
        settings->SetWachtwoord("geheim");
    }
}

TEST_F(Upload, FtpVerkeerdWachtwoordGecorrigeerdGeeftEenNieuwePoging) {
    StartFtp();
    settings->SetWachtwoord("fout");
    standIn.wijzig = [](CSettings& s) { s.SetWachtwoord("geheim"); };
    EXPECT_TRUE(Voer(1));
    std::vector<std::string> log = Log();
    ASSERT_EQ(9u, log.size());
    EXPECT_EQ(Ftp("127.0.0.1") + "\tMISLUKT", log[1]);
    EXPECT_EQ("--> Wijzig eventueel deze parameters in de getoonde dialoog\t", log[4]);
    EXPECT_EQ(Ftp("127.0.0.1", true) + "\tOK", log[5]);
}

TEST_F(Upload, FtpOnbekendPadMisluktEnDeBestandenGaanNaarDeStartmap) {
    StartFtp();
    settings->SetRemoteDirectory("bestaat/niet");
    EXPECT_TRUE(Voer(1));
    std::vector<std::string> log = Log();
    ASSERT_EQ(9u, log.size());
    EXPECT_EQ("cd 'bestaat/niet'\tMislukt", log[2]);
    EXPECT_EQ("--> Deze fout lijkt op een foutief standaard pad op de server te wijzen\t", log[4]);
    EXPECT_EQ(1, standIn.aangeboden);
    EXPECT_EQ(kUitslagOpServer, OpServer("uitslag.inc"));
}

TEST_F(Upload, FtpGecorrigeerdPadEnDeCompetitiemapDieGemaaktWordt) {
    StartFtp();
    fs::create_directories(tmp.Bestand("server/www/html"));
    settings->SetRemoteDirectory("www/fout");
    settings->SetCompetitieIdAanPadToevoegen(1);
    standIn.wijzig = [](CSettings& s) { s.SetRemoteDirectory("www/html"); };
    EXPECT_TRUE(Voer(1 | 8));
    std::vector<std::string> log = Log();
    ASSERT_EQ(13u, log.size());
    EXPECT_EQ("cd 'www/fout'\tMislukt", log[2]);
    EXPECT_EQ("cd 'www/html'\tOpnieuw...\tOK", log[6]);
    EXPECT_EQ("mkdir 'Najaar'\tOK", log[7]);
    EXPECT_EQ("cd 'Najaar'\tOK", log[8]);
    EXPECT_EQ(kUitslagOpServer, OpServer("www/html/Najaar/uitslag.inc"));
    EXPECT_EQ("stand\n", OpServer("www/html/Najaar/stand.inc"));

    // The next run finds the sub-directory.
    standIn.wijzig = nullptr;
    EXPECT_TRUE(Voer(2));
    EXPECT_EQ(Samen(Samen(kFtpBegin,
                          {"cd 'www/html'\tOK", "cd 'Najaar'\tOK", "upload 'uitslagen.inc'\tOK"}),
                    kFtpEinde),
              Log());
}

TEST_F(Upload, FtpCompetitiemapDieNietGemaaktKanWordenZendtNiets) {
    StartFtp();
    // A file with the competition's name stands in the way.
    SchrijfAlles(tmp.Bestand("server/Najaar"), "x");
    settings->SetCompetitieIdAanPadToevoegen(1);
    EXPECT_FALSE(Voer(1));
    EXPECT_EQ(1, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ("mkdir 'Najaar'\tMISLUKT", log[2]);
}

TEST_F(Upload, SftpNaarEenNieuweServerSchrijftZijnKeyEnZendtMetLf) {
    StartSftp();
    settings->SetRemoteDirectory("www");
    settings->SetCompetitieIdAanPadToevoegen(1);
    fs::create_directory(tmp.Bestand("server/www"));
    ASSERT_FALSE(fs::exists(doel.knownHosts));
    EXPECT_TRUE(Voer(1 | 8));
    EXPECT_EQ(0, over);
    const std::vector<std::string> verwacht = {
        "Initialiseren ssh sessie\tOK",
        "Opbouwen ssh sessie: club@127.0.0.1:" + server->PoortTekst() + "\tOK",
        "Controle ssh beveiliging\tOK",
        "sftp_mkdir(www/Najaar)\tOK",
        "sftp_uploadfile(uitslag.inc)\tOK",
        "sftp_uploadfile(stand.inc)\tOK",
    };
    EXPECT_EQ(verwacht, Log());
    EXPECT_NE(std::string::npos,
              LeesAlles(doel.knownHosts).find("[127.0.0.1]:" + server->PoortTekst()));
    EXPECT_EQ(kUitslagOpServer, OpServer("www/Najaar/uitslag.inc"));
    EXPECT_TRUE(TijdelijkLeeg());

    // Known now, and the directory exists: the same steps succeed again.
    EXPECT_TRUE(Voer(2));
    EXPECT_EQ("sftp_mkdir(www/Najaar)\tOK", Log()[3]);
    EXPECT_EQ("alle\n", OpServer("www/Najaar/uitslagen.inc"));
}

TEST_F(Upload, SftpMetEenVeranderdeKeyWordtGeweigerdEnZendtNiets) {
    // Another server's key under this server's address, as after a change of key.
    CUploadServer ander("sftp", {tmp.Bestand("lokaal"), "club", "geheim", tmp.Bestand("ander")});
    StartSftp();
    settings->SetPoort(ander.PoortTekst());
    ASSERT_TRUE(Voer(1));
    std::string bekend = LeesAlles(doel.knownHosts);
    std::string anderAdres = "[127.0.0.1]:" + ander.PoortTekst();
    ASSERT_EQ(0u, bekend.find(anderAdres));
    bekend.replace(0, anderAdres.size(), "[127.0.0.1]:" + server->PoortTekst());
    SchrijfAlles(doel.knownHosts, bekend);

    settings->SetPoort(server->PoortTekst());
    EXPECT_FALSE(Voer(1 | 2));
    EXPECT_EQ(1 | 2, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(5u, log.size());
    EXPECT_EQ("Controle ssh beveiliging\tMISLUKT", log[2]);
    EXPECT_EQ("Info: De key voor deze host is veranderd\t", log[3]);
    EXPECT_NE(std::string::npos, log[4].find("geweigerd")) << log[4];
    EXPECT_TRUE(fs::is_empty(tmp.Bestand("server")));
    EXPECT_EQ(bekend, LeesAlles(doel.knownHosts));
}

TEST_F(Upload, SftpEenSchrijffoutMaaktHetBestandMislukt) {
    StartSftp("stand.inc");
    EXPECT_FALSE(Voer(1 | 8 | 2));
    EXPECT_EQ(8, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(7u, log.size());
    EXPECT_EQ("sftp_uploadfile(uitslag.inc)\tOK", log[3]);
    EXPECT_EQ("sftp_uploadfile(uitslagen.inc)\tOK", log[4]);
    EXPECT_EQ("sftp_uploadfile(stand.inc)\tMISLUKT", log[5]);
    EXPECT_FALSE(verslag.Regels()[6].tekst.empty());
    EXPECT_TRUE(TijdelijkLeeg());
}

TEST_F(Upload, SftpVerkeerdWachtwoord) {
    StartSftp();
    settings->SetWachtwoord("fout");
    EXPECT_FALSE(Voer(1));
    std::vector<std::string> log = Log();
    ASSERT_EQ(5u, log.size());
    EXPECT_EQ("Controle ssh beveiliging\tMISLUKT", log[2]);
    EXPECT_EQ("Het wachtwoord lijkt niet juist te zijn.\t", log[4]);
    EXPECT_TRUE(fs::is_empty(tmp.Bestand("server")));
}

TEST_F(Upload, EenZwijgendeServerWordtDoorDeTijdslimietBeeindigd) {
    CUploadServer stil("stil", {});
    doel.tijdslimiet = 1;
    settings->SetPoort(stil.PoortTekst());
    for (const char* methode : {"FTP", "SFTP"}) {
        SCOPED_TRACE(methode);
        settings->SetHtmlMethode(methode);
        EXPECT_FALSE(Voer(1));
        EXPECT_EQ(1, over);
        std::vector<std::string> log = Log();
        ASSERT_GE(log.size(), 3u);
        EXPECT_EQ(std::string(methode) == "FTP"
                      ? Ftp("127.0.0.1") + "\tMISLUKT"
                      : "Opbouwen ssh sessie: club@127.0.0.1:" + stil.PoortTekst() + "\tMISLUKT",
                  log[1]);
    }
}

} // namespace
