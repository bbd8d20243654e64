#pragma once
// The rounds window: the identifications of the rounds in playing order. A
// round is added or changed in the results window, on a round of its own
// that enters the list only when that window is accepted; deleting asks
// first. After every accepted change the include files are rewritten. A
// published pairing that no round was made from is offered as the new round.

#include <functional>
#include <string>
#include <vector>

class CMorvelApp;
class CRonde;

inline constexpr const char* kRondesTitel = "Morvel Competitie Beheer / Rondes";

class CRondesVenster {
public:
    // Opens the results window on a round that is not in the list yet: true
    // when it was closed with "&Ok". `uitIndeling`: the round holds the games
    // of the published pairing, whose results are entered next.
    using CUitslagenVenster = std::function<bool(CRonde& ronde, bool uitIndeling)>;

    explicit CRondesVenster(CMorvelApp& app);

    const std::vector<std::string>& Rijen() const { return rijen_; }
    int Selectie() const { return selectie_; }
    // Selects row `rij`; -1 or a row that does not exist selects none.
    void Selecteer(int rij);
    // "&Wijzigen" and "&Verwijderen" need a selected round.
    bool SelectieKnoppenAan() const { return selectie_ >= 0; }

    // "&Toevoegen": a new round in the results window, appended and selected
    // when accepted. When a published pairing waits, the question whether to
    // take it over comes first: "Ja" fills the round with its games and its
    // bye, and once the round is accepted the pairing is no longer offered.
    // 0 when added, -1 when cancelled.
    int Toevoegen(const CUitslagenVenster& venster);
    // "&Wijzigen" and the double click: the selected round is changed on a
    // copy, which is copied back when accepted. 0 when changed, -1 otherwise.
    int Wijzigen(const CUitslagenVenster& venster);
    // "&Verwijderen": the selected round, after the question. 0 when deleted.
    // A pairing taken over into that round is offered again.
    int Verwijderen();
    // "&Afdrukken": the results listing of the selected round, or of the last
    // one when none is selected, into `lijst`. -1 when there is no round.
    int Afdrukken(std::string& lijst) const;

private:
    // Refills the rows from the round list, with row `selectie` selected.
    void Vul(int selectie);

    CMorvelApp& app_;
    std::vector<std::string> rijen_;
    int selectie_ = -1;
};
