#include "data/verschil.h"

#include "base/formatteer.h"
#include "data/competitie.h"

#include <deque>
#include <unordered_map>
#include <vector>

namespace {

// "1 ronde meer: 'x'" for one, "N rondes meer" for more.
std::string Aantal(size_t aantal, const char* enkelvoud, const char* meervoud, const char* wat,
                   const std::string& naam) {
    if (aantal == 1) {
        return Formatteer("1 %s %s: '%s'", enkelvoud, wat, naam.c_str());
    }
    return Formatteer("%zu %s %s", aantal, meervoud, wat);
}

bool ZelfdeUitslag(const CUitslag& a, const CUitslag& b) {
    return a.soort == b.soort && a.speler1 == b.speler1 && a.speler2 == b.speler2 &&
           a.resultaat == b.resultaat && a.nieuweKlasse == b.nieuweKlasse;
}

bool ZelfdeRonde(const CRonde& a, const CRonde& b) {
    const std::vector<CUitslag>& ua = a.Uitslagen();
    const std::vector<CUitslag>& ub = b.Uitslagen();
    if (ua.size() != ub.size() || a.Commentaar() != b.Commentaar()) {
        return false;
    }
    for (size_t i = 0; i < ua.size(); ++i) {
        if (!ZelfdeUitslag(ua[i], ub[i])) {
            return false;
        }
    }
    return true;
}

struct CTelling {
    size_t aantal = 0;
    std::string eerste; // the name of the first one
    void Tel(const std::string& naam) {
        if (aantal++ == 0) {
            eerste = naam;
        }
    }
};

void Rondes(const CRondes& eerder, const CRondes& nu, std::vector<std::string>& delen) {
    std::unordered_map<std::string, std::deque<const CRonde*>> oud;
    for (const auto& ronde : eerder) {
        oud[ronde->identificatie].push_back(ronde.get());
    }
    CTelling erbij;
    CTelling gewijzigd;
    for (const auto& ronde : nu) {
        auto gevonden = oud.find(ronde->identificatie);
        if (gevonden == oud.end() || gevonden->second.empty()) {
            erbij.Tel(ronde->identificatie);
            continue;
        }
        if (!ZelfdeRonde(*gevonden->second.front(), *ronde)) {
            gewijzigd.Tel(ronde->identificatie);
        }
        gevonden->second.pop_front();
    }
    CTelling weg;
    for (const auto& ronde : eerder) {
        auto& over = oud[ronde->identificatie];
        if (!over.empty() && over.front() == ronde.get()) {
            weg.Tel(ronde->identificatie);
            over.pop_front();
        }
    }
    if (erbij.aantal > 0) {
        delen.push_back(Aantal(erbij.aantal, "ronde", "rondes", "meer", erbij.eerste));
    }
    if (weg.aantal > 0) {
        delen.push_back(Aantal(weg.aantal, "ronde", "rondes", "minder", weg.eerste));
    }
    if (gewijzigd.aantal > 0) {
        delen.push_back(Aantal(gewijzigd.aantal, "ronde", "rondes", "gewijzigd", gewijzigd.eerste));
    }
}

// The one change of a player that differs in one stored field only, or empty.
std::string EnigeWijziging(const CSpeler& a, const CSpeler& b) {
    int velden = (a.naam != b.naam) + (a.beginKlasse != b.beginKlasse) + (a.aktief != b.aktief) +
                 (a.standaardIndelen != b.standaardIndelen) +
                 (a.uitlotenToegestaan != b.uitlotenToegestaan);
    if (velden != 1) {
        return "";
    }
    if (a.beginKlasse != b.beginKlasse) {
        return Formatteer("beginklasse van %s %d -> %d", b.naam.c_str(), a.beginKlasse,
                          b.beginKlasse);
    }
    if (a.naam != b.naam) {
        return Formatteer("naam '%s' -> '%s'", a.naam.c_str(), b.naam.c_str());
    }
    return "";
}

bool ZelfdeSpeler(const CSpeler& a, const CSpeler& b) {
    return a.naam == b.naam && a.beginKlasse == b.beginKlasse && a.aktief == b.aktief &&
           a.standaardIndelen == b.standaardIndelen && a.uitlotenToegestaan == b.uitlotenToegestaan;
}

void Spelers(const CSpelers& eerder, const CSpelers& nu, std::vector<std::string>& delen) {
    CTelling erbij;
    CTelling gewijzigd;
    std::string enige;
    for (const CSpeler& speler : nu) {
        const CSpeler* oud = eerder.Zoek(speler.volgnummer);
        if (!oud) {
            erbij.Tel(speler.naam);
        } else if (!ZelfdeSpeler(*oud, speler)) {
            if (gewijzigd.aantal == 0) {
                enige = EnigeWijziging(*oud, speler);
            }
            gewijzigd.Tel(speler.naam);
        }
    }
    CTelling weg;
    for (const CSpeler& speler : eerder) {
        if (!nu.Zoek(speler.volgnummer)) {
            weg.Tel(speler.naam);
        }
    }
    if (erbij.aantal > 0) {
        delen.push_back(Aantal(erbij.aantal, "speler", "spelers", "meer", erbij.eerste));
    }
    if (weg.aantal > 0) {
        delen.push_back(Aantal(weg.aantal, "speler", "spelers", "minder", weg.eerste));
    }
    if (gewijzigd.aantal == 1 && !enige.empty()) {
        delen.push_back(enige);
    } else if (gewijzigd.aantal > 0) {
        delen.push_back(
            Aantal(gewijzigd.aantal, "speler", "spelers", "gewijzigd", gewijzigd.eerste));
    }
}

} // namespace

std::string BeschrijfVerschil(const CCompetitie& eerder, const CCompetitie& nu) {
    std::vector<std::string> delen;
    Rondes(eerder.rondes, nu.rondes, delen);
    Spelers(eerder.spelers, nu.spelers, delen);
    if (eerder.Formaat() != nu.Formaat()) {
        delen.push_back(Formatteer("formaat %d -> %d", eerder.Formaat(), nu.Formaat()));
    }
    std::string tekst;
    for (const std::string& deel : delen) {
        tekst += (tekst.empty() ? "" : ", ") + deel;
    }
    return tekst;
}
