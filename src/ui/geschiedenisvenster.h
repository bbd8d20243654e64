#pragma once
// The history window: the generations of the open competition, newest first,
// each with what changed since. A generation can be restored (after the
// question) or viewed as its standings without restoring it.

#include "app/versies.h"

#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kGeschiedenisTitel = "Morvel Competitie Beheer / Geschiedenis";

class CGeschiedenisVenster {
public:
    // Lists the generations; none is selected.
    explicit CGeschiedenisVenster(CMorvelApp& app);

    // One row per generation: its number (1 the newest), time, players,
    // rounds and what changed since, separated by tabs.
    const std::vector<std::string>& Rijen() const { return rijen_; }
    int Selectie() const { return selectie_; }
    // Selects row `rij`; -1 or a row that does not exist selects none.
    void Selecteer(int rij);
    // "&Terugzetten" and "&Bekijken" need a selected generation that can be read.
    bool KnoppenAan() const;

    // "&Terugzetten": asks (Ja/Nee, Nee preselected) and then makes the
    // selected generation the open competition; the rows are listed anew,
    // none selected. 0 when restored, -1 otherwise.
    int Terugzetten();
    // "&Bekijken": the standings after the last round of the selected
    // generation into `lijst`, and a window title naming it into `titel`.
    // 0, or -1 after a message.
    int Bekijken(std::string& titel, std::string& lijst) const;

private:
    void Vul();

    CMorvelApp& app_;
    std::vector<CVersie> versies_;
    std::vector<std::string> rijen_;
    int selectie_ = -1;
};
