#pragma once
// The combined print of the pairing window: the results of the last round and
// the standings when chosen, and always the pairing sheet, with the page
// breaks and headers that the choices and the page settings give.

#include "publish/lijsten.h"

#include <string>

struct CAfdrukKeuzes {
    bool uitslag = false;                // "Uitslag laatste ronde"
    bool stand = false;                  // "Huidige stand"
    bool standOpNieuwePagina = false;    // "StandOpNieuwePagina"
    bool indelingOpNieuwePagina = false; // "IndelingOpNieuwePagina"
};

// Writes the combined print into `uit`. The caller replays all rounds first;
// the standings are those after the last round.
void LijstIndelingsAfdruk(const CLijstBron& bron, const CIndeling& indeling,
                          const CAfdrukKeuzes& keuzes, CStandFormules& formules, std::string& uit);
