#pragma once
// The class chart: for the chosen players a line through their class after
// every round, rounds along the bottom, the strongest class at the top. This
// is what the chart shows, whatever draws it (the window, a file, the site).

#include "base/datum.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct CKlassenverloop;

// One player's line.
struct CGrafiekLijn {
    std::string naam;
    uint32_t kleur = 0;           // 0xRRGGBB
    int streep = 0;               // 0 a solid line, 1 dashes, 2 dots
    std::vector<int32_t> klassen; // one per round, in tenths
    std::vector<bool> punten;     // a point where he played or his class changed
};

struct CKlassenGrafiek {
    std::string titel;
    std::vector<std::string> rondes;      // the identifications
    std::vector<std::string> rondeLabels; // per round its label along the bottom, unique
    std::vector<CGrafiekLijn> lijnen;
    int32_t boven = 0; // the whole class at the top (the strongest), in tenths
    int32_t onder = 0; // the whole class at the bottom, in tenths, below `boven`
    // Every whole class from the top down with its grade text.
    std::vector<std::pair<int32_t, std::string>> klasseLabels;

    // The labels that fit when an axis has room for `hoogstens`: every n-th,
    // from the first round and from a whole class that n divides. A round
    // without a label has an empty one.
    std::vector<std::string> RondeLabels(size_t hoogstens) const;
    std::vector<std::pair<int32_t, std::string>> KlasseLabels(size_t hoogstens) const;

    // The text of the point of line `lijn` at round `ronde` (from 0): the
    // round, the player, the class and the grade.
    std::string PuntTekst(size_t lijn, size_t ronde) const;
};

// The title of every chart: "Klassenverloop", the competition and the date.
std::string KlassenverloopTitel(const std::string& competitie, const CDatum& datum);

// The chart of the players at places `gekozen` of `verloop.volgorde`, in
// that order. A player's colour follows his place, so it stays the same
// whoever else is shown.
CKlassenGrafiek MaakKlassenGrafiek(const CKlassenverloop& verloop, const std::vector<int>& gekozen,
                                   const std::string& titel);

// The colour and stroke of the line of the player at `plaats`.
uint32_t LijnKleur(size_t plaats);
int LijnStreep(size_t plaats);
