#pragma once
// The standings table: which players it holds, their ranking and the values
// that every standings output shows on a player's row.

#include "rating/standformules.h"

#include <cstdint>
#include <vector>

class CSpeler;
class CSpelers;

// A value shown as a sign character ('+', '-', or a blank for 0) and its magnitude.
struct CTekenGetal {
    char teken;
    int64_t grootte;
};
CTekenGetal MetTeken(int64_t waarde);

// A class value in tenths as a number with one decimal (205 gives 20.5).
inline double KlasseGetal(int64_t tienden) {
    return static_cast<double>(tienden) / 10.0;
}

// One ranked player with the values of his row.
struct CStandRegel {
    CSpeler* speler;
    int32_t punten; // StandPunten, taken once when the table was filled

    double BeginKlasse() const;
    double Klasse() const;
    // Current class minus starting class; the magnitude in tenths.
    CTekenGetal KlasseVerschil() const;
    // Won minus lost games.
    CTekenGetal Saldo() const;
    // (2 x won + jigo) x 50 / games, truncated; 0 without games.
    int32_t Percentage() const;
};

// The message of a standings listing for which there is no memory.
inline constexpr const char* kLijstGeheugenMelding =
    "Niet genoeg geheugen om de lijst af te drukken!";

class CStandTabel {
public:
    // Fills the table from the counters of the last replay and ranks it: points,
    // then games (more first), then class (stronger first); players equal in all
    // three keep register order. With `naRonde` (there is a round) the table holds
    // the players with at least one game, otherwise the active players.
    // Returns -1 after the message `geheugenMelding` when the table cannot be built.
    int Vul(const CSpelers& spelers, bool naRonde, CStandFormules& formules,
            const char* geheugenMelding = kLijstGeheugenMelding);

    const std::vector<CStandRegel>& Regels() const { return regels_; }

private:
    std::vector<CStandRegel> regels_;
};

// The ranking comparison: true when `a` ranks above `b`.
bool StaatHoger(const CStandRegel& a, const CStandRegel& b);
