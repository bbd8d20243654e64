#include "ui/geschiedenisvenster.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "publish/standlijst.h"

#include <optional>

CGeschiedenisVenster::CGeschiedenisVenster(CMorvelApp& app) : app_(app) {
    Vul();
}

void CGeschiedenisVenster::Vul() {
    versies_ = Versies(app_.competitie);
    rijen_.clear();
    for (size_t i = 0; i < versies_.size(); ++i) {
        const CVersie& versie = versies_[i];
        std::string tijd = GeneratieTijd(versie.generatie);
        rijen_.push_back(
            versie.leesbaar
                ? Formatteer("%zu\t%s\t%zu\t%d\t%s", i + 1, tijd.c_str(), versie.spelers,
                             versie.rondes, versie.verschil.c_str())
                : Formatteer("%zu\t%s\t\t\t%s", i + 1, tijd.c_str(), versie.verschil.c_str()));
    }
    selectie_ = -1;
}

void CGeschiedenisVenster::Selecteer(int rij) {
    selectie_ = rij >= 0 && rij < static_cast<int>(rijen_.size()) ? rij : -1;
}

bool CGeschiedenisVenster::KnoppenAan() const {
    return selectie_ >= 0 && versies_[static_cast<size_t>(selectie_)].leesbaar;
}

int CGeschiedenisVenster::Terugzetten() {
    if (!KnoppenAan() || !app_.MagWijzigen()) {
        return -1;
    }
    const CVersie& versie = versies_[static_cast<size_t>(selectie_)];
    if (Meld(Formatteer("De competitie '%s' terugzetten naar de versie van %s?\nDe huidige stand "
                        "wordt eerst in de geschiedenis bewaard, zodat u dit ongedaan kunt "
                        "maken.",
                        app_.PeriodeNaam().c_str(), VersieKop(versie).c_str()),
             Knoppen::JaNeeStdNee) != Antwoord::Ja) {
        return -1;
    }
    if (app_.ZetTerug(versie.generatie) != 0) {
        return -1;
    }
    Vul();
    return 0;
}

int CGeschiedenisVenster::Bekijken(std::string& titel, std::string& lijst) const {
    lijst.clear();
    if (!KnoppenAan()) {
        return -1;
    }
    const CVersie& versie = versies_[static_cast<size_t>(selectie_)];
    CCompetitie eerder;
    if (LeesGeneratie(versie.generatie, eerder) != 0) {
        return -1;
    }
    titel = "Stand van de versie van " + GeneratieTijd(versie.generatie);
    CLijstBron bron{eerder.spelers, eerder.rondes, app_.PeriodeNaam()};
    return MaakStandLijst(app_.settings, bron, -1, std::nullopt, lijst);
}
