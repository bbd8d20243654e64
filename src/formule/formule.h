#pragma once
// A formula of the administrator's small integer language, kept as text and
// parsed anew at every evaluation: one pass, no syntax tree, no allocation.

#include <cstdint>
#include <string>

class CFormule {
public:
    explicit CFormule(std::string tekst = "");

    // Evaluates the formula with the six variables. 0 with `resultaat` filled
    // in, or -1 with FoutTekst and FoutPositie set (`resultaat` then holds a
    // partly computed value).
    int Bereken(int32_t w, int32_t v, int32_t j, int32_t p, int32_t r, int32_t k,
                int32_t& resultaat);
    // The same with only V given and the other variables 0 (stones and komi).
    int Bereken(int32_t v, int32_t& resultaat);

    // Message and 0-based character position of the last failed evaluation;
    // "" and 0 before any failure.
    const char* FoutTekst() const { return foutTekst_; }
    int32_t FoutPositie() const { return foutPositie_; }
    const std::string& Tekst() const { return tekst_; }

private:
    // One method per grammar level; each evaluates into `uit` and returns 0,
    // or -1 after Fout.
    int Vergelijking(int32_t& uit);
    int Som(int32_t& uit);
    int Product(int32_t& uit);
    int Factor(int32_t& uit);
    int Primair(int32_t& uit);
    int Functie(int functie, int32_t& uit);

    // The value of variable `letter` (either case), or nullptr for any other character.
    const int32_t* Variabele(char letter) const;
    int Fout(const char* tekst, int32_t positie);
    char Teken() const { return tekst_.c_str()[positie_]; }
    void SlaSpatiesOver();   // blanks and tabs
    void SlaWitruimteOver(); // blanks, tabs, carriage returns and line feeds
    int Sluithaakje();       // the ")" that closes a group or a call

    std::string tekst_;
    int32_t positie_ = 0;
    int32_t foutPositie_ = 0;
    const char* foutTekst_ = "";
    int32_t w_ = 0, v_ = 0, j_ = 0, p_ = 0, r_ = 0, k_ = 0;
    int32_t diepte_ = 0; // nesting of groups and calls, bounded to protect the stack
};
