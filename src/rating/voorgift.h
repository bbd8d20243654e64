#pragma once
// Handicap stones and komi of a game, from the classes of its two players and
// the active handicap formula set.

#include "formule/formule.h"

#include <cstdint>
#include <string>

class CSpeler;

// The komi as text: without the half point the whole number (6, -5); with it
// komi + 0.5 with a decimal comma (6,5; 0,5; -0,5 for -1; -4,5 for -5).
std::string KomiTekst(int32_t komi, bool extraHalfKomi);
// "%d %s, %s komi": stones, "steen" or "stenen", the komi text.
std::string VoorgiftTekst(int32_t stenen, int32_t komi, bool extraHalfKomi);
// The class difference in whole classes, each class truncated before subtracting.
int32_t KlasseVerschil(int32_t klasseZwart, int32_t klasseWit);
// Whether a pair in the order (eerste, tweede) must be swapped so that the
// weaker player (the higher class value) is Black; equal classes keep the order.
inline bool MoetWisselen(int32_t klasseEerste, int32_t klasseTweede) {
    return klasseEerste < klasseTweede;
}

// A pair as it is played: Black, White and the handicap text.
struct CVoorgiftPaar {
    const CSpeler* zwart;
    const CSpeler* wit;
    std::string tekst;
};

// The stones and komi formulas of the active handicap set.
class CVoorgift {
public:
    CVoorgift(std::string stenenFormule, std::string komiFormule, bool extraHalfKomi);

    // The check before a pairing: both formulas must evaluate at V = 0.
    // Returns 0, or -1 after the message of the formula that fails.
    int Controleer();

    // The handicap text of a game between these classes (Black's first). A
    // formula that fails for this difference gives whatever value it left.
    std::string Tekst(int32_t klasseZwart, int32_t klasseWit);
    // The pair of two players in the order of the pairing search, by their
    // current classes: the weaker one is Black.
    CVoorgiftPaar Paar(const CSpeler& eerste, const CSpeler& tweede);

private:
    CFormule stenen_;
    CFormule komi_;
    bool extraHalfKomi_;
};

// The check before a pairing with the active set's number: no active set
// (0 or less) is refused with its message, otherwise the formulas are checked.
int ControleerVoorgift(int32_t huidigeVoorgiftFormule, CVoorgift& voorgift);
