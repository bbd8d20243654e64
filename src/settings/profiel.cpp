#include "settings/profiel.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/platform.h"
#include "base/witruimte.h"

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

std::string Bijgesneden(const std::string& tekst) {
    size_t begin = 0;
    size_t eind = tekst.size();
    while (begin < eind && IsWitruimte(tekst[begin])) {
        ++begin;
    }
    while (eind > begin && IsWitruimte(tekst[eind - 1])) {
        --eind;
    }
    return tekst.substr(begin, eind - begin);
}

// The section name of a line "[Naam]", or false for any other line.
bool IsSectieRegel(const std::string& regel, std::string& naam) {
    std::string kaal = Bijgesneden(regel);
    if (kaal.empty() || kaal[0] != '[') {
        return false;
    }
    size_t sluit = kaal.find(']');
    naam = Bijgesneden(kaal.substr(1, sluit == std::string::npos ? std::string::npos : sluit - 1));
    return true;
}

// The key of a line "Sleutel=waarde"; false for comments and lines without '='.
bool IsSleutelRegel(const std::string& regel, std::string& sleutel) {
    size_t is = regel.find('=');
    if (is == std::string::npos) {
        return false;
    }
    sleutel = Bijgesneden(regel.substr(0, is));
    return !sleutel.empty() && sleutel[0] != ';';
}

// A line end inside a name or value would split the line in two.
std::string EnkeleRegel(std::string tekst) {
    for (char& c : tekst) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return tekst;
}

} // namespace

int CProfiel::Lees() {
    regels_.clear();
    std::string inhoud;
    int fout = 0;
    if (!LeesBestand(pad_, inhoud, fout)) {
        if (fout == ENOENT) {
            return 0;
        }
        Meld(Formatteer("Het instellingenbestand '%s' kan niet gelezen worden.\n%s", pad_.c_str(),
                        SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    size_t begin = 0;
    while (begin < inhoud.size()) {
        size_t eind = inhoud.find('\n', begin);
        size_t volgende = eind == std::string::npos ? inhoud.size() : eind + 1;
        if (eind == std::string::npos) {
            eind = inhoud.size();
        }
        if (eind > begin && inhoud[eind - 1] == '\r') {
            --eind;
        }
        regels_.push_back(inhoud.substr(begin, eind - begin));
        begin = volgende;
    }
    return 0;
}

int CProfiel::Schrijf() {
    std::string inhoud;
    for (const std::string& regel : regels_) {
        inhoud += regel;
        inhoud += "\r\n";
    }
    // The upload password is scrambled, not encrypted: only its owner may read it.
    const bool prive = !Tekst("Html", "Wachtwoord", "").empty();
    int fout = 0;
    if (!SchrijfBestandVeilig(pad_, inhoud, fout, prive)) {
        Meld(Formatteer("Het instellingenbestand '%s' kan niet geschreven worden.\n%s",
                        pad_.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    return 0;
}

long CProfiel::ZoekSleutel(const std::string& sectie, const std::string& sleutel) const {
    bool inSectie = false;
    std::string naam;
    for (size_t i = 0; i < regels_.size(); ++i) {
        if (IsSectieRegel(regels_[i], naam)) {
            inSectie = GelijkZonderHoofdletters(naam, sectie);
        } else if (inSectie && IsSleutelRegel(regels_[i], naam) &&
                   GelijkZonderHoofdletters(naam, sleutel)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

bool CProfiel::RuweWaarde(const std::string& sectie, const std::string& sleutel,
                          std::string& waarde) const {
    long i = ZoekSleutel(sectie, sleutel);
    if (i < 0) {
        return false;
    }
    const std::string& regel = regels_[static_cast<size_t>(i)];
    waarde = regel.substr(regel.find('=') + 1);
    return true;
}

std::string CProfiel::Tekst(const std::string& sectie, const std::string& sleutel,
                            const std::string& standaard) const {
    std::string waarde;
    if (!RuweWaarde(sectie, sleutel, waarde)) {
        return standaard;
    }
    waarde = Bijgesneden(waarde);
    if (waarde.size() >= 2 && waarde.front() == '"' && waarde.back() == '"') {
        return waarde.substr(1, std::min(waarde.size() - 2, kMaxTekstLengte));
    }
    return waarde.size() > kMaxTekstLengte ? Bijgesneden(waarde.substr(0, kMaxTekstLengte))
                                           : waarde;
}

int32_t CProfiel::Getal(const std::string& sectie, const std::string& sleutel,
                        const std::string& standaard) const {
    return EersteGetal(Tekst(sectie, sleutel, standaard));
}

void CProfiel::ZetTekst(const std::string& sectie, const std::string& sleutel,
                        const std::string& waarde) {
    std::string regel = EnkeleRegel(sleutel) + "=" + EnkeleRegel(waarde);
    long gevonden = ZoekSleutel(sectie, sleutel);
    if (gevonden >= 0) {
        regels_[static_cast<size_t>(gevonden)] = regel;
        return;
    }
    // A new key goes after the last filled line of the first section of that name.
    std::string naam;
    for (size_t i = 0; i < regels_.size(); ++i) {
        if (!IsSectieRegel(regels_[i], naam) || !GelijkZonderHoofdletters(naam, sectie)) {
            continue;
        }
        size_t plaats = i + 1;
        for (size_t j = i + 1; j < regels_.size() && !IsSectieRegel(regels_[j], naam); ++j) {
            if (!Bijgesneden(regels_[j]).empty()) {
                plaats = j + 1;
            }
        }
        regels_.insert(regels_.begin() + static_cast<long>(plaats), regel);
        return;
    }
    if (!regels_.empty() && !Bijgesneden(regels_.back()).empty()) {
        regels_.push_back("");
    }
    regels_.push_back("[" + EnkeleRegel(sectie) + "]");
    regels_.push_back(regel);
}

void CProfiel::ZetGetal(const std::string& sectie, const std::string& sleutel, int32_t waarde) {
    ZetTekst(sectie, sleutel, Formatteer("%d", waarde));
}

bool ProfielPadVoorProgramma(const std::string& programma, std::string& profiel) {
    size_t naamBegin = programma.find_last_of('/');
    naamBegin = naamBegin == std::string::npos ? 0 : naamBegin + 1;
    if (naamBegin >= programma.size()) {
        return false;
    }
    size_t punt = programma.find_last_of('.');
    if (punt == std::string::npos || punt <= naamBegin) {
        profiel = programma + ".ini";
    } else {
        profiel = programma.substr(0, punt + 1) + "ini";
    }
    return true;
}
