#include "ui/rondesvenster.h"

#include "app/indelingovername.h"
#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/melding.h"
#include "publish/lijsten.h"

#include <memory>

CRondesVenster::CRondesVenster(CMorvelApp& app) : app_(app) {
    Vul(-1);
}

void CRondesVenster::Vul(int selectie) {
    rijen_.clear();
    for (const auto& ronde : app_.competitie.rondes) {
        rijen_.push_back(ronde->identificatie);
    }
    Selecteer(selectie);
}

void CRondesVenster::Selecteer(int rij) {
    selectie_ = rij >= 0 && rij < static_cast<int>(rijen_.size()) ? rij : -1;
}

int CRondesVenster::Toevoegen(const CUitslagenVenster& venster) {
    if (!app_.MagWijzigen()) {
        return -1;
    }
    CRondes& rondes = app_.competitie.rondes;
    auto ronde = std::make_unique<CRonde>(rondes);
    const bool uitIndeling = IndelingAangeboden(app_) &&
                             Meld(OvernameVraag(app_.indeling), Knoppen::JaNee) == Antwoord::Ja;
    if (uitIndeling) {
        VulRondeUitIndeling(app_.indeling, rondes, *ronde);
    }
    if (!venster(*ronde, uitIndeling)) {
        return -1;
    }
    rondes.VoegRondeToe(std::move(ronde));
    Vul(rondes.Aantal() - 1);
    if (uitIndeling) {
        MarkeerOvergenomen(app_, rondes.Aantal());
    }
    SchrijfRondeHtml(app_);
    app_.BewaarHerstel();
    return 0;
}

int CRondesVenster::Wijzigen(const CUitslagenVenster& venster) {
    if (!SelectieKnoppenAan() || !app_.MagWijzigen()) {
        return -1;
    }
    CRondes& rondes = app_.competitie.rondes;
    const int rij = selectie_;
    CRonde kopie(rondes);
    kopie.KopieerVan(rondes.Ronde(rij));
    const bool geaccepteerd = venster(kopie, false);
    rondes.ZetGewijzigd();
    if (!geaccepteerd) {
        return -1;
    }
    rondes.Ronde(rij).KopieerVan(kopie);
    Vul(rij);
    SchrijfRondeHtml(app_);
    app_.BewaarHerstel();
    return 0;
}

int CRondesVenster::Verwijderen() {
    if (!SelectieKnoppenAan() || !app_.MagWijzigen()) {
        return -1;
    }
    if (Meld("Weet u zeker dat u de geselecteerde speelronde (inclusief alle uitslagen) wilt "
             "verwijderen?",
             Knoppen::JaNeeStdNee) != Antwoord::Ja) {
        return -1;
    }
    const int positie = selectie_ + 1;
    if (app_.competitie.rondes.Verwijder(positie) != 0) {
        return -1;
    }
    NaVerwijderenRonde(app_, positie);
    Vul(-1);
    SchrijfRondeHtml(app_);
    app_.BewaarHerstel();
    return 0;
}

int CRondesVenster::Afdrukken(std::string& lijst) const {
    lijst.clear();
    if (rijen_.empty()) {
        return -1;
    }
    const CCompetitie& competitie = app_.competitie;
    CLijstBron bron{competitie.spelers, competitie.rondes, app_.PeriodeNaam()};
    return LijstUitslag(bron, selectie_, lijst);
}
