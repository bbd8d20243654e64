#pragma once
// The three text listings for the notice board and the play evening, written
// into an in-memory text in fixed columns, one line feed per line.

#include "rating/standformules.h"

#include <optional>
#include <string>

class CSpelers;
class CRondes;
class CIndeling;

// What the standings and results listings read.
struct CLijstBron {
    const CSpelers& spelers;
    const CRondes& rondes;
    std::string periode; // the competition's name, shown in the title
};

// The standings after the first round whose identification is `identificatie`
// (case counts), or after the last round when there is none or none matches;
// the starting standings when there are no rounds. The caller replays the same
// rounds first. Returns -1 when the table could not be built (after its message).
int LijstStand(const CLijstBron& bron, const std::optional<std::string>& identificatie, bool kop,
               CStandFormules& formules, std::string& uit);

// The results of the round at `positie` (from 0; -1 is the last round): games,
// then byes, then class settings. Returns -1 after a message for a position
// that names no round while rounds exist.
int LijstUitslag(const CLijstBron& bron, int positie, std::string& uit);

// The pairing sheet of the published pairing, with room to write each result.
void LijstIndeling(const CIndeling& indeling, const std::string& periode, bool kop,
                   std::string& uit);
