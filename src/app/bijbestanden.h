#pragma once
// Files of our own beside the data file: hidden names derived from the data
// file's that never end in ".txt", written safely, and read with the care of
// the data file. A file that is not ours is reported and never written over;
// one of ours that cannot be read is reported, kept, and put aside under a
// name with its date before a new one is written. None of this ever touches
// the data file.

#include "base/eigenbestand.h"

#include <functional>
#include <string>
#include <vector>

// The hidden file beside `datafile` that ends in `achtervoegsel`:
// "map/.club.txt.indeling" for "map/club.txt" and ".indeling". Empty without
// a data file.
std::string BijDataFile(const std::string& datafile, const std::string& achtervoegsel);

// The time of the last change of `pad` in the strftime layout `vorm`; "?" when unknown.
std::string WijzigingsTijdTekst(const std::string& pad, const char* vorm);

// Gives the file `pad` a free name with its date, "pad-20250303-201507" (and
// "-2" and on when that is taken), and returns it; `pad` when that failed.
std::string ZetOpzij(const std::string& pad);

// Reads the lines after the first one of a file: 0, or -1 with the reason in `fout`.
using CBijbestandLezer =
    std::function<int(const std::vector<CEigenRegel>& regels, std::string& fout)>;

// One kind of file of our own.
struct CBijbestandSoort {
    const char* naam; // for the messages: "Gepubliceerde indeling"
    const char* kop;  // its first line
    // Reads the lines into a object of its own, only to see whether it can.
    CBijbestandLezer controleer;
};

// Reads the file at `pad` with `lees`: 0 when it was read or is not there
// (`aanwezig` tells which), -1 after a message.
int LeesBijbestand(const std::string& pad, const CBijbestandSoort& soort,
                   const CBijbestandLezer& lees, bool& aanwezig);

// Replaces the file at `pad` by `inhoud`: 0, or -1 after a message. What is
// there must be ours; when it cannot be read it is put aside first.
int SchrijfBijbestand(const std::string& pad, const CBijbestandSoort& soort,
                      const std::string& inhoud);
