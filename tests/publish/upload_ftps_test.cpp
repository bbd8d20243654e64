// FTPS against vsftpd on 127.0.0.1 with certificates of a test CA, and the
// names on the server in UTF-8 for every method.

#include "upload_opstelling.h"

namespace {

const std::string kCafe = "voorjaar-caf\xE9";      // as the program holds it
const std::string kCafeOpSchijf = "voorjaar-café"; // UTF-8, as the server stores it

TEST_F(Upload, FtpsMetHetCertificaatVanDeClubZendtVersleuteldInUtf8) {
    StartFtps("ca");
    doel.competitieId = kCafe;
    settings->SetCompetitieIdAanPadToevoegen(1);
    EXPECT_TRUE(Voer(1 | 8));
    EXPECT_EQ(0, over);
    EXPECT_EQ(Samen(kFtpBegin,
                    {"mkdir '" + kCafe + "'\tOK", "cd '" + kCafe + "'\tOK",
                     "upload 'uitslag.inc'\tOK", "upload 'stand.inc'\tOK"},
                    kFtpEinde),
              Log());
    EXPECT_EQ((std::vector<std::string>{kCafeOpSchijf, kCafeOpSchijf + "/stand.inc",
                                        kCafeOpSchijf + "/uitslag.inc"}),
              OpDeServer());
    EXPECT_EQ(kUitslagOpServer, OpServer(kCafeOpSchijf + "/uitslag.inc"));
    const std::string log = FtpsLog();
    for (const char* opdracht : {"\"AUTH TLS\"", "\"PROT P\"", "\"OPTS UTF8 ON\"", "\"PASS "}) {
        EXPECT_NE(std::string::npos, log.find(opdracht)) << opdracht;
    }
    EXPECT_EQ(std::string::npos, log.find("AUTH SSL"));
}

TEST_F(Upload, FtpsWeigertEenOnbetrouwbaarCertificaatVoordatHetWachtwoordGaat) {
    struct Geval {
        const char* certificaat;
        bool eigenCa;
        const char* waarom;
    };
    const Geval gevallen[] = {
        {"zelf", true, "het is door de server zelf ondertekend"},
        {"anderehost", true, "het hoort bij een andere servernaam dan '127.0.0.1'"},
        {"ca", false,
         "het is niet ondertekend door een certificaatautoriteit die deze computer "
         "kent"},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.certificaat);
        StartFtps(g.certificaat);
        if (!g.eigenCa) {
            settings->SetHtmlCertificaat("");
        }
        EXPECT_FALSE(Voer(1));
        EXPECT_EQ(1, over);
        EXPECT_TRUE(InLog(Ftp("127.0.0.1") + "\tMISLUKT"));
        EXPECT_TRUE(LogBevat(
            "Het certificaat van de server wordt niet vertrouwd: " + std::string(g.waarom) +
            ". Er is niets verzonden, ook het wachtwoord niet."))
            << ::testing::PrintToString(Log());
        const std::string log = FtpsLog();
        EXPECT_NE(std::string::npos, log.find("\"AUTH TLS\""));
        EXPECT_EQ(std::string::npos, log.find("\"USER")) << log;
        EXPECT_EQ(std::string::npos, log.find("\"PASS")) << log;
        EXPECT_TRUE(fs::is_empty(tmp.Bestand("server")));
        server.reset();
        fs::remove(tmp.Bestand("ftps/vsftpd.log"));
    }
}

TEST_F(Upload, FtpNaarEenServerDieTlsEistRaadtFtpsAan) {
    StartFtps("ca");
    settings->SetHtmlMethode("FTP");
    standIn.wijzig = [](CSettings& s) { s.SetHtmlMethode("FTPS"); };
    EXPECT_TRUE(Voer(1));
    std::vector<std::string> log = Log();
    ASSERT_EQ(9u, log.size());
    EXPECT_EQ(Ftp("127.0.0.1") + "\tMISLUKT", log[1]);
    EXPECT_EQ(0u, log[2].find("De server eist een versleutelde verbinding (TLS) en weigert het "
                              "aanmelden zonder. Kies FTPS als methode in 'HTML uitvoer'. ("))
        << log[2];
    EXPECT_EQ("--> Deze server eist FTPS: kies FTPS als methode\t", log[3]);
    EXPECT_EQ(Ftp("127.0.0.1", true) + "\tOK", log[5]);
    EXPECT_EQ(1, standIn.aangeboden);
    EXPECT_EQ(kUitslagOpServer, OpServer("uitslag.inc"));
}

TEST_F(Upload, FtpEnSftpGebruikenDezelfdeUtf8Map) {
    doel.competitieId = kCafe;
    settings->SetCompetitieIdAanPadToevoegen(1);
    StartFtp();
    EXPECT_TRUE(Voer(1));
    EXPECT_TRUE(InLog("mkdir '" + kCafe + "'\tOK"));
    server.reset();
    StartSftp();
    EXPECT_TRUE(Voer(8));
    EXPECT_TRUE(InLog("sftp_mkdir(" + kCafe + ")\tOK"));
    EXPECT_EQ((std::vector<std::string>{kCafeOpSchijf, kCafeOpSchijf + "/stand.inc",
                                        kCafeOpSchijf + "/uitslag.inc"}),
              OpDeServer());
}

} // namespace
