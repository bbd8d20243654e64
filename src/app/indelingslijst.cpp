#include "app/indelingslijst.h"

#include "app/morvelapp.h"
#include "pairing/indelingmaken.h"
#include "pairing/zoekvoortgang.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"

#include <optional>

namespace {

void WerkKlassenBij(CMorvelApp& app) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    BerekenStand(app.competitie.spelers, app.competitie.rondes, -1, formules);
}

CIndelingsRegel Geblokkeerd(const std::string& zwart, const std::string& wit) {
    return {zwart, wit, kTekstGeblokkeerd, kSoortGeblokkeerd};
}

} // namespace

CIndelingsLijst::CIndelingsLijst(CMorvelApp& app) : app_(app) {
    for (CSpeler& s : app.competitie.spelers) {
        s.meedoen = s.standaardIndelen != 0 ? 1 : 0;
    }
    WerkKlassenBij(app);
}

bool CIndelingsLijst::HeeftVastPaar() const {
    for (const CIndelingsRegel& r : regels_) {
        if (r.soort == kSoortVast) {
            return true;
        }
    }
    return false;
}

std::string CIndelingsLijst::WachtendeNaam() const {
    if (!regels_.empty() && regels_.back().soort == kSoortWachtend) {
        return regels_.back().zwart;
    }
    return {};
}

int CIndelingsLijst::VerwijderBerekend(int regel) {
    int nieuw = regel;
    for (int i = 0; i < regel && i < static_cast<int>(regels_.size()); ++i) {
        if (regels_[static_cast<size_t>(i)].soort == kSoortBerekend) {
            --nieuw;
        }
    }
    if (regel >= 0 && regel < static_cast<int>(regels_.size()) &&
        regels_[static_cast<size_t>(regel)].soort == kSoortBerekend) {
        nieuw = -1;
    }
    ::VerwijderBerekend(regels_, false);
    berekend_ = false;
    return nieuw;
}

void CIndelingsLijst::Kies(CSpeler& speler) {
    std::string wachtend = WachtendeNaam();
    if (!wachtend.empty() && wachtend == speler.naam) {
        return;
    }
    VerwijderBerekend();
    speler.meedoen = 1;
    if (regels_.empty() || regels_.back().soort != kSoortWachtend) {
        regels_.push_back({speler.naam, "", "", kSoortWachtend});
    } else {
        regels_.back() = Geblokkeerd(regels_.back().zwart, speler.naam);
    }
}

void CIndelingsLijst::Blokkeer(const CSpeler& een, const CSpeler& twee) {
    regels_.push_back(Geblokkeerd(een.naam, twee.naam));
}

void CIndelingsLijst::MaakVast(CSpeler& een, CSpeler& twee) {
    regels_.push_back(MaakVastPaar(een, twee));
    een.meedoen = 0;
    twee.meedoen = 0;
}

void CIndelingsLijst::Verwijder(int regel) {
    if (regel >= 0 && regel < static_cast<int>(regels_.size())) {
        regels_.erase(regels_.begin() + regel);
    }
}

int CIndelingsLijst::Wissel(int regel) {
    regel = VerwijderBerekend(regel);
    if (regel < 0 || regel >= static_cast<int>(regels_.size())) {
        return -1;
    }
    CIndelingsRegel& r = regels_[static_cast<size_t>(regel)];
    const CSpelers& spelers = app_.competitie.spelers;
    CSpeler* zwart = spelers.ZoekNaam(r.zwart);
    CSpeler* wit = spelers.ZoekNaam(r.wit);
    if (r.soort == kSoortVast) {
        r = Geblokkeerd(r.zwart, r.wit);
        for (CSpeler* s : {zwart, wit}) {
            if (s) {
                s->meedoen = 1;
            }
        }
    } else if (r.soort == kSoortGeblokkeerd && zwart && wit) {
        r = MaakVastPaar(*zwart, *wit);
        zwart->meedoen = 0;
        wit->meedoen = 0;
    }
    return regel;
}

int CIndelingsLijst::Genereer(CZoekVoortgang& voortgang, uint32_t zaad, EZoekMethode methode) {
    std::optional<CVoorgift> voorgift;
    if (ActieveVoorgift(app_.settings, voorgift) != 0) {
        return -1;
    }
    voortgang.Begin();
    berekend_ = false;
    CCompetitie& competitie = app_.competitie;
    int gelukt =
        GenereerIndeling(competitie.spelers, competitie.rondes, IndelingsParameters(app_.settings),
                         *voorgift, regels_, voortgang, log_, zaad, methode);
    voortgang.Einde();
    berekend_ = gelukt == 0;
    return gelukt;
}

void CIndelingsLijst::Publiceer(const CAfdrukKeuzes& keuzes, std::string& afdruk) {
    CStandFormules formules = ActieveStandFormules(app_.settings);
    CCompetitie& competitie = app_.competitie;
    BerekenStand(competitie.spelers, competitie.rondes, -1, formules);
    ::Publiceer(regels_, app_.indeling);
    CLijstBron bron{competitie.spelers, competitie.rondes, app_.PeriodeNaam()};
    LijstIndelingsAfdruk(bron, app_.indeling, keuzes, formules, afdruk);
}
