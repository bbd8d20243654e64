#include "ui/indelingsparametervenster.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "settings/settings.h"

const std::array<CIndelingsParameter, kAantalIndelingsParameters> kIndelingsParameters = {{
    {"&Maximum aantal pairings voor berekenen alle permutaties (8):",
     &CSettings::MaximaalAantalVoorVolledig, &CSettings::SetMaximaalAantalVoorVolledig},
    {"Indien boven maximum, aantal &random permutaties (0 = tot Stop):",
     &CSettings::AantalRandomPairings, &CSettings::SetAantalRandomPairings},
    {"Penalty per aantal maal &uitgeloot (1000):", &CSettings::PenaltyUitgeloot,
     &CSettings::SetPenaltyUitgeloot},
    {"Penalty voor niet &toegestane uitloting (20000):", &CSettings::PenaltyMagNietUitgeloot,
     &CSettings::SetPenaltyMagNietUitgeloot},
    {"&Grens voor klasseverschil (17):", &CSettings::PenaltyKlasseVerschilGrens,
     &CSettings::SetPenaltyKlasseVerschilGrens},
    {"&Penalty per klasseverschil onder/boven de grens (10/20):",
     &CSettings::PenaltyKlasseVerschilLaag, &CSettings::SetPenaltyKlasseVerschilLaag},
    {nullptr, &CSettings::PenaltyKlasseVerschilHoog, &CSettings::SetPenaltyKlasseVerschilHoog},
    {"Grens voor &aantal rondes (0 = spelers/2):", &CSettings::PenaltyNietZoIngedeeldGrens,
     &CSettings::SetPenaltyNietZoIngedeeldGrens},
    {"Aftrek onder de grens per ronde-&kwadraat (400):", &CSettings::PenaltyNietZoIngedeeldLaag,
     &CSettings::SetPenaltyNietZoIngedeeldLaag},
    {"A&ftrek boven de grens (0 = aftrek-onder * (grens + 1)):",
     &CSettings::PenaltyNietZoIngedeeldHoog, &CSettings::SetPenaltyNietZoIngedeeldHoog},
}};

CIndelingsVelden LeesIndelingsParameters(const CSettings& settings) {
    CIndelingsVelden velden;
    for (size_t i = 0; i < kAantalIndelingsParameters; ++i) {
        velden[i] =
            Formatteer("%ld", static_cast<long>((settings.*kIndelingsParameters[i].waarde)()));
    }
    return velden;
}

void BewaarIndelingsParameters(CSettings& settings, const CIndelingsVelden& velden) {
    for (size_t i = 0; i < kAantalIndelingsParameters; ++i) {
        // The setter leaves an equal value, and the changed mark, alone.
        (settings.*kIndelingsParameters[i].zet)(VeldGetal(velden[i]));
    }
}

bool LeesExacteIndeling(const CSettings& settings) {
    return settings.ExacteIndeling() != 0;
}

void BewaarExacteIndeling(CSettings& settings, bool aan) {
    if (LeesExacteIndeling(settings) != aan) {
        settings.SetExacteIndeling(aan ? 1 : 0);
    }
}
