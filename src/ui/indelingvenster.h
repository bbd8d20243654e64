#pragma once
// The pairing window: the player list with the participants marked "-->",
// and the pair list in which blocked and fixed pairs are prepared, the
// computed pairs and the bye appear, and from which the pairing is
// published. The decisions on the pair list are those of CIndelingsLijst.

#include "app/indelingslijst.h"
#include "ui/spelerkolom.h"

#include <cstdint>
#include <string>
#include <vector>

class CMorvelApp;
class CSpeler;
class CZoekVoortgang;

inline constexpr const char* kIndelingTitel = "Indeling";
inline constexpr const char* kMeedoenTeken = "-->";

class CIndelingVenster {
public:
    enum ESleutel : int32_t { kNaamOp = 0, kNaamAf = 1 };

    // Opening: participants from "Standaard indelen", current classes, the
    // filter and the sort order from the settings, both lists filled, the
    // pair list empty.
    explicit CIndelingVenster(CMorvelApp& app);

    // The player column: the heads "Ind?" and "&Naam", the player list ("-->"
    // or empty, a tab, the name), "Zoek:" and "Toon alleen aktieve spelers",
    // which hides players, never their participation.
    CSpelerKolom& Kolom() { return kolom_; }
    const std::vector<std::string>& SpelerRijen() const { return kolom_.Rijen(); }
    int SpelerSelectie() const { return kolom_.Selectie(); }
    void SelecteerSpeler(int rij) { kolom_.Selecteer(rij); }
    // "Zoek:": every change selects the best-matching player; empty: none.
    void Zoek(const std::string& tekst) { kolom_.Zoek(tekst); }
    const std::string& ZoekTekst() const { return kolom_.ZoekTekst(); }
    // A double click, and Enter on a row or in "Zoek:": the participation of
    // the player of row `rij` flips, and his row is selected.
    void WisselMeedoen(int rij);

    int32_t SorteerSleutel() const { return kolom_.Oplopend() ? kNaamOp : kNaamAf; }
    // "&Naam": the other order; the selected row stays selected.
    void SorteerOpNaam() { kolom_.KlikKop(1); }
    bool AlleenAktief() const { return kolom_.FilterAan(0); }
    void ZetAlleenAktief(bool aan) { kolom_.ZetFilter(0, aan); }

    // The pair list: Black, White, the text and the type, tab-separated, and
    // after them the note of a fixed pair that is a rematch.
    std::vector<std::string> PaarRijen() const;
    int PaarSelectie() const { return paarSelectie_; }
    void SelecteerPaar(int rij);
    // The "&Type" column is shown while a fixed pair exists.
    bool TypeZichtbaar() const { return lijst_.HeeftVastPaar(); }

    // The enabled state of the buttons.
    bool ToevoegenAan() const;                                 // "-->"
    bool VerwijderenAan() const { return paarSelectie_ >= 0; } // "<--"
    bool WisselAan() const;                                    // "+/-" and "&Type"
    bool AltijdBlokkerenAan() const { return lijst_.KanAltijdBlokkeren(paarSelectie_); }
    bool GenereerAan() const;
    bool PrintAan() const { return lijst_.Berekend(); } // "Print" and "?"

    // "-->", "<--" and "+/-" on the selections. "<--" on a pair that is
    // always blocked asks first.
    void Toevoegen();
    void Verwijderen();
    void Wissel();
    // "&Altijd blokkeren": the selected blocked pair is stored with the
    // competition. 0, or -1 after a message.
    int AltijdBlokkeren();
    // "Genereer": 0, or -1 after a message.
    int Genereer(CZoekVoortgang& voortgang, uint32_t zaad);

    // "?": the lines of the pairing log.
    const std::vector<std::string>& LogRegels() const { return lijst_.Log().Regels(); }

    // "Wat afdrukken?" is preset from the settings.
    bool UitslagAfdrukken() const;
    bool StandAfdrukken() const;
    // "Print" may publish: false after a message when the competition is open
    // read-only.
    bool MagPubliceren() const;
    // "Print" after OK in "Wat afdrukken?": stores the two choices, publishes
    // the pairing, writes the combined print into `afdruk` and "indeling.inc"
    // as its mode says.
    // Refused (-1, nothing published) when the competition is open read-only.
    int Print(bool uitslag, bool stand, std::string& afdruk);

    const CIndelingsLijst& Lijst() const { return lijst_; }

private:
    CMorvelApp& app_;
    CIndelingsLijst lijst_;
    CSpelerKolom kolom_;
    int paarSelectie_ = -1;
};
