#pragma once
// Reading whole numbers from text: one home for the rules of every reader.

#include <cstdint>
#include <string>

// Reads the run of decimal digits at `p` (none gives 0) and moves `p` past it.
// A value above the 32-bit range is held at 2147483647 and gives false, so the
// caller can report it; otherwise true.
bool LeesGetal(const char*& p, int32_t& waarde);

// Reports that a number in the file line `regel` was too large and is held at
// 2147483647; `operatie` names the reader, as internal messages begin.
void MeldTeGrootGetal(const char* operatie, const std::string& regel);

// The value of the first run of decimal digits in `tekst` (0 when there is
// none), held at 2147483647.
int32_t EersteGetal(const std::string& tekst);

// A number typed into a field: leading white space, an optional sign and
// the decimal digits that follow; anything else ends it, and a text that is
// no number gives 0. Held within the 32-bit range.
int32_t VeldGetal(const std::string& tekst);

// A whole word as a number: an optional "-" and decimal digits within the
// 32-bit range, nothing else; false otherwise.
bool LeesGeheelGetal(const std::string& woord, int32_t& waarde);
