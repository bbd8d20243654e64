#pragma once
// The replay of the rounds into every player's current class and standings
// counters, and the points by which a player is ranked.

#include "rating/standformules.h"

#include <cstdint>
#include <string>

class CSpeler;
class CSpelers;
class CRondes;

// One game of round `ronde` (counted from 1) for one player: counts it, adds the
// game's points in per-game mode and moves the class by the matching class
// formula, which sees the counters after the game and the class before it.
// Returns the status of the class formula's evaluation.
int VerwerkWinst(CSpeler& speler, int32_t ronde, CStandFormules& formules);
int VerwerkVerlies(CSpeler& speler, int32_t ronde, CStandFormules& formules);
int VerwerkJigo(CSpeler& speler, int32_t ronde, CStandFormules& formules);

// The replay in steps: every player back to his starting class with no
// games, then the round at `index` (from 0) on top of the rounds before it.
void ResetStand(const CSpelers& spelers);
void VerwerkRonde(const CSpelers& spelers, const CRondes& rondes, int index,
                  CStandFormules& formules);

// Resets every player and replays the first `aantal` rounds (all when negative).
void BerekenStand(const CSpelers& spelers, const CRondes& rondes, int aantal,
                  CStandFormules& formules);
// Replays up to and including the first round whose identification equals
// `identificatie` ignoring case; all rounds when none does.
void BerekenStand(const CSpelers& spelers, const CRondes& rondes, const std::string& identificatie,
                  CStandFormules& formules);

// Number of rounds up to and including the first one whose identification
// equals `identificatie` ignoring case, or -1 when none does.
int RondesTotEnMet(const CRondes& rondes, const std::string& identificatie);

// The points by which the player is ranked. In once mode the points formula is
// evaluated from the totals and the result is also stored in `stand.punten`.
int32_t StandPunten(CSpeler& speler, CStandFormules& formules);
