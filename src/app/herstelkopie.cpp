// The recovery copy of the open competition: written after every accepted
// change, removed by a normal write, and offered back after a crash.

#include "app/bijbestanden.h"
#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"

namespace {

constexpr const char* kHerstelTitel = "Morvel: herstelkopie";

} // namespace

std::string CMorvelApp::HerstelPad() const {
    return BijDataFile(competitie.datafile, ".herstel");
}

int CMorvelApp::BewaarHerstel() {
    std::string pad = HerstelPad();
    // Open read-only, the recovery copy is the other program's.
    if (pad.empty() || !competitie.IsGewijzigd() || alleenLezen_) {
        return 0;
    }
    int fout = 0;
    if (competitie.SchrijfKopie(pad, fout) != 0) {
        Meld(Formatteer("De herstelkopie '%s' kan niet geschreven worden.\nDe reden: '%s'\n"
                        "De wijzigingen worden opgeslagen bij het afsluiten of het kiezen van "
                        "een andere competitie.",
                        pad.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    return 0;
}

void CMorvelApp::MeldHerstel() const {
    std::string pad = HerstelPad();
    if (!pad.empty() && BestaatBestand(pad)) {
        Meld(Formatteer("Naast de datafile staat een herstelkopie met wijzigingen die niet "
                        "opgeslagen zijn: '%s'.\nOpen de competitie in het hoofdvenster om ze "
                        "terug te zetten.",
                        pad.c_str()));
    }
}

void CMorvelApp::VerwijderHerstel() {
    std::string pad = HerstelPad();
    if (!pad.empty() && !alleenLezen_) {
        VerwijderBestand(pad);
    }
}

void CMorvelApp::BiedHerstelAan() {
    const std::string herstel = HerstelPad();
    if (herstel.empty() || !BestaatBestand(herstel)) {
        return;
    }
    CCompetitie kopie;
    kopie.datafile = herstel;
    if (kopie.Lees() != 0) {
        std::string opzij = ZetOpzij(herstel);
        Meld(Formatteer("De herstelkopie van de competitie '%s' kan niet gelezen worden.\nZe "
                        "is bewaard als '%s'.",
                        geopend_.c_str(), opzij.c_str()),
             Knoppen::Ok, kHerstelTitel);
        return;
    }
    std::string vraag = Formatteer(
        "Er is een herstelkopie van de competitie '%s' van %s, met wijzigingen die niet "
        "opgeslagen zijn.\n\nDatafile: %zu spelers, %d rondes.\nHerstelkopie: %zu spelers, %d "
        "rondes.\n\nDe niet opgeslagen wijzigingen terugzetten?",
        geopend_.c_str(), WijzigingsTijdTekst(herstel, "%d-%m-%Y %H:%M").c_str(),
        competitie.spelers.Aantal(), competitie.rondes.Aantal(), kopie.spelers.Aantal(),
        kopie.rondes.Aantal());
    if (Meld(vraag, Knoppen::JaNee, kHerstelTitel) != Antwoord::Ja) {
        std::string opzij = ZetOpzij(herstel);
        Meld(Formatteer("De herstelkopie is bewaard als '%s'.", opzij.c_str()), Knoppen::Ok,
             kHerstelTitel);
        return;
    }
    competitie.LeesKopie(herstel);
    // Marked changed: the next normal write stores it, with the usual backup.
    competitie.spelers.ZetGewijzigd();
    competitie.rondes.ZetGewijzigd();
}
