#include "base/tekstbestand.h"

#include "base/codering.h"
#include "base/platform.h"

#include <cerrno>

CTekstBestand::~CTekstBestand() {
    if (bestand_) {
        std::fclose(bestand_);
    }
}

bool CTekstBestand::Open(const std::string& pad) {
    if (bestand_) {
        std::fclose(bestand_);
    }
    fout_ = 0;
    if (!MagOverschrijven(pad, fout_)) {
        return false;
    }
    bestand_ = std::fopen(Cp1252NaarUtf8(pad).c_str(), "wb");
    if (!bestand_) {
        fout_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

void CTekstBestand::Schrijf(std::string_view tekst) {
    if (!bestand_ || fout_ != 0) {
        return;
    }
    while (!tekst.empty()) {
        size_t regeleinde = tekst.find('\n');
        std::string_view stuk = tekst.substr(0, regeleinde);
        bool goed =
            stuk.empty() || std::fwrite(stuk.data(), 1, stuk.size(), bestand_) == stuk.size();
        if (goed && regeleinde != std::string_view::npos) {
            goed = std::fwrite("\r\n", 1, 2, bestand_) == 2;
        }
        if (!goed) {
            fout_ = errno != 0 ? errno : EIO;
            return;
        }
        tekst.remove_prefix(regeleinde == std::string_view::npos ? tekst.size() : regeleinde + 1);
    }
}

bool CTekstBestand::Sluit() {
    if (!bestand_) {
        return fout_ == 0;
    }
    errno = 0;
    bool goed = std::fflush(bestand_) == 0;
    if (!goed && fout_ == 0) {
        fout_ = errno != 0 ? errno : EIO;
    }
    if (std::fclose(bestand_) != 0 && fout_ == 0) {
        fout_ = errno != 0 ? errno : EIO;
    }
    bestand_ = nullptr;
    return fout_ == 0;
}
