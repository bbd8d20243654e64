#include "data/speler.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/regellezer.h"
#include "base/witruimte.h"
#include "data/competitie.h"

#include <algorithm>

namespace {

constexpr size_t kLangsteNaamFormaat0 = 22;
// The widest rest of a players line in either layout: a number and a class of
// ten digits each, the quotes, the flags and the blanks between them.
constexpr size_t kRestVanSpelersRegel = 30;
static_assert(kLangsteNaam + kRestVanSpelersRegel == CRegelLezer::kLangsteRegel);
// A format-0 line with an empty name has the padded name field, and the blanks
// around it, between the number and the flag code.
constexpr size_t kLegeNaamFormaat0 = kLangsteNaamFormaat0 + 1;

bool VlaggenGeldig(int32_t a, int32_t b, int32_t c) {
    auto geldig = [](int32_t v) { return v == 0 || v == 1; };
    return geldig(a) && geldig(b) && geldig(c);
}

// Flags that are not 0 or 1 are reported and reduced to their lowest bit.
void HerstelVlaggen(const char* operatie, int32_t& a, int32_t& b, int32_t& c) {
    if (VlaggenGeldig(a, b, c)) {
        return;
    }
    Meld(std::string(operatie) +
         "\nInterne programma fout: vlaggen zijn niet 0 of 1 (automatisch hersteld)");
    a &= 1;
    b &= 1;
    c &= 1;
}

// The one-digit flag code of the old file layout.
int VlagCode(const CSpeler& s) {
    if (!s.aktief) {
        return 0;
    }
    if (s.standaardIndelen) {
        return s.uitlotenToegestaan ? 1 : 3;
    }
    return s.uitlotenToegestaan ? 2 : 4;
}

// A flag word of the players line: J/j/Y/y is 1, N/n or the end of the line 0, anything else -1.
int32_t LeesVlag(const char*& p) {
    SlaWitruimteOver(p);
    int32_t vlag = -1;
    switch (*p) {
    case 'j':
    case 'J':
    case 'y':
    case 'Y':
        vlag = 1;
        break;
    case 'n':
    case 'N':
    case '\0':
        vlag = 0;
        break;
    default:
        break;
    }
    while (*p && !IsWitruimte(*p)) {
        ++p;
    }
    SlaWitruimteOver(p);
    return vlag;
}

// A players line that cannot be read: reported, and the player is not added.
int MeldSyntaxfout(const std::string& regel) {
    Meld("CSpelers::VoegToe()\nSyntaxfout in regel '" +
         regel.substr(0, regel.find_last_not_of("\r\n") + 1) + "'.");
    return -1;
}

} // namespace

void CSpeler::Reset() {
    stand.Reset();
    klasse = beginKlasse;
}

int CSpeler::AantalKeerUitgeloot(const CRondes& rondes) const {
    return rondes.AantalUitgeloot(volgnummer);
}

CSpelers::~CSpelers() {
    Clear();
}

void CSpelers::Clear() {
    if (gewijzigd_) {
        Meld("CSpelers::Clear()\nProgramma flow fout\nDe veranderde spelerslijst is nog niet "
             "opgeslagen.");
    }
    lijst_.clear();
    index_.clear();
    gewijzigd_ = false;
}

bool CSpelers::NaamInGebruik(const std::string& naam, const CSpeler* behalve) const {
    return std::any_of(lijst_.begin(), lijst_.end(), [&](const auto& s) {
        return s.get() != behalve && GelijkZonderHoofdletters(s->naam, naam);
    });
}

void CSpelers::VoegRecordToe(std::unique_ptr<CSpeler> speler) {
    index_.emplace(speler->volgnummer, speler.get());
    lijst_.push_back(std::move(speler));
    gewijzigd_ = true;
}

void CSpelers::HerbouwIndex() {
    index_.clear();
    for (const auto& s : lijst_) {
        index_.emplace(s->volgnummer, s.get());
    }
}

std::string NaamWeigering(const std::string& naam) {
    // The data file quotes names with double quotes and cannot hold one inside.
    if (naam.find('"') != std::string::npos) {
        return "De naam mag geen dubbele aanhalingstekens (\") bevatten.";
    }
    if (naam.size() > kLangsteNaam) {
        return Formatteer("De naam mag niet langer zijn dan %zu tekens.", kLangsteNaam);
    }
    return "";
}

int CSpelers::ControleerNaam(const std::string& naam, const CSpeler* zelf) {
    if (std::string weigering = NaamWeigering(naam); !weigering.empty()) {
        Meld(weigering);
        return -1;
    }
    if (NaamInGebruik(naam, zelf)) {
        Meld("Deze naam is al in gebruik");
        return -1;
    }
    if (competitie_.Formaat() < 1 && naam.size() > kLangsteNaamFormaat0) {
        competitie_.SetFormaat(2);
    }
    return 0;
}

int CSpelers::ControleerKlasse(int32_t klasse) {
    if (klasse < 1) {
        Meld("De klasse dient minimaal 1 te zijn");
        return -1;
    }
    return 0;
}

int CSpelers::VoegToe(int32_t volgnummer, std::string& naam, int32_t beginKlasse, int32_t aktief,
                      int32_t standaardIndelen, int32_t uitlotenToegestaan) {
    if (volgnummer < 1) {
        Meld("Het volgnummer dient minimaal 1 te zijn");
        return -1;
    }
    if (Bestaat(volgnummer, false)) {
        Meld("Het volgnummer is al in gebruik");
        return -1;
    }
    if (competitie_.Formaat() < 1 && volgnummer > 99) {
        competitie_.SetFormaat(2);
    }
    NormaliseerWitruimte(naam);
    if (naam.empty()) {
        Meld("De naam moet een geldige tekenreeks bevatten.");
        return -1;
    }
    if (ControleerNaam(naam, nullptr) != 0 || ControleerKlasse(beginKlasse) != 0) {
        return -1;
    }
    HerstelVlaggen("CSpelers::VoegToe", aktief, standaardIndelen, uitlotenToegestaan);

    auto speler = std::make_unique<CSpeler>();
    speler->volgnummer = volgnummer;
    speler->naam = naam;
    speler->aktief = aktief;
    speler->standaardIndelen = standaardIndelen;
    speler->uitlotenToegestaan = uitlotenToegestaan;
    speler->beginKlasse = beginKlasse;
    speler->klasse = beginKlasse;
    VoegRecordToe(std::move(speler));
    return 0;
}

int CSpelers::PasAan(int32_t volgnummer, std::string& naam, int32_t beginKlasse, int32_t klasse,
                     int32_t aktief, int32_t standaardIndelen, int32_t uitlotenToegestaan) {
    CSpeler* speler = Zoek(volgnummer);
    if (!speler) {
        Meld("CSpelers::PasAan\nInterne programma fout: volgnummer niet gevonden");
        return -1;
    }
    NormaliseerWitruimte(naam);
    if (ControleerNaam(naam, speler) != 0 || ControleerKlasse(beginKlasse) != 0) {
        return -1;
    }
    if (beginKlasse != speler->beginKlasse && competitie_.rondes.Betrokkenheid(volgnummer) == 3) {
        Meld("De beginklasse mag niet meer aangepast worden wanneer de speler al partijen "
             "gespeeld heeft.\nOm een klasse gedurende een competitie te kunnen wijzigen kunt u "
             "de 'nieuwe klasse' mogelijkheid in de uitslagverwerkingsdialoog gebruiken.");
        return -1;
    }
    if (ControleerKlasse(klasse) != 0) {
        return -1;
    }
    HerstelVlaggen("CSpelers::VoegToe", aktief, standaardIndelen, uitlotenToegestaan);

    speler->naam = naam;
    speler->aktief = aktief;
    speler->standaardIndelen = standaardIndelen;
    speler->uitlotenToegestaan = uitlotenToegestaan;
    speler->beginKlasse = beginKlasse;
    speler->klasse = klasse;
    gewijzigd_ = true;
    return 0;
}

void CSpelers::Verwijder(int32_t volgnummer) {
    auto it = std::find_if(lijst_.begin(), lijst_.end(),
                           [&](const auto& s) { return s->volgnummer == volgnummer; });
    if (it == lijst_.end()) {
        return;
    }
    lijst_.erase(it);
    HerbouwIndex();
    gewijzigd_ = true;
}

int32_t CSpelers::HoogsteNummer() const {
    int32_t hoogste = 0;
    for (const auto& s : lijst_) {
        hoogste = std::max(hoogste, s->volgnummer);
    }
    return hoogste;
}

int CSpelers::Bestaat(int32_t volgnummer, bool melden) const {
    if (Zoek(volgnummer)) {
        return 1;
    }
    if (melden) {
        Meld(Formatteer("Het nummer '%lu' is ongebruikt in deze ledenlijst en verwijst dus niet "
                        "naar een geldige speler.",
                        static_cast<unsigned long>(static_cast<uint32_t>(volgnummer))));
    }
    return 0;
}

CSpeler* CSpelers::Zoek(int32_t volgnummer) const {
    auto it = index_.find(volgnummer);
    return it == index_.end() ? nullptr : it->second;
}

CSpeler* CSpelers::ZoekNaam(const std::string& naam) const {
    for (const auto& s : lijst_) {
        if (s->naam == naam) {
            return s.get();
        }
    }
    return nullptr;
}

int CSpelers::VoegToe(const std::string& regel, int formaat) {
    // Every players line begins with the player's number; anything else is no player.
    if ((formaat == 0 || formaat == 2) && !IsCijfer(regel.c_str()[0])) {
        return MeldSyntaxfout(regel);
    }
    if (formaat == 2) {
        return VoegToeFormaat2(regel);
    }
    if (formaat == 0) {
        return VoegToeFormaat0(regel);
    }
    Meld(Formatteer("CSpelers::VoegToe()\nOnbekende versie formaat '%d'.", formaat));
    return -1;
}

int CSpelers::VoegToeFormaat2(const std::string& regel) {
    auto speler = std::make_unique<CSpeler>();
    const char* p = regel.c_str();
    bool getallenPassen = LeesGetal(p, speler->volgnummer);
    if (IsWitruimte(*p)) {
        ++p;
    }
    const char* begin = p;
    if (*p == '"') {
        begin = ++p;
        while (*p && *p != '"') {
            ++p;
        }
    } else {
        while (*p && *p != ' ') {
            ++p;
        }
    }
    speler->naam.assign(begin, p);
    while (*p && !IsCijfer(*p)) {
        ++p;
    }
    getallenPassen = LeesGetal(p, speler->beginKlasse) && getallenPassen;
    speler->klasse = speler->beginKlasse;
    speler->aktief = LeesVlag(p);
    speler->standaardIndelen = LeesVlag(p);
    speler->uitlotenToegestaan = LeesVlag(p);
    if (!VlaggenGeldig(speler->aktief, speler->standaardIndelen, speler->uitlotenToegestaan)) {
        return MeldSyntaxfout(regel);
    }
    return VoegGelezenToe(std::move(speler), regel, getallenPassen);
}

int CSpelers::VoegGelezenToe(std::unique_ptr<CSpeler> speler, const std::string& regel,
                             bool getallenPassen) {
    if (!getallenPassen) {
        MeldTeGrootGetal("CSpelers::VoegToe()", regel);
    }
    // A name with a double quote could not be written back whole.
    if (speler->naam.find('"') != std::string::npos) {
        std::replace(speler->naam.begin(), speler->naam.end(), '"', '\'');
        Meld(Formatteer("De naam van speler %ld bevatte dubbele aanhalingstekens (\"); die zijn "
                        "vervangen door apostrofs.",
                        static_cast<long>(speler->volgnummer)));
    }
    VoegRecordToe(std::move(speler));
    return 0;
}

int CSpelers::VoegToeFormaat0(const std::string& regel) {
    auto speler = std::make_unique<CSpeler>();
    const char* p = regel.c_str();
    bool getallenPassen = LeesGetal(p, speler->volgnummer);
    const char* naNummer = p;
    SlaWitruimteOver(p);
    // The name ends at a double blank (the padding after it) or at the line end.
    // The blank name field of a player without a name leaves the flag code as
    // the first word after the number: the name is then empty.
    const char* begin = p;
    if (static_cast<size_t>(p - naNummer) <= kLegeNaamFormaat0) {
        while (*p && !(IsWitruimte(p[0]) && (IsWitruimte(p[1]) || p[1] == '\0'))) {
            ++p;
        }
    }
    speler->naam.assign(begin, p);
    // White space inside as a name entered or read from the other layout has it.
    NormaliseerWitruimte(speler->naam);
    SlaWitruimteOver(p);
    // A line that ends after the name has no code: the player is taken as inactive.
    char code = *p;
    speler->aktief = (code != '0' && code != '\0') ? 1 : 0;
    speler->standaardIndelen = (code == '1' || code == '3') ? 1 : 0;
    speler->uitlotenToegestaan = (code == '1' || code == '2') ? 1 : 0;
    if (*p) {
        ++p;
    }
    SlaWitruimteOver(p);
    getallenPassen = LeesGetal(p, speler->beginKlasse) && getallenPassen;
    speler->klasse = speler->beginKlasse;
    return VoegGelezenToe(std::move(speler), regel, getallenPassen);
}

void CSpelers::SchrijfLijst(std::vector<std::string>& regels, int formaat) const {
    if (formaat != 0 && formaat != 2) {
        Meld("CSpelers::SchrijfLijst()\nInterne programma fout: onbekend formaat");
        return;
    }
    for (const auto& s : lijst_) {
        if (formaat == 2) {
            auto jn = [](int32_t v) { return v ? 'J' : 'N'; };
            regels.push_back(Formatteer(
                "%lu \"%s\" %lu %c %c %c",
                static_cast<unsigned long>(static_cast<uint32_t>(s->volgnummer)), s->naam.c_str(),
                static_cast<unsigned long>(static_cast<uint32_t>(s->beginKlasse)), jn(s->aktief),
                jn(s->standaardIndelen), jn(s->uitlotenToegestaan)));
        } else {
            regels.push_back(Formatteer("%02d %-22s  %d  %3d", s->volgnummer, s->naam.c_str(),
                                        VlagCode(*s), s->beginKlasse));
        }
    }
}

std::string SpelerNaam(const CSpelers& spelers, int32_t volgnummer) {
    const CSpeler* speler = spelers.Zoek(volgnummer);
    return speler ? speler->naam : Formatteer("onbekende speler %d", volgnummer);
}
