// The upload against servers that misbehave: a server that stops answering
// in the middle of a step, a connection dropped half way, and the Dutch line
// for every failure the user can meet.

#include "upload_opstelling.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const std::string kTijdOm = "De server reageert niet meer: er kwam binnen 1 seconde geen antwoord.";

// A port on 127.0.0.1 where nothing listens.
std::string VrijePoort() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lengte = sizeof adres;
    ::bind(s, reinterpret_cast<sockaddr*>(&adres), sizeof adres);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&adres), &lengte);
    ::close(s);
    return std::to_string(ntohs(adres.sin_port));
}

TEST_F(Upload, SftpServerDieStoptMiddenInEenStapEindigtNaDeLimiet) {
    struct Geval {
        const char* fout;
        const char* rij;
    };
    const Geval gevallen[] = {
        {"stil", "sftp_uploadfile(uitslag.inc)\tMISLUKT"},
        {"stil-open", "sftp_uploadfile(uitslag.inc)\tMISLUKT"},
        {"stil-mkdir", "sftp_mkdir(Najaar)\tMISLUKT"},
    };
    doel.tijdslimiet = 1;
    settings->SetCompetitieIdAanPadToevoegen(1);
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.fout);
        StartSftp(g.fout, "uitslag.inc");
        EXPECT_FALSE(Voer(1 | 8));
        EXPECT_EQ(1 | 8, over);
        std::vector<std::string> log = Log();
        auto rij = std::find(log.begin(), log.end(), g.rij);
        ASSERT_NE(log.end(), rij);
        ASSERT_NE(log.end(), rij + 1);
        EXPECT_EQ(0u, rij[1].find(kTijdOm)) << rij[1];
        // The run ended there: the next file was not tried.
        EXPECT_EQ(log.end(), rij + 2);
        EXPECT_FALSE(fs::exists(tmp.Bestand("server/Najaar/uitslag.inc")));
        EXPECT_TRUE(TijdelijkLeeg());
        server.reset();
        fs::remove_all(tmp.Bestand("server/Najaar"));
    }
}

TEST_F(Upload, FtpServerDieStoptTijdensEenOverdrachtEindigtNaDeLimiet) {
    doel.tijdslimiet = 1;
    StartFtp("stil", "uitslag.inc");
    SchrijfAlles(tmp.Bestand("server/uitslag.inc"), "oud\n");
    EXPECT_FALSE(Voer(1 | 8));
    EXPECT_EQ(1 | 8, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(6u, log.size());
    EXPECT_EQ("upload 'uitslag.inc'\tMISLUKT", log[2]);
    EXPECT_EQ(0u, log[3].find(kTijdOm)) << log[3];
    EXPECT_EQ(kFtpEinde, std::vector<std::string>(log.begin() + 4, log.end()));
    EXPECT_EQ("oud\n", OpServer("uitslag.inc"));
}

TEST_F(Upload, EenVerbrokenVerbindingLaatHetOudeBestandHeel) {
    std::string groot;
    for (int regel = 0; groot.size() < 200000; ++regel) {
        groot += "<TR><TD>regel " + std::to_string(regel) + "</TD></TR>\r\n";
    }
    SchrijfAlles(tmp.Bestand("lokaal/uitslagen.inc"), groot);
    for (const char* methode : {"FTP", "SFTP"}) {
        SCOPED_TRACE(methode);
        fs::remove_all(tmp.Bestand("server"));
        fs::create_directory(tmp.Bestand("server"));
        SchrijfAlles(tmp.Bestand("server/uitslagen.inc"), "oude uitslagen\n");
        const bool ftp = std::string(methode) == "FTP";
        ftp ? StartFtp("verbreek", "uitslagen.inc") : StartSftp("verbreek", "uitslagen.inc");
        EXPECT_FALSE(Voer(2 | 8));
        EXPECT_TRUE(InLog(ftp ? "upload 'uitslagen.inc'\tMISLUKT"
                              : "sftp_uploadfile(uitslagen.inc)\tMISLUKT"));
        EXPECT_TRUE(LogBevat("De verbinding met de server is verbroken."));
        EXPECT_EQ("oude uitslagen\n", OpServer("uitslagen.inc"));
        if (ftp) {
            // libcurl logs in again for the next request: the temporary file
            // is removed and the next file is sent.
            EXPECT_EQ(2, over);
            EXPECT_EQ((std::vector<std::string>{"stand.inc", "uitslagen.inc"}), OpDeServer());
        } else {
            // The session is gone: the run ends, and the next run sends the file
            // under the same temporary name and replaces the old one.
            EXPECT_EQ(2 | 8, over);
            server.reset();
            StartSftp();
            EXPECT_TRUE(Voer(2 | 8));
            EXPECT_EQ((std::vector<std::string>{"stand.inc", "uitslagen.inc"}), OpDeServer());
        }
        EXPECT_TRUE(TijdelijkLeeg());
        server.reset();
    }
}

TEST_F(Upload, ElkeFoutHeeftEenNederlandseRegel) {
    struct Geval {
        const char* naam;
        std::function<void()> opstelling;
        const char* rij;
        const char* regel;
    };
    const Geval gevallen[] = {
        {"ftp onbekende server",
         [this] {
             StartFtp();
             settings->SetServer("bestaat-niet.invalid");
         },
         "Verbinding maken met de ftp-site: 'bestaat-niet.invalid'\tMISLUKT",
         "De server 'bestaat-niet.invalid' is niet gevonden. Controleer de naam van de server. ("},
        {"sftp onbekende server",
         [this] {
             StartSftp();
             settings->SetServer("bestaat-niet.invalid");
         },
         nullptr,
         "De server 'bestaat-niet.invalid' is niet gevonden. Controleer de naam van de "
         "server. ("},
        {"ftp geweigerd",
         [this] {
             settings->SetHtmlMethode("FTP");
             settings->SetPoort(VrijePoort());
         },
         nullptr, "De server '127.0.0.1' weigert de verbinding op poort "},
        {"sftp geweigerd",
         [this] {
             settings->SetHtmlMethode("SFTP");
             settings->SetPoort(VrijePoort());
         },
         nullptr, "De server '127.0.0.1' weigert de verbinding op poort "},
        {"ftp wachtwoord",
         [this] {
             StartFtp();
             settings->SetWachtwoord("fout");
         },
         "Verbinding maken met de ftp-site: '127.0.0.1'\tMISLUKT",
         "De server weigert gebruiker 'club' met dit wachtwoord. Controleer de gebruikersnaam en "
         "het wachtwoord in 'HTML uitvoer'. ("},
        {"sftp wachtwoord",
         [this] {
             StartSftp();
             settings->SetWachtwoord("fout");
         },
         "Aanmelden als 'club'\tMISLUKT",
         "De server weigert gebruiker 'club' met dit wachtwoord. Controleer de gebruikersnaam en "
         "het wachtwoord in 'HTML uitvoer'. ("},
        {"sftp zonder wachtwoord", [this] { StartSftp("geen-wachtwoord", ""); },
         "Aanmelden als 'club'\tMISLUKT",
         "De server biedt geen aanmelding met een wachtwoord aan."},
        {"ftp vol", [this] { StartFtp("vol", "uitslag.inc"); }, "upload 'uitslag.inc'\tMISLUKT",
         "De server kan 'uitslag.inc' niet opslaan: de schijf van de server is vol."},
        {"sftp map ontbreekt",
         [this] {
             StartSftp();
             settings->SetRemoteDirectory("bestaat/niet");
         },
         "sftp_mkdir(bestaat/niet)\tMISLUKT",
         "De map 'bestaat/niet' kan niet gemaakt worden: de map erboven bestaat niet op de "
         "server. Controleer het pad op de server. ("},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        g.opstelling();
        EXPECT_FALSE(Voer(1));
        EXPECT_EQ(1, over);
        if (g.rij) {
            EXPECT_TRUE(InLog(g.rij));
        }
        EXPECT_TRUE(LogBevat(g.regel));
        for (const std::string& regel : Log()) {
            EXPECT_EQ(std::string::npos, regel.find("Algemene ssh-fout")) << regel;
        }
        server.reset();
        settings->SetServer("127.0.0.1");
        settings->SetWachtwoord("geheim");
        settings->SetRemoteDirectory("");
    }
}

TEST_F(Upload, SftpKeyVanEenAnderTypeNoemtVingerafdrukEnKnownHosts) {
    StartSftp();
    ASSERT_TRUE(Voer(1));
    const std::string vingerafdruk = VingerafdrukInKnownHosts();
    // The known-hosts file holds a key of another type for this server.
    ssh_key ander = nullptr;
    ASSERT_EQ(SSH_OK, ssh_pki_generate(SSH_KEYTYPE_ED25519, 0, &ander));
    char* blob = nullptr;
    ssh_pki_export_pubkey_base64(ander, &blob);
    SchrijfAlles(doel.knownHosts,
                 "[127.0.0.1]:" + server->PoortTekst() + " ssh-ed25519 " + blob + "\n");
    ssh_string_free_char(blob);
    ssh_key_free(ander);
    fs::remove(tmp.Bestand("server/uitslag.inc"));

    EXPECT_FALSE(Voer(1));
    EXPECT_TRUE(InLog("Controle ssh beveiliging\tMISLUKT"));
    EXPECT_TRUE(LogBevat("toont een ecdsa-sha2-nistp256-key met vingerafdruk " + vingerafdruk));
    EXPECT_TRUE(LogBevat("verwijder dan de regel van deze server uit '" + doel.knownHosts + "'"));
    EXPECT_FALSE(LogBevat("Algemene ssh-fout"));
    EXPECT_TRUE(fs::is_empty(tmp.Bestand("server")));
}

} // namespace
