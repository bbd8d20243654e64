#pragma once
// One program at a time writes a competition. The program that opens it for
// writing makes a lock file beside the data file ("." + the data file's name
// + ".slot") that names the computer, the user, the process and the time; it
// is made with an exclusive create and removed when the competition is left.
// A lock of a process that no longer runs on this computer is taken over.

#include <cstdint>
#include <string>

struct CSlotHouder {
    std::string computer;
    std::string gebruiker;
    int64_t proces = 0;
    std::string programma; // the process's program name, to tell a reused number
    int64_t tijd = 0;      // when it was taken, in seconds since 1970
    bool operator==(const CSlotHouder&) const = default;
};

// The lock file of `datafile`.
std::string SlotPad(const std::string& datafile);

// The text of a lock file, and reading it back: false when the text is not a
// lock that Morvel made.
std::string SlotTekst(const CSlotHouder& houder);
bool LeesSlotTekst(const std::string& tekst, CSlotHouder& houder);

// Why a competition cannot be written here: who has it open since when, for
// the competition `naam` and its lock file `slot`. A lock that cannot be read
// (`houder` empty) is named by its file.
std::string BezetTekst(const std::string& naam, const std::string& slot, const CSlotHouder& houder);

enum class ESlot { Genomen, Bezet, Fout };

class CCompetitieSlot {
public:
    CCompetitieSlot() = default;
    ~CCompetitieSlot() { Geef(); }
    CCompetitieSlot(const CCompetitieSlot&) = delete;
    CCompetitieSlot& operator=(const CCompetitieSlot&) = delete;

    // Takes the lock of `datafile`, giving back the one held before. Bezet:
    // another program holds it, `houder` says who (empty when its file cannot
    // be read); Fout: the lock file cannot be made, `fout` (errno) says why.
    ESlot Neem(const std::string& datafile, CSlotHouder& houder, int& fout);
    // Gives the lock back: its file is removed when it still names us.
    void Geef();
    // The lock of `datafile` is held here and its file still says so.
    bool Houdt(const std::string& datafile) const;

private:
    std::string pad_; // the lock file held, empty when none
    CSlotHouder eigen_;
};
