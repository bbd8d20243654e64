#pragma once
// The class history of a competition: the class of every active player after
// each round. The spreadsheet export and the class chart both draw on it.

#include <cstdint>
#include <string>
#include <vector>

class CSpelers;
class CRondes;
struct CStandFormules;

struct CKlassenHistorie {
    struct CSpelerKolom {
        int32_t volgnummer;
        std::string naam;
    };
    // The active players in register order.
    std::vector<CSpelerKolom> spelers;
    // The identification of every round in list order.
    std::vector<std::string> rondes;
    // klassen[r][s]: the class of player s after round r. A round whose
    // identification an earlier round already has (ignoring case) shows the
    // classes after that earlier round.
    std::vector<std::vector<int32_t>> klassen;
    // gespeeld[r][s]: player s has a game in round r itself.
    std::vector<std::vector<bool>> gespeeld;

    // The column of the player with `volgnummer`, or -1.
    int Kolom(int32_t volgnummer) const;
};

// Replays the first `aantal` rounds (all when negative) once and takes the
// classes after each. Afterwards the players' counters and classes are those
// after the last of them.
CKlassenHistorie BerekenKlassenHistorie(const CSpelers& spelers, const CRondes& rondes,
                                        CStandFormules& formules, int aantal = -1);

// The class history with the players in the order of the standings after its
// last round: the ranked players with games first, then the other active
// players in register order.
struct CKlassenverloop {
    CKlassenHistorie historie;
    std::vector<int> volgorde; // columns of `historie`
    size_t inStand = 0;        // the first of `volgorde` that are in the standings

    // The players a chart shows unless others are chosen: the first eight of
    // the standings (places in `volgorde`).
    std::vector<int> StandaardKeuze() const;
};

CKlassenverloop BerekenKlassenverloop(const CSpelers& spelers, const CRondes& rondes,
                                      CStandFormules& formules, int aantal = -1);
