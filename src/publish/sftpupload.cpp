// The SFTP run through libssh: password authentication and the SFTP
// subsystem. A server seen for the first time is added to the known-hosts
// file with its fingerprint in the log; a server whose key changed is refused
// before anything is sent. libssh's blocking calls ignore its own time-out
// once connected, so the run makes the connection itself and every call runs
// under the watchdog, which shuts the socket down at the deadline.

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/platform.h"
#include "publish/uploadstappen.h"
#include "publish/uploadteksten.h"
#include "publish/uploadwachter.h"
#include "settings/settings.h"

#include <libssh/libssh.h>
#include <libssh/sftp.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// SFTP numbers of a full file system and of an exceeded quota (versions 5 and later).
constexpr int kSftpSchijfVol = 14;
constexpr int kSftpQuotumVol = 15;

// The line for a file that the server would not store, by its SFTP status;
// version 3 servers answer a plain failure for a full disk and a read-only one.
std::string OpslagFout(const std::string& naam, int fout) {
    bool rechten = fout == SSH_FX_PERMISSION_DENIED || fout == SSH_FX_WRITE_PROTECT;
    bool vol = fout == kSftpSchijfVol || fout == kSftpQuotumVol;
    return OpslagFoutTekst(naam, !rechten, !vol);
}

class CSftp {
public:
    CSftp(CSettings& settings, const CUploadDoel& doel, CUploadStappen& stappen)
        : settings_(settings), doel_(doel), stappen_(stappen),
          wachter_(std::chrono::seconds(doel.tijdslimiet), [&stappen] { stappen.Verwerk(); }),
          server_(settings.Server()), poort_(settings.Poort().empty() ? "22" : settings.Poort()),
          gebruiker_(settings.Gebruikersnaam()) {}
    ~CSftp();
    CSftp(const CSftp&) = delete;
    CSftp& operator=(const CSftp&) = delete;

    bool Voer(int& masker);

private:
    bool Verbind();
    bool ControleerServer();
    bool MeldAan();
    bool OpenKanaal();
    bool MaakMap(const std::string& map);
    ZendUitkomst ZendBestand(CKopieMap& kopieen, const std::string& map, const std::string& naam);
    // Sends the copy to `tijdelijk` and renames it to `doel`: the failure's
    // line, or empty when the file arrived.
    std::string Zend(CLfLezer& lezer, const std::string& tijdelijk, const std::string& doel,
                     const std::string& naam);

    // Runs one libssh call under the watchdog.
    bool Wacht(const std::function<void()>& stap) { return wachter_.Voer(stap); }
    // The session still works: no deadline passed and the socket is open.
    bool Levend() const { return !wachter_.Verlopen() && ssh_is_connected(sessie_) == 1; }
    std::string Fout() const { return ssh_get_error(sessie_); }
    // The line for a failed call: the time-out, the lost connection, or `tekst`.
    std::string Reden(const std::string& tekst) const;
    std::string Host() const { return server_ + ":" + poort_; }
    std::string Vingerafdruk(ssh_key sleutel) const;

    CSettings& settings_;
    const CUploadDoel& doel_;
    CUploadStappen& stappen_;
    CWachter wachter_;
    std::string server_;
    std::string poort_;
    std::string gebruiker_;
    ssh_session sessie_ = ssh_new();
    sftp_session sftp_ = nullptr;
    std::string knownHosts_;
};

CSftp::~CSftp() {
    if (!sessie_) {
        return;
    }
    // Closing says goodbye to the server: under the watchdog while it answers.
    if (Levend()) {
        Wacht([this] {
            if (sftp_) {
                sftp_free(sftp_);
                sftp_ = nullptr;
            }
            ssh_disconnect(sessie_);
        });
    }
    if (sftp_) {
        sftp_free(sftp_);
    }
    ssh_free(sessie_);
}

std::string CSftp::Reden(const std::string& tekst) const {
    if (wachter_.Verlopen()) {
        return TijdOmTekst(wachter_.Seconden());
    }
    if (ssh_is_connected(sessie_) != 1) {
        return MetBron(VerbrokenTekst(), Fout());
    }
    return tekst;
}

bool CSftp::Verbind() {
    int rij = stappen_.Stap("Opbouwen ssh sessie: " + gebruiker_ + "@" + server_ + ":" +
                            settings_.Poort());
    stappen_.Verwerk();
    CTijdstip deadline = wachter_.Deadline();
    int socket = -1;
    CNetFout netFout;
    // The connect keeps its own deadline; the watchdog only waits for it.
    wachter_.Voer([&] { socket = VerbindTcp(Cp1252NaarUtf8(server_), poort_, deadline, netFout); },
                  deadline + std::chrono::seconds(1));
    if (socket < 0) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel(NetFoutTekst(netFout, server_, poort_, wachter_.Seconden()));
        return false;
    }
    // libssh takes the socket over and closes it; the watchdog keeps a descriptor of its own.
    wachter_.ZetSocket(socket);
    ssh_options_set(sessie_, SSH_OPTIONS_FD, &socket);
    int code = SSH_ERROR;
    bool opTijd = wachter_.Voer([&] { code = ssh_connect(sessie_); }, deadline);
    if (!opTijd || code != SSH_OK) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel(opTijd ? MetBron("De ssh-verbinding met de server kan niet opgezet "
                                        "worden: controleer of op deze poort een ssh-server "
                                        "antwoordt.",
                                        Fout())
                              : TijdOmTekst(wachter_.Seconden()));
        return false;
    }
    stappen_.Status(rij, kOk);
    if (doel_.knownHosts.empty()) {
        char* pad = nullptr;
        if (ssh_options_get(sessie_, SSH_OPTIONS_KNOWNHOSTS, &pad) == SSH_OK && pad) {
            knownHosts_ = Utf8NaarCp1252(pad);
        }
        ssh_string_free_char(pad);
    } else {
        knownHosts_ = doel_.knownHosts;
    }
    return true;
}

std::string CSftp::Vingerafdruk(ssh_key sleutel) const {
    unsigned char* hash = nullptr;
    size_t lengte = 0;
    if (ssh_get_publickey_hash(sleutel, SSH_PUBLICKEY_HASH_SHA256, &hash, &lengte) != 0) {
        return "";
    }
    char* tekst = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, lengte);
    ssh_clean_pubkey_hash(&hash);
    std::string vingerafdruk = tekst ? tekst : "";
    ssh_string_free_char(tekst);
    return vingerafdruk;
}

bool CSftp::ControleerServer() {
    int rij = stappen_.Stap("Controle ssh beveiliging");
    enum ssh_known_hosts_e staat = ssh_session_is_known_server(sessie_);
    ssh_key sleutel = nullptr;
    std::string vingerafdruk;
    std::string soort;
    if (ssh_get_server_publickey(sessie_, &sleutel) == SSH_OK) {
        vingerafdruk = Vingerafdruk(sleutel);
        soort = ssh_key_type_to_char(ssh_key_type(sleutel));
    }
    ssh_key_free(sleutel);
    if (vingerafdruk.empty()) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel(Utf8NaarCp1252(Fout()));
        stappen_.Regel("De server gaf geen geldige publickey hash, de ssh sessie is niet secure");
        return false;
    }
    const std::string bestand = "'" + knownHosts_ + "'";
    switch (staat) {
    case SSH_KNOWN_HOSTS_OK:
        break;
    case SSH_KNOWN_HOSTS_CHANGED:
        stappen_.Status(rij, kMislukt);
        stappen_.Regel("Info: De key voor deze host is veranderd");
        stappen_.Regel("De upload is geweigerd: server " + Host() +
                       " heeft een andere identiteit dan bij het vorige contact, nu de " + soort +
                       "-key met vingerafdruk " + vingerafdruk + ".");
        stappen_.Regel("Controleer bij de beheerder van de server of deze vingerafdruk klopt en "
                       "verwijder dan de regel van deze server uit " +
                       bestand + ".");
        return false;
    case SSH_KNOWN_HOSTS_OTHER:
        stappen_.Status(rij, kMislukt);
        stappen_.Regel("De key voor deze host bestaat niet, maar wel een andere, de verbinding "
                       "is niet secure");
        stappen_.Regel("De upload is geweigerd: server " + Host() + " toont een " + soort +
                       "-key met vingerafdruk " + vingerafdruk + ", maar " + bestand +
                       " bevat voor deze server een key van een ander type.");
        stappen_.Regel("Controleer bij de beheerder van de server of deze vingerafdruk klopt en "
                       "verwijder dan de regel van deze server uit " +
                       bestand + ".");
        return false;
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        if (ssh_session_update_known_hosts(sessie_) != SSH_OK) {
            stappen_.Status(rij, kMislukt);
            stappen_.Regel("De ssh host key kon niet geschreven worden");
            stappen_.Regel(MetBron("Controleer of " + bestand + " geschreven kan worden.", Fout()));
            return false;
        }
        stappen_.Regel("Nieuwe server " + Host() + " met vingerafdruk " + vingerafdruk +
                       " toegevoegd aan " + bestand);
        break;
    case SSH_KNOWN_HOSTS_ERROR:
    default:
        stappen_.Status(rij, kMislukt);
        stappen_.Regel(
            MetBron("Het known-hosts bestand " + bestand + " kan niet gelezen worden.", Fout()));
        return false;
    }
    stappen_.Status(rij, kOk);
    stappen_.Verwerk();
    return true;
}

bool CSftp::MeldAan() {
    int rij = stappen_.Stap("Aanmelden als '" + gebruiker_ + "'");
    stappen_.Verwerk();
    int code = SSH_AUTH_ERROR;
    int methoden = 0;
    Wacht([&] {
        // The first attempt asks which methods the server offers.
        code = ssh_userauth_none(sessie_, nullptr);
        methoden = ssh_userauth_list(sessie_, nullptr);
    });
    if (code != SSH_AUTH_SUCCESS && code != SSH_AUTH_ERROR &&
        (methoden & SSH_AUTH_METHOD_PASSWORD) == 0) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel("De server biedt geen aanmelding met een wachtwoord aan. Vraag de "
                       "beheerder van de server om aanmelden met een wachtwoord toe te staan, of "
                       "kies een andere methode.");
        return false;
    }
    if (code != SSH_AUTH_SUCCESS && code != SSH_AUTH_ERROR) {
        const std::string wachtwoord = settings_.Wachtwoord();
        Wacht([&] { code = ssh_userauth_password(sessie_, nullptr, wachtwoord.c_str()); });
    }
    if (code == SSH_AUTH_SUCCESS) {
        stappen_.Status(rij, kOk);
        return true;
    }
    stappen_.Status(rij, kMislukt);
    if (code == SSH_AUTH_ERROR) {
        stappen_.Regel(Reden(MetBron(VerbrokenTekst(), Fout())));
    } else if (code == SSH_AUTH_PARTIAL) {
        stappen_.Regel("De server vraagt na het wachtwoord nog een andere aanmelding, zoals een "
                       "sleutel; die kan dit programma niet geven.");
    } else {
        stappen_.Regel("Het wachtwoord lijkt niet juist te zijn.");
        stappen_.Regel(MetBron(WachtwoordFoutTekst(gebruiker_), Fout()));
    }
    return false;
}

bool CSftp::OpenKanaal() {
    bool nieuw = true;
    int code = SSH_ERROR;
    Wacht([&] {
        sftp_ = sftp_new(sessie_);
        nieuw = sftp_ != nullptr;
        code = nieuw ? sftp_init(sftp_) : SSH_ERROR;
    });
    if (code == SSH_OK) {
        stappen_.Verwerk();
        return true;
    }
    stappen_.Regel(nieuw ? "sftp_init: initialisatiefout"
                         : "sftp_new: de sessie kon niet aangemaakt worden");
    stappen_.Regel(Reden(MetBron("De server biedt geen SFTP aan voor deze gebruiker.", Fout())));
    return false;
}

bool CSftp::MaakMap(const std::string& map) {
    int rij = stappen_.Stap("sftp_mkdir(" + map + ")");
    const std::string pad = Cp1252NaarUtf8(map);
    int code = 0;
    int fout = SSH_FX_OK;
    bool bestaat = false;
    Wacht([&] {
        code = sftp_mkdir(sftp_, pad.c_str(), 0777);
        if (code != 0) {
            fout = sftp_get_error(sftp_);
            // Many servers answer a plain failure for a directory that exists.
            sftp_attributes info = sftp_stat(sftp_, pad.c_str());
            bestaat = info && info->type == SSH_FILEXFER_TYPE_DIRECTORY;
            sftp_attributes_free(info);
        }
    });
    if (code == 0 || fout == SSH_FX_FILE_ALREADY_EXISTS || bestaat) {
        stappen_.Status(rij, kOk);
        return true;
    }
    stappen_.Status(rij, kMislukt);
    std::string tekst;
    if (fout == SSH_FX_NO_SUCH_FILE) {
        tekst = "De map '" + map +
                "' kan niet gemaakt worden: de map erboven bestaat niet op de "
                "server. Controleer het pad op de server.";
    } else if (fout == SSH_FX_PERMISSION_DENIED) {
        tekst = "De map '" + map +
                "' kan niet gemaakt worden: de gebruiker heeft daar geen "
                "schrijfrechten. Controleer het pad op de server.";
    } else {
        tekst = "De map '" + map + "' kan niet gemaakt worden op de server.";
    }
    stappen_.Regel(Reden(MetBron(tekst, Fout())));
    return false;
}

std::string CSftp::Zend(CLfLezer& lezer, const std::string& tijdelijk, const std::string& doel,
                        const std::string& naam) {
    sftp_file bestand = nullptr;
    int fout = SSH_FX_OK;
    Wacht([&] {
        bestand = sftp_open(sftp_, tijdelijk.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        fout = bestand ? SSH_FX_OK : sftp_get_error(sftp_);
    });
    if (!bestand) {
        if (fout == SSH_FX_NO_SUCH_FILE) {
            return Reden(MetBron("De map voor '" + naam + "' bestaat niet op de server.", Fout()));
        }
        return Reden(MetBron(OpslagFout(naam, fout), Fout()));
    }
    std::string reden;
    Wacht([&] {
        char stuk[1024];
        long n;
        while ((n = lezer.Lees(stuk, sizeof stuk)) > 0) {
            ssize_t geschreven = sftp_write(bestand, stuk, static_cast<size_t>(n));
            if (geschreven != n) {
                fout = sftp_get_error(sftp_);
                reden = MetBron(OpslagFout(naam, fout), ssh_get_error(sessie_));
                break;
            }
            wachter_.Verleng();
        }
        if (reden.empty() && lezer.Fout() != 0) {
            reden = SysteemFoutTekst(lezer.Fout());
        }
        if (sftp_close(bestand) != SSH_NO_ERROR && reden.empty()) {
            reden = MetBron(OpslagFout(naam, sftp_get_error(sftp_)), ssh_get_error(sessie_));
        }
    });
    if (!reden.empty() || !Levend()) {
        return Reden(reden);
    }
    int code = 0;
    Wacht([&] {
        code = sftp_rename(sftp_, tijdelijk.c_str(), doel.c_str());
        if (code != 0) {
            // A server that does not rename over an existing file: the old one goes just before.
            sftp_attributes info = sftp_stat(sftp_, doel.c_str());
            if (info) {
                sftp_attributes_free(info);
                sftp_unlink(sftp_, doel.c_str());
                code = sftp_rename(sftp_, tijdelijk.c_str(), doel.c_str());
            }
        }
    });
    if (code != 0) {
        return Reden(MetBron("Het tijdelijke bestand '" + TijdelijkeNaam(naam) +
                                 "' kan op de server niet hernoemd worden naar '" + naam + "'.",
                             Fout()));
    }
    return "";
}

ZendUitkomst CSftp::ZendBestand(CKopieMap& kopieen, const std::string& map,
                                const std::string& naam) {
    int rij = stappen_.Stap("sftp_uploadfile(" + naam + ")");
    std::string kopie = kopieen.MaakKopie(stappen_, rij, doel_.competitieMap, naam);
    if (kopie.empty()) {
        return ZendUitkomst::Mislukt;
    }
    CLfLezer lezer(kopie);
    if (!lezer.Open()) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel(SysteemFoutTekst(lezer.Fout()));
        return ZendUitkomst::Mislukt;
    }
    const std::string tijdelijk =
        Cp1252NaarUtf8(map.empty() ? TijdelijkeNaam(naam) : map + "/" + TijdelijkeNaam(naam));
    const std::string doel = Cp1252NaarUtf8(map.empty() ? naam : map + "/" + naam);
    std::string reden = Zend(lezer, tijdelijk, doel, naam);
    if (reden.empty()) {
        stappen_.Status(rij, kOk);
        stappen_.Verwerk();
        return ZendUitkomst::Verzonden;
    }
    stappen_.Status(rij, kMislukt);
    stappen_.Regel(reden);
    if (!Levend()) {
        // What arrived stays under the temporary name, replaced by the next run.
        return ZendUitkomst::Stop;
    }
    Wacht([&] { sftp_unlink(sftp_, tijdelijk.c_str()); });
    return Levend() ? ZendUitkomst::Mislukt : ZendUitkomst::Stop;
}

bool CSftp::Voer(int& masker) {
    int rij = stappen_.Stap("Initialiseren ssh sessie");
    if (!sessie_) {
        stappen_.Status(rij, kMislukt);
        stappen_.Regel("De ssh_new() functie gaf een fout");
        return false;
    }
    stappen_.Status(rij, kOk);
    // The watchdog keeps the time; libssh's own limit is only a late backstop.
    long limiet = doel_.tijdslimiet + 5;
    bool nee = false;
    ssh_options_set(sessie_, SSH_OPTIONS_PROCESS_CONFIG, &nee);
    ssh_options_set(sessie_, SSH_OPTIONS_HOST, Cp1252NaarUtf8(server_).c_str());
    ssh_options_set(sessie_, SSH_OPTIONS_PORT_STR, poort_.c_str());
    ssh_options_set(sessie_, SSH_OPTIONS_USER, Cp1252NaarUtf8(gebruiker_).c_str());
    ssh_options_set(sessie_, SSH_OPTIONS_TIMEOUT, &limiet);
    if (!doel_.knownHosts.empty()) {
        const std::string bekend = Cp1252NaarUtf8(doel_.knownHosts);
        ssh_options_set(sessie_, SSH_OPTIONS_KNOWNHOSTS, bekend.c_str());
        ssh_options_set(sessie_, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, bekend.c_str());
    }
    if (!Verbind() || !ControleerServer() || !MeldAan() || !OpenKanaal()) {
        return false;
    }
    std::string map = settings_.RemoteDirectory();
    if (settings_.CompetitieIdAanPadToevoegen() == 1) {
        map = map.empty() ? doel_.competitieId : map + "/" + doel_.competitieId;
    }
    // Without any directory the files go to the directory the server starts in.
    if (!map.empty() && !MaakMap(map)) {
        return false;
    }
    CKopieMap kopieen;
    bool gelukt = ZendBestanden(masker, [&](const std::string& naam) {
        stappen_.Verwerk();
        return ZendBestand(kopieen, map, naam);
    });
    stappen_.Verwerk();
    return gelukt;
}

} // namespace

bool SftpUpload(CSettings& settings, const CUploadDoel& doel, int& masker,
                CUploadStappen& stappen) {
    CSftp sftp(settings, doel, stappen);
    return sftp.Voer(masker);
}
