#pragma once
// Standings counters of one player, recomputed by replaying the rounds.

#include <cstdint>

class CStand {
public:
    virtual ~CStand() = default;

    void Reset() { winst = verlies = jigo = partijen = punten = 0; }

    int32_t winst = 0;
    int32_t verlies = 0;
    int32_t jigo = 0;
    int32_t partijen = 0; // always winst + verlies + jigo
    int32_t punten = 0;
};
