// The FTP run through libcurl: one login for the whole run, passive or active
// as "FtpModePassief" says, ASCII transfers. libcurl keeps the logged-in
// connection between the requests; every request names its directory from
// the start directory on, so the steps "cd" and "mkdir" only change that name.

#include "base/getal.h"
#include "base/platform.h"
#include "publish/uploadstappen.h"
#include "settings/settings.h"

#include <curl/curl.h>

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

size_t LeesKopie(char* buffer, size_t grootte, size_t aantal, void* lezer) {
    long n = static_cast<CLfLezer*>(lezer)->Lees(buffer, grootte * aantal);
    return n < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(n);
}

size_t NegeerUitvoer(char*, size_t grootte, size_t aantal, void*) {
    return grootte * aantal;
}

class CFtp {
public:
    CFtp(CSettings& settings, long tijdslimiet) : settings_(settings), limiet_(tijdslimiet) {}

    bool OpenSessie() {
        multi_.reset(curl_multi_init());
        curl_.reset(curl_easy_init());
        return multi_ && curl_;
    }
    void SluitVerbinding() {
        curl_.reset();
        multi_.reset();
    }

    // Logs in with the current settings.
    CURLcode Verbind() { return Verzoek(Url(mappen_, ""), nullptr, nullptr); }
    // Enters `map` below the current directory (`absoluut`: from the root).
    CURLcode Cd(const std::vector<std::string>& map, bool absoluut) {
        std::vector<std::string> nieuw = absoluut ? std::vector<std::string>{} : mappen_;
        if (absoluut) {
            nieuw.push_back("/");
        }
        nieuw.insert(nieuw.end(), map.begin(), map.end());
        CURLcode code = Verzoek(Url(nieuw, ""), nullptr, nullptr);
        if (code == CURLE_OK) {
            mappen_ = nieuw;
        }
        return code;
    }
    CURLcode Mkdir(const std::string& naam) {
        std::unique_ptr<curl_slist, CLijstSluiter> opdracht(
            curl_slist_append(nullptr, ("MKD " + naam).c_str()));
        return Verzoek(Url(mappen_, ""), opdracht.get(), nullptr);
    }
    CURLcode Zend(const std::string& kopie, const std::string& naam, int& leesfout) {
        CLfLezer lezer(kopie);
        if (!lezer.Open()) {
            leesfout = lezer.Fout();
            return CURLE_READ_ERROR;
        }
        CURLcode code = Verzoek(Url(mappen_, naam), nullptr, &lezer);
        leesfout = lezer.Fout();
        return code;
    }

    // libcurl's text for the last failure.
    std::string Tekst(CURLcode code) const { return fout_[0] ? fout_ : curl_easy_strerror(code); }

private:
    std::string Url(const std::vector<std::string>& mappen, const std::string& bestand) const {
        std::string url = "ftp://" + settings_.Server() + "/";
        for (const std::string& map : mappen) {
            url += Escape(map) + "/";
        }
        return url + Escape(bestand);
    }
    std::string Escape(const std::string& deel) const {
        char* e = curl_easy_escape(curl_.get(), deel.data(), static_cast<int>(deel.size()));
        std::string tekst = e ? e : "";
        curl_free(e);
        return tekst;
    }

    // The decimal value of "Poort"; 0, the FTP default, for anything else.
    long Poort() const {
        int32_t poort = VeldGetal(settings_.Poort());
        return poort > 0 && poort <= 65535 ? poort : 0L;
    }

    CURLcode Verzoek(const std::string& url, curl_slist* naOpdrachten, CLfLezer* upload) {
        CURL* c = curl_.get();
        fout_[0] = '\0';
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, fout_);
        curl_easy_setopt(c, CURLOPT_URL, url.c_str());
        curl_easy_setopt(c, CURLOPT_PORT, Poort());
        curl_easy_setopt(c, CURLOPT_USERNAME, settings_.Gebruikersnaam().c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, settings_.Wachtwoord().c_str());
        curl_easy_setopt(c, CURLOPT_FTPPORT, settings_.FtpModePassief() ? nullptr : "-");
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limiet_);
        curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, limiet_);
        curl_easy_setopt(c, CURLOPT_TIMEOUT, limiet_);
        curl_easy_setopt(c, CURLOPT_POSTQUOTE, naOpdrachten);
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, NegeerUitvoer);
        // ASCII: the copy has LF line ends, sent as CR LF, stored as the server's own.
        curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 1L);
        curl_easy_setopt(c, CURLOPT_CRLF, upload ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_UPLOAD, upload ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_NOBODY, upload ? 0L : 1L);
        curl_easy_setopt(c, CURLOPT_READFUNCTION, LeesKopie);
        curl_easy_setopt(c, CURLOPT_READDATA, upload);
        return Voer();
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
        curl_multi_remove_handle(multi_.get(), curl_.get());
        return code;
    }

    CSettings& settings_;
    long limiet_;
    // The easy handle goes before the multi handle that holds its connection.
    std::unique_ptr<CURLM, CMultiSluiter> multi_;
    std::unique_ptr<CURL, CCurlSluiter> curl_;
    std::vector<std::string> mappen_; // the current directory; "/" first when absolute
    char fout_[CURL_ERROR_SIZE] = {};
};

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
            stappen.Regel("--> Deze fout lijkt op een foutieve username/passwd te wijzen");
            stappen.Regel(kHintWijzigMeer);
            stappen.Verwerk();
            std::string gebruiker = settings.Gebruikersnaam();
            std::string wachtwoord = settings.Wachtwoord();
            stappen.ToonInstellingen(settings);
            if (settings.Gebruikersnaam() == gebruiker && settings.Wachtwoord() == wachtwoord) {
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
    if (ftp.Cd({id}, false) == CURLE_OK) {
        stappen.Status(rij, kOk);
        return true;
    }
    stappen.ZetTekst(rij, "mkdir '" + id + "'");
    stappen.Verwerk();
    CURLcode code = ftp.Mkdir(id);
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
    stappen.Status(rij, kMislukt);
    stappen.Regel(ftp.Tekst(code));
    return false;
}

bool FtpZendBestand(CFtp& ftp, CKopieMap& kopieen, const std::string& competitieMap,
                    const std::string& naam, CUploadStappen& stappen) {
    int rij = stappen.Stap("upload '" + naam + "'");
    stappen.Verwerk();
    std::string kopie = kopieen.MaakKopie(stappen, rij, competitieMap, naam);
    if (kopie.empty()) {
        return false;
    }
    int leesfout = 0;
    CURLcode code = ftp.Zend(kopie, naam, leesfout);
    if (code == CURLE_OK) {
        stappen.Status(rij, kOk);
        return true;
    }
    stappen.Status(rij, kMislukt);
    stappen.Regel(leesfout != 0 ? SysteemFoutTekst(leesfout) : ftp.Tekst(code));
    return false;
}

} // namespace

bool FtpUpload(CSettings& settings, const CUploadDoel& doel, int& masker, CUploadStappen& stappen) {
    CFtp ftp(settings, doel.tijdslimiet);
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
