#pragma once
// The "&Test" of the formula windows: one formula with the six test values,
// or the stones and komi of a handicap set for every class difference.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The test fields "(W)inst:" to "(K)lasse:" as typed, and their values when
// a window opens.
using CTestVelden = std::array<std::string, 6>;
inline const CTestVelden kStandaardTestVelden = {"6", "5", "1", "12", "16", "220"};

// Evaluates `formule` with the test fields read as decimal numbers (text that
// is no number counts as 0). 0 with the value in `resultaat`, or -1 with the
// error message in `resultaat` and its position in `foutPositie`.
int TestFormule(const std::string& formule, const CTestVelden& velden, std::string& resultaat,
                int32_t& foutPositie);

// The handicap table for V = 0 to 79: rows "V\tstones\tkomi" (the raw komi,
// without the half point) up to the first formula that fails, which ends the
// table with its "FOUT:" row.
struct CVoorgiftTabel {
    enum class EFout { Geen, Stenen, Komi };

    std::vector<std::string> rijen;
    std::string melding; // the error message, empty when every row was made
    EFout fout = EFout::Geen;
    int32_t foutPositie = 0;
};

inline constexpr int32_t kVoorgiftTabelRijen = 80;

CVoorgiftTabel TestVoorgift(const std::string& stenen, const std::string& komi);
