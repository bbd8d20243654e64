#pragma once
// The history of a data file: the states it had before its writes, kept as
// generations in a hidden folder beside it ("." + the data file's name +
// ".geschiedenis"). A generation is named by the time of the write that
// replaced it, in UTC ("20250317T191502Z.generatie", "-2", "-3" ... added
// when writes share a second); other files in that folder are left alone.

#include <cstdint>
#include <string>
#include <vector>

struct CGeneratie {
    std::string pad;
    int64_t tijd = 0;   // the time of the write, in seconds since 1970
    int volgnummer = 1; // 2, 3, ... for later writes within the same second
};

// The name of a generation kept by the write at `tijd` (UTC), the
// `volgnummer`-th of that second: "20250317T191502Z.generatie", "...Z-2.generatie".
std::string GeneratieNaam(int64_t tijd, int volgnummer);
// Reads a name that GeneratieNaam gives back into its time and number; false
// for any other name, so that files of others are never taken for ours.
bool LeesGeneratieNaam(const std::string& naam, int64_t& tijd, int& volgnummer);

// The history folder of `datafile`.
std::string GeschiedenisMap(const std::string& datafile);

// The generations of `datafile`, newest first: the regular files of its
// history folder whose names Morvel gives.
std::vector<CGeneratie> Generaties(const std::string& datafile);

// Keeps `inhoud`, what `datafile` holds now, as its newest generation, named
// by `tijd`: as a second name of the file itself where the file system allows
// (nothing is copied and the state on the disk is kept as it is), otherwise
// as a synced copy. Nothing is added when the newest generation holds the
// same bytes. 0, or -1 with `fout` (errno) set; the data file is never touched.
int BewaarGeneratie(const std::string& datafile, const std::string& inhoud, int64_t tijd,
                    int& fout);

// Removes the oldest generations of `datafile` beyond the newest `bewaren`.
void RuimGeneratiesOp(const std::string& datafile, int bewaren);

// The time of a generation in local time, "17-03-2025 20:15:02".
std::string GeneratieTijd(const CGeneratie& generatie);
