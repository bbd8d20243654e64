#pragma once
// A formula of the administrator's small integer language, kept as text and
// parsed anew at every evaluation.

#include <cstdint>
#include <string>

class CFormule {
public:
    explicit CFormule(std::string tekst = "");

    // Evaluates the formula with the six variables. 0 with `resultaat` filled
    // in, or -1 with FoutTekst and FoutPositie set.
    int Bereken(int32_t w, int32_t v, int32_t j, int32_t p, int32_t r, int32_t k,
                int32_t& resultaat);
    // The same with only V given and the other variables 0 (stones and komi).
    int Bereken(int32_t v, int32_t& resultaat);

    const char* FoutTekst() const { return foutTekst_; }
    int32_t FoutPositie() const { return foutPositie_; }
    const std::string& Tekst() const { return tekst_; }

private:
    std::string tekst_;
    int32_t positie_ = 0;
    int32_t foutPositie_ = 0;
    const char* foutTekst_ = "";
    int32_t w_ = 0, v_ = 0, j_ = 0, p_ = 0, r_ = 0, k_ = 0;
};
