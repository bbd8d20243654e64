#include "ui/nieuwecompetitievenster.h"

#include "base/pad.h"

CNieuweCompetitieVenster::CNieuweCompetitieVenster(CMorvelApp& app)
    : app_(app), oudeCompetities_(app.Competities()),
      oudeCompetitie_(app.BewaardeCompetitie(oudeCompetities_)) {}

void CNieuweCompetitieVenster::KiesOudeCompetitie(int index) {
    if (index >= -1 && index < static_cast<int>(oudeCompetities_.size())) {
        oudeCompetitie_ = index;
    }
}

const std::vector<std::string>& CNieuweCompetitieVenster::BeginKlasseKeuzes() {
    static const std::vector<std::string> keuzes = {
        "Beginklasse oude competitie", "Einde oude competitie", "Einde oude competitie - afgerond"};
    return keuzes;
}

void CNieuweCompetitieVenster::KiesBeginKlasse(int index) {
    if (index >= -1 && index < static_cast<int>(BeginKlasseKeuzes().size())) {
        beginKlasse_ = index;
    }
}

int CNieuweCompetitieVenster::Ok() {
    sluitNaOk_ = false;
    if (!OkAan()) {
        return -1;
    }
    // Without a choice of classes the register starts empty, as with the first button.
    std::string bron;
    if (!leeg_ && oudeCompetitie_ >= 0 && beginKlasse_ >= 0) {
        bron = PadSamen(app_.DataMap(), oudeCompetities_[static_cast<size_t>(oudeCompetitie_)]);
    }
    std::string voor = app_.GeopendeNaam();
    int gemaakt = app_.MaakNieuweCompetitie(
        identificatie_, bron, static_cast<EBeginKlasse>(beginKlasse_ < 0 ? 0 : beginKlasse_));
    // A refused name leaves everything as it was: the administrator may type another.
    sluitNaOk_ = gemaakt == 0 || app_.GeopendeNaam() != voor;
    return gemaakt;
}
