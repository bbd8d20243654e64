#include "pairing/indelingsregel.h"

#include "base/formatteer.h"
#include "data/ronde.h"
#include "data/speler.h"
#include "rating/voorgift.h"

#include <utility>

std::vector<CIndelingsRegel> MaakParen(const std::vector<CSpeler*>& volgorde, CVoorgift& voorgift) {
    std::vector<CIndelingsRegel> regels;
    size_t k = 0;
    for (; k + 1 < volgorde.size(); k += 2) {
        CVoorgiftPaar paar = voorgift.Paar(*volgorde[k], *volgorde[k + 1]);
        regels.push_back({paar.zwart->naam, paar.wit->naam, paar.tekst, kSoortBerekend,
                          paar.zwart->volgnummer, paar.wit->volgnummer});
    }
    if (k < volgorde.size()) {
        regels.push_back(
            {volgorde[k]->naam, "", kTekstUitgeloot, kSoortBerekend, volgorde[k]->volgnummer});
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
    return {zwart->naam, wit->naam,         VasteHandicapTekst(verschil),
            kSoortVast,  zwart->volgnummer, wit->volgnummer};
}

CIndelingsRegel GeblokkeerdPaar(const CSpeler& een, const CSpeler& twee, bool altijd) {
    return {een.naam,          twee.naam,      altijd ? kTekstAltijdGeblokkeerd : kTekstGeblokkeerd,
            kSoortGeblokkeerd, een.volgnummer, twee.volgnummer};
}

int32_t RondesGeledenGespeeld(const CRondes& lijst, int32_t een, int32_t twee, int32_t rondes) {
    int32_t geleden = 1;
    for (auto it = lijst.rbegin(); it != lijst.rend() && geleden <= rondes; ++it, ++geleden) {
        for (const CUitslag& u : (*it)->Uitslagen()) {
            if (u.soort == partij && ((u.speler1 == een && u.speler2 == twee) ||
                                      (u.speler1 == twee && u.speler2 == een))) {
                return geleden;
            }
        }
    }
    return 0;
}

std::string RondesGeledenTekst(int32_t rondesGeleden) {
    return Formatteer("speelden %d %s geleden tegen elkaar", rondesGeleden,
                      rondesGeleden == 1 ? "ronde" : "rondes");
}
