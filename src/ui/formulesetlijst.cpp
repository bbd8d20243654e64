#include "ui/formulesetlijst.h"

#include "base/formatteer.h"
#include "settings/profiel.h"
#include "settings/settings.h"

namespace {

// Where a list lives in the profile and in the settings.
struct CLijstOpslag {
    const char* sectie; // the prefix of the section names
    int aantalFormules;
    std::array<const char*, 3> formuleSleutels;
    std::array<const char*, 3> formuleStandaard;
    const char* vlagSleutel; // nullptr: the list has no flag
    const char* vlagStandaard;
    const char* aantalSleutel; // in the section "Morvel"
    const char* actiefSleutel;
    int32_t (CSettings::*aantal)() const;
    int32_t (CSettings::*actief)() const;
    void (CSettings::*zetAantal)(int32_t);
    void (CSettings::*kiesActief)(int32_t); // also makes a points or class set take effect
};

const CLijstOpslag& Opslag(EFormuleSoort soort) {
    static const CLijstOpslag punten{kScoreFormuleSectie,
                                     1,
                                     {"Formule", nullptr, nullptr},
                                     {"", nullptr, nullptr},
                                     "Middelen",
                                     "0",
                                     "AantalScoreFormules",
                                     "HuidigeScoreFormule",
                                     &CSettings::AantalScoreFormules,
                                     &CSettings::HuidigeScoreFormule,
                                     &CSettings::SetAantalScoreFormules,
                                     &CSettings::SelecteerScoreFormule};
    static const CLijstOpslag klasse{kKlasseFormuleSectie,
                                     3,
                                     {"KlasseNaWinst", "KlasseNaVerlies", "KlasseNaJigo"},
                                     {"", "", ""},
                                     nullptr,
                                     nullptr,
                                     "AantalKlasseAanpassingsFormules",
                                     "HuidigeKlasseAanpassingsFormule",
                                     &CSettings::AantalKlasseAanpassingsFormules,
                                     &CSettings::HuidigeKlasseAanpassingsFormule,
                                     &CSettings::SetAantalKlasseAanpassingsFormules,
                                     &CSettings::SelecteerKlasseFormule};
    static const CLijstOpslag voorgift{kVoorgiftFormuleSectie,
                                       2,
                                       {"Voorgift", "Komi", nullptr},
                                       {"0", "6", nullptr},
                                       "ExtraHalfKomi",
                                       "1",
                                       "AantalVoorgiftFormules",
                                       "HuidigeVoorgiftFormule",
                                       &CSettings::AantalVoorgiftFormules,
                                       &CSettings::HuidigeVoorgiftFormule,
                                       &CSettings::SetAantalVoorgiftFormules,
                                       &CSettings::SetHuidigeVoorgiftFormule};
    switch (soort) {
    case EFormuleSoort::Punten:
        return punten;
    case EFormuleSoort::Klasse:
        return klasse;
    default:
        return voorgift;
    }
}

std::string Sectie(const CLijstOpslag& opslag, int32_t nummer) {
    return Formatteer("%s%d", opslag.sectie, nummer);
}

} // namespace

int CFormuleSetLijst::Lees(const CSettings& settings) {
    sets_.clear();
    CProfiel profiel(settings.ProfielPad());
    if (profiel.Lees() != 0) {
        return -1;
    }
    const CLijstOpslag& opslag = Opslag(soort_);
    const int32_t aantal = (settings.*opslag.aantal)();
    const int32_t actief = (settings.*opslag.actief)();
    for (int32_t nummer = 1; nummer <= aantal; ++nummer) {
        const std::string sectie = Sectie(opslag, nummer);
        CFormuleSet set;
        set.naam = profiel.Tekst(sectie, "Naam", "");
        if (set.naam.empty()) {
            continue;
        }
        for (int i = 0; i < opslag.aantalFormules; ++i) {
            set.formules[static_cast<size_t>(i)] =
                profiel.Tekst(sectie, opslag.formuleSleutels[static_cast<size_t>(i)],
                              opslag.formuleStandaard[static_cast<size_t>(i)]);
        }
        if (opslag.vlagSleutel) {
            set.vlag = profiel.Getal(sectie, opslag.vlagSleutel, opslag.vlagStandaard) != 0;
        }
        set.actief = nummer == actief;
        sets_.push_back(std::move(set));
    }
    return 0;
}

int CFormuleSetLijst::Actief() const {
    for (int i = 0; i < Aantal(); ++i) {
        if (Set(i).actief) {
            return i;
        }
    }
    return -1;
}

void CFormuleSetLijst::ZetActief(int index, bool aan) {
    for (CFormuleSet& set : sets_) {
        set.actief = false;
    }
    if (aan && index >= 0 && index < Aantal()) {
        Set(index).actief = true;
    }
}

int CFormuleSetLijst::Nieuw() {
    CFormuleSet set;
    set.naam = "(Nieuw)";
    set.vlag = soort_ == EFormuleSoort::Voorgift;
    sets_.push_back(std::move(set));
    return Aantal() - 1;
}

void CFormuleSetLijst::Verwijder(int index) {
    if (index >= 0 && index < Aantal()) {
        sets_.erase(sets_.begin() + index);
    }
}

int CFormuleSetLijst::Bewaar(CSettings& settings) const {
    const CLijstOpslag& opslag = Opslag(soort_);
    CProfiel profiel(settings.ProfielPad());
    if (profiel.Lees() != 0) {
        return -1;
    }
    int32_t actief = 0;
    for (int i = 0; i < Aantal(); ++i) {
        const CFormuleSet& set = Set(i);
        const int32_t nummer = i + 1;
        const std::string sectie = Sectie(opslag, nummer);
        profiel.ZetTekst(sectie, "Naam", set.naam);
        for (int f = 0; f < opslag.aantalFormules; ++f) {
            profiel.ZetTekst(sectie, opslag.formuleSleutels[static_cast<size_t>(f)],
                             set.formules[static_cast<size_t>(f)]);
        }
        if (opslag.vlagSleutel) {
            profiel.ZetGetal(sectie, opslag.vlagSleutel, set.vlag ? 1 : 0);
        }
        if (set.actief && actief == 0) {
            actief = nummer;
        }
    }
    // The count and the active number go with their sections, so that the
    // profile never numbers one set while holding another.
    profiel.ZetGetal("Morvel", opslag.aantalSleutel, Aantal());
    profiel.ZetGetal("Morvel", opslag.actiefSleutel, actief);
    if (profiel.Schrijf() != 0) {
        return -1;
    }
    (settings.*opslag.zetAantal)(Aantal());
    (settings.*opslag.kiesActief)(actief);
    return 0;
}
