// The FTP run through libcurl, plain or with explicit TLS (FTPS: AUTH TLS,
// the data channel protected too, the certificate verified before the user
// name and password are sent): one login for the whole run, passive or
// active as "FtpModePassief" says, ASCII transfers, names in UTF-8 ("OPTS
// UTF8 ON" where the server offers it). libcurl keeps the logged-in
// connection between the requests; every request names its directory from
// the start directory on, so the steps "cd" and "mkdir" only change that
// name. Every request has libcurl's limits (connect, answer, low speed,
// total). libcurl waits for some answers of an FTP server without returning
// (the end of a transfer, the goodbye), so the requests run on a helper
// thread while the window handles its events.

#include "base/codering.h"
#include "base/getal.h"
#include "base/platform.h"
#include "publish/uploadstappen.h"
#include "publish/uploadteksten.h"
#include "publish/uploadwachter.h"
#include "settings/settings.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <memory>
#include <vector>

namespace {

const char* const kHintWijzig = "--> Wijzig eventueel deze parameter in de getoonde dialoog";
const char* const kHintWijzigMeer = "--> Wijzig eventueel deze parameters in de getoonde dialoog";

struct CCurlSluiter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct CMultiSluiter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct CLijstSluiter {
    void operator()(curl_slist* lijst) const { curl_slist_free_all(lijst); }
};
using CLijst = std::unique_ptr<curl_slist, CLijstSluiter>;

CLijst Opdrachten(std::initializer_list<std::string> opdrachten) {
    curl_slist* lijst = nullptr;
    for (const std::string& opdracht : opdrachten) {
        lijst = curl_slist_append(lijst, opdracht.c_str());
    }
    return CLijst(lijst);
}

size_t LeesKopie(char* buffer, size_t grootte, size_t aantal, void* lezer) {
    long n = static_cast<CLfLezer*>(lezer)->Lees(buffer, grootte * aantal);
    return n < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(n);
}

size_t NegeerUitvoer(char*, size_t grootte, size_t aantal, void*) {
    return grootte * aantal;
}

bool BevatZonderHoofdletters(const std::string& tekst, const char* deel) {
    std::string klein = tekst;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return klein.find(deel) != std::string::npos;
}

class CFtp {
public:
    CFtp(CSettings& settings, long tijdslimiet, CUploadStappen& stappen)
        : settings_(settings), limiet_(tijdslimiet), stappen_(stappen) {}
    ~CFtp() { SluitVerbinding(); }
    CFtp(const CFtp&) = delete;
    CFtp& operator=(const CFtp&) = delete;

    bool OpenSessie() {
        multi_.reset(curl_multi_init());
        curl_.reset(curl_easy_init());
        return multi_ && curl_;
    }
    // Says goodbye to the server, which may take until its answer comes.
    void SluitVerbinding() {
        if (curl_ || multi_) {
            VoerOpHulpdraad(
                [this] {
                    curl_.reset();
                    multi_.reset();
                },
                [this] { stappen_.Verwerk(); });
        }
    }

    // Logs in with the current settings and learns whether the server takes
    // UTF-8 names.
    CURLcode Verbind() {
        CLijst feat = Opdrachten({"*FEAT"});
        CURLcode code = Verzoek(Url(mappen_, ""), feat.get(), nullptr, nullptr);
        utf8_ = std::any_of(antwoorden_.begin(), antwoorden_.end(), [](const std::string& r) {
            return r.size() >= 5 && r[0] == ' ' && r.compare(1, 4, "UTF8") == 0;
        });
        return code;
    }
    // Enters `map` below the current directory (`absoluut`: from the root).
    CURLcode Cd(const std::vector<std::string>& map, bool absoluut) {
        std::vector<std::string> nieuw = absoluut ? std::vector<std::string>{} : mappen_;
        if (absoluut) {
            nieuw.push_back("/");
        }
        nieuw.insert(nieuw.end(), map.begin(), map.end());
        CURLcode code = Opdracht(nieuw, {});
        if (code == CURLE_OK) {
            mappen_ = nieuw;
        }
        return code;
    }
    CURLcode Mkdir(const std::string& naam) {
        return Opdracht(mappen_, {"MKD " + Cp1252NaarUtf8(naam)});
    }
    // Sends the copy under the temporary name and renames it over `naam`.
    // On failure `reden` has the line for the log.
    CURLcode Zend(const std::string& kopie, const std::string& naam, std::string& reden) {
        CLfLezer lezer(kopie);
        if (!lezer.Open()) {
            reden = SysteemFoutTekst(lezer.Fout());
            return CURLE_READ_ERROR;
        }
        const std::string tijdelijk = Cp1252NaarUtf8(TijdelijkeNaam(naam));
        const std::string doel = Cp1252NaarUtf8(naam);
        CLijst hernoem = Opdrachten({"RNFR " + tijdelijk, "RNTO " + doel});
        CURLcode code = Verzoek(Url(mappen_, TijdelijkeNaam(naam)), Utf8Opdracht().get(),
                                hernoem.get(), &lezer);
        if (code == CURLE_QUOTE_ERROR) {
            // The file arrived; a server that does not rename over an existing
            // file gets the old one removed just before.
            code = Opdracht(mappen_, {"DELE " + doel, "RNFR " + tijdelijk, "RNTO " + doel});
        }
        if (code == CURLE_OK) {
            return code;
        }
        reden = lezer.Fout() != 0 ? SysteemFoutTekst(lezer.Fout()) : Tekst(code, naam);
        if (code != CURLE_OPERATION_TIMEDOUT) {
            // Whatever arrived under the temporary name goes, when the server still answers.
            Opdracht(mappen_, {"*DELE " + tijdelijk});
        }
        return code;
    }

    // The Dutch line for a failure of the request that gave `code`.
    std::string Tekst(CURLcode code, const std::string& naam = "") const;
    // The server refused the login because it requires TLS.
    bool TlsVereist(CURLcode code) const {
        const std::string antwoord = Antwoord();
        return code == CURLE_LOGIN_DENIED && !Tls() &&
               (BevatZonderHoofdletters(antwoord, "tls") ||
                BevatZonderHoofdletters(antwoord, "ssl") ||
                BevatZonderHoofdletters(antwoord, "encrypt") ||
                BevatZonderHoofdletters(antwoord, "cleartext"));
    }

private:
    bool Tls() const { return MethodeVan(settings_.HtmlMethode()) == UploadMethode::Ftps; }
    // The server's last answer, e.g. "530 Login incorrect."
    std::string Antwoord() const { return antwoorden_.empty() ? "" : antwoorden_.back(); }
    int AntwoordCode() const {
        const std::string a = Antwoord();
        return a.size() >= 3 && std::isdigit(static_cast<unsigned char>(a[0]))
                   ? std::atoi(a.substr(0, 3).c_str())
                   : 0;
    }
    std::string CertificaatTekst(CURLcode code) const;

    CLijst Utf8Opdracht() const { return utf8_ ? Opdrachten({"*OPTS UTF8 ON"}) : CLijst(); }
    // A request without a transfer that enters `mappen` and sends `opdrachten` there.
    CURLcode Opdracht(const std::vector<std::string>& mappen,
                      std::initializer_list<std::string> opdrachten) {
        CLijst na = Opdrachten(opdrachten);
        return Verzoek(Url(mappen, ""), Utf8Opdracht().get(), na.get(), nullptr);
    }

    std::string Url(const std::vector<std::string>& mappen, const std::string& bestand) const {
        std::string url = "ftp://" + Cp1252NaarUtf8(settings_.Server()) + "/";
        for (const std::string& map : mappen) {
            url += Escape(map) + "/";
        }
        return url + Escape(bestand);
    }
    // Names go to the server in UTF-8.
    std::string Escape(const std::string& deel) const {
        const std::string utf8 = Cp1252NaarUtf8(deel);
        char* e = curl_easy_escape(curl_.get(), utf8.data(), static_cast<int>(utf8.size()));
        std::string tekst = e ? e : "";
        curl_free(e);
        return tekst;
    }

    // The decimal value of "Poort"; 0, the FTP default, for anything else.
    long Poort() const {
        int32_t poort = VeldGetal(settings_.Poort());
        return poort > 0 && poort <= 65535 ? poort : 0L;
    }

    static size_t Antwoorden(char* buffer, size_t grootte, size_t aantal, void* ftp) {
        std::string regel(buffer, grootte * aantal);
        while (!regel.empty() && (regel.back() == '\n' || regel.back() == '\r')) {
            regel.pop_back();
        }
        static_cast<CFtp*>(ftp)->antwoorden_.push_back(regel);
        return grootte * aantal;
    }

    CURLcode Verzoek(const std::string& url, curl_slist* voorOpdrachten, curl_slist* naOpdrachten,
                     CLfLezer* upload) {
        CURL* c = curl_.get();
        fout_[0] = '\0';
        antwoorden_.clear();
        const std::string gebruiker = Cp1252NaarUtf8(settings_.Gebruikersnaam());
        const std::string wachtwoord = Cp1252NaarUtf8(settings_.Wachtwoord());
        const std::string certificaat = Cp1252NaarUtf8(settings_.HtmlCertificaat());
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, fout_);
        curl_easy_setopt(c, CURLOPT_URL, url.c_str());
        curl_easy_setopt(c, CURLOPT_PORT, Poort());
        curl_easy_setopt(c, CURLOPT_USERNAME, gebruiker.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, wachtwoord.c_str());
        curl_easy_setopt(c, CURLOPT_FTPPORT, settings_.FtpModePassief() ? nullptr : "-");
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limiet_);
        curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, limiet_);
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limiet_);
        curl_easy_setopt(c, CURLOPT_TIMEOUT, limiet_);
        // TLS before the user name; the certificate checked against the
        // system's store or the club's own file.
        curl_easy_setopt(c, CURLOPT_USE_SSL, Tls() ? long{CURLUSESSL_ALL} : long{CURLUSESSL_NONE});
        curl_easy_setopt(c, CURLOPT_FTPSSLAUTH, long{CURLFTPAUTH_TLS});
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
        curl_easy_setopt(c, CURLOPT_CAINFO, certificaat.empty() ? nullptr : certificaat.c_str());
        curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &CFtp::Antwoorden);
        curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(c, CURLOPT_QUOTE, voorOpdrachten);
        curl_easy_setopt(c, CURLOPT_POSTQUOTE, naOpdrachten);
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, NegeerUitvoer);
        // ASCII: the copy has LF line ends, sent as CR LF, stored as the server's own.
        curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 1L);
        curl_easy_setopt(c, CURLOPT_CRLF, upload ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_UPLOAD, upload ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_NOBODY, upload ? 0L : 1L);
        curl_easy_setopt(c, CURLOPT_READFUNCTION, LeesKopie);
        curl_easy_setopt(c, CURLOPT_READDATA, upload);
        CURLcode code = CURLE_FAILED_INIT;
        VoerOpHulpdraad([&] { code = Voer(); }, [this] { stappen_.Verwerk(); });
        return code;
    }

    // Runs the request in the multi handle, which keeps the logged-in
    // connection. Waiting in short slices notices a data connection that is
    // ready at once, where one long wait could sleep past it.
    CURLcode Voer() {
        CURLMcode fout = curl_multi_add_handle(multi_.get(), curl_.get());
        if (fout != CURLM_OK) {
            return CURLE_FAILED_INIT;
        }
        int bezig = 1;
        while (fout == CURLM_OK && bezig > 0) {
            fout = curl_multi_perform(multi_.get(), &bezig);
            if (fout == CURLM_OK && bezig > 0) {
                fout = curl_multi_poll(multi_.get(), nullptr, 0, 50, nullptr);
            }
        }
        CURLcode code = fout == CURLM_OK ? CURLE_OK : CURLE_FAILED_INIT;
        int over = 0;
        while (CURLMsg* bericht = curl_multi_info_read(multi_.get(), &over)) {
            if (bericht->msg == CURLMSG_DONE) {
                code = bericht->data.result;
            }
        }
        long systeemFout = 0;
        curl_easy_getinfo(curl_.get(), CURLINFO_OS_ERRNO, &systeemFout);
        systeemFout_ = systeemFout;
        curl_multi_remove_handle(multi_.get(), curl_.get());
        return code;
    }

    CSettings& settings_;
    long limiet_;
    CUploadStappen& stappen_;
    // The easy handle goes before the multi handle that holds its connection.
    std::unique_ptr<CURLM, CMultiSluiter> multi_;
    std::unique_ptr<CURL, CCurlSluiter> curl_;
    std::vector<std::string> mappen_;     // the current directory; "/" first when absolute
    std::vector<std::string> antwoorden_; // the server's answers to the last request
    bool utf8_ = false;                   // the server offers "OPTS UTF8 ON"
    long systeemFout_ = 0;
    char fout_[CURL_ERROR_SIZE] = {};
};

std::string CFtp::CertificaatTekst(CURLcode code) const {
    const std::string bestand = settings_.HtmlCertificaat();
    if (code == CURLE_SSL_CACERT_BADFILE) {
        return "Het certificaatbestand '" + bestand +
               "' uit 'HTML uitvoer' kan niet gelezen worden. Er is niets verzonden, ook het "
               "wachtwoord niet.";
    }
    const std::string reden = fout_;
    std::string waarom;
    std::string advies;
    if (BevatZonderHoofdletters(reden, "self-signed") ||
        BevatZonderHoofdletters(reden, "self signed")) {
        waarom = "het is door de server zelf ondertekend";
    } else if (BevatZonderHoofdletters(reden, "issuer")) {
        if (bestand.empty()) {
            waarom =
                "het is niet ondertekend door een certificaatautoriteit die deze computer kent";
            advies = " Gebruikt de club een eigen autoriteit, noem dan haar certificaatbestand in "
                     "'HTML uitvoer'.";
        } else {
            waarom = "het is niet ondertekend door de autoriteit van '" + bestand + "'";
        }
    } else if (BevatZonderHoofdletters(reden, "name")) {
        waarom = "het hoort bij een andere servernaam dan '" + settings_.Server() + "'";
    } else if (BevatZonderHoofdletters(reden, "expired")) {
        waarom = "het is verlopen";
    } else if (BevatZonderHoofdletters(reden, "not yet valid")) {
        waarom = "het is nog niet geldig";
    } else {
        waarom = "het kon niet gecontroleerd worden";
    }
    return "Het certificaat van de server wordt niet vertrouwd: " + waarom +
           ". Er is niets verzonden, ook het wachtwoord niet." + advies;
}

std::string CFtp::Tekst(CURLcode code, const std::string& naam) const {
    std::string bron = fout_[0] ? fout_ : curl_easy_strerror(code);
    // The server's own answer tells more where it refused a command.
    const std::string antwoord = Antwoord();
    const bool geweigerd = code == CURLE_LOGIN_DENIED || code == CURLE_UPLOAD_FAILED ||
                           code == CURLE_QUOTE_ERROR || code == CURLE_REMOTE_ACCESS_DENIED ||
                           code == CURLE_REMOTE_DISK_FULL || code == CURLE_WEIRD_SERVER_REPLY;
    if (geweigerd && !antwoord.empty() && bron.find(antwoord) == std::string::npos) {
        bron += "; " + antwoord;
    }
    const std::string server = settings_.Server();
    const std::string poort = Poort() == 0 ? "21" : settings_.Poort();
    std::string tekst;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return NetFoutTekst({NetUitkomst::NietGevonden, bron}, server, poort, limiet_);
    case CURLE_COULDNT_CONNECT:
        return NetFoutTekst(
            {systeemFout_ == ECONNREFUSED ? NetUitkomst::Geweigerd : NetUitkomst::Onbereikbaar,
             bron},
            server, poort, limiet_);
    case CURLE_OPERATION_TIMEDOUT:
        return MetBron(TijdOmTekst(limiet_), bron);
    case CURLE_LOGIN_DENIED:
        tekst = TlsVereist(code) ? "De server eist een versleutelde verbinding (TLS) en weigert "
                                   "het aanmelden zonder. Kies FTPS als methode in 'HTML "
                                   "uitvoer'."
                                 : WachtwoordFoutTekst(settings_.Gebruikersnaam());
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
        tekst = CertificaatTekst(code);
        break;
    case CURLE_USE_SSL_FAILED:
        tekst = "De server biedt geen versleutelde verbinding (AUTH TLS) aan. Kies FTP of SFTP "
                "als methode in 'HTML uitvoer', of vraag de beheerder van de server om FTPS.";
        break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_FTP_ACCEPT_FAILED:
        tekst = VerbrokenTekst();
        break;
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_QUOTE_ERROR:
    case CURLE_REMOTE_ACCESS_DENIED: {
        int antwoordCode = AntwoordCode();
        bool vol = code == CURLE_REMOTE_DISK_FULL || antwoordCode == 452 || antwoordCode == 552;
        if (!naam.empty() && (vol || antwoordCode == 550 || antwoordCode == 553 ||
                              antwoordCode == 450 || antwoordCode == 532)) {
            tekst = OpslagFoutTekst(naam, vol, !vol);
        } else {
            tekst = "De server weigert de opdracht. Controleer het pad op de server.";
        }
        break;
    }
    default:
        tekst = "De FTP-opdracht is mislukt.";
        break;
    }
    return MetBron(tekst, bron);
}

bool IsServerFout(CURLcode code) {
    return code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT ||
           code == CURLE_OPERATION_TIMEDOUT || code == CURLE_WEIRD_SERVER_REPLY;
}

bool FtpVerbind(CFtp& ftp, CSettings& settings, CUploadStappen& stappen) {
    for (bool opnieuw = false;; opnieuw = true) {
        int rij = stappen.Stap(
            MetAanhalingen("Verbinding maken met de ftp-site: '", settings.Server(), opnieuw));
        stappen.Verwerk();
        CURLcode code = ftp.Verbind();
        if (code == CURLE_OK) {
            stappen.Status(rij, kOk);
            return true;
        }
        stappen.Status(rij, kMislukt);
        stappen.Regel(ftp.Tekst(code));
        if (IsServerFout(code)) {
            stappen.Regel("--> Deze fout lijkt op een foutieve ftp-server te wijzen");
            stappen.Regel(kHintWijzig);
            stappen.Verwerk();
            std::string server = settings.Server();
            stappen.ToonInstellingen(settings);
            if (settings.Server() == server) {
                return false;
            }
        } else if (code == CURLE_LOGIN_DENIED) {
            const bool tls = ftp.TlsVereist(code);
            stappen.Regel(tls ? "--> Deze server eist FTPS: kies FTPS als methode"
                              : "--> Deze fout lijkt op een foutieve username/passwd te wijzen");
            stappen.Regel(tls ? kHintWijzig : kHintWijzigMeer);
            stappen.Verwerk();
            std::string gebruiker = settings.Gebruikersnaam();
            std::string wachtwoord = settings.Wachtwoord();
            std::string methode = settings.HtmlMethode();
            stappen.ToonInstellingen(settings);
            if (settings.Gebruikersnaam() == gebruiker && settings.Wachtwoord() == wachtwoord &&
                settings.HtmlMethode() == methode) {
                return false;
            }
            if (MethodeVan(settings.HtmlMethode()) == UploadMethode::Sftp) {
                // Another protocol altogether: the next run uses it.
                return false;
            }
        } else {
            return false;
        }
    }
}

std::vector<std::string> Delen(const std::string& pad, bool& absoluut) {
    std::string genormaliseerd = pad;
    for (char& c : genormaliseerd) {
        if (c == '\\') {
            c = '/';
        }
    }
    absoluut = !genormaliseerd.empty() && genormaliseerd[0] == '/';
    std::vector<std::string> delen;
    size_t begin = 0;
    while (begin <= genormaliseerd.size()) {
        size_t eind = genormaliseerd.find('/', begin);
        if (eind == std::string::npos) {
            eind = genormaliseerd.size();
        }
        if (eind > begin) {
            delen.push_back(genormaliseerd.substr(begin, eind - begin));
        }
        begin = eind + 1;
    }
    return delen;
}

void FtpStandaardPad(CFtp& ftp, CSettings& settings, CUploadStappen& stappen) {
    for (bool opnieuw = false;; opnieuw = true) {
        const std::string pad = settings.RemoteDirectory();
        if (pad.empty()) {
            return;
        }
        int rij = stappen.Stap(MetAanhalingen("cd '", pad, opnieuw));
        stappen.Verwerk();
        bool absoluut = false;
        CURLcode code = ftp.Cd(Delen(pad, absoluut), absoluut);
        if (code == CURLE_OK) {
            stappen.Status(rij, kOk);
            return;
        }
        stappen.Status(rij, "Mislukt");
        stappen.Regel(ftp.Tekst(code));
        if (code != CURLE_REMOTE_ACCESS_DENIED) {
            return;
        }
        stappen.Regel("--> Deze fout lijkt op een foutief standaard pad op de server te wijzen");
        stappen.Regel(kHintWijzig);
        stappen.Verwerk();
        stappen.ToonInstellingen(settings);
        if (settings.RemoteDirectory() == pad) {
            return;
        }
    }
}

bool FtpCompetitieMap(CFtp& ftp, const std::string& id, CUploadStappen& stappen) {
    int rij = stappen.Stap("cd '" + id + "'");
    stappen.Verwerk();
    CURLcode code = ftp.Cd({id}, false);
    if (code == CURLE_OK) {
        stappen.Status(rij, kOk);
        return true;
    }
    if (code == CURLE_REMOTE_ACCESS_DENIED) {
        stappen.ZetTekst(rij, "mkdir '" + id + "'");
        stappen.Verwerk();
        code = ftp.Mkdir(id);
        if (code == CURLE_OK) {
            stappen.Status(rij, kOk);
            rij = stappen.Stap("cd '" + id + "'");
            stappen.Verwerk();
            code = ftp.Cd({id}, false);
            if (code == CURLE_OK) {
                stappen.Status(rij, kOk);
                return true;
            }
        }
    }
    stappen.Status(rij, kMislukt);
    stappen.Regel(ftp.Tekst(code));
    return false;
}

ZendUitkomst FtpZendBestand(CFtp& ftp, CKopieMap& kopieen, const std::string& competitieMap,
                            const std::string& naam, CUploadStappen& stappen) {
    int rij = stappen.Stap("upload '" + naam + "'");
    stappen.Verwerk();
    std::string kopie = kopieen.MaakKopie(stappen, rij, competitieMap, naam);
    if (kopie.empty()) {
        return ZendUitkomst::Mislukt;
    }
    std::string reden;
    CURLcode code = ftp.Zend(kopie, naam, reden);
    if (code == CURLE_OK) {
        stappen.Status(rij, kOk);
        return ZendUitkomst::Verzonden;
    }
    stappen.Status(rij, kMislukt);
    stappen.Regel(reden);
    // A server that stopped answering would make every next file wait as long.
    return code == CURLE_OPERATION_TIMEDOUT ? ZendUitkomst::Stop : ZendUitkomst::Mislukt;
}

} // namespace

bool FtpUpload(CSettings& settings, const CUploadDoel& doel, int& masker, CUploadStappen& stappen) {
    CFtp ftp(settings, doel.tijdslimiet, stappen);
    int rij = stappen.Stap("Opbouwen internet-connectie");
    if (!ftp.OpenSessie()) {
        stappen.Status(rij, kMislukt);
        stappen.Regel("Onbekende fout");
        return false;
    }
    stappen.Status(rij, kOk);
    if (!FtpVerbind(ftp, settings, stappen)) {
        return false;
    }
    FtpStandaardPad(ftp, settings, stappen);
    if (settings.CompetitieIdAanPadToevoegen() == 1 &&
        !FtpCompetitieMap(ftp, doel.competitieId, stappen)) {
        return false;
    }
    CKopieMap kopieen;
    bool gelukt = ZendBestanden(masker, [&](const std::string& naam) {
        return FtpZendBestand(ftp, kopieen, doel.competitieMap, naam, stappen);
    });
    rij = stappen.Stap("Verbinding ftp-site verbreken");
    ftp.SluitVerbinding();
    stappen.Status(rij, kOk);
    rij = stappen.Stap("Internet-connectie verbreken");
    stappen.Status(rij, kOk);
    return gelukt;
}
