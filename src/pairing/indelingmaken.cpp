#include "pairing/indelingmaken.h"

#include "base/melding.h"
#include "data/speler.h"
#include "pairing/indeling.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"

#include <algorithm>

void VerwijderBerekend(std::vector<CIndelingsRegel>& lijst, bool ookWachtend) {
    std::erase_if(lijst, [&](const CIndelingsRegel& r) {
        return r.soort == kSoortBerekend || (ookWachtend && r.soort == kSoortWachtend);
    });
}

int GenereerIndeling(const CSpelers& spelers, const CRondes& rondes,
                     const CIndelingsParameters& parameters, CVoorgift& voorgift,
                     std::vector<CIndelingsRegel>& lijst, CZoekVoortgang& voortgang,
                     CIndelingsLog& log, uint32_t zaad, EZoekMethode methode) {
    VerwijderBerekend(lijst, true);
    std::vector<CSpeler*> deelnemers;
    for (CSpeler& s : spelers) {
        if (s.meedoen) {
            deelnemers.push_back(&s);
        }
    }
    std::vector<CNaamPaar> geblokkeerd;
    for (const CIndelingsRegel& r : lijst) {
        if (r.soort == kSoortGeblokkeerd) {
            geblokkeerd.emplace_back(r.zwart, r.wit);
        }
    }
    CKostenModel model(deelnemers, rondes, parameters, geblokkeerd);
    CIndelingZoeker zoeker(model, voortgang, log);
    if (!zoeker.Zoek(zaad, methode)) {
        Meld("Met de opgegeven keuzes kon er geen indeling gemaakt worden");
        return -1;
    }
    std::vector<CSpeler*> volgorde;
    for (int i : zoeker.Resultaat()) {
        volgorde.push_back(&model.Deelnemer(i));
    }
    std::vector<CIndelingsRegel> paren = MaakParen(volgorde, voorgift);
    lijst.insert(lijst.end(), paren.begin(), paren.end());
    return 0;
}

void Publiceer(const std::vector<CIndelingsRegel>& lijst, CIndeling& indeling) {
    indeling.Clear();
    indeling.gepubliceerd = NuLokaal();
    for (const CIndelingsRegel& r : lijst) {
        if (r.soort == kSoortBerekend || r.soort == kSoortVast) {
            indeling.VoegToe(r.zwartNummer, r.witNummer, r.zwart, r.wit, r.tekst);
        }
    }
}
