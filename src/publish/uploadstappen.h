#pragma once
// What the FTP and the SFTP run share: the log with its steps, the private
// folder of the encoded copies and the reading of a copy with LF line ends.

#include "publish/upload.h"
#include "publish/uploadverslag.h"

#include <cstdio>
#include <functional>
#include <string>

class CSettings;

inline constexpr const char* kOk = "OK";
inline constexpr const char* kMislukt = "MISLUKT";

// The log of one run and the window's events.
class CUploadStappen {
public:
    CUploadStappen(CUploadVerslag& verslag, CUploadOmgeving& omgeving)
        : verslag_(verslag), omgeving_(omgeving) {}

    // Adds the row of a step and returns it.
    int Stap(const std::string& tekst) {
        verslag_.VoegRegelToe(tekst);
        return verslag_.Laatste();
    }
    void Regel(const std::string& tekst) { verslag_.VoegRegelToe(tekst); }
    void Status(int rij, const char* status) { verslag_.ZetStatus(rij, status); }
    void ZetTekst(int rij, const std::string& tekst) { verslag_.ZetTekst(rij, tekst); }
    void Verwerk() { omgeving_.VerwerkGebeurtenissen(); }
    void ToonInstellingen(CSettings& settings) { omgeving_.ToonInstellingen(settings); }
    CUploadVerslag& Verslag() { return verslag_; }

private:
    CUploadVerslag& verslag_;
    CUploadOmgeving& omgeving_;
};

// "upload '" + f + "'" with the retry suffix "'\tOpnieuw..." instead of the
// closing quote on a second attempt.
std::string MetAanhalingen(const std::string& begin, const std::string& waarde, bool opnieuw);

// A folder of its own for the encoded copies of one run, made in the system's
// temporary directory with access for the owner only, and removed with its
// contents at the end of the run.
class CKopieMap {
public:
    CKopieMap();
    ~CKopieMap();
    CKopieMap(const CKopieMap&) = delete;
    CKopieMap& operator=(const CKopieMap&) = delete;

    // The encoded copy of `competitieMap`/`naam` for sending: its path, or
    // empty after the log has the reason and the step's status is "MISLUKT".
    std::string MaakKopie(CUploadStappen& stappen, int rij, const std::string& competitieMap,
                          const std::string& naam);

private:
    std::string pad_; // empty when the folder could not be made
};

// Reads a file with every CR LF as LF, as a text-mode read would.
class CLfLezer {
public:
    explicit CLfLezer(const std::string& pad);
    ~CLfLezer();
    CLfLezer(const CLfLezer&) = delete;
    CLfLezer& operator=(const CLfLezer&) = delete;

    bool Open() const { return bestand_ != nullptr; }
    // Up to `max` bytes into `buffer`: their number, 0 at the end, -1 on a
    // read error.
    long Lees(char* buffer, size_t max);
    int Fout() const { return fout_; }

private:
    std::FILE* bestand_;
    bool cr_ = false; // a CR was read last and is held back
    int fout_ = 0;
};

// How the sending of one file ended: sent, failed, or failed in a way that
// ends the run (the server stopped answering or the connection is gone).
enum class ZendUitkomst { Verzonden, Mislukt, Stop };

// Sends every file of `masker` in the order of the table with `zend` (given
// the file name) and clears the bit of each file sent; after a Stop the
// files not yet sent keep their bits. True when every one was sent.
bool ZendBestanden(int& masker, const std::function<ZendUitkomst(const std::string& naam)>& zend);

// The FTP (with or without TLS) and the SFTP run; both clear the bit of
// every file sent.
bool FtpUpload(CSettings& settings, const CUploadDoel& doel, int& masker, CUploadStappen& stappen);
bool SftpUpload(CSettings& settings, const CUploadDoel& doel, int& masker, CUploadStappen& stappen);
