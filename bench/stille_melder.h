#pragma once
// A melder for benchmarks: every message is answered with its default, unseen.

#include "base/melding.h"

#include <string>

class CStilleMelder : public Melder {
public:
    Antwoord Toon(const std::string&, Knoppen knoppen, const std::string&) override {
        return StandaardAntwoord(knoppen);
    }
};
