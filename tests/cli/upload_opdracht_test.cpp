// The upload command against a real FTP server on 127.0.0.1, run as a user
// would with a profile of its own: what it writes and sends, its log on
// standard output and its exit status.

#include "publish/htmlcodeer.h"
#include "settings/wachtwoord.h"

#include "programma.h"
#include "tijdelijke_map.h"
#include "uploadserver.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

// What the server holds of a local include file: entity-encoded, LF line ends.
std::string OpDeServer(const std::string& lokaal) {
    std::string uit;
    for (size_t i = 0; i < lokaal.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(lokaal[i]);
        if (c == '\r' && i + 1 < lokaal.size() && lokaal[i + 1] == '\n') {
            continue;
        }
        const char* entiteit = HtmlEntiteit(c);
        uit += entiteit ? std::string(entiteit) : std::string(1, lokaal[i]);
    }
    return uit;
}

class UploadOpdracht : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(map.Bestand("club"));
        fs::create_directory(map.Bestand("server"));
        SchrijfAlles(map.Bestand("club/club.txt"), Fixture("html/club/club.txt"));
        server = std::make_unique<CUploadServer>(
            "ftp", std::vector<std::string>{map.Bestand("server"), "club", "geheim"});
        SchrijfProfiel("Uitslag=2\nUitslagen=1\nStand=2\nIndeling=2\n", "geheim");
    }
    // The sample profile with the given modes and this test's server.
    void SchrijfProfiel(const std::string& modi, const std::string& wachtwoord) {
        SchrijfAlles(map.Bestand("morvel.ini"),
                     LeesAlles(std::string(MORVEL_FIXTURES) + "/../../share/voorbeeld/morvel.ini") +
                         "\n[Html]\n" + modi + "Methode=FTP\nServer=127.0.0.1\nPoort=" +
                         server->PoortTekst() + "\nGebruikersnaam=club\nWachtwoord=" +
                         VersleutelWachtwoord(wachtwoord, 4321) +
                         "\nRemoteDirectory=\nCompetitieIdAanPadToevoegen=1\n");
    }
    CProgrammaUitvoer Voer(std::vector<std::string> argumenten) {
        argumenten[1] = map.Bestand(argumenten[1]);
        argumenten.insert(argumenten.begin(), {"--profiel", map.Bestand("morvel.ini")});
        return VoerMorvelUit(argumenten);
    }
    bool OpServer(const char* naam) const {
        return fs::exists(map.Bestand(std::string("server/club/") + naam));
    }

    CTijdelijkeMap map;
    std::unique_ptr<CUploadServer> server;
};

TEST_F(UploadOpdracht, ZendtDeBestandenInUploadModusEnDruktHetVerslagAf) {
    CProgrammaUitvoer u = Voer({"upload", "club"});
    EXPECT_EQ("", u.fout);
    EXPECT_EQ(0, u.status);
    EXPECT_EQ("Opbouwen internet-connectie\tOK\n"
              "Verbinding maken met de ftp-site: '127.0.0.1'\tOK\n"
              "mkdir 'club'\tOK\n"
              "cd 'club'\tOK\n"
              "upload 'uitslag.inc'\tOK\n"
              "upload 'stand.inc'\tOK\n"
              "Verbinding ftp-site verbreken\tOK\n"
              "Internet-connectie verbreken\tOK\n",
              u.uit);
    EXPECT_EQ(Fixture("html/uitslag.inc"), LeesAlles(map.Bestand("club/uitslag.inc")));
    EXPECT_EQ(OpDeServer(Fixture("html/uitslag.inc")),
              LeesAlles(map.Bestand("server/club/uitslag.inc")));
    EXPECT_EQ(OpDeServer(Fixture("html/stand.inc")),
              LeesAlles(map.Bestand("server/club/stand.inc")));
    EXPECT_FALSE(OpServer("uitslagen.inc"));
    EXPECT_FALSE(OpServer("indeling.inc"));
}

TEST_F(UploadOpdracht, AlleZendtDeDrieBestandenVanDeRondes) {
    SchrijfProfiel("Uitslag=0\nUitslagen=0\nStand=1\nIndeling=0\n", "geheim");
    CProgrammaUitvoer u = Voer({"upload", "club", "--alle"});
    EXPECT_EQ(0, u.status) << u.fout;
    EXPECT_EQ(OpDeServer(Fixture("html/uitslagen.inc")),
              LeesAlles(map.Bestand("server/club/uitslagen.inc")));
    EXPECT_TRUE(OpServer("uitslag.inc"));
    EXPECT_TRUE(OpServer("stand.inc"));
    EXPECT_FALSE(OpServer("indeling.inc"));
}

TEST_F(UploadOpdracht, EenVerkeerdWachtwoordDruktDeHintsAfMetStatusEen) {
    SchrijfProfiel("Uitslag=2\nUitslagen=0\nStand=0\nIndeling=0\n", "fout");
    CProgrammaUitvoer u = Voer({"upload", "club"});
    EXPECT_EQ(1, u.status);
    EXPECT_NE(std::string::npos,
              u.uit.find("Verbinding maken met de ftp-site: '127.0.0.1'\tMISLUKT\n"));
    EXPECT_NE(std::string::npos,
              u.uit.find("--> Deze fout lijkt op een foutieve username/passwd te wijzen\t\n"));
    EXPECT_EQ(std::string::npos, u.uit.find("upload '"));
    EXPECT_TRUE(fs::is_empty(map.Bestand("server")));
}

TEST_F(UploadOpdracht, EenCompetitieDieNietGelezenKanWordenGeeftTwee) {
    CProgrammaUitvoer u = Voer({"upload", "bestaat-niet"});
    EXPECT_EQ(2, u.status);
    EXPECT_EQ("", u.uit);
    EXPECT_TRUE(fs::is_empty(map.Bestand("server")));
}

} // namespace
