#pragma once
// The application object: owns everything the program keeps for a whole run.
// Members are made in this order and destroyed in the reverse one.

#include "data/competitie.h"
#include "pairing/indeling.h"
#include "publish/uploadnodig.h"
#include "settings/settings.h"

#include <string>

class CMorvelApp {
public:
    // Reads the settings from the profile at `profielPad` (empty: the profile
    // next to the program), with their start-up messages. When
    // settings.Fataal() the program must end. Every write of the data file is
    // followed by the backup copy when backups are on.
    explicit CMorvelApp(const std::string& profielPad);
    CMorvelApp(const CMorvelApp&) = delete;
    CMorvelApp& operator=(const CMorvelApp&) = delete;

    // The data directory ("DataPad"); a relative one is taken from the
    // program's folder, the working directory of the main window.
    std::string DataMap() const;

    // Opens the competition that a command names (see ::OpenCompetitie): a
    // folder, its data file, or the name of a folder in the data directory.
    int OpenCompetitie(const std::string& map);
    // The name of the open competition as listings show it: its folder's name.
    std::string PeriodeNaam() const;

    CSettings settings;
    // The register, the round list and the state of the open competition.
    CCompetitie competitie;
    CIndeling indeling;       // the pairing last published, in memory only
    CUploadNodig uploadNodig; // include files written for upload and not uploaded yet
};

// `pad` as seen from the program's folder: an absolute path as it is, a
// relative one below that folder ("." is the folder itself).
std::string VanafProgrammaMap(const std::string& pad);
