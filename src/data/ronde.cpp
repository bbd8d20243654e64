#include "data/ronde.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/regellezer.h"
#include "base/witruimte.h"
#include "data/speler.h"

#include <algorithm>
#include <cstring>

namespace {

// Maps an accepted result character to its stored code, or returns 0.
char ResultaatCode(char c) {
    switch (c) {
    case 'W':
    case 'w':
    case '+':
        return '+';
    case 'V':
    case 'v':
    case '-':
        return '-';
    case 'J':
    case '0':
        return '0';
    case '?':
    case '\0': // a game given without a result is not recorded yet
        return '?';
    default:
        return 0;
    }
}

// "Speeldag " before the identification is the longer of the two layouts.
static_assert(kLangsteIdentificatie + 9 == CRegelLezer::kLangsteRegel);

const char* kRegelVoorRonde = "CRondes::VoegToe()\nUitslagregel voor een ronde-identificatieregel";

std::string Getrimd(const char* begin, const char* eind) {
    while (begin < eind && IsWitruimte(*begin)) {
        ++begin;
    }
    while (eind > begin && IsWitruimte(eind[-1])) {
        --eind;
    }
    return std::string(begin, eind);
}

// The two player numbers at the start of an entry line and the white space
// around them; false when one was too large.
bool LeesTweeNummers(const char*& p, int32_t& eerste, int32_t& tweede) {
    SlaWitruimteOver(p);
    bool passen = LeesGetal(p, eerste);
    SlaWitruimteOver(p);
    passen = LeesGetal(p, tweede) && passen;
    SlaWitruimteOver(p);
    return passen;
}

} // namespace

int ControleerIdentificatie(const std::string& identificatie) {
    if (identificatie.size() > kLangsteIdentificatie) {
        Meld(Formatteer("De identificatie mag niet langer zijn dan %zu tekens.",
                        kLangsteIdentificatie));
        return -1;
    }
    return 0;
}

int NormaliseerIdentificatie(std::string& identificatie) {
    NormaliseerWitruimte(identificatie);
    if (identificatie.empty()) {
        Meld("U bent verplicht een ronde-identificatie in te vullen.");
        return -1;
    }
    return ControleerIdentificatie(identificatie);
}

const char* UitslagTekst(char resultaat) {
    switch (resultaat) {
    case '+':
        return "1 - 0";
    case '-':
        return "0 - 1";
    case '0':
        return "jigo";
    default:
        return "niet genoteerd";
    }
}

int CRonde::VoegToe(int32_t speler1, int32_t speler2, char resultaat) {
    const CSpelers& spelers = rondes_->Spelers();
    if (!spelers.Bestaat(speler1, true) || !spelers.Bestaat(speler2, true)) {
        return -1;
    }
    char code = ResultaatCode(resultaat);
    if (code == 0) {
        Meld(Formatteer("CRonde::VoegToe()\nDe uitslag-identificatie '%c' is geen geldige uitslag",
                        resultaat));
        return -1;
    }
    uitslagen_.push_back(CUitslag{partij, speler1, speler2, code, 0});
    rondes_->ZetGewijzigd();
    return 0;
}

int CRonde::VoegToe(int32_t speler1) {
    if (!rondes_->Spelers().Bestaat(speler1, true)) {
        return -1;
    }
    uitslagen_.push_back(CUitslag{uitgeloot, speler1, 0, '?', 0});
    rondes_->ZetGewijzigd();
    return 0;
}

int CRonde::VoegToeKlasse(int32_t speler1, int32_t nieuweKlasse) {
    if (!rondes_->Spelers().Bestaat(speler1, true)) {
        return -1;
    }
    if (nieuweKlasse <= 0) {
        Meld("CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn");
        return -1;
    }
    uitslagen_.push_back(CUitslag{klasseregel, speler1, 0, '?', nieuweKlasse});
    rondes_->ZetGewijzigd();
    return 0;
}

int CRonde::Verwijder(const CUitslag* uitslag) {
    if (uitslagen_.empty() || uitslag < uitslagen_.data() ||
        uitslag >= uitslagen_.data() + uitslagen_.size()) {
        return -1;
    }
    uitslagen_.erase(uitslagen_.begin() + (uitslag - uitslagen_.data()));
    rondes_->ZetGewijzigd();
    return 0;
}

int CRonde::VoegCommentaarToe(const std::string& regel) {
    if (!regel.empty() && regel[0] == ';') {
        commentaar_.push_back(regel);
        rondes_->ZetGewijzigd();
        return 0;
    }
    Meld(Formatteer("De regel '%s' wordt als commentaar toegevoegd.", regel.c_str()));
    commentaar_.push_back(";" + regel);
    return -1;
}

void CRonde::KopieerVan(const CRonde& ander) {
    if (&ander == this) {
        return;
    }
    identificatie = ander.identificatie;
    uitslagen_ = ander.uitslagen_;
    commentaar_ = ander.commentaar_;
}

int CRonde::Betrokkenheid(int32_t volgnummer) const {
    int hoogste = 0;
    for (const CUitslag& u : uitslagen_) {
        int waarde = 0;
        if (u.soort == partij && (u.speler1 == volgnummer || u.speler2 == volgnummer)) {
            waarde = 3;
        } else if (u.soort == klasseregel && u.speler1 == volgnummer) {
            waarde = 2;
        } else if (u.soort == uitgeloot && u.speler1 == volgnummer) {
            waarde = 1;
        }
        hoogste = std::max(hoogste, waarde);
    }
    return hoogste;
}

int CRonde::AantalUitgeloot(int32_t volgnummer) const {
    return static_cast<int>(std::count_if(uitslagen_.begin(), uitslagen_.end(), [&](const auto& u) {
        return u.soort == uitgeloot && u.speler1 == volgnummer;
    }));
}

void CRonde::SchrijfLijst(std::vector<std::string>& regels, int formaat) const {
    if (formaat == 2) {
        regels.push_back(Formatteer("{%s}", identificatie.c_str()));
        for (const CUitslag& u : uitslagen_) {
            auto s1 = static_cast<long>(u.speler1);
            if (u.soort == partij) {
                regels.push_back(
                    Formatteer("%ld %ld %c", s1, static_cast<long>(u.speler2), u.resultaat));
            } else if (u.soort == uitgeloot) {
                regels.push_back(Formatteer("%ld Uitgeloot", s1));
            } else {
                regels.push_back(
                    Formatteer("klasse(%ld)=%ld", s1, static_cast<long>(u.nieuweKlasse)));
            }
        }
        regels.insert(regels.end(), commentaar_.begin(), commentaar_.end());
    } else if (formaat == 0) {
        regels.push_back(Formatteer("Speeldag %s", identificatie.c_str()));
        for (const CUitslag& u : uitslagen_) {
            if (u.soort == partij) {
                regels.push_back(Formatteer("%3d%3d %c", u.speler1, u.speler2, u.resultaat));
            } else if (u.soort == uitgeloot) {
                regels.push_back(Formatteer("%3d 0", u.speler1));
            }
        }
    } else {
        Meld("CRonde::SchrijfLijst\nOnbekend formaat.");
    }
}

bool CRonde::PastInOudFormaat() const {
    if (!commentaar_.empty()) {
        return false;
    }
    for (const CUitslag& u : uitslagen_) {
        if (u.soort == klasseregel || (u.soort == partij && u.resultaat == '?')) {
            return false;
        }
    }
    return true;
}

bool CRondes::PastInOudFormaat() const {
    for (const auto& ronde : lijst_) {
        if (!ronde->PastInOudFormaat()) {
            return false;
        }
    }
    return true;
}

CRondes::~CRondes() {
    if (gewijzigd_) {
        Meld("CRondes::~CRondes\nInterne applicatiefout: lijst niet opgeslagen");
    }
    lijst_.clear();
    gewijzigd_ = false;
}

void CRondes::Clear() {
    if (gewijzigd_) {
        Meld("CRondes::Clear()\nProgramma flow fout\nDe veranderde rondeslijst is nog niet "
             "opgeslagen.");
    }
    lijst_.clear();
    gewijzigd_ = false;
}

int CRondes::VoegRondeToe(std::unique_ptr<CRonde> ronde) {
    lijst_.push_back(std::move(ronde));
    gewijzigd_ = true;
    return 0;
}

int CRondes::Verwijder(int positie) {
    if (positie < 1 || positie > Aantal()) {
        return -1;
    }
    lijst_.erase(lijst_.begin() + (positie - 1));
    gewijzigd_ = true;
    return 0;
}

int CRondes::Betrokkenheid(int32_t volgnummer) const {
    int hoogste = 0;
    for (const auto& r : lijst_) {
        hoogste = std::max(hoogste, r->Betrokkenheid(volgnummer));
        if (hoogste == 3) {
            break;
        }
    }
    return hoogste;
}

int CRondes::AantalUitgeloot(int32_t volgnummer) const {
    int aantal = 0;
    for (const auto& r : lijst_) {
        aantal += r->AantalUitgeloot(volgnummer);
    }
    return aantal;
}

int CRondes::VoegToe(const std::string& regel, int formaat) {
    if (formaat == 2) {
        return VoegToeFormaat2(regel);
    }
    if (formaat == 0) {
        return VoegToeFormaat0(regel);
    }
    return -1;
}

int CRondes::VoegToeFormaat2(const std::string& invoer) {
    std::string regel = invoer;
    NormaliseerWitruimte(regel);
    if (!regel.empty() && regel.front() == '{' && regel.back() == '}' && regel.size() >= 2) {
        auto ronde = std::make_unique<CRonde>(*this);
        ronde->identificatie = Getrimd(regel.c_str() + 1, regel.c_str() + regel.size() - 1);
        return VoegRondeToe(std::move(ronde));
    }
    if (lijst_.empty()) {
        Meld(kRegelVoorRonde);
        return -1;
    }
    CRonde& ronde = *lijst_.back();
    if (regel[0] == ';') {
        return ronde.VoegCommentaarToe(regel);
    }
    const char* p = regel.c_str();
    if (BegintMetZonderHoofdletters(p, "klasse")) {
        p += 6;
        while (*p && !IsCijfer(*p)) {
            ++p;
        }
        int32_t speler = 0;
        int32_t klasse = 0;
        bool passen = LeesGetal(p, speler);
        while (*p && *p != '=') {
            ++p;
        }
        if (*p == '=') {
            ++p;
        }
        if (!LeesGetal(p, klasse) || !passen) {
            MeldTeGrootGetal("CRondes::VoegToe()", regel);
        }
        if (ronde.VoegToeKlasse(speler, klasse) != 0) {
            ronde.VoegCommentaarToe(regel);
            return -1;
        }
        return 0;
    }
    int32_t eerste = 0;
    int32_t tweede = 0;
    if (!LeesTweeNummers(p, eerste, tweede)) {
        MeldTeGrootGetal("CRondes::VoegToe()", regel);
    }
    if (tweede == 0) {
        if (*p == 'U' || *p == 'u' || *p == '\0') {
            return ronde.VoegToe(eerste);
        }
        ronde.VoegCommentaarToe(regel);
        return -1;
    }
    if (ronde.VoegToe(eerste, tweede, *p) != 0) {
        ronde.VoegCommentaarToe(regel);
        return -1;
    }
    return 0;
}

int CRondes::VoegToeFormaat0(const std::string& regel) {
    const char* p = regel.c_str();
    if (BegintMetZonderHoofdletters(p, "Speeldag")) {
        auto ronde = std::make_unique<CRonde>(*this);
        // White space as the other layout reads it, so that a raised format keeps it.
        ronde->identificatie = Getrimd(p + 8, p + std::strlen(p));
        NormaliseerWitruimte(ronde->identificatie);
        return VoegRondeToe(std::move(ronde));
    }
    if (lijst_.empty()) {
        Meld(kRegelVoorRonde);
        return -1;
    }
    CRonde& ronde = *lijst_.back();
    int32_t eerste = 0;
    int32_t tweede = 0;
    if (!LeesTweeNummers(p, eerste, tweede)) {
        MeldTeGrootGetal("CRondes::VoegToe()", regel);
    }
    if (*p == '\0' && tweede == 0) {
        return ronde.VoegToe(eerste);
    }
    char teken = *p;
    if (*p) {
        ++p;
    }
    SlaWitruimteOver(p);
    // A second number 0 marks a bye, never an opponent (the other layout has no such game).
    if ((teken == '+' || teken == '-' || teken == '0') && *p == '\0' && tweede != 0) {
        return ronde.VoegToe(eerste, tweede, teken);
    }
    Meld("CRondes::Voegtoe()\nOngeldige uitslagregel:\n" + regel);
    return -1;
}

void CRondes::SchrijfLijst(std::vector<std::string>& regels, int formaat) const {
    if (formaat != 0 && formaat != 2) {
        Meld("CRondes::SchrijfLijst\nOnbekend formaat.");
        return;
    }
    for (const auto& r : lijst_) {
        r->SchrijfLijst(regels, formaat);
    }
}
