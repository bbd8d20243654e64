#pragma once
// The application object: owns everything the program keeps for a whole run.

#include "data/competitie.h"

class CMorvelApp {
public:
    CCompetitie competitie;
};
