#pragma once
// The one check before a command writes a competition that it read.

#include "cli/opdrachtregel.h"

class CCompetitie;

// The option that lets a command write all the same.
inline constexpr COptie kTochOptie = {"--toch", false};

// Whether the command may write `competitie`: not when its read reported
// lines it could not read, which the write would lose, unless the command line
// holds --toch. False after a message that says so.
bool MagCompetitieSchrijven(const CArgumenten& argumenten, const CCompetitie& competitie);
