#include "ui/formulevenster.h"

#include "base/melding.h"
#include "formule/formule.h"

namespace {

const std::string kLeeg;

bool Bevestigd(const char* vraag) {
    return Meld(vraag, Knoppen::JaNee) == Antwoord::Ja;
}

} // namespace

CFormuleVenster::CFormuleVenster(CSettings& settings, EFormuleSoort soort)
    : settings_(settings), lijst_(soort) {
    lijst_.Lees(settings);
    Selecteer(lijst_.Actief());
}

const char* CFormuleVenster::Titel() const {
    switch (Soort()) {
    case EFormuleSoort::Punten:
        return "Puntenformule";
    case EFormuleSoort::Klasse:
        return "Klasse-aanpassingsformule";
    default:
        return "Voorgiftformule";
    }
}

std::vector<std::string> CFormuleVenster::Namen() const {
    std::vector<std::string> namen;
    for (int i = 0; i < lijst_.Aantal(); ++i) {
        namen.push_back(lijst_.Set(i).naam);
    }
    return namen;
}

void CFormuleVenster::Selecteer(int index) {
    selectie_ = index >= 0 && index < lijst_.Aantal() ? index : -1;
    resultaat_.clear();
    tabel_ = CVoorgiftTabel();
    focus_ = EVeld::Geen;
}

CFormuleSet* CFormuleVenster::Geselecteerd() {
    return selectie_ >= 0 ? &lijst_.Set(selectie_) : nullptr;
}

const CFormuleSet* CFormuleVenster::Geselecteerd() const {
    return selectie_ >= 0 ? &lijst_.Set(selectie_) : nullptr;
}

size_t CFormuleVenster::FormuleIndex(EVeld veld) const {
    if (veld == EVeld::Komi) {
        return 1;
    }
    return Soort() == EFormuleSoort::Klasse ? static_cast<size_t>(geval_) : 0;
}

const std::string& CFormuleVenster::Naam() const {
    const CFormuleSet* set = Geselecteerd();
    return set ? set->naam : kLeeg;
}

const std::string& CFormuleVenster::Formule(EVeld veld) const {
    const CFormuleSet* set = Geselecteerd();
    return set && veld != EVeld::Geen ? set->formules[FormuleIndex(veld)] : kLeeg;
}

bool CFormuleVenster::Actief() const {
    const CFormuleSet* set = Geselecteerd();
    return set && set->actief;
}

bool CFormuleVenster::Vlag() const {
    const CFormuleSet* set = Geselecteerd();
    return set && set->vlag;
}

void CFormuleVenster::ZetNaam(const std::string& naam) {
    if (CFormuleSet* set = Geselecteerd()) {
        set->naam = naam;
        gewijzigd_ = true;
    }
}

void CFormuleVenster::ZetFormule(EVeld veld, const std::string& tekst) {
    CFormuleSet* set = Geselecteerd();
    if (set && veld != EVeld::Geen) {
        set->formules[FormuleIndex(veld)] = tekst;
        gewijzigd_ = true;
    }
}

void CFormuleVenster::ZetActief(bool aan) {
    if (selectie_ >= 0) {
        lijst_.ZetActief(selectie_, aan);
        gewijzigd_ = true;
    }
}

void CFormuleVenster::ZetVlag(bool aan) {
    if (CFormuleSet* set = Geselecteerd()) {
        set->vlag = aan;
        gewijzigd_ = true;
    }
}

void CFormuleVenster::KiesGeval(int geval) {
    if (geval >= kWinst && geval <= kJigo) {
        geval_ = geval;
    }
}

void CFormuleVenster::Nieuw() {
    Selecteer(lijst_.Nieuw());
    gewijzigd_ = true;
}

int CFormuleVenster::Verwijderen() {
    if (selectie_ < 0 || !Bevestigd("Weet u zeker dat u deze formule wilt verwijderen?")) {
        return -1;
    }
    const int plaats = selectie_;
    lijst_.Verwijder(plaats);
    gewijzigd_ = true;
    Selecteer(plaats < lijst_.Aantal() ? plaats : lijst_.Aantal() - 1);
    return 0;
}

int CFormuleVenster::Test() {
    focus_ = EVeld::Geen;
    cursor_ = 0;
    if (Soort() != EFormuleSoort::Voorgift) {
        if (TestFormule(Formule(EVeld::Formule), testVelden_, resultaat_, cursor_) == 0) {
            return 0;
        }
        focus_ = EVeld::Formule;
        return -1;
    }
    tabel_ = TestVoorgift(Formule(EVeld::Formule), Formule(EVeld::Komi));
    switch (tabel_.fout) {
    case CVoorgiftTabel::EFout::Geen:
        return 0;
    case CVoorgiftTabel::EFout::Stenen:
        focus_ = EVeld::Formule;
        break;
    case CVoorgiftTabel::EFout::Komi:
        focus_ = EVeld::Komi;
        break;
    }
    cursor_ = tabel_.foutPositie;
    return -1;
}

int CFormuleVenster::Ok() {
    const int uitkomst = Soort() == EFormuleSoort::Voorgift ? OkVoorgift() : OkPuntenOfKlasse();
    if (uitkomst != 0) {
        return -1;
    }
    return lijst_.Bewaar(settings_);
}

int CFormuleVenster::OkPuntenOfKlasse() {
    const int actief = lijst_.Actief();
    if (actief < 0) {
        return Bevestigd("Er is geen formule voor gebruik gekozen.\nWeet u zeker dat u wilt "
                         "doorgaan?")
                   ? 0
                   : -1;
    }
    Selecteer(actief);
    const int gevallen = Soort() == EFormuleSoort::Klasse ? 3 : 1;
    for (int geval = kWinst; geval < gevallen; ++geval) {
        if (Soort() == EFormuleSoort::Klasse) {
            KiesGeval(geval);
        }
        if (Test() != 0 && !Bevestigd("De gekozen formule is niet correct van opbouw.\nWeet u "
                                      "zeker dat u wilt doorgaan?")) {
            return -1;
        }
    }
    return 0;
}

int CFormuleVenster::OkVoorgift() {
    const int actief = lijst_.Actief();
    if (actief < 0) {
        return Bevestigd("Er is geen aktieve formule.\nWeet u zeker dat u dit venster nu wilt "
                         "afsluiten?")
                   ? 0
                   : -1;
    }
    const CFormuleSet& set = lijst_.Set(actief);
    CFormule stenen(set.formules[0]);
    CFormule komi(set.formules[1]);
    int32_t waarde = 0;
    if (stenen.Bereken(0, waarde) == 0 && komi.Bereken(0, waarde) == 0) {
        return 0;
    }
    Selecteer(actief);
    Test();
    return Bevestigd("De aktieve formule is niet correct.\nWeet u zeker dat u dit venster nu "
                     "wilt afsluiten?")
               ? 0
               : -1;
}

int CFormuleVenster::Annuleren() {
    if (gewijzigd_ && !Bevestigd("Weet u zeker dat u wilt stoppen zonder uw wijzigingen op te "
                                 "slaan?")) {
        return -1;
    }
    return 0;
}
