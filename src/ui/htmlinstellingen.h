#pragma once
// The HTML output and upload window "Instellen HTML uitvoer": the modes of
// the five include files, the method, server and account of the upload, and
// which fields are enabled.

#include "publish/upload.h"

#include <array>
#include <cstdint>
#include <string>

class CSettings;

// The password field shows this instead of the stored password.
inline constexpr const char* kWachtwoordPlaatshouder = "1234567890123456";

class CHtmlVenster {
public:
    // The include files, in the order of the window.
    enum EBestand { kUitslag = 0, kUitslagen = 1, kStand = 2, kIndeling = 3, kKlassenverloop = 4 };
    // The modes of a file list: "Bestand niet aanmaken", "Bestand aanmaken,
    // niet uploaden" and "Bestand aanmaken en uploaden".
    static constexpr int32_t kUploaden = 2;

    // Opening: every field from the settings, the placeholder in the password
    // field, which counts as untouched.
    explicit CHtmlVenster(const CSettings& settings);

    int32_t Modus(int bestand) const { return modi_[static_cast<size_t>(bestand)]; }
    void ZetModus(int bestand, int32_t modus) { modi_[static_cast<size_t>(bestand)] = modus; }

    UploadMethode Methode() const { return methode_; }
    // "FTP", "FTPS" or "SFTP" clicked: the port becomes 21, 21 or 22.
    void KiesMethode(UploadMethode methode);

    std::string server;
    std::string poort;
    bool passief = false;
    std::string gebruikersnaam;
    std::string remoteDirectory;
    std::string certificaat; // the club's own certificate file for FTPS; empty: the system's
    bool competitieIdAanPad = false;
    bool automatischAfsluiten = false;

    const std::string& Wachtwoord() const { return wachtwoord_; }
    // Any edit of the password field: its text is stored on OK.
    void ZetWachtwoord(const std::string& tekst);
    bool WachtwoordGewijzigd() const { return wachtwoordGewijzigd_; }

    // The server, port, user name, password and server path fields and the
    // three check boxes: only while some file is in upload mode.
    bool UploadVeldenAan() const;
    // The passive-mode box follows the method alone.
    bool PassiefAan() const { return methode_ != UploadMethode::Sftp; }
    // The certificate file: only for FTPS, and only while some file is in upload mode.
    bool CertificaatAan() const { return UploadVeldenAan() && methode_ == UploadMethode::Ftps; }

    // "OK": stores every field as typed, the password only when it was edited.
    void Ok(CSettings& settings) const;

private:
    std::array<int32_t, 5> modi_{};
    UploadMethode methode_ = UploadMethode::Ftp;
    std::string wachtwoord_ = kWachtwoordPlaatshouder;
    bool wachtwoordGewijzigd_ = false;
};
