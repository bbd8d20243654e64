#pragma once
// The pairing parameters window "Indelingsparameters": the ten parameters of
// the cost of a pairing, each in a field of its own, and the check box that
// chooses the exact search above the maximum.

#include <array>
#include <cstdint>
#include <string>

class CSettings;

// A parameter with the label of its field (nullptr: the field shares the line
// of the one before it) and its place in the settings.
struct CIndelingsParameter {
    const char* label;
    int32_t (CSettings::*waarde)() const;
    void (CSettings::*zet)(int32_t);
};

inline constexpr size_t kAantalIndelingsParameters = 10;
using CIndelingsVelden = std::array<std::string, kAantalIndelingsParameters>;

// The parameters from top to bottom of the window.
extern const std::array<CIndelingsParameter, kAantalIndelingsParameters> kIndelingsParameters;

// The fields as the window opens: every value in decimal.
CIndelingsVelden LeesIndelingsParameters(const CSettings& settings);
// "&Ok": each field read as its leading number (none is 0; a sign is kept);
// only a value that differs replaces the setting and marks it changed.
void BewaarIndelingsParameters(CSettings& settings, const CIndelingsVelden& velden);

inline constexpr const char* kExacteIndelingTekst =
    "Boven het maximum de &exacte indeling berekenen (altijd de laagste score)";
// The check box: checked when "ExacteIndeling" is not 0.
bool LeesExacteIndeling(const CSettings& settings);
// "&Ok": stores 1 or 0 only when the check differs from the setting.
void BewaarExacteIndeling(CSettings& settings, bool aan);
