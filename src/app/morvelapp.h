#pragma once
// The application object: owns everything the program keeps for a whole run.

#include "data/competitie.h"
#include "pairing/indeling.h"
#include "publish/uploadnodig.h"
#include "settings/settings.h"

#include <string>

class CMorvelApp {
public:
    // Reads the settings from the profile at `profielPad` (empty: the profile
    // next to the program). When settings.Fataal() the program must end.
    explicit CMorvelApp(const std::string& profielPad) : settings(profielPad) {}

    CSettings settings;
    CCompetitie competitie;
    CIndeling indeling;       // the pairing last published, in memory only
    CUploadNodig uploadNodig; // include files written for upload and not uploaded yet
};
