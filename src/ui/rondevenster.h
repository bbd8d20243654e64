#pragma once
// The results window: one round being entered or changed. The player list on
// the left offers the players, the entry list on the right holds the round's
// games, byes and class settings. An entry is built in two steps: the first
// player makes an incomplete entry, the second turns it into a game; "+/-"
// and "&Nieuwe klasse" turn an incomplete entry into a bye or a class
// setting. A game's result is set with one key, after which the next game
// without a result is selected. The round handed in is filled only by "&Ok".

#include "data/ronde.h"
#include "ui/spelerkolom.h"

#include <cstdint>
#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kUitslagenTitel = "Morvel Competitie Beheer / Uitslagen";

// The entry kind that exists only in this window: the first player is
// chosen, the second is not yet.
inline constexpr int32_t onvolledig = 3;

class CRondeVenster {
public:
    // 0 name ascending, 1 name descending, 2 number ascending, 3 number descending.
    enum ESleutel : int32_t { kNaamOp = 0, kNaamAf = 1, kNummerOp = 2, kNummerAf = 3 };
    enum class EFocus { Zoek, Identificatie, Uitslagen };

    // Opening: replays all rounds for the current classes, takes the filters
    // and the sort key from the settings, lists the entries of `ronde` (its
    // games, then its byes, then its class settings) and counts every
    // player's entries in his `rondeTeller`. `uitIndeling`: the round holds
    // the games of the published pairing; the first game without a result is
    // selected and the entry list gets the focus.
    CRondeVenster(CMorvelApp& app, CRonde& ronde, bool uitIndeling = false);

    const std::string& Identificatie() const { return identificatie_; }
    // "Identificatie:"; a change of it alone is no change of the round.
    void ZetIdentificatie(const std::string& tekst) { identificatie_ = tekst; }

    // The player column: the heads "N&r " and "&Naam", the player list (the
    // number, a tab and the name), "Zoek:" and the filters "Toon alleen
    // aktieve spelers" and "Verberg al verwerkte spelers".
    CSpelerKolom& Kolom() { return kolom_; }
    const std::vector<std::string>& SpelerRijen() const { return kolom_.Rijen(); }
    int SpelerSelectie() const { return kolom_.Selectie(); }
    void SelecteerSpeler(int rij) { kolom_.Selecteer(rij); }
    // "Zoek:": every change selects the best-matching player.
    void Zoek(const std::string& tekst) { kolom_.Zoek(tekst); }
    const std::string& ZoekTekst() const { return kolom_.ZoekTekst(); }

    int32_t SorteerSleutel() const;
    bool SorteertOpNummer() const { return kolom_.SorteerVeld() == CSpelerKolom::EVeld::Nummer; }
    bool Oplopend() const { return kolom_.Oplopend(); }
    // "N&r " and "&Naam": the other direction of that head, or ascending.
    // The selected player stays selected.
    void SorteerOpNummer() { kolom_.KlikKop(0); }
    void SorteerOpNaam() { kolom_.KlikKop(1); }
    bool AlleenAktief() const { return kolom_.FilterAan(0); }
    bool VerbergVerwerkt() const { return kolom_.FilterAan(1); }
    // "Toon alleen aktieve spelers" and "Verberg al verwerkte spelers".
    void ZetAlleenAktief(bool aan) { kolom_.ZetFilter(0, aan); }
    void ZetVerbergVerwerkt(bool aan) { kolom_.ZetFilter(1, aan); }

    // The entry list: three tab-separated columns, names and result.
    const std::vector<std::string>& UitslagRijen() const { return uitslagRijen_; }
    int UitslagSelectie() const { return uitslagSelectie_; }
    // Selects entry row `rij` (-1: none); while the last entry is incomplete
    // the selection stays on it.
    void SelecteerUitslag(int rij);

    // The class field, and the grade of the class in it.
    const std::string& KlasseVeld() const { return klasseVeld_; }
    const std::string& KlasseTekst() const { return klasseTekst_; }
    void ZetKlasseVeld(const std::string& tekst);
    // The arrows of the class field: `stappen` added to the number in it.
    void KlasseStap(int stappen);

    // Which controls are enabled.
    bool ToevoegenAan() const { return kolom_.GeselecteerdeSpeler(); } // "-->"
    bool VerwijderenAan() const { return GeselecteerdeSoort() >= 0; }  // "<--"
    bool WisselAan() const;                                            // "+/-"
    bool NieuweKlasseAan() const;
    bool KlasseVeldAan() const { return GeselecteerdeSoort() == onvolledig; }
    bool OkAan() const { return GeselecteerdeSoort() != onvolledig; }

    // The games still without a result ("niet genoteerd"), and the line that
    // says so below the entry list (empty without games).
    int ZonderUitslag() const;
    std::string ZonderUitslagTekst() const;

    bool Gewijzigd() const { return gewijzigd_; }
    EFocus Focus() const { return focus_; }

    // "-->" and the double click on a player: the selected player completes
    // the incomplete last entry into a game won by its first player, or
    // begins a new incomplete entry with his current class in the class field.
    void Toevoegen();
    // "<--": removes the selected entry.
    void Verwijderen();
    // "+/-", the "&Uitslag" head and the double click on an entry: the next
    // result of a game; a bye becomes incomplete and back.
    void Wissel();
    // A key in the entry list with a game selected: "1" or "+" won by the
    // first player, "2" or "-" won by the second, "0", "=" or "j" jigo, "?"
    // not recorded. The next game without a result is selected then (from the
    // top again after the last). False for any other key or entry.
    bool Toets(char teken);
    // "&Nieuwe klasse": the selected incomplete entry becomes a class setting
    // with the class of the field. 0, or -1 after a message for a class below 1.
    int NieuweKlasse();
    // "&Ok": 0 when the round holds the window's work and the window closes,
    // -1 after a message when the identification is missing or too long, or
    // when games without a result remain and the question whether to store
    // the round anyway is answered "Nee" (the first of them is selected).
    int Ok();
    // "&Cancel", Escape and the close box: 0 when the window may close (after
    // the question when something changed), -1 when it stays open.
    int Cancel();

private:
    int32_t GeselecteerdeSoort() const; // -1 when no entry is selected
    // The first row from `na` on (and then from the top) that is a game
    // without a result, other than row `na` itself; -1 when there is none.
    int VolgendeZonderUitslag(int na) const;
    CUitslag& Geselecteerd() {
        return uitslagen_[volgorde_[static_cast<size_t>(uitslagSelectie_)]];
    }
    std::string UitslagRij(const CUitslag& uitslag) const;
    void ToonUitslag(int rij);
    void Tel(const CUitslag& uitslag, int32_t richting);
    // After a change of the entries: the filter may hide or show players, the
    // search starts again.
    void NaWijziging();
    // The class field and its grade as the selected entry asks.
    void ToonKlasse();

    CMorvelApp& app_;
    CRonde& ronde_;
    std::string identificatie_;
    CSpelerKolom kolom_;
    std::vector<CUitslag> uitslagen_; // in the round's order, new ones at the end
    std::vector<size_t> volgorde_;    // the entry of each row
    std::vector<std::string> uitslagRijen_;
    int uitslagSelectie_ = -1;
    std::string klasseVeld_;
    std::string klasseTekst_;
    bool gewijzigd_ = false;
    EFocus focus_ = EFocus::Zoek;
};
