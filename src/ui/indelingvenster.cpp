#include "ui/indelingvenster.h"

#include "app/morvelapp.h"
#include "app/publiceren.h"

#include <algorithm>

CIndelingVenster::CIndelingVenster(CMorvelApp& app)
    : app_(app), lijst_(app),
      kolom_(app.competitie.spelers,
             [](const CSpeler& s) { return std::string(s.meedoen ? kMeedoenTeken : ""); },
             {CSpelerKolom::EVeld::Geen, CSpelerKolom::EVeld::Naam},
             {{[](const CSpeler& s) { return s.aktief == 0; },
               app.settings.IndelingToonAlleenAktieveSpelers() != 0}}) {
    const int32_t sleutel =
        std::clamp<int32_t>(app.settings.IndelingSorteerSleutel(), kNaamOp, kNaamAf);
    kolom_.ZetSortering(CSpelerKolom::EVeld::Naam, sleutel == kNaamOp);
    kolom_.Vul();
}

void CIndelingVenster::WisselMeedoen(int rij) {
    SelecteerSpeler(rij);
    if (CSpeler* speler = kolom_.GeselecteerdeSpeler()) {
        speler->meedoen = speler->meedoen ? 0 : 1;
        kolom_.VernieuwRijen();
    }
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
    const CSpeler* speler = kolom_.GeselecteerdeSpeler();
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
    for (int rij = 0; rij < static_cast<int>(kolom_.Rijen().size()); ++rij) {
        if (const CSpeler* speler = kolom_.Speler(rij); speler && speler->meedoen != 0) {
            return true;
        }
    }
    return false;
}

void CIndelingVenster::Toevoegen() {
    if (!ToevoegenAan()) {
        return;
    }
    lijst_.Kies(*kolom_.GeselecteerdeSpeler());
    kolom_.VernieuwRijen();
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
    kolom_.VernieuwRijen();
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
