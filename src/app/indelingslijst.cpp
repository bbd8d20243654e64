#include "app/indelingslijst.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "pairing/indelingmaken.h"
#include "pairing/zoekvoortgang.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

void WerkKlassenBij(CMorvelApp& app) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    BerekenStand(app.competitie.spelers, app.competitie.rondes, -1, formules);
}

// The entry of a pair that is always blocked: the names of the register, or
// those it was stored with for a player who is no longer there.
CIndelingsRegel AltijdGeblokkeerd(const CBlokkade& blokkade, const CSpelers& spelers) {
    const CSpeler* een = spelers.Zoek(blokkade.een);
    const CSpeler* twee = spelers.Zoek(blokkade.twee);
    return {een ? een->naam : blokkade.naamEen,
            twee ? twee->naam : blokkade.naamTwee,
            kTekstAltijdGeblokkeerd,
            kSoortGeblokkeerd,
            blokkade.een,
            blokkade.twee};
}

} // namespace

CIndelingsLijst::CIndelingsLijst(CMorvelApp& app) : app_(app) {
    for (CSpeler& s : app.competitie.spelers) {
        s.meedoen = s.standaardIndelen != 0 ? 1 : 0;
    }
    WerkKlassenBij(app);
    for (const CBlokkade& blokkade : app.blokkades.Lijst()) {
        regels_.push_back(AltijdGeblokkeerd(blokkade, app.competitie.spelers));
    }
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
        regels_.push_back({speler.naam, "", "", kSoortWachtend, speler.volgnummer});
    } else {
        CIndelingsRegel& eerste = regels_.back();
        eerste = {eerste.zwart,      speler.naam,        kTekstGeblokkeerd,
                  kSoortGeblokkeerd, eerste.zwartNummer, speler.volgnummer};
    }
}

void CIndelingsLijst::Blokkeer(const CSpeler& een, const CSpeler& twee) {
    regels_.push_back(GeblokkeerdPaar(een, twee));
}

void CIndelingsLijst::MaakVast(CSpeler& een, CSpeler& twee) {
    een.meedoen = 0;
    twee.meedoen = 0;
    regels_.push_back(MaakVastPaar(een, twee));
    regels_.back().opmerking = Terugspeelopmerking(regels_.back());
}

std::string CIndelingsLijst::Terugspeelopmerking(const CIndelingsRegel& vast) const {
    // The players of this round, as the search counts them, with those of the fixed pairs.
    int32_t deelnemers = 0;
    for (const CSpeler& s : app_.competitie.spelers) {
        deelnemers += s.meedoen != 0 ? 1 : 0;
    }
    for (const CIndelingsRegel& r : regels_) {
        deelnemers += r.soort == kSoortVast ? 2 : 0;
    }
    CIndelingsParameters parameters = IndelingsParameters(app_.settings);
    int32_t grens = parameters.PenaltyNietZoIngedeeldGrens != 0
                        ? parameters.PenaltyNietZoIngedeeldGrens
                        : deelnemers / 2;
    // The search counts a meeting up to `grens` rounds before the newest one.
    int32_t rondes = grens < std::numeric_limits<int32_t>::max() ? grens + 1 : grens;
    int32_t geleden =
        RondesGeledenGespeeld(app_.competitie.rondes, vast.zwartNummer, vast.witNummer, rondes);
    return geleden > 0 ? RondesGeledenTekst(geleden) : "";
}

int CIndelingsLijst::Verwijder(int regel) {
    if (regel < 0 || regel >= static_cast<int>(regels_.size())) {
        return -1;
    }
    const CIndelingsRegel r = regels_[static_cast<size_t>(regel)];
    if (r.IsAltijdGeblokkeerd()) {
        if (!app_.MagWijzigen()) {
            return -1;
        }
        if (Meld(Formatteer("%s en %s mogen nooit tegen elkaar spelen.\nDeze blokkade voorgoed "
                            "vergeten?",
                            r.zwart.c_str(), r.wit.c_str()),
                 Knoppen::JaNeeStdNee) != Antwoord::Ja) {
            return -1;
        }
        CBlijvendeBlokkades& blokkades = app_.blokkades;
        const CBlijvendeBlokkades vorige = blokkades;
        blokkades.Verwijder(r.zwartNummer, r.witNummer);
        if (app_.BewaarBlokkades() != 0) {
            blokkades = vorige;
            return -1;
        }
    }
    regels_.erase(regels_.begin() + regel);
    return 0;
}

bool CIndelingsLijst::KanAltijdBlokkeren(int regel) const {
    if (regel < 0 || regel >= static_cast<int>(regels_.size())) {
        return false;
    }
    const CIndelingsRegel& r = regels_[static_cast<size_t>(regel)];
    const CSpelers& spelers = app_.competitie.spelers;
    return !app_.AlleenLezen() && r.soort == kSoortGeblokkeerd && !r.IsAltijdGeblokkeerd() &&
           r.zwartNummer != r.witNummer && spelers.Zoek(r.zwartNummer) &&
           spelers.Zoek(r.witNummer) && !app_.blokkades.Zoek(r.zwartNummer, r.witNummer);
}

int CIndelingsLijst::AltijdBlokkeren(int regel) {
    if (!app_.MagWijzigen() || !KanAltijdBlokkeren(regel)) {
        return -1;
    }
    CIndelingsRegel& r = regels_[static_cast<size_t>(regel)];
    CBlijvendeBlokkades& blokkades = app_.blokkades;
    blokkades.VoegToe({r.zwartNummer, r.witNummer, r.zwart, r.wit});
    if (app_.BewaarBlokkades() != 0) {
        blokkades.Verwijder(r.zwartNummer, r.witNummer);
        return -1;
    }
    r.tekst = kTekstAltijdGeblokkeerd;
    return 0;
}

int CIndelingsLijst::Wissel(int regel) {
    regel = VerwijderBerekend(regel);
    if (regel < 0 || regel >= static_cast<int>(regels_.size())) {
        return -1;
    }
    CIndelingsRegel& r = regels_[static_cast<size_t>(regel)];
    const CSpelers& spelers = app_.competitie.spelers;
    CSpeler* zwart = spelers.Zoek(r.zwartNummer);
    CSpeler* wit = spelers.Zoek(r.witNummer);
    if (r.soort == kSoortVast) {
        r = {r.zwart, r.wit, kTekstGeblokkeerd, kSoortGeblokkeerd, r.zwartNummer, r.witNummer};
        for (CSpeler* s : {zwart, wit}) {
            if (s) {
                s->meedoen = 1;
            }
        }
    } else if (r.soort == kSoortGeblokkeerd && !r.IsAltijdGeblokkeerd() && zwart && wit) {
        zwart->meedoen = 0;
        wit->meedoen = 0;
        r = MaakVastPaar(*zwart, *wit);
        r.opmerking = Terugspeelopmerking(r);
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
