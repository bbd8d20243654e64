#pragma once
// Where a start finds its settings profile and which folder "." means for the
// data directory and the other relative paths of the profile.
//
// A profile beside the program file (ProfielPadVoorProgramma) is used when it
// exists: a portable installation, and "." is the program's folder. Otherwise
// the profile is $XDG_CONFIG_HOME/morvel/morvel.ini and "." is
// $XDG_DATA_HOME/morvel, with ~/.config and ~/.local/share when a variable is
// unset, empty or not an absolute path. When not even HOME gives a folder, the
// profile beside the program is the only place left. A profile given on the
// command line overrides the rule; "." then stays the program's folder.

#include <string>

// The environment variables of the rule, as Windows-1252 text; empty when
// unset or when they hold characters that Windows-1252 lacks.
struct CGebruikersMappen {
    std::string home;
    std::string xdgConfigHome;
    std::string xdgDataHome;
};

struct CProfielPlaats {
    std::string profiel;
    std::string werkMap;         // what "." means
    bool naastProgramma = false; // the profile beside the program file
};

// The rule for the program file `programma` (the file itself need not exist;
// the profile beside it is looked for on disk). False when the path has no
// file name.
bool KiesProfielPlaats(const std::string& programma, const CGebruikersMappen& mappen,
                       CProfielPlaats& plaats);

// The variables of the running process.
CGebruikersMappen HuidigeGebruikersMappen();

// The rule for the running program in its environment. False when the
// program file cannot be found or has no file name.
bool ProfielPlaatsVanDitProgramma(CProfielPlaats& plaats);

// The example competition and profile that an installation ships:
// share/morvel/ beside the program's bin/ folder.
std::string VoorbeeldMap(const std::string& programma);

// The first start of a profile outside the program's folder: makes the
// profile's folder and the data folder when they are missing and, while the
// profile does not exist yet, copies the example from `voorbeeld` (its
// morvel.ini as the profile, readable by its owner only, everything else
// into the data folder). Existing
// files are never overwritten; a missing example leaves the folders empty.
void BereidEersteStartVoor(const CProfielPlaats& plaats, const std::string& voorbeeld);

// The folder that "." means for this process; empty until a profile's place
// was chosen, and empty again for a profile given on the command line (the
// program's folder then).
const std::string& WerkMap();
void ZetWerkMap(const std::string& map);
