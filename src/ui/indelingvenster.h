#pragma once
// The pairing window: the player list with the participants marked "-->",
// and the pair list in which blocked and fixed pairs are prepared, the
// computed pairs and the bye appear, and from which the pairing is
// published. The decisions on the pair list are those of CIndelingsLijst.

#include "app/indelingslijst.h"

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

    // The player list: "-->" or empty, a tab, the name.
    const std::vector<std::string>& SpelerRijen() const { return spelerRijen_; }
    int SpelerSelectie() const { return spelerSelectie_; }
    void SelecteerSpeler(int rij);
    // "Zoek:": every change selects the best-matching player; empty: none.
    void Zoek(const std::string& tekst);
    const std::string& ZoekTekst() const { return zoekTekst_; }
    // A double click: the player's participation flips.
    void WisselMeedoen(int rij);

    int32_t SorteerSleutel() const { return sleutel_; }
    // "&Naam": the other order; the selected row stays selected.
    void SorteerOpNaam();
    bool AlleenAktief() const { return alleenAktief_; }
    // "Toon alleen aktieve spelers": hides players, never their participation.
    void ZetAlleenAktief(bool aan);

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
    void Vul();
    // Refills the list; the player that was selected stays selected when listed.
    void VulEnHerstel();
    std::string SpelerRij(const CSpeler& speler) const;
    CSpeler* GeselecteerdeSpeler() const;

    CMorvelApp& app_;
    CIndelingsLijst lijst_;
    std::vector<CSpeler*> spelers_; // the player of each row
    std::vector<std::string> spelerRijen_;
    int spelerSelectie_ = -1;
    int paarSelectie_ = -1;
    std::string zoekTekst_;
    int32_t sleutel_ = kNaamOp;
    bool alleenAktief_ = true;
};
