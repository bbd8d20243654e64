#pragma once
// The active formula sets of the settings, as the standings and the handicap use them.

#include "rating/standformules.h"
#include "rating/voorgift.h"

#include <optional>

class CSettings;

// The active points formula with its mode and the three active class formulas.
CStandFormules ActieveStandFormules(const CSettings& settings);

// The active handicap set, checked as before a pairing: 0 with `voorgift` made,
// or -1 after the message that refuses the pairing.
int ActieveVoorgift(const CSettings& settings, std::optional<CVoorgift>& voorgift);
