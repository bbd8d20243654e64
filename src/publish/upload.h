#pragma once
// The upload of the include files marked for it, by FTP (libcurl) or SFTP
// (libssh), in one run that logs every step. The run reports through small
// interfaces so that the upload window and the command line show it their
// own way. Every network step ends within the time limit, whatever the
// server does, and the window's events are handled while it waits; a file
// is sent under a temporary name and replaces the old one only when it
// arrived whole.

#include "publish/uploadnodig.h"

#include <array>
#include <string>

class CSettings;
class CUploadVerslag;

// The bits of `uploadMasker` and the order in which a run sends the files.
struct CUploadBestand {
    HtmlBestand bestand;
    int bit;
};
inline constexpr std::array<CUploadBestand, kAantalHtmlBestanden> kUploadVolgorde = {{
    {HtmlBestand::Uitslag, 1},
    {HtmlBestand::Uitslagen, 2},
    {HtmlBestand::Stand, 8},
    {HtmlBestand::Indeling, 4},
    {HtmlBestand::Klassenverloop, 16},
}};

// The method of "Methode": "SFTP", "FTPS" (FTP with explicit TLS), and FTP
// for any other text.
enum class UploadMethode { Ftp, Ftps, Sftp };
UploadMethode MethodeVan(const std::string& tekst);
const char* MethodeTekst(UploadMethode methode);

// The mask of the files that wait for their upload.
int UploadMasker(const CUploadNodig& nodig);
// Clears the flag of every file whose bit is no longer set in `masker`.
void WisVerzonden(CUploadNodig& nodig, int masker);

// What a run asks of the window that shows it.
class CUploadOmgeving {
public:
    virtual ~CUploadOmgeving() = default;
    // Handles pending window events between two steps.
    virtual void VerwerkGebeurtenissen() {}
    // Offers the upload settings window after a failed connection or server
    // path; the run reads the settings again afterwards. Without a window
    // nothing changes, and the run ends or goes on as after "Afbreken".
    virtual void ToonInstellingen(CSettings& settings) { (void)settings; }
};

// Where a run takes the files from and puts them.
struct CUploadDoel {
    std::string competitieMap; // the local include files
    std::string competitieId;  // the name of the competition's sub-directory
    long tijdslimiet = 30;     // seconds, for every network step
    std::string knownHosts;    // SFTP known-hosts file; empty: libssh's default
};

// One run over the files of a mask, by the method of the settings ("Methode"
// "SFTP", otherwise FTP). The settings may change during the run.
class CUploadRun {
public:
    CUploadRun(CSettings& settings, CUploadDoel doel, int masker)
        : settings_(settings), doel_(std::move(doel)), masker_(masker) {}

    // Sends the files; the bit of every file sent is cleared. True when every
    // file of the mask was sent.
    bool Voer(CUploadVerslag& verslag, CUploadOmgeving& omgeving);
    int Masker() const { return masker_; }
    CSettings& Settings() { return settings_; }

private:
    CSettings& settings_;
    CUploadDoel doel_;
    int masker_;
};
