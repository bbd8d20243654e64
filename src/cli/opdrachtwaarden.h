#pragma once
// Values that several commands read from their options in the same way.

#include <cstdint>
#include <string>
#include <vector>

class CRondes;

// The number of rounds up to and including the first one named `id`: an exact
// match first, otherwise one that differs only in case; -1 when there is none.
int RondesTot(const CRondes& rondes, const std::string& id);

// Player numbers separated by commas ("3,7,12") into `nummers`. False with
// the word that is no whole number in `fout`.
bool LeesNummerLijst(const std::string& lijst, std::vector<int32_t>& nummers, std::string& fout);
