#pragma once
// The parameters that choose and weigh the pairing search, with their start-up defaults.

#include <cstdint>

struct CIndelingsParameters {
    // The full search is used while the number of pairs is at most this value.
    int32_t MaximaalAantalVoorVolledig = 8;
    // Tries of the random search; 0 runs until a stop is requested.
    int32_t AantalRandomPairings = 0;
    int32_t PenaltyUitgeloot = 1000;          // per earlier bye
    int32_t PenaltyMagNietUitgeloot = 20000;  // bye of a player who may not get one
    int32_t PenaltyKlasseVerschilGrens = 17;  // class difference limit G, whole classes
    int32_t PenaltyKlasseVerschilLaag = 10;   // per tenth, up to 10 x G
    int32_t PenaltyKlasseVerschilHoog = 20;   // per tenth, beyond 10 x G
    int32_t PenaltyNietZoIngedeeldGrens = 0;  // rounds limit L; 0 means n / 2
    int32_t PenaltyNietZoIngedeeldLaag = 400; // deduction per squared round, within L
    int32_t PenaltyNietZoIngedeeldHoog = 0;   // deduction beyond L; 0 means Laag x (L + 1)^2
    // Above MaximaalAantalVoorVolledig: 1 the exact search, 0 the random search.
    int32_t ExacteIndeling = 1;
};

class CSettings;

// The parameters as the settings hold them now.
CIndelingsParameters IndelingsParameters(const CSettings& settings);
