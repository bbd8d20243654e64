#pragma once
// The program's own pseudo-random generator: the Mersenne Twister variant
// MT11213A with a seeding rule of its own. The state exists once for the whole
// program: every CRandom object draws from it, and creating or seeding any
// object restarts it for all of them. Used from one thread only.

#include <cstdint>

class CRandom {
public:
    // Seeds the shared state with 314159265.
    CRandom();

    void Seed(uint32_t x);

    uint32_t NextWord();
    // A real in [0, 1): NextWord / 2^32.
    double NextReal();
    // An integer in min..max; INT32_MIN when max < min.
    int32_t NextInt(int32_t min, int32_t max);
};
