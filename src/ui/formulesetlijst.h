#pragma once
// One list of named formula sets of the profile (points, class change or
// handicap), as the configuration windows edit it: the entries in number
// order, at most one with the active mark, read from their sections and saved
// again numbered from 1.

#include <array>
#include <string>
#include <vector>

class CSettings;

enum class EFormuleSoort { Punten, Klasse, Voorgift };

struct CFormuleSet {
    std::string naam;
    // Points: the formula. Class: after a win, a loss, a jigo. Handicap:
    // stones, komi.
    std::array<std::string, 3> formules;
    bool vlag = false; // "Middelen" (points) or "ExtraHalfKomi" (handicap)
    bool actief = false;
};

class CFormuleSetLijst {
public:
    explicit CFormuleSetLijst(EFormuleSoort soort) : soort_(soort) {}

    // Reads sets 1 to the count of the list from the profile of `settings`;
    // a set without a name is left out, the set with the active number gets
    // the mark. Returns 0, or -1 after a message (the list is then empty).
    int Lees(const CSettings& settings);

    EFormuleSoort Soort() const { return soort_; }
    int Aantal() const { return static_cast<int>(sets_.size()); }
    const CFormuleSet& Set(int i) const { return sets_[static_cast<size_t>(i)]; }
    CFormuleSet& Set(int i) { return sets_[static_cast<size_t>(i)]; }

    // The first entry with the active mark, or -1.
    int Actief() const;
    // Clears every active mark, then gives entry `index` the mark when `aan`.
    void ZetActief(int index, bool aan);
    // Appends "(Nieuw)" with empty formulas, not active, Middelen off and
    // ExtraHalfKomi on; returns its index.
    int Nieuw();
    void Verwijder(int index);

    // Writes the entries as the sections 1, 2, ... together with the count
    // and the active number in one write of the profile (sections with higher
    // numbers stay). Then the settings take the count and the active number,
    // and a points or class set is selected anew so that it takes effect.
    // Returns 0, or -1 after a message with the settings untouched.
    int Bewaar(CSettings& settings) const;

private:
    EFormuleSoort soort_;
    std::vector<CFormuleSet> sets_;
};
