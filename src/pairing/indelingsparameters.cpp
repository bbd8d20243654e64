#include "pairing/indelingsparameters.h"

#include "settings/settings.h"

CIndelingsParameters IndelingsParameters(const CSettings& settings) {
    CIndelingsParameters p;
    p.MaximaalAantalVoorVolledig = settings.MaximaalAantalVoorVolledig();
    p.AantalRandomPairings = settings.AantalRandomPairings();
    p.PenaltyUitgeloot = settings.PenaltyUitgeloot();
    p.PenaltyMagNietUitgeloot = settings.PenaltyMagNietUitgeloot();
    p.PenaltyKlasseVerschilGrens = settings.PenaltyKlasseVerschilGrens();
    p.PenaltyKlasseVerschilLaag = settings.PenaltyKlasseVerschilLaag();
    p.PenaltyKlasseVerschilHoog = settings.PenaltyKlasseVerschilHoog();
    p.PenaltyNietZoIngedeeldGrens = settings.PenaltyNietZoIngedeeldGrens();
    p.PenaltyNietZoIngedeeldLaag = settings.PenaltyNietZoIngedeeldLaag();
    p.PenaltyNietZoIngedeeldHoog = settings.PenaltyNietZoIngedeeldHoog();
    p.ExacteIndeling = settings.ExacteIndeling();
    return p;
}
