#pragma once
// The open competition: its folder, its data file with the file format, the
// player register and the round list, and reading and writing the data file.

#include "data/ronde.h"
#include "data/speler.h"

#include <functional>
#include <string>

class CCompetitie {
public:
    CCompetitie() = default;
    CCompetitie(const CCompetitie&) = delete;
    CCompetitie& operator=(const CCompetitie&) = delete;

    // Reads `datafile` into the register and the round list: 0 read, -1 not read.
    int Lees();
    // Writes the register and the round list to `datafile` when anything changed:
    // 0 written or nothing to write, -1 refused or failed (the changes stay marked).
    int Schrijf();
    // Raises the file format to `f`; the format never goes down.
    void SetFormaat(int f);
    int Formaat() const { return formaat_; }

    // Any of the three modified flags is set.
    bool IsGewijzigd() const { return gewijzigd_ || spelers.IsGewijzigd() || rondes.IsGewijzigd(); }
    bool FormaatGewijzigd() const { return gewijzigd_; }

    CSpelers spelers{*this};
    CRondes rondes{spelers};
    std::string competitieMap;
    std::string datafile;
    // Called with `datafile` after every write of it, before the modified flags
    // are cleared: the backup copy. Its outcome never changes that of Schrijf.
    std::function<void(const std::string&)> naSchrijven;

private:
    void LeesFormaat2(class CRegelLezer& lezer);
    void LeesFormaat0(class CRegelLezer& lezer);

    int formaat_ = 0;
    bool gewijzigd_ = false; // the format was raised since the last read or write
};
