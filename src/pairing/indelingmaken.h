#pragma once
// Making a pairing from the pair list, as the pairing window's "Genereer" and
// "Print" and the command line do it.

#include "pairing/indelingsparameters.h"
#include "pairing/indelingsregel.h"
#include "pairing/indelingzoeker.h"

#include <cstdint>
#include <vector>

class CIndeling;
class CIndelingsLog;
class CRondes;
class CSpelers;
class CVoorgift;
class CZoekVoortgang;

// Deletes the computed entries, and the waiting entry too when `ookWachtend`.
void VerwijderBerekend(std::vector<CIndelingsRegel>& lijst, bool ookWachtend);

// Searches a pairing of the players whose `meedoen` is set (register order),
// keeping the pairs of the blocked entries of `lijst` apart. The computed and
// waiting entries are deleted first; on success the computed pairs and the bye
// are appended. `methode` chooses the search (CIndelingZoeker::Zoek). The
// active handicap set must have passed its check. Returns 0, or -1 after the
// message that no pairing could be made.
int GenereerIndeling(const CSpelers& spelers, const CRondes& rondes,
                     const CIndelingsParameters& parameters, CVoorgift& voorgift,
                     std::vector<CIndelingsRegel>& lijst, CZoekVoortgang& voortgang,
                     CIndelingsLog& log, uint32_t zaad,
                     EZoekMethode methode = EZoekMethode::Parameters);

// Publishes the pair list: the computed and fixed entries in list order,
// published now and not taken over yet.
void Publiceer(const std::vector<CIndelingsRegel>& lijst, CIndeling& indeling);
