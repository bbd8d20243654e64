#include "publish/uploadverslag.h"

void CUploadVerslag::VoegRegelToe(const std::string& regel) {
    regels_.push_back({regel, ""});
    if (gewijzigd) {
        gewijzigd(Laatste());
    }
}

void CUploadVerslag::ZetStatus(int rij, const std::string& status) {
    Wijzig(rij, &CUploadRegel::status, status);
}

void CUploadVerslag::ZetTekst(int rij, const std::string& tekst) {
    Wijzig(rij, &CUploadRegel::tekst, tekst);
}

void CUploadVerslag::Wijzig(int rij, std::string CUploadRegel::*veld, const std::string& waarde) {
    if (rij < 0 || rij > Laatste()) {
        return;
    }
    regels_[static_cast<size_t>(rij)].*veld = waarde;
    if (gewijzigd) {
        gewijzigd(rij);
    }
}

std::vector<std::string> CUploadVerslag::Teksten() const {
    std::vector<std::string> teksten;
    teksten.reserve(regels_.size());
    for (const CUploadRegel& r : regels_) {
        teksten.push_back(r.tekst + "\t" + r.status);
    }
    return teksten;
}
