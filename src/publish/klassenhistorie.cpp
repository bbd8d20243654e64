#include "publish/klassenhistorie.h"

#include "data/ronde.h"
#include "data/speler.h"
#include "rating/standberekening.h"
#include "rating/standtabel.h"

#include <unordered_map>

namespace {

constexpr size_t kStandaardAantal = 8;
constexpr const char* kGrafiekGeheugenMelding =
    "Niet genoeg geheugen om de stand voor de grafiek te bepalen!";

} // namespace

int CKlassenHistorie::Kolom(int32_t volgnummer) const {
    for (size_t s = 0; s < spelers.size(); ++s) {
        if (spelers[s].volgnummer == volgnummer) {
            return static_cast<int>(s);
        }
    }
    return -1;
}

CKlassenHistorie BerekenKlassenHistorie(const CSpelers& spelers, const CRondes& rondes,
                                        CStandFormules& formules, int aantal) {
    CKlassenHistorie historie;
    std::vector<const CSpeler*> aktieven;
    std::unordered_map<int32_t, size_t> kolommen;
    for (const CSpeler& speler : spelers) {
        if (speler.aktief > 0) {
            kolommen.emplace(speler.volgnummer, aktieven.size());
            aktieven.push_back(&speler);
            historie.spelers.push_back({speler.volgnummer, speler.naam});
        }
    }
    if (aantal < 0 || aantal > rondes.Aantal()) {
        aantal = rondes.Aantal();
    }
    ResetStand(spelers);
    for (int r = 0; r < aantal; ++r) {
        const CRonde& ronde = rondes.Ronde(r);
        VerwerkRonde(spelers, rondes, r, formules);
        historie.rondes.push_back(ronde.identificatie);
        // The replay of a round depends only on the rounds before it, so the
        // classes after the first round of a name are taken from that row.
        const int eerste = RondesTotEnMet(rondes, ronde.identificatie) - 1;
        if (eerste >= 0 && eerste < r) {
            historie.klassen.push_back(historie.klassen[static_cast<size_t>(eerste)]);
        } else {
            std::vector<int32_t> rij;
            rij.reserve(aktieven.size());
            for (const CSpeler* speler : aktieven) {
                rij.push_back(speler->klasse);
            }
            historie.klassen.push_back(std::move(rij));
        }
        std::vector<bool> gespeeld(aktieven.size(), false);
        for (const CUitslag& u : ronde.Uitslagen()) {
            if (u.soort != partij) {
                continue;
            }
            for (int32_t nummer : {u.speler1, u.speler2}) {
                auto kolom = kolommen.find(nummer);
                if (kolom != kolommen.end()) {
                    gespeeld[kolom->second] = true;
                }
            }
        }
        historie.gespeeld.push_back(std::move(gespeeld));
    }
    return historie;
}

std::vector<int> CKlassenverloop::StandaardKeuze() const {
    std::vector<int> keuze;
    for (size_t plaats = 0; plaats < inStand && keuze.size() < kStandaardAantal; ++plaats) {
        keuze.push_back(static_cast<int>(plaats));
    }
    return keuze;
}

CKlassenverloop BerekenKlassenverloop(const CSpelers& spelers, const CRondes& rondes,
                                      CStandFormules& formules, int aantal) {
    CKlassenverloop verloop;
    verloop.historie = BerekenKlassenHistorie(spelers, rondes, formules, aantal);
    const CKlassenHistorie& historie = verloop.historie;
    std::vector<bool> geplaatst(historie.spelers.size(), false);
    CStandTabel stand;
    if (!historie.rondes.empty() &&
        stand.Vul(spelers, true, formules, kGrafiekGeheugenMelding) == 0) {
        std::unordered_map<int32_t, int> kolommen;
        for (size_t s = 0; s < historie.spelers.size(); ++s) {
            kolommen.emplace(historie.spelers[s].volgnummer, static_cast<int>(s));
        }
        for (const CStandRegel& regel : stand.Regels()) {
            auto kolom = kolommen.find(regel.speler->volgnummer);
            if (kolom != kolommen.end() && !geplaatst[static_cast<size_t>(kolom->second)]) {
                geplaatst[static_cast<size_t>(kolom->second)] = true;
                verloop.volgorde.push_back(kolom->second);
            }
        }
    }
    verloop.inStand = verloop.volgorde.size();
    for (size_t s = 0; s < historie.spelers.size(); ++s) {
        if (!geplaatst[s]) {
            verloop.volgorde.push_back(static_cast<int>(s));
        }
    }
    return verloop;
}
