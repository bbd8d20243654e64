#include "settings/profiel.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/platform.h"
#include "base/witruimte.h"
#include "settings/settings.h"

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

// `tekst` without white space at its ends. Lines are looked at as views:
// every key looked up runs through all of them.
std::string_view Kaal(std::string_view tekst) {
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
bool IsSectieRegel(std::string_view regel, std::string_view& naam) {
    std::string_view kaal = Kaal(regel);
    if (kaal.empty() || kaal[0] != '[') {
        return false;
    }
    size_t sluit = kaal.find(']');
    naam =
        Kaal(kaal.substr(1, sluit == std::string_view::npos ? std::string_view::npos : sluit - 1));
    return true;
}

// The key of a line "Sleutel=waarde"; false for comments and lines without '='.
bool IsSleutelRegel(std::string_view regel, std::string_view& sleutel) {
    size_t is = regel.find('=');
    if (is == std::string_view::npos) {
        return false;
    }
    sleutel = Kaal(regel.substr(0, is));
    return !sleutel.empty() && sleutel[0] != ';';
}

// `tekst` with A-Z as a-z: names are compared ignoring the case of those letters.
std::string Klein(std::string_view tekst) {
    std::string klein(tekst);
    for (char& c : klein) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return klein;
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

// A value that the reader gives back otherwise: it trims white space and
// takes one pair of surrounding quotes off.
bool MoetAanhalen(const std::string& waarde) {
    return !waarde.empty() &&
           (IsWitruimte(waarde.front()) || IsWitruimte(waarde.back()) ||
            (waarde.size() >= 2 && waarde.front() == '"' && waarde.back() == '"'));
}

// The sections that Morvel itself writes: those of its settings and its formula sets.
bool IsEigenSectie(const std::string& naam) {
    static const char* const kSecties[] = {
#define MORVEL_SECTIE(naam, sectie, sleutel, standaard) sectie,
        MORVEL_INSTELLINGEN(MORVEL_SECTIE, MORVEL_SECTIE)
#undef MORVEL_SECTIE
    };
    for (const char* sectie : kSecties) {
        if (GelijkZonderHoofdletters(naam, sectie)) {
            return true;
        }
    }
    for (const char* voorvoegsel :
         {kScoreFormuleSectie, kKlasseFormuleSectie, kVoorgiftFormuleSectie}) {
        if (BegintMetZonderHoofdletters(naam.c_str(), voorvoegsel)) {
            return true;
        }
    }
    return false;
}

} // namespace

CProfiel::CRegel::CRegel(std::string regel) : tekst(std::move(regel)) {
    std::string_view n;
    sectie = IsSectieRegel(tekst, n);
    sleutel = !sectie && IsSleutelRegel(tekst, n);
    if (sectie || sleutel) {
        naam = Klein(n);
    }
}

std::string CProfiel::WaaromGeenProfiel() const {
    bool eigenSectie = false;
    bool vreemdeRegel = false;
    bool spelersKop = false;
    for (const CRegel& r : regels_) {
        if (r.sectie) {
            eigenSectie = eigenSectie || IsEigenSectie(r.naam);
            spelersKop = spelersKop || r.naam.rfind("spelers", 0) == 0;
        }
        // An INI file holds sections, keys, comments and empty lines.
        std::string_view kaal = Kaal(r.tekst);
        vreemdeRegel = vreemdeRegel ||
                       !(kaal.empty() || kaal[0] == ';' || kaal[0] == '#' || r.sectie || r.sleutel);
    }
    std::string eerste = regels_.empty() ? "" : regels_.front().tekst;
    NormaliseerWitruimte(eerste);
    if (spelersKop && BegintMetZonderHoofdletters(eerste.c_str(), "versie")) {
        return "het is een databestand van een competitie";
    }
    if (!eigenSectie && vreemdeRegel) {
        return "het heeft geen sectie van Morvel en regels die geen instellingen zijn";
    }
    return "";
}

void CProfiel::VoegRegelIn(size_t plaats, std::string regel) {
    regels_.insert(regels_.begin() + static_cast<long>(plaats), CRegel(std::move(regel)));
}

int CProfiel::Lees() {
    regels_.clear();
    geweigerd_ = false;
    std::string inhoud;
    int fout = 0;
    if (!LeesBestand(pad_, inhoud, fout)) {
        if (fout == ENOENT) {
            return 0;
        }
        geweigerd_ = true;
        Meld(Formatteer("Het instellingenbestand '%s' kan niet gelezen worden.\n%s", pad_.c_str(),
                        SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    return LeesInhoud(inhoud);
}

int CProfiel::LeesInhoud(const std::string& inhoud) {
    regels_.clear();
    geweigerd_ = false;
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
        regels_.emplace_back(inhoud.substr(begin, eind - begin));
        begin = volgende;
    }
    std::string waarom = WaaromGeenProfiel();
    if (waarom.empty()) {
        return 0;
    }
    regels_.clear();
    geweigerd_ = true;
    Meld(Formatteer("Het bestand '%s' is geen instellingenbestand van Morvel: %s.\n"
                    "Het wordt niet gebruikt en niet overschreven; Morvel werkt nu met de "
                    "standaardinstellingen. Geef het juiste instellingenbestand op met --profiel.",
                    pad_.c_str(), waarom.c_str()));
    return -1;
}

std::string CProfiel::Inhoud() const {
    std::string inhoud;
    for (const CRegel& regel : regels_) {
        inhoud += regel.tekst;
        inhoud += "\r\n";
    }
    return inhoud;
}

int CProfiel::Schrijf() {
    if (geweigerd_) {
        return -1;
    }
    // The upload password is scrambled, not encrypted: only its owner may read it.
    const bool prive = !Tekst("Html", "Wachtwoord", "").empty();
    int fout = 0;
    if (!SchrijfBestandVeilig(pad_, Inhoud(), fout, prive)) {
        Meld(Formatteer("Het instellingenbestand '%s' kan niet geschreven worden.\n%s",
                        pad_.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    return 0;
}

long CProfiel::ZoekSleutel(const std::string& sectie, const std::string& sleutel) const {
    bool inSectie = false;
    for (size_t i = 0; i < regels_.size(); ++i) {
        const CRegel& r = regels_[i];
        // The sizes first: most lines are told apart by them.
        if (r.sectie) {
            inSectie = r.naam.size() == sectie.size() && GelijkZonderHoofdletters(r.naam, sectie);
        } else if (inSectie && r.sleutel && r.naam.size() == sleutel.size() &&
                   GelijkZonderHoofdletters(r.naam, sleutel)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

const std::string* CProfiel::Regel(const std::string& sectie, const std::string& sleutel) const {
    long i = ZoekSleutel(sectie, sleutel);
    return i < 0 ? nullptr : &regels_[static_cast<size_t>(i)].tekst;
}

bool CProfiel::RuweWaarde(const std::string& sectie, const std::string& sleutel,
                          std::string& waarde) const {
    const std::string* regel = Regel(sectie, sleutel);
    if (!regel) {
        return false;
    }
    waarde = regel->substr(regel->find('=') + 1);
    return true;
}

std::string CProfiel::Tekst(const std::string& sectie, const std::string& sleutel,
                            const std::string& standaard) const {
    const std::string* regel = Regel(sectie, sleutel);
    if (!regel) {
        return standaard;
    }
    std::string_view waarde = Kaal(std::string_view(*regel).substr(regel->find('=') + 1));
    if (waarde.size() >= 2 && waarde.front() == '"' && waarde.back() == '"') {
        waarde = waarde.substr(1, std::min(waarde.size() - 2, kMaxTekstLengte));
    } else if (waarde.size() > kMaxTekstLengte) {
        waarde = Kaal(waarde.substr(0, kMaxTekstLengte));
    }
    // A lone CR is no line end here, but one for many editors: a blank, as written.
    return EnkeleRegel(std::string(waarde));
}

int32_t CProfiel::Getal(const std::string& sectie, const std::string& sleutel,
                        const std::string& standaard) const {
    return EersteGetal(Tekst(sectie, sleutel, standaard));
}

void CProfiel::ZetTekst(const std::string& sectie, const std::string& sleutel,
                        const std::string& waarde) {
    std::string enkel = EnkeleRegel(waarde);
    ZetRegel(sectie, sleutel, MoetAanhalen(enkel) ? "\"" + enkel + "\"" : enkel);
}

void CProfiel::ZetAangehaaldeTekst(const std::string& sectie, const std::string& sleutel,
                                   const std::string& waarde) {
    ZetRegel(sectie, sleutel, "\"" + EnkeleRegel(waarde) + "\"");
}

void CProfiel::ZetRegel(const std::string& sectie, const std::string& sleutel,
                        const std::string& waarde) {
    std::string regel = EnkeleRegel(sleutel) + "=" + waarde;
    long gevonden = ZoekSleutel(sectie, sleutel);
    if (gevonden >= 0) {
        regels_[static_cast<size_t>(gevonden)] = CRegel(std::move(regel));
        return;
    }
    // A new key goes after the last filled line of the first section of that name.
    for (size_t i = 0; i < regels_.size(); ++i) {
        if (!regels_[i].sectie || !GelijkZonderHoofdletters(regels_[i].naam, sectie)) {
            continue;
        }
        size_t plaats = i + 1;
        for (size_t j = i + 1; j < regels_.size() && !regels_[j].sectie; ++j) {
            if (!Kaal(regels_[j].tekst).empty()) {
                plaats = j + 1;
            }
        }
        VoegRegelIn(plaats, std::move(regel));
        return;
    }
    if (!regels_.empty() && !Kaal(regels_.back().tekst).empty()) {
        VoegRegelIn(regels_.size(), "");
    }
    VoegRegelIn(regels_.size(), "[" + EnkeleRegel(sectie) + "]");
    VoegRegelIn(regels_.size(), std::move(regel));
}

void CProfiel::ZetGetal(const std::string& sectie, const std::string& sleutel, int32_t waarde) {
    ZetTekst(sectie, sleutel, std::to_string(waarde));
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
