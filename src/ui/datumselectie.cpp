#include "ui/datumselectie.h"

#include "base/datum.h"

#include "publish/csvexport.h"
#include "settings/settings.h"

#include <algorithm>

namespace {

const char* const kWeekdagen[] = {"zondag",    "maandag", "dinsdag", "woensdag",
                                  "donderdag", "vrijdag", "zaterdag"};

constexpr int kMaxDagen = 31;

CKeuzeLijst Getallen(int tot, int gekozen) {
    CKeuzeLijst lijst;
    for (int i = 1; i <= tot; ++i) {
        lijst.teksten.push_back(std::to_string(i));
    }
    // A stored value outside the list is shown as the nearest line.
    lijst.gekozen = std::clamp(gekozen, 1, tot) - 1;
    return lijst;
}

} // namespace

CDatumSelectie::CDatumSelectie(CSettings& settings, const CDatum& vandaag)
    : settings_(settings), eersteJaar_(vandaag.jaar - 1),
      vastAantalDagen_(settings.IndelingsLijstMethode() == 1),
      weken_(settings.WeekNummers() & ((1 << kAantalWeken) - 1)) {
    Wijzig(EDatumLijst::Dag) = Getallen(kMaxDagen, vandaag.dag);
    CKeuzeLijst& maanden = Wijzig(EDatumLijst::Maand);
    maanden.teksten.assign(std::begin(kMaandNamen), std::end(kMaandNamen));
    maanden.gekozen = std::clamp(vandaag.maand, 1, 12) - 1;
    CKeuzeLijst& jaren = Wijzig(EDatumLijst::Jaar);
    for (int i = 0; i < 3; ++i) {
        jaren.teksten.push_back(std::to_string(eersteJaar_ + i));
    }
    jaren.gekozen = 1;
    Wijzig(EDatumLijst::AantalKolommen) = Getallen(kMaxKolommen, settings.AantalKolommen());
    Wijzig(EDatumLijst::AantalDagen) = Getallen(kMaxDagen, settings.AantalDagen());
    KlemDag();
}

void CDatumSelectie::Kies(EDatumLijst lijst, int index) {
    CKeuzeLijst& keuze = Wijzig(lijst);
    if (index < 0 || index >= static_cast<int>(keuze.teksten.size())) {
        return;
    }
    keuze.gekozen = index;
    KlemDag();
}

void CDatumSelectie::KlemDag() {
    CKeuzeLijst& dag = Wijzig(EDatumLijst::Dag);
    const int lengte =
        DagenInMaand(Gekozen(EDatumLijst::Maand) + 1, eersteJaar_ + Gekozen(EDatumLijst::Jaar));
    dag.gekozen = std::min(dag.gekozen, lengte - 1);
}

CDatum CDatumSelectie::Datum() const {
    return {Gekozen(EDatumLijst::Dag) + 1, Gekozen(EDatumLijst::Maand) + 1,
            eersteJaar_ + Gekozen(EDatumLijst::Jaar)};
}

std::string CDatumSelectie::Weekdag() const {
    return kWeekdagen[WeekdagNummer(Datum())];
}

void CDatumSelectie::ZetWeek(int week, bool aan) {
    weken_ = aan ? weken_ | WeekBit(week) : weken_ & ~WeekBit(week);
}

int CDatumSelectie::Ok() {
    if (!OkAan()) {
        return -1; // the button is disabled then
    }
    settings_.SetAantalKolommen(Gekozen(EDatumLijst::AantalKolommen) + 1);
    if (vastAantalDagen_) {
        settings_.SetIndelingsLijstMethode(1);
        settings_.SetAantalDagen(Gekozen(EDatumLijst::AantalDagen) + 1);
    } else {
        settings_.SetIndelingsLijstMethode(2);
        settings_.SetWeekNummers(weken_);
    }
    return 0;
}
