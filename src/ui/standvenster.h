#pragma once
// The standings window: the rounds of the open competition, of which the
// standings after the selected one are printed. The window stays open after
// printing.

#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kStandTitel = "Morvel Competitie Beheer / Stand";

class CStandVenster {
public:
    // The identifications of all rounds in list order, the last one selected.
    explicit CStandVenster(CMorvelApp& app);

    const std::vector<std::string>& Rijen() const { return rijen_; }
    // The selected row, or -1 when none is.
    int Selectie() const { return selectie_; }
    // Selects row `rij`; -1 or a row that does not exist selects none.
    void Selecteer(int rij);
    // "&Afdrukken" is enabled only when there are rounds.
    bool AfdrukkenAan() const { return !rijen_.empty(); }

    // "&Afdrukken": the standings with the header after the selected round
    // (after the last one when none is selected) into `lijst`, to be printed.
    // Returns 0, or -1 after a message.
    int Afdrukken(std::string& lijst);

private:
    CMorvelApp& app_;
    std::vector<std::string> rijen_;
    int selectie_ = -1;
};
