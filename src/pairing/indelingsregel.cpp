#include "pairing/indelingsregel.h"

#include "base/formatteer.h"
#include "data/speler.h"
#include "rating/voorgift.h"

#include <utility>

std::vector<CIndelingsRegel> MaakParen(const std::vector<CSpeler*>& volgorde, CVoorgift& voorgift) {
    std::vector<CIndelingsRegel> regels;
    size_t k = 0;
    for (; k + 1 < volgorde.size(); k += 2) {
        CVoorgiftPaar paar = voorgift.Paar(*volgorde[k], *volgorde[k + 1]);
        regels.push_back({paar.zwart->naam, paar.wit->naam, paar.tekst, kSoortBerekend});
    }
    if (k < volgorde.size()) {
        regels.push_back({volgorde[k]->naam, "", kTekstUitgeloot, kSoortBerekend});
    }
    return regels;
}

std::string VasteHandicapTekst(int32_t verschil) {
    int32_t stenen = verschil > 17 ? 9 : (verschil + 2) / 2;
    int32_t eenheid = verschil > 17 ? 17 - verschil : (verschil + 1) % 2;
    int32_t komi = 5 * eenheid;
    if (stenen == 1) {
        return Formatteer("%9s %d komi", "", komi);
    }
    return Formatteer("%d %s %d komi", stenen, "stenen,", komi);
}

CIndelingsRegel MaakVastPaar(const CSpeler& een, const CSpeler& twee) {
    const CSpeler* zwart = &een;
    const CSpeler* wit = &twee;
    int32_t verschil = KlasseVerschil(een.klasse, twee.klasse);
    if (verschil < 0) {
        std::swap(zwart, wit);
        verschil = -verschil;
    }
    return {zwart->naam, wit->naam, VasteHandicapTekst(verschil), kSoortVast};
}
