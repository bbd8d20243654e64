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
    // Writes the register and the round list in the data file's layout to
    // `pad` (a copy: the modified flags stay as they are, and no backup is
    // made). 0, or -1 with `fout` (errno) set; nothing is shown.
    int SchrijfKopie(const std::string& pad, int& fout) const;
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
    // The whole data file as it is written, in the OEM code page with CR LF.
    std::string Inhoud() const;

    int formaat_ = 0;
    bool gewijzigd_ = false; // the format was raised since the last read or write
};
