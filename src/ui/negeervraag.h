#pragma once
// The question before a window closes on work that is not stored.

#include "base/melding.h"

inline constexpr const char* kNegeerVraag =
    "Weet u zeker dat u de veranderingen wilt negeren en het venster wilt sluiten?";

// Asks whether the changes may go, "Nee" preselected so that Enter keeps
// them: true only for "Ja".
inline bool NegeerVeranderingen() {
    return Meld(kNegeerVraag, Knoppen::JaNeeStdNee) == Antwoord::Ja;
}
