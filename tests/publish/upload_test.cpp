// The upload run against real FTP and SFTP servers on 127.0.0.1: what arrives
// on the server, the log with its statuses and hints, the retries after the
// settings window, the known-hosts check and the time limit.

#include "upload_opstelling.h"

namespace fs = std::filesystem;

namespace {

TEST(UploadMasker, BitsVolgenDeVlaggenEnAlleenVerzondenBestandenWordenGewist) {
    CUploadNodig nodig;
    EXPECT_EQ(0, UploadMasker(nodig));
    nodig.Zet(HtmlBestand::Stand);
    nodig.Zet(HtmlBestand::Indeling);
    EXPECT_EQ(8 | 4, UploadMasker(nodig));
    nodig.Zet(HtmlBestand::Uitslag);
    nodig.Zet(HtmlBestand::Klassenverloop);
    EXPECT_EQ(1 | 8 | 4 | 16, UploadMasker(nodig));
    WisVerzonden(nodig, 8); // stand.inc failed
    EXPECT_TRUE(nodig.Nodig(HtmlBestand::Stand));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Uitslag));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Indeling));
    EXPECT_FALSE(nodig.Nodig(HtmlBestand::Klassenverloop));
    EXPECT_TRUE(nodig.Iets());
    WisVerzonden(nodig, 0);
    EXPECT_FALSE(nodig.Iets());
}

TEST_F(Upload, DeGrafiekGaatAlsLaatsteMeeEnKomtOngewijzigdAan) {
    EXPECT_EQ(16, kUploadVolgorde.back().bit);
    // The chart is ASCII: its characters outside ASCII are references already.
    SchrijfAlles(tmp.Bestand("lokaal/klassenverloop.svg"),
                 "<svg>\r\n<text>Ren&#233;e</text>\r\n</svg>\r\n");
    StartFtp();
    EXPECT_TRUE(Voer(16 | 1));
    EXPECT_EQ(Samen(kFtpBegin, {"upload 'uitslag.inc'\tOK", "upload 'klassenverloop.svg'\tOK"},
                    kFtpEinde),
              Log());
    EXPECT_EQ("<svg>\n<text>Ren&#233;e</text>\n</svg>\n", OpServer("klassenverloop.svg"));

    fs::remove(tmp.Bestand("server/klassenverloop.svg"));
    server.reset();
    StartSftp();
    EXPECT_TRUE(Voer(16));
    EXPECT_EQ("sftp_uploadfile(klassenverloop.svg)\tOK", Log().back());
    EXPECT_EQ("<svg>\n<text>Ren&#233;e</text>\n</svg>\n", OpServer("klassenverloop.svg"));
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

TEST_F(Upload, SftpNaarEenNieuweServerSchrijftZijnKeyMetVingerafdrukEnZendtMetLf) {
    StartSftp();
    settings->SetRemoteDirectory("www");
    settings->SetCompetitieIdAanPadToevoegen(1);
    fs::create_directory(tmp.Bestand("server/www"));
    ASSERT_FALSE(fs::exists(doel.knownHosts));
    EXPECT_TRUE(Voer(1 | 8));
    EXPECT_EQ(0, over);
    const std::string adres = "127.0.0.1:" + server->PoortTekst();
    const std::vector<std::string> verwacht = {
        "Initialiseren ssh sessie\tOK",
        "Opbouwen ssh sessie: club@" + adres + "\tOK",
        "Controle ssh beveiliging\tOK",
        "Nieuwe server " + adres + " met vingerafdruk " + VingerafdrukInKnownHosts() +
            " toegevoegd aan '" + doel.knownHosts + "'\t",
        "Aanmelden als 'club'\tOK",
        "sftp_mkdir(www/Najaar)\tOK",
        "sftp_uploadfile(uitslag.inc)\tOK",
        "sftp_uploadfile(stand.inc)\tOK",
    };
    EXPECT_EQ(verwacht, Log());
    EXPECT_EQ(0u, LeesAlles(doel.knownHosts).find("[127.0.0.1]:" + server->PoortTekst()));
    EXPECT_EQ(kUitslagOpServer, OpServer("www/Najaar/uitslag.inc"));
    EXPECT_TRUE(TijdelijkLeeg());

    // Known now, the directory exists, and the old files are replaced whole
    // although this server never renames over an existing file.
    SchrijfAlles(tmp.Bestand("lokaal/stand.inc"), "nieuwe stand\r\n");
    EXPECT_TRUE(Voer(2 | 8));
    std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(verwacht.begin(), verwacht.begin() + 3),
              std::vector<std::string>(log.begin(), log.begin() + 3));
    EXPECT_TRUE(InLog("sftp_mkdir(www/Najaar)\tOK"));
    EXPECT_FALSE(LogBevat("Nieuwe server"));
    EXPECT_EQ("alle\n", OpServer("www/Najaar/uitslagen.inc"));
    EXPECT_EQ("nieuwe stand\n", OpServer("www/Najaar/stand.inc"));
    EXPECT_EQ((std::vector<std::string>{"www", "www/Najaar", "www/Najaar/stand.inc",
                                        "www/Najaar/uitslag.inc", "www/Najaar/uitslagen.inc"}),
              OpDeServer());
}

TEST_F(Upload, SftpMetEenVeranderdeKeyWordtGeweigerdMetVingerafdrukEnPad) {
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

    // The key this server shows, as the first contact of a fresh known-hosts file records it.
    CUploadDoel eerste = doel;
    eerste.knownHosts = tmp.Bestand("eerste_known_hosts");
    settings->SetPoort(server->PoortTekst());
    std::swap(doel, eerste);
    ASSERT_TRUE(Voer(1));
    const std::string vingerafdruk = VingerafdrukInKnownHosts();
    std::swap(doel, eerste);
    fs::remove(tmp.Bestand("server/uitslag.inc"));

    EXPECT_FALSE(Voer(1 | 2));
    EXPECT_EQ(1 | 2, over);
    std::vector<std::string> log = Log();
    ASSERT_EQ(6u, log.size());
    EXPECT_EQ("Controle ssh beveiliging\tMISLUKT", log[2]);
    EXPECT_EQ("Info: De key voor deze host is veranderd\t", log[3]);
    EXPECT_NE(std::string::npos, log[4].find("geweigerd")) << log[4];
    EXPECT_NE(std::string::npos, log[4].find(vingerafdruk)) << log[4];
    EXPECT_NE(std::string::npos, log[5].find("'" + doel.knownHosts + "'")) << log[5];
    EXPECT_TRUE(fs::is_empty(tmp.Bestand("server")));
    EXPECT_EQ(bekend, LeesAlles(doel.knownHosts));
}

TEST_F(Upload, SftpEenSchrijffoutMaaktHetBestandMislukt) {
    StartSftp("vol", "stand.inc");
    SchrijfAlles(tmp.Bestand("server/stand.inc"), "oude stand\n");
    EXPECT_FALSE(Voer(1 | 8 | 2));
    EXPECT_EQ(8, over);
    EXPECT_TRUE(InLog("sftp_uploadfile(uitslag.inc)\tOK"));
    EXPECT_TRUE(InLog("sftp_uploadfile(uitslagen.inc)\tOK"));
    EXPECT_TRUE(InLog("sftp_uploadfile(stand.inc)\tMISLUKT"));
    EXPECT_TRUE(LogBevat("De server kan 'stand.inc' niet opslaan: de schijf van de server is vol "
                         "of de map is alleen-lezen."));
    EXPECT_EQ("oude stand\n", OpServer("stand.inc"));
    EXPECT_FALSE(fs::exists(tmp.Bestand("server/stand.inc.tmp")));
    EXPECT_TRUE(TijdelijkLeeg());
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
        EXPECT_EQ(0u, log[2].find("De server reageert niet meer: er kwam binnen 1 seconde geen "
                                  "antwoord."))
            << log[2];
    }
}

} // namespace
