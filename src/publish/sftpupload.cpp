// The SFTP run through libssh: password authentication and the SFTP
// subsystem. A server seen for the first time is added to the known-hosts
// file; a server whose key changed is refused before anything is sent.

#include "base/codering.h"
#include "base/platform.h"
#include "publish/uploadstappen.h"
#include "settings/settings.h"

#include <libssh/libssh.h>
#include <libssh/sftp.h>

#include <fcntl.h>

namespace {

struct CSessie {
    ssh_session sessie = ssh_new();
    bool verbonden = false;
    ~CSessie() {
        if (sessie) {
            if (verbonden) {
                ssh_disconnect(sessie);
            }
            ssh_free(sessie);
        }
    }
    std::string Fout() const { return ssh_get_error(sessie); }
};

struct CKanaal {
    sftp_session sftp;
    ~CKanaal() {
        if (sftp) {
            sftp_free(sftp);
        }
    }
};

// The known-hosts check: true when the run may go on.
bool ControleerServer(CSessie& s, CUploadStappen& stappen) {
    int rij = stappen.Stap("Controle ssh beveiliging");
    enum ssh_known_hosts_e staat = ssh_session_is_known_server(s.sessie);
    ssh_key sleutel = nullptr;
    unsigned char* hash = nullptr;
    size_t lengte = 0;
    if (ssh_get_server_publickey(s.sessie, &sleutel) != SSH_OK ||
        ssh_get_publickey_hash(sleutel, SSH_PUBLICKEY_HASH_SHA256, &hash, &lengte) != 0) {
        ssh_key_free(sleutel);
        stappen.Status(rij, kMislukt);
        stappen.Regel(s.Fout());
        stappen.Regel("De server gaf geen geldige publickey hash, de ssh sessie is niet secure");
        return false;
    }
    ssh_key_free(sleutel);
    ssh_clean_pubkey_hash(&hash);
    switch (staat) {
    case SSH_KNOWN_HOSTS_OK:
        break;
    case SSH_KNOWN_HOSTS_CHANGED:
        stappen.Regel("Info: De key voor deze host is veranderd");
        stappen.Status(rij, kMislukt);
        stappen.Regel("De upload is geweigerd: de server heeft een andere identiteit dan bij "
                      "het vorige contact. Controleer bij de beheerder van de server of de "
                      "nieuwe key klopt en verwijder dan de oude uit het known-hosts bestand.");
        return false;
    case SSH_KNOWN_HOSTS_OTHER:
        stappen.Regel("De key voor deze host bestaat niet, maar wel een andere, de verbinding "
                      "is niet secure");
        stappen.Regel("Algemene ssh-fout:");
        stappen.Regel(s.Fout());
        stappen.Status(rij, kMislukt);
        return false;
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        if (ssh_session_update_known_hosts(s.sessie) != SSH_OK) {
            stappen.Status(rij, kMislukt);
            stappen.Regel("De ssh host key kon niet geschreven worden");
            return false;
        }
        break;
    case SSH_KNOWN_HOSTS_ERROR:
    default:
        stappen.Status(rij, kMislukt);
        stappen.Regel(s.Fout());
        return false;
    }
    stappen.Status(rij, kOk);
    stappen.Verwerk();
    return true;
}

bool SftpMaakMap(CKanaal& k, const std::string& map, CUploadStappen& stappen) {
    int rij = stappen.Stap("sftp_mkdir(" + map + ")");
    if (sftp_mkdir(k.sftp, Cp1252NaarUtf8(map).c_str(), 0777) == 0 ||
        sftp_get_error(k.sftp) == SSH_FX_FILE_ALREADY_EXISTS) {
        stappen.Status(rij, kOk);
        return true;
    }
    stappen.Status(rij, kMislukt);
    return false;
}

bool SftpZendBestand(CSessie& s, CKanaal& k, CKopieMap& kopieen, const std::string& map,
                     const std::string& competitieMap, const std::string& naam,
                     CUploadStappen& stappen) {
    int rij = stappen.Stap("sftp_uploadfile(" + naam + ")");
    std::string kopie = kopieen.MaakKopie(stappen, rij, competitieMap, naam);
    if (kopie.empty()) {
        return false;
    }
    CLfLezer lezer(kopie);
    if (!lezer.Open()) {
        stappen.Status(rij, kMislukt);
        stappen.Regel(SysteemFoutTekst(lezer.Fout()));
        return false;
    }
    std::string doel = Cp1252NaarUtf8(map.empty() ? naam : map + "/" + naam);
    sftp_file bestand = sftp_open(k.sftp, doel.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (!bestand) {
        stappen.Status(rij, kMislukt);
        stappen.Regel(s.Fout());
        return false;
    }
    char stuk[1024];
    long n;
    std::string fout;
    while (fout.empty() && (n = lezer.Lees(stuk, sizeof stuk)) > 0) {
        ssize_t geschreven = sftp_write(bestand, stuk, static_cast<size_t>(n));
        if (geschreven != n) {
            fout = geschreven < 0 ? s.Fout() : "Het bestand is niet volledig geschreven";
        }
    }
    if (fout.empty() && lezer.Fout() != 0) {
        fout = SysteemFoutTekst(lezer.Fout());
    }
    if (sftp_close(bestand) != SSH_NO_ERROR && fout.empty()) {
        fout = s.Fout();
    }
    if (!fout.empty()) {
        stappen.Status(rij, kMislukt);
        stappen.Regel(fout);
        return false;
    }
    stappen.Status(rij, kOk);
    stappen.Verwerk();
    return true;
}

bool SftpZendBestanden(CSessie& s, CSettings& settings, const CUploadDoel& doel, int& masker,
                       CUploadStappen& stappen) {
    CKanaal k{sftp_new(s.sessie)};
    if (!k.sftp) {
        stappen.Regel("sftp_new: de sessie kon niet aangemaakt worden");
        stappen.Regel(s.Fout());
        return false;
    }
    if (sftp_init(k.sftp) != SSH_OK) {
        stappen.Regel("sftp_init: initialisatiefout");
        stappen.Regel(s.Fout());
        return false;
    }
    stappen.Verwerk();
    std::string map = settings.RemoteDirectory();
    if (settings.CompetitieIdAanPadToevoegen() == 1) {
        map = map.empty() ? doel.competitieId : map + "/" + doel.competitieId;
    }
    // Without any directory the files go to the directory the server starts in.
    if (!map.empty() && !SftpMaakMap(k, map, stappen)) {
        stappen.Regel(s.Fout());
        return false;
    }
    CKopieMap kopieen;
    return ZendBestanden(masker, [&](const std::string& naam) {
        stappen.Verwerk();
        return SftpZendBestand(s, k, kopieen, map, doel.competitieMap, naam, stappen);
    });
}

} // namespace

bool SftpUpload(CSettings& settings, const CUploadDoel& doel, int& masker,
                CUploadStappen& stappen) {
    int rij = stappen.Stap("Initialiseren ssh sessie");
    CSessie s;
    if (!s.sessie) {
        stappen.Status(rij, kMislukt);
        stappen.Regel("De ssh_new() functie gaf een fout");
        return false;
    }
    stappen.Status(rij, kOk);
    const std::string& server = settings.Server();
    const std::string& poort = settings.Poort();
    const std::string& gebruiker = settings.Gebruikersnaam();
    long limiet = doel.tijdslimiet;
    bool nee = false;
    ssh_options_set(s.sessie, SSH_OPTIONS_PROCESS_CONFIG, &nee);
    ssh_options_set(s.sessie, SSH_OPTIONS_HOST, server.c_str());
    ssh_options_set(s.sessie, SSH_OPTIONS_PORT_STR, poort.c_str());
    ssh_options_set(s.sessie, SSH_OPTIONS_USER, gebruiker.c_str());
    ssh_options_set(s.sessie, SSH_OPTIONS_TIMEOUT, &limiet);
    if (!doel.knownHosts.empty()) {
        ssh_options_set(s.sessie, SSH_OPTIONS_KNOWNHOSTS, doel.knownHosts.c_str());
        ssh_options_set(s.sessie, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, doel.knownHosts.c_str());
    }
    rij = stappen.Stap("Opbouwen ssh sessie: " + gebruiker + "@" + server + ":" + poort);
    stappen.Verwerk();
    if (ssh_connect(s.sessie) != SSH_OK) {
        stappen.Status(rij, kMislukt);
        stappen.Regel(s.Fout());
        return false;
    }
    s.verbonden = true;
    stappen.Status(rij, kOk);
    if (!ControleerServer(s, stappen)) {
        return false;
    }
    if (ssh_userauth_password(s.sessie, nullptr, settings.Wachtwoord().c_str()) !=
        SSH_AUTH_SUCCESS) {
        // The authentication step has no row of its own: it ends the security row's run.
        stappen.Status(stappen.Verslag().Laatste(), kMislukt);
        stappen.Regel(s.Fout());
        stappen.Regel("Het wachtwoord lijkt niet juist te zijn.");
        return false;
    }
    stappen.Verwerk();
    bool gelukt = SftpZendBestanden(s, settings, doel, masker, stappen);
    stappen.Verwerk();
    return gelukt;
}
