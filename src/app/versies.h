#pragma once
// The history of the open competition as the history window and the command
// line list it: each generation read and compared with the current state.

#include "data/geschiedenis.h"

#include <cstddef>
#include <string>
#include <vector>

class CCompetitie;

struct CVersie {
    CGeneratie generatie;
    bool leesbaar = false; // false: it cannot be read, and so not restored
    size_t spelers = 0;
    int rondes = 0;
    // What changed since this generation ("sindsdien 1 ronde minder: '17
    // maart'"), or why it cannot be read.
    std::string verschil;
};

// The generations of the data file of `huidig`, newest first. Each is read as
// the data file is, without showing the reader's messages: a generation that
// cannot be read is listed as such, one read with messages says how many.
std::vector<CVersie> Versies(const CCompetitie& huidig);

// Reads `generatie` into `doel` without the reader's messages: 0, or -1
// after one message that it cannot be read.
int LeesGeneratie(const CGeneratie& generatie, CCompetitie& doel);

// "17-03-2025 20:15:02, 40 spelers, 12 rondes", or "17-03-2025 20:15:02" for
// a generation that cannot be read.
std::string VersieKop(const CVersie& versie);
