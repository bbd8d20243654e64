#pragma once
// The pair list of the next round and what is done with it: who takes part,
// blocked and fixed pairs, the search that adds the computed pairs and the
// bye, and the publication with the combined print. The pairing window and
// the command line share it.

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
    // are brought up to date over all rounds. The list starts empty.
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
    // Appends a fixed pair; neither player takes part in the search.
    void MaakVast(CSpeler& een, CSpeler& twee);
    // "<--": deletes entry `regel`, whatever its type; nothing else changes.
    void Verwijder(int regel);
    // "+/-": after deleting the computed entries, a fixed pair becomes blocked
    // (both players take part again) and a blocked pair fixed (Black the
    // player of the larger whole class; both leave the search). Returns the
    // entry's new position, or -1 when `regel` names no entry.
    int Wissel(int regel);

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

    CMorvelApp& app_;
    std::vector<CIndelingsRegel> regels_;
    bool berekend_ = false;
    CIndelingsLog log_;
};
