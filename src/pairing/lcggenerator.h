#pragma once
// The linear congruential generator of the random pairing search: a 32-bit
// state, each draw yields a value from 0 to 32767.

#include <cstdint>

class CLcgGenerator {
public:
    explicit CLcgGenerator(uint32_t zaad) : s_(zaad) {}

    uint32_t Volgende() {
        s_ = s_ * 214013u + 2531011u;
        return (s_ >> 16) & 32767u;
    }

private:
    uint32_t s_;
};
