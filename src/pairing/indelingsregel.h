#pragma once
// Entries of the pair list: computed pairs and the bye, blocked pairs and
// fixed pairs, and how a search result becomes entries.

#include <cstdint>
#include <string>
#include <vector>

class CRondes;
class CSpeler;
class CVoorgift;

inline constexpr const char* kSoortBerekend = "";
inline constexpr const char* kSoortWachtend = "?";
inline constexpr const char* kSoortGeblokkeerd = "X";
inline constexpr const char* kSoortVast = "F";
inline constexpr const char* kTekstUitgeloot = "Uitgeloot";
inline constexpr const char* kTekstGeblokkeerd = "Geblokkeerd";
inline constexpr const char* kTekstAltijdGeblokkeerd = "Altijd geblokkeerd";

struct CIndelingsRegel {
    std::string zwart;
    std::string wit;
    std::string tekst;
    std::string soort;
    int32_t zwartNummer = 0;
    int32_t witNummer = 0; // 0 for the bye and the waiting entry
    // Shown beside the entry, never published: a fixed pair that is a rematch.
    std::string opmerking{};

    // A blocked pair that is stored with the competition.
    bool IsAltijdGeblokkeerd() const {
        return soort == kSoortGeblokkeerd && tekst == kTekstAltijdGeblokkeerd;
    }
    bool operator==(const CIndelingsRegel&) const = default;
};

// A blocked pair of the two players: "Geblokkeerd", or "Altijd geblokkeerd".
CIndelingsRegel GeblokkeerdPaar(const CSpeler& een, const CSpeler& twee, bool altijd = false);

// The entries of a search result (players in pairing order, the bye last when
// the count is odd): Black is the player with the larger class, the first of
// the pair on equal classes, with the handicap text of the active set; the bye
// entry "Uitgeloot" comes last.
std::vector<CIndelingsRegel> MaakParen(const std::vector<CSpeler*>& volgorde, CVoorgift& voorgift);

// The handicap text of a fixed pair, a rule of its own for a whole-class
// difference D >= 0: "%9s %d komi" for one stone, else "%d stenen, %d komi".
std::string VasteHandicapTekst(int32_t verschil);

// A fixed pair: Black is the player of the larger whole class (the first on
// equal whole classes), with the fixed handicap text.
CIndelingsRegel MaakVastPaar(const CSpeler& een, const CSpeler& twee);

// How many rounds ago the two players last played each other (1: in the
// newest round), looking back `rondes` rounds at most; 0 when they did not.
int32_t RondesGeledenGespeeld(const CRondes& lijst, int32_t een, int32_t twee, int32_t rondes);
// "speelden 2 rondes geleden tegen elkaar".
std::string RondesGeledenTekst(int32_t rondesGeleden);
