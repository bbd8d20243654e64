// What the settings store shows and creates at start-up: the default handicap
// sets, the check of the active formulas and the release notices.

#include "base/formatteer.h"
#include "base/melding.h"
#include "settings/profiel.h"
#include "settings/settings.h"

namespace {

struct CStandaardVoorgift {
    const char* naam;
    const char* voorgift;
    const char* komi;
};

constexpr CStandaardVoorgift kStandaardVoorgift[] = {
    {"Default 19x19", "min((V + 2) / 2, 9)", "als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))"},
    {"Default 13x13", "min((V + 8) / 6, 6)", "2 * min(5 - (V + 2) % 6, 33 - V)"},
    {"Default 9x9", "min((V + 16) / 12, 4)", "min(11 - (V + 4) % 12, 43 - V)"},
};

constexpr const char* kWaarschuwing = "Morvel: waarschuwing";

struct CMededeling {
    EInstelling sleutel;
    const char* titel;
    const char* tekst;
};

constexpr const char* kNietMeerTonen =
    "\r\n\r\nDruk op Ok om deze melding niet meer te krijgen, na annuleren verschijnt deze melding "
    "volgende keer opnieuw.";

const CMededeling kMededelingen[] = {
    {EInstelling::IndelingSneller, "Morvel: mededeling bij release 2.1",
     "Met ingang van release 2.1 is de indelingssnelheid fors toegenomen.\r\n"
     "Wijzig eventueel de indelingsparameters via het configuratiescherm.\r\n"
     "Het eerste invulveld 'maximum aantal pairings voor een complete indeling' kan ongeveer 2 "
     "hoger gezet worden.\r\n"
     "Het tweede invulveld 'aantal random permutaties' kan ongeveer 10x zo hoog gezet worden."},
    {EInstelling::OneindigeRandomIndeling, "Morvel: mededeling bij release 2.1a",
     "Met ingang van release 2.1a is het mogelijk het aantal random indelingen op 0 te zetten.\r\n"
     "De indelingsgenerator blijft in dat geval naar betere indelingen zoeken totdat de gebruiker "
     "de <Stop>-knop indrukt.\r\n"
     "De beste score en de tijd dat dit al de beste score is, wordt gedurende de indeling "
     "getoond.\r\n"
     "(Uiteraard worden er pas random indelingen gebruikt, wanneer het aantal in te delen spelers "
     "echt veel te veel wordt voor een volledige indeling).\r\n"
     "Wijzig eventueel de indelingsparameters via het configuratiescherm."},
    {EInstelling::HtmlUitvoer, "Morvel: mededeling bij release 2.2",
     "Met ingang van release 2.2 is het mogelijk de diverse overzichten ook in "
     "html-include-formaat aan te maken.\r\n"
     "Hierbij is het ook mogelijk deze bestanden automatisch naar een ftp-site te sturen.\r\n"
     "Deze bestanden kunnen opgenomen worden in eigen pagina's, waardoor de actuele stand altijd "
     "via het internet te raadplegen is.\r\n"
     "Standaard staat deze functionaliteit uit, maar kan gewijzigd worden via het "
     "configuratiescherm."},
};

// Evaluates a formula with the sample values of the start-up check.
bool IsCorrect(CFormule& formule) {
    int32_t resultaat = 0;
    return formule.Bereken(3, 1, 1, 5, 5, 220, resultaat) == 0;
}

} // namespace

void CSettings::MaakStandaardVoorgiftSets(CProfiel& profiel) {
    int32_t nummer = 0;
    for (const CStandaardVoorgift& set : kStandaardVoorgift) {
        std::string sectie = Formatteer("%s%d", kVoorgiftFormuleSectie, ++nummer);
        profiel.ZetTekst(sectie, "Naam", set.naam);
        profiel.ZetTekst(sectie, "Voorgift", set.voorgift);
        profiel.ZetTekst(sectie, "Komi", set.komi);
        profiel.ZetGetal(sectie, "ExtraHalfKomi", 1);
    }
    profiel.ZetGetal("Morvel", "AantalVoorgiftFormules", nummer);
    profiel.ZetGetal("Morvel", "HuidigeVoorgiftFormule", 1);
    SetAantalVoorgiftFormules(nummer);
    SetHuidigeVoorgiftFormule(1);
    Meld("Deze versie maakt gebruik van dynamisch aan te passen formules voor de voorgift en de "
         "komi.\r\n"
         "Omdat er geen bestaande formules zijn aangetroffen zijn er drie formules gegenereerd.\r\n"
         "Deze formules, voor het 9x9, 13x13 en 19x19 bord heten allemaal 'default'.\r\n\r\n"
         "Via het configuratiescherm zijn deze formules aan te passen, of beter nog, uit te "
         "breiden.",
         Knoppen::Ok, "Morvel: mededeling nieuwe formules");
}

void CSettings::ControleerFormules() {
    if (puntenformule_.Tekst().empty()) {
        Meld("Er is geen formule voor het bepalen van de stand gekozen.\r\n"
             "Dit moet gekozen worden via het configuratiescherm, optie Puntenformule.\r\n"
             "Doorgaan zonder correcte formule kan onvoorspelbare standen genereren.",
             Knoppen::Ok, kWaarschuwing);
    } else if (!IsCorrect(puntenformule_)) {
        Meld("De formule voor het bepalen van de stand is niet correct.\r\n"
             "Deze kan via het configuratiescherm, optie Puntenformule, aangepast worden.\r\n"
             "Doorgaan zonder correcte formule kan onvoorspelbare standen genereren.",
             Knoppen::Ok, kWaarschuwing);
    }

    struct {
        CFormule* formule;
        const char* geval;
    } klasse[] = {
        {&klasseNaWinst_, "winst"}, {&klasseNaVerlies_, "verlies"}, {&klasseNaJigo_, "jigo"}};
    for (const auto& k : klasse) {
        if (k.formule->Tekst().empty()) {
            Meld(Formatteer("Er is geen formule voor het bepalen van de klasse na %s gekozen.\r\n"
                            "Dit moet gekozen worden via het configuratiescherm, optie "
                            "Klasseformule.\r\n"
                            "Doorgaan zonder correcte formule kan onvoorspelbare "
                            "klasseveranderingen genereren.",
                            k.geval),
                 Knoppen::Ok, kWaarschuwing);
            return;
        }
    }
    for (const auto& k : klasse) {
        if (!IsCorrect(*k.formule)) {
            Meld(Formatteer("De formule voor het bepalen van de nieuwe klasse na %s is niet "
                            "correct.\r\n"
                            "Deze kan via het configuratiescherm, optie Klasseformule, aangepast "
                            "worden.\r\n"
                            "Doorgaan zonder correcte formule kan onvoorspelbare "
                            "klasseveranderingen genereren.",
                            k.geval),
                 Knoppen::Ok, kWaarschuwing);
            return;
        }
    }
}

void CSettings::ToonReleaseMededelingen() {
    for (const CMededeling& m : kMededelingen) {
        if (getallen_[Index(m.sleutel)] != 0) {
            continue;
        }
        if (Meld(std::string(m.tekst) + kNietMeerTonen, Knoppen::OkAnnuleren, m.titel) ==
            Antwoord::Ok) {
            ZetGetal(m.sleutel, 1);
        }
    }
}
