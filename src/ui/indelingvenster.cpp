#include "ui/indelingvenster.h"

#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/witruimte.h"
#include "ui/zoekinlijst.h"

#include <algorithm>

CIndelingVenster::CIndelingVenster(CMorvelApp& app) : app_(app), lijst_(app) {
    alleenAktief_ = app.settings.IndelingToonAlleenAktieveSpelers() != 0;
    sleutel_ = std::clamp<int32_t>(app.settings.IndelingSorteerSleutel(), kNaamOp, kNaamAf);
    Vul();
}

std::string CIndelingVenster::SpelerRij(const CSpeler& speler) const {
    return std::string(speler.meedoen ? kMeedoenTeken : "") + "\t" + speler.naam;
}

void CIndelingVenster::Vul() {
    spelers_.clear();
    for (CSpeler& speler : app_.competitie.spelers) {
        if (alleenAktief_ && !speler.aktief) {
            continue;
        }
        // Before the first row the order puts after it: equal names keep register order.
        auto plaats = std::find_if(spelers_.begin(), spelers_.end(), [&](const CSpeler* s) {
            int verschil = VergelijkZonderHoofdletters(s->naam, speler.naam);
            return sleutel_ == kNaamOp ? verschil > 0 : verschil < 0;
        });
        spelers_.insert(plaats, &speler);
    }
    spelerRijen_.clear();
    for (const CSpeler* speler : spelers_) {
        spelerRijen_.push_back(SpelerRij(*speler));
    }
    spelerSelectie_ = -1;
}

void CIndelingVenster::SelecteerSpeler(int rij) {
    spelerSelectie_ = rij >= 0 && rij < static_cast<int>(spelerRijen_.size()) ? rij : -1;
}

CSpeler* CIndelingVenster::GeselecteerdeSpeler() const {
    return spelerSelectie_ >= 0 ? spelers_[static_cast<size_t>(spelerSelectie_)] : nullptr;
}

void CIndelingVenster::Zoek(const std::string& tekst) {
    zoekTekst_ = tekst;
    SelecteerSpeler(ZoekInLijst(spelerRijen_, tekst));
}

void CIndelingVenster::WisselMeedoen(int rij) {
    SelecteerSpeler(rij);
    if (CSpeler* speler = GeselecteerdeSpeler()) {
        speler->meedoen = speler->meedoen ? 0 : 1;
        spelerRijen_[static_cast<size_t>(spelerSelectie_)] = SpelerRij(*speler);
    }
}

void CIndelingVenster::VulEnHerstel() {
    const CSpeler* gekozen = GeselecteerdeSpeler();
    Vul();
    auto gevonden = std::find(spelers_.begin(), spelers_.end(), gekozen);
    if (gekozen && gevonden != spelers_.end()) {
        spelerSelectie_ = static_cast<int>(gevonden - spelers_.begin());
    }
}

void CIndelingVenster::SorteerOpNaam() {
    sleutel_ = sleutel_ == kNaamOp ? kNaamAf : kNaamOp;
    VulEnHerstel();
}

void CIndelingVenster::ZetAlleenAktief(bool aan) {
    alleenAktief_ = aan;
    VulEnHerstel();
}

std::vector<std::string> CIndelingVenster::PaarRijen() const {
    std::vector<std::string> rijen;
    for (const CIndelingsRegel& r : lijst_.Regels()) {
        rijen.push_back(r.zwart + "\t" + r.wit + "\t" + r.tekst + "\t" + r.soort +
                        (r.opmerking.empty() ? "" : "\t" + r.opmerking));
    }
    return rijen;
}

void CIndelingVenster::SelecteerPaar(int rij) {
    paarSelectie_ = rij >= 0 && rij < static_cast<int>(lijst_.Regels().size()) ? rij : -1;
}

bool CIndelingVenster::ToevoegenAan() const {
    const CSpeler* speler = GeselecteerdeSpeler();
    return speler && speler->naam != lijst_.WachtendeNaam();
}

bool CIndelingVenster::WisselAan() const {
    if (paarSelectie_ < 0) {
        return false;
    }
    const CIndelingsRegel& regel = lijst_.Regels()[static_cast<size_t>(paarSelectie_)];
    return (regel.soort == kSoortGeblokkeerd && !regel.IsAltijdGeblokkeerd()) ||
           regel.soort == kSoortVast;
}

bool CIndelingVenster::GenereerAan() const {
    return std::any_of(spelers_.begin(), spelers_.end(),
                       [](const CSpeler* s) { return s->meedoen != 0; });
}

void CIndelingVenster::Toevoegen() {
    if (!ToevoegenAan()) {
        return;
    }
    CSpeler& speler = *GeselecteerdeSpeler();
    lijst_.Kies(speler);
    spelerRijen_[static_cast<size_t>(spelerSelectie_)] = SpelerRij(speler);
    paarSelectie_ = static_cast<int>(lijst_.Regels().size()) - 1;
}

void CIndelingVenster::Verwijderen() {
    if (!VerwijderenAan()) {
        return;
    }
    if (lijst_.Verwijder(paarSelectie_) == 0) {
        paarSelectie_ = -1;
    }
}

int CIndelingVenster::AltijdBlokkeren() {
    return lijst_.AltijdBlokkeren(paarSelectie_);
}

void CIndelingVenster::Wissel() {
    if (paarSelectie_ < 0) {
        return;
    }
    paarSelectie_ = lijst_.Wissel(paarSelectie_);
    // Participation may have changed for listed and hidden players alike.
    for (size_t i = 0; i < spelers_.size(); ++i) {
        spelerRijen_[i] = SpelerRij(*spelers_[i]);
    }
}

int CIndelingVenster::Genereer(CZoekVoortgang& voortgang, uint32_t zaad) {
    paarSelectie_ = -1;
    return lijst_.Genereer(voortgang, zaad);
}

bool CIndelingVenster::UitslagAfdrukken() const {
    return app_.settings.UitslagLaatsteRonde() != 0;
}

bool CIndelingVenster::StandAfdrukken() const {
    return app_.settings.HuidigeStand() != 0;
}

bool CIndelingVenster::MagPubliceren() const {
    return app_.MagWijzigen();
}

int CIndelingVenster::Print(bool uitslag, bool stand, std::string& afdruk) {
    afdruk.clear();
    if (!MagPubliceren()) {
        return -1;
    }
    CSettings& settings = app_.settings;
    settings.SetUitslagLaatsteRonde(uitslag ? 1 : 0);
    settings.SetHuidigeStand(stand ? 1 : 0);
    CAfdrukKeuzes keuzes{uitslag, stand, settings.StandOpNieuwePagina() == 1,
                         settings.IndelingOpNieuwePagina() == 1};
    lijst_.Publiceer(keuzes, afdruk);
    PubliceerIndeling(app_);
    app_.BewaarHerstel();
    return 0;
}
