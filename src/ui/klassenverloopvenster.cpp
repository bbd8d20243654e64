#include "ui/klassenverloopvenster.h"

#include "app/morvelapp.h"
#include "base/datum.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/pad.h"
#include "publish/csvexport.h"
#include "publish/grafiekschrijver.h"
#include "rating/actieveformules.h"
#include "ui/zoekinlijst.h"

#include <algorithm>
#include <utility>

CKlassenverloopVenster::CKlassenverloopVenster(CMorvelApp& app, std::string csvBestand)
    : app_(app), csvBestand_(std::move(csvBestand)) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    verloop_ = BerekenKlassenverloop(app.competitie.spelers, app.competitie.rondes, formules);
    titel_ = KlassenverloopTitel(app.PeriodeNaam(), VandaagLokaal());
    getoond_.assign(verloop_.volgorde.size(), false);
    for (int plaats : verloop_.StandaardKeuze()) {
        getoond_[static_cast<size_t>(plaats)] = true;
    }
    Teken();
}

bool CKlassenverloopVenster::Getoond(int rij) const {
    return rij >= 0 && static_cast<size_t>(rij) < getoond_.size() &&
           getoond_[static_cast<size_t>(rij)];
}

void CKlassenverloopVenster::Teken() {
    std::vector<int> gekozen;
    rijen_.clear();
    for (size_t plaats = 0; plaats < verloop_.volgorde.size(); ++plaats) {
        const auto kolom = static_cast<size_t>(verloop_.volgorde[plaats]);
        rijen_.push_back(std::string(getoond_[plaats] ? kGetoondTeken : "") + "\t" +
                         verloop_.historie.spelers[kolom].naam);
        if (getoond_[plaats]) {
            gekozen.push_back(static_cast<int>(plaats));
        }
    }
    grafiek_ = MaakKlassenGrafiek(verloop_, gekozen, titel_);
    ++versie_;
}

void CKlassenverloopVenster::Selecteer(int rij) {
    selectie_ = rij >= 0 && static_cast<size_t>(rij) < rijen_.size() ? rij : -1;
}

void CKlassenverloopVenster::Zoek(const std::string& tekst) {
    zoekTekst_ = tekst;
    Selecteer(ZoekInLijst(rijen_, tekst));
}

void CKlassenverloopVenster::Wissel(int rij) {
    if (rij < 0 || static_cast<size_t>(rij) >= getoond_.size()) {
        return;
    }
    getoond_[static_cast<size_t>(rij)] = !getoond_[static_cast<size_t>(rij)];
    selectie_ = rij;
    Teken();
}

void CKlassenverloopVenster::AlleSpelers() {
    std::fill(getoond_.begin(), getoond_.end(), true);
    Teken();
}

void CKlassenverloopVenster::Geen() {
    std::fill(getoond_.begin(), getoond_.end(), false);
    Teken();
}

std::string CKlassenverloopVenster::Status() const {
    if (grafiek_.rondes.empty()) {
        return "Er zijn nog geen rondes gespeeld: de grafiek is leeg.";
    }
    return Formatteer("%zu van de %zu spelers in de grafiek, %zu %s.", grafiek_.lijnen.size(),
                      rijen_.size(), grafiek_.rondes.size(),
                      grafiek_.rondes.size() == 1 ? "ronde" : "rondes");
}

void CKlassenverloopVenster::Spreadsheet() {
    if (SpreadsheetAan()) {
        StartSpreadsheet(app_.settings.SpreadSheet(), csvBestand_);
    }
}

std::string CKlassenverloopVenster::OpslaanVoorstel() const {
    return PadSamen(app_.competitie.competitieMap, "klassenverloop.png");
}

int CKlassenverloopVenster::Opslaan(std::string pad, int breedte, int hoogte) const {
    const size_t naam = pad.find_last_of('/');
    if (pad.find('.', naam == std::string::npos ? 0 : naam) == std::string::npos) {
        pad += ".png";
    }
    std::optional<EGrafiekFormaat> formaat = GrafiekFormaat(pad);
    if (!formaat) {
        Meld("Een grafiek wordt bewaard als PNG, SVG of PDF: kies een bestandsnaam die eindigt "
             "op .png, .svg of .pdf.");
        return -1;
    }
    return SchrijfGrafiek(grafiek_, *formaat,
                          std::clamp(breedte, kGrafiekMinimaal, kGrafiekMaximaal),
                          std::clamp(hoogte, kGrafiekMinimaal, kGrafiekMaximaal), pad);
}
