#pragma once
// The pair list of the next round and what is done with it: who takes part,
// blocked and fixed pairs, the search that adds the computed pairs and the
// bye, and the publication with the combined print. The pairs that are
// always blocked in the competition are in it from the start. The pairing
// window and the command line share it.

#include "pairing/indelingslog.h"
#include "pairing/indelingsregel.h"
#include "pairing/indelingzoeker.h"
#include "publish/indelingsafdruk.h"

#include <cstdint>
#include <string>
#include <vector>

class CMorvelApp;
class CSpeler;
class CZoekVoortgang;

class CIndelingsLijst {
public:
    // Every player takes part as "Standaard indelen" says, and the classes
    // are brought up to date over all rounds. The list starts with the pairs
    // that are always blocked ("Altijd geblokkeerd").
    explicit CIndelingsLijst(CMorvelApp& app);

    const std::vector<CIndelingsRegel>& Regels() const { return regels_; }
    // Set while the list holds the result of the last successful search.
    bool Berekend() const { return berekend_; }
    const CIndelingsLog& Log() const { return log_; }
    bool HeeftVastPaar() const;
    // The name of the player of the waiting entry, empty when there is none.
    std::string WachtendeNaam() const;

    // "-->": `speler` takes part and becomes the waiting entry, or the second
    // player of a blocked pair with the waiting player. The computed entries
    // go first. Nothing happens for the waiting player himself.
    void Kies(CSpeler& speler);
    // Appends a blocked pair; participation is left as it is.
    void Blokkeer(const CSpeler& een, const CSpeler& twee);
    // Appends a fixed pair; neither player takes part in the search. When the
    // two met in one of the last rounds (those in which the search still
    // counts a meeting, see CKostenModel), the entry says how many rounds ago.
    void MaakVast(CSpeler& een, CSpeler& twee);
    // "<--": deletes entry `regel`, whatever its type; nothing else changes.
    // A pair that is always blocked is forgotten for good, after the question
    // (refused with a message when the competition is open read-only); 0 when
    // the entry went, -1 when it stays.
    int Verwijder(int regel);
    // "+/-": after deleting the computed entries, a fixed pair becomes blocked
    // (both players take part again) and a blocked pair fixed (Black the
    // player of the larger whole class; both leave the search, and a rematch
    // is noted as MaakVast does). A pair that is always blocked stays so.
    // Returns the entry's new position, or -1 when `regel` names no entry.
    int Wissel(int regel);
    // "Altijd blokkeren" is possible for entry `regel`: a blocked pair of two
    // players of the register that is not always blocked yet, in a
    // competition that is not open read-only.
    bool KanAltijdBlokkeren(int regel) const;
    // Stores the blocked pair `regel` with the competition, so that every
    // pairing keeps it apart: 0, or -1 after a message.
    int AltijdBlokkeren(int regel);

    // "Genereer": checks the active handicap set (its message, nothing
    // changed), then searches between `voortgang.Begin()` and `Einde()` with
    // the search `methode` names. Returns 0, or -1 after a message.
    int Genereer(CZoekVoortgang& voortgang, uint32_t zaad,
                 EZoekMethode methode = EZoekMethode::Parameters);

    // Replays all rounds, publishes the computed and fixed entries into the
    // application's pairing and writes the combined print into `afdruk`.
    void Publiceer(const CAfdrukKeuzes& keuzes, std::string& afdruk);

private:
    // Deletes the computed entries and clears the computed flag; returns the
    // new position of entry `regel` (-1 stays -1).
    int VerwijderBerekend(int regel = -1);
    // The note of a fixed pair whose players met lately, empty otherwise.
    std::string Terugspeelopmerking(const CIndelingsRegel& vast) const;

    CMorvelApp& app_;
    std::vector<CIndelingsRegel> regels_;
    bool berekend_ = false;
    CIndelingsLog log_;
};
