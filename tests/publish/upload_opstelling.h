#pragma once
// What the upload tests share: a profile, local include files, a private
// temporary directory, the test servers of tests/support/uploadserver.py and
// a run over a mask with its log.

#include "publish/upload.h"
#include "publish/uploadstappen.h"
#include "publish/uploadverslag.h"
#include "settings/settings.h"

#include "melding_recorder.h"
#include "tijdelijke_map.h"
#include "uploadserver.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <libssh/libssh.h>
#include <memory>

namespace fs = std::filesystem;

inline const std::string kUitslag = "<TR><TD>Ren\xE9&nbsp;</TD></TR>\r\n<TR><TD>Piet</TD></TR>\r\n";
inline const std::string kUitslagOpServer =
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

    // `fout` makes the server misbehave at the file `naam` (see uploadserver.py).
    void StartFtp(const std::string& fout = "", const std::string& naam = "") {
        std::vector<std::string> argumenten{tmp.Bestand("server"), "club", "geheim"};
        if (!fout.empty()) {
            argumenten.insert(argumenten.end(), {fout, naam});
        }
        server = std::make_unique<CUploadServer>("ftp", argumenten);
        settings->SetHtmlMethode("FTP");
        settings->SetPoort(server->PoortTekst());
    }
    void StartSftp(const std::string& fout = "", const std::string& naam = "") {
        std::vector<std::string> argumenten{tmp.Bestand("server"), "club", "geheim",
                                            tmp.Bestand("hostkey")};
        if (!fout.empty()) {
            argumenten.insert(argumenten.end(), {fout, naam});
        }
        server = std::make_unique<CUploadServer>("sftp", argumenten);
        settings->SetHtmlMethode("SFTP");
        settings->SetPoort(server->PoortTekst());
    }
    // vsftpd with TLS required and the server certificate of `certificaat`
    // ("ca", "zelf" or "anderehost"); the test CA is tmp/ftps/ca.pem.
    void StartFtps(const std::string& certificaat) {
        fs::create_directories(tmp.Bestand("ftps"));
        server = std::make_unique<CUploadServer>(
            "ftps",
            std::vector<std::string>{tmp.Bestand("server"), tmp.Bestand("ftps"), certificaat});
        settings->SetHtmlMethode("FTPS");
        settings->SetPoort(server->PoortTekst());
        settings->SetGebruikersnaam("anonymous");
        settings->SetHtmlCertificaat(tmp.Bestand("ftps/ca.pem"));
    }
    // The commands vsftpd received.
    std::string FtpsLog() const { return LeesAlles(tmp.Bestand("ftps/vsftpd.log")); }

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
    // The row `regel` ("text\tstatus") is in the log.
    bool InLog(const std::string& regel) const {
        std::vector<std::string> log = Log();
        return std::find(log.begin(), log.end(), regel) != log.end();
    }
    // Some row of the log holds `deel`.
    bool LogBevat(const std::string& deel) const {
        std::vector<std::string> log = Log();
        return std::any_of(log.begin(), log.end(), [&](const std::string& regel) {
            return regel.find(deel) != std::string::npos;
        });
    }
    // The SHA-256 fingerprint of the first key in the known-hosts file.
    std::string VingerafdrukInKnownHosts() const {
        std::string regel = LeesAlles(doel.knownHosts);
        size_t soort = regel.find(' ') + 1;
        size_t blob = regel.find(' ', soort) + 1;
        std::string tekst = regel.substr(blob, regel.find_first_of(" \n", blob) - blob);
        ssh_key sleutel = nullptr;
        if (ssh_pki_import_pubkey_base64(
                tekst.c_str(),
                ssh_key_type_from_name(regel.substr(soort, blob - 1 - soort).c_str()),
                &sleutel) != SSH_OK) {
            return "geen sleutel";
        }
        unsigned char* hash = nullptr;
        size_t lengte = 0;
        ssh_get_publickey_hash(sleutel, SSH_PUBLICKEY_HASH_SHA256, &hash, &lengte);
        char* vinger = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, lengte);
        std::string uit = vinger;
        ssh_string_free_char(vinger);
        ssh_clean_pubkey_hash(&hash);
        ssh_key_free(sleutel);
        return uit;
    }
    // Every file and folder below the server's root, as paths from it.
    std::vector<std::string> OpDeServer() const {
        std::vector<std::string> paden;
        for (const auto& deel : fs::recursive_directory_iterator(tmp.Bestand("server"))) {
            paden.push_back(fs::relative(deel.path(), tmp.Bestand("server")).string());
        }
        std::sort(paden.begin(), paden.end());
        return paden;
    }

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

inline std::string Ftp(const std::string& server, bool opnieuw = false) {
    return MetAanhalingen("Verbinding maken met de ftp-site: '", server, opnieuw);
}

inline const std::vector<std::string> kFtpBegin = {
    "Opbouwen internet-connectie\tOK", "Verbinding maken met de ftp-site: '127.0.0.1'\tOK"};
inline const std::vector<std::string> kFtpEinde = {"Verbinding ftp-site verbreken\tOK",
                                                   "Internet-connectie verbreken\tOK"};

inline std::vector<std::string> Samen(std::vector<std::string> a, const std::vector<std::string>& b,
                                      const std::vector<std::string>& c = {}) {
    a.insert(a.end(), b.begin(), b.end());
    a.insert(a.end(), c.begin(), c.end());
    return a;
}
