#include "ui/standvenster.h"

#include "app/morvelapp.h"
#include "publish/standlijst.h"

#include <optional>

CStandVenster::CStandVenster(CMorvelApp& app) : app_(app) {
    const CRondes& rondes = app.competitie.rondes;
    for (int i = 0; i < rondes.Aantal(); ++i) {
        rijen_.push_back(rondes.Ronde(i).identificatie);
    }
    selectie_ = static_cast<int>(rijen_.size()) - 1;
}

void CStandVenster::Selecteer(int rij) {
    selectie_ = rij >= 0 && rij < static_cast<int>(rijen_.size()) ? rij : -1;
}

int CStandVenster::Afdrukken(std::string& lijst) {
    lijst.clear();
    const CCompetitie& competitie = app_.competitie;
    CLijstBron bron{competitie.spelers, competitie.rondes, app_.PeriodeNaam()};
    if (selectie_ < 0) {
        return MaakStandLijst(app_.settings, bron, -1, std::nullopt, lijst);
    }
    return MaakStandLijst(app_.settings, bron, selectie_ + 1,
                          rijen_[static_cast<size_t>(selectie_)], lijst);
}
