#include "app/indelingovername.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"

#include <vector>

bool IndelingAangeboden(const CMorvelApp& app) {
    const CIndeling& indeling = app.indeling;
    // A mark beyond the list: the round was never stored (the program stopped before it wrote).
    return !indeling.Leeg() &&
           (indeling.overgenomen <= 0 || indeling.overgenomen > app.competitie.rondes.Aantal());
}

std::string OvernameVraag(const CIndeling& indeling) {
    int partijen = 0;
    std::string uitgeloot;
    for (const CIndItem& item : indeling.Items()) {
        if (item.IsUitgeloot()) {
            uitgeloot += (uitgeloot.empty() ? ", uitgeloot: " : ", ") + item.zwart;
        } else {
            ++partijen;
        }
    }
    return Formatteer("De indeling van %s (%d %s%s) overnemen als nieuwe ronde?",
                      TijdstipTekst(indeling.gepubliceerd).c_str(), partijen,
                      partijen == 1 ? "partij" : "partijen", uitgeloot.c_str());
}

int VulRondeUitIndeling(const CIndeling& indeling, CRondes& rondes, CRonde& ronde) {
    const CSpelers& spelers = rondes.Spelers();
    ronde.identificatie = DagEnMaand(indeling.gepubliceerd.datum);
    std::vector<const CIndItem*> partijen;
    std::vector<const CIndItem*> uitgeloot;
    std::string weggelaten;
    for (const CIndItem& item : indeling.Items()) {
        if (!spelers.Zoek(item.zwartNummer) ||
            (!item.IsUitgeloot() && !spelers.Zoek(item.witNummer))) {
            weggelaten += item.IsUitgeloot()
                              ? Formatteer("\n  %s (uitgeloot)", item.zwart.c_str())
                              : Formatteer("\n  %s - %s", item.zwart.c_str(), item.wit.c_str());
        } else {
            (item.IsUitgeloot() ? uitgeloot : partijen).push_back(&item);
        }
    }
    // The round enters the list only when its window is accepted.
    const bool gewijzigd = rondes.IsGewijzigd();
    for (const CIndItem* item : partijen) {
        ronde.VoegToe(item->zwartNummer, item->witNummer, '?');
    }
    for (const CIndItem* item : uitgeloot) {
        ronde.VoegToe(item->zwartNummer);
    }
    if (!gewijzigd) {
        rondes.WisGewijzigd();
    }
    const int aantal = indeling.Aantal() - static_cast<int>(partijen.size() + uitgeloot.size());
    if (aantal > 0) {
        Meld("Deze partijen van de indeling noemen een speler die niet meer in de ledenlijst "
             "staat en zijn niet overgenomen:" +
             weggelaten);
    }
    return aantal;
}

void MarkeerOvergenomen(CMorvelApp& app, int positie) {
    app.indeling.overgenomen = positie;
    app.BewaarIndeling();
}

void NaVerwijderenRonde(CMorvelApp& app, int positie) {
    int32_t& overgenomen = app.indeling.overgenomen;
    if (app.indeling.Leeg() || overgenomen < positie) {
        return;
    }
    overgenomen = overgenomen == positie ? 0 : overgenomen - 1;
    app.BewaarIndeling();
}
