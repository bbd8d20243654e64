#pragma once
// The open competition: its folder, its data file with the file format, the
// player register and the round list, and reading and writing the data file.

#include "data/ronde.h"
#include "data/speler.h"

#include <cstdint>
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

    // Reads `datafile` into the register and the round list: 0 read, -1 not
    // read. What the file held is remembered for the check before a write.
    int Lees();
    // Reads the file `pad` (a recovery copy, a generation of the history) into
    // the register and the round list as Lees does; `datafile` and what was
    // read of it stay as they are.
    int LeesKopie(const std::string& pad);
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
    // The one way the data file is written (Schrijf hands it its layout; a
    // restore hands it a generation): `inhoud` replaces `datafile`. First
    // `voorSchrijven` may refuse; a data file that is no longer the one read or
    // written last (another size or other contents) is overwritten only when
    // the administrator says so, the other version then kept in the history;
    // and the state that is replaced is kept as a generation when `generaties`
    // asks for any and it differs from `inhoud`. A generation that cannot be
    // kept is reported and the write goes on; `altijdBewaren` keeps it even
    // when the history is off. After the write the backup copy is made
    // (`naSchrijven`) and the oldest generations beyond the limit go.
    // 0 written, -1 refused or failed (a message was shown, nothing written).
    int SchrijfInhoud(const std::string& inhoud, bool altijdBewaren = false);
    // The last write was refused because the administrator chose not to
    // overwrite another program's version of the data file.
    bool OverschrijvenGeweigerd() const { return overschrijvenGeweigerd_; }
    // Closes the competition without writing it: empties the register and the
    // round list, clears every modified flag and forgets folder and data file.
    void Sluit();
    // Forgets that anything changed, for changes that are refused or kept
    // elsewhere: nothing is written and no list warns about them; what is in
    // memory, folder and data file stay.
    void VergeetWijzigingen();
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
    // Called before anything is written: 0 to go on, -1 to refuse (after its
    // own message). The application takes its lock here.
    std::function<int()> voorSchrijven;
    // How many generations the history keeps; without it, or at 0, none are kept.
    std::function<int32_t()> generaties;

private:
    // What a file held when it was read or written.
    struct CBestandsStaat {
        std::string pad; // empty: nothing read or written yet
        bool bestaat = false;
        int64_t grootte = 0;
        size_t hash = 0;
    };
    static CBestandsStaat Staat(const std::string& pad, bool bestaat, const std::string& inhoud);
    // LeesInhoud with `pad` named in the messages.
    int LeesInhoud(const std::string& inhoud, const std::string& pad);
    void LeesFormaat2(class CLeesStand& stand);
    void LeesFormaat0(class CLeesStand& stand);
    // Raises a format-0 file whose player numbers do not fit the old layout.
    void VerhoogFormaatVoorNummers(const std::string& pad);
    // Raises the old layout to the new one, with a message, when a round holds
    // what the old layout cannot hold.
    void VerhoogFormaatVoorRondes();
    // Asks before another program's version of the data file is overwritten:
    // true to go on.
    bool MagOverschrijven();
    // Keeps `oud`, the data file as it is now, in the history; a failure is reported.
    void BewaarInGeschiedenis(const std::string& oud);

    int formaat_ = 0;
    bool gewijzigd_ = false; // the format was raised since the last read or write
    int onleesbaar_ = 0;
    bool schrijfFoutGemeld_ = false; // the last write failed and said so
    CBestandsStaat gelezen_;
    bool overschrijvenGeweigerd_ = false;
};
