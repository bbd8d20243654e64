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
    // After a write that failed and was reported, the unwritten changes go
    // without a second warning from the lists.
    ~CCompetitie();
    CCompetitie(const CCompetitie&) = delete;
    CCompetitie& operator=(const CCompetitie&) = delete;

    // Reads `datafile` into the register and the round list: 0 read, -1 not read.
    int Lees();
    // Reads the contents of a data file, as Lees does once the file is read
    // (`datafile` only names it in the messages): 0, or -1 for an empty file
    // or one of a later format. A control character in a line (tab, CR and
    // LF aside) is read as a blank, with a message; a format-0 file with a
    // player number above 99 is raised to format 2, with a message.
    int LeesInhoud(const std::string& inhoud);
    // The lines of the last read that were reported and not read: refused by
    // the line readers or passed over outside the sections. A write would
    // lose them; blank lines are not counted.
    int OnleesbareRegels() const { return onleesbaar_; }
    // Writes the register and the round list to `datafile` when anything changed:
    // 0 written or nothing to write, -1 refused or failed (the changes stay marked).
    int Schrijf();
    // Closes the competition without writing it: empties the register and the
    // round list, clears every modified flag and forgets folder and data file.
    void Sluit();
    // Writes the register and the round list in the data file's layout to
    // `pad` (a copy: the modified flags stay as they are, and no backup is
    // made). 0, or -1 with `fout` (errno) set; nothing is shown.
    int SchrijfKopie(const std::string& pad, int& fout) const;
    // The whole data file as it is written, in the OEM code page with CR LF.
    std::string Inhoud() const;
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
    void LeesFormaat2(class CLeesStand& stand);
    void LeesFormaat0(class CLeesStand& stand);
    // Raises a format-0 file whose player numbers do not fit the old layout.
    void VerhoogFormaatVoorNummers();

    int formaat_ = 0;
    bool gewijzigd_ = false; // the format was raised since the last read or write
    int onleesbaar_ = 0;
    bool schrijfFoutGemeld_ = false; // the last write failed and said so
};
