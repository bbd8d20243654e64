#pragma once
// Finding a competition: its folder and its data file.

#include <string>
#include <vector>

class CCompetitie;

// The competition's data file: the first ".txt" file of `map` in alphabetical
// order, or empty when the folder holds none.
std::string EersteDataFile(const std::string& map);

// Opens the competition that a command names: `map` is a competition folder,
// its ".txt" data file, or the name of a competition folder below `dataPad`.
// Sets competitieMap and datafile and reads the data file. Returns 0 when it
// was read; otherwise -1 after a message when the competition cannot be found
// or the file could not be read.
int OpenCompetitie(CCompetitie& competitie, const std::string& map, const std::string& dataPad);

// The competition's name, as listings show it: the last part of its folder path.
std::string MapNaam(const std::string& map);

// The competitions of the data directory `dataPad`: the names of its
// sub-folders, sorted alphabetically ignoring case. Hidden folders (a name
// that begins with '.') are left out. Empty when the folder cannot be read.
std::vector<std::string> CompetitieNamen(const std::string& dataPad);

// The position of the first name in `namen` that begins with `begin`,
// ignoring the case of A-Z, or -1 when there is none.
int ZoekCompetitie(const std::vector<std::string>& namen, const std::string& begin);
