#pragma once
// The application object: owns everything the program keeps for a whole run.

#include "data/competitie.h"
#include "pairing/indeling.h"

class CMorvelApp {
public:
    CCompetitie competitie;
    CIndeling indeling; // the pairing last published, in memory only
};
