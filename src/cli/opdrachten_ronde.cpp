// A new round from the command line, with the rules of the results window's
// "&Ok" and the rounds window's "&Toevoegen": its games, byes and class
// settings from the options, or the games of the published pairing.

#include "app/indelingovername.h"
#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/schrijfcontrole.h"
#include "publish/lijsten.h"

#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The options, read before anything is opened.
struct CRondeKeuzes {
    bool uitIndeling = false;
    std::vector<CUitslag> partijen;
    std::vector<int32_t> vrij;
    std::vector<std::pair<int32_t, int32_t>> klassen; // player, class in tenths
};

// Turns a result seen from one player into the result seen from the other.
char Omgekeerd(char resultaat) {
    return resultaat == '+' ? '-' : resultaat == '-' ? '+' : resultaat;
}

// Reads the options; 0, or the exit status of a usage error.
int LeesKeuzes(const CArgumenten& argumenten, CRondeKeuzes& keuzes) {
    keuzes.uitIndeling = argumenten.Heeft("--uit-indeling");
    for (const std::string& tekst : argumenten.Waarden("--partij")) {
        CUitslag partij;
        const size_t is = tekst.find('=');
        const std::string paar = tekst.substr(0, is);
        const std::string uitslag = is == std::string::npos ? "?" : tekst.substr(is + 1);
        if (!LeesNummerPaar(paar, partij.speler1, partij.speler2) || uitslag.size() != 1 ||
            std::strchr("+-0?", uitslag[0]) == nullptr) {
            return Gebruiksfout(Formatteer("De optie --partij verwacht ZWART-WIT of "
                                           "ZWART-WIT=R met R een van + - 0 ?, zoals 3-7=+; "
                                           "'%s' is dat niet.",
                                           tekst.c_str()));
        }
        partij.resultaat = uitslag[0];
        keuzes.partijen.push_back(partij);
    }
    for (const std::string& tekst : argumenten.Waarden("--vrij")) {
        int32_t nummer = 0;
        if (!LeesGeheelGetal(tekst, nummer)) {
            return Gebruiksfout("Het spelersnummer '" + tekst + "' is geen geheel getal.");
        }
        keuzes.vrij.push_back(nummer);
    }
    for (const std::string& tekst : argumenten.Waarden("--klasse")) {
        const size_t is = tekst.find('=');
        int32_t nummer = 0;
        int32_t klasse = 0;
        if (is == std::string::npos || !LeesGeheelGetal(tekst.substr(0, is), nummer) ||
            !LeesGeheelGetal(tekst.substr(is + 1), klasse)) {
            return Gebruiksfout(Formatteer("De optie --klasse verwacht N=K, een spelersnummer en "
                                           "een klasse in tienden, zoals 12=135; '%s' is dat "
                                           "niet.",
                                           tekst.c_str()));
        }
        keuzes.klassen.emplace_back(nummer, klasse);
    }
    return 0;
}

// The games of the published pairing, then its byes; false after a message
// when it cannot be taken over.
bool UitIndeling(CMorvelApp& app, std::vector<CUitslag>& partijen, std::vector<int32_t>& vrij) {
    app.LeesIndeling();
    const CIndeling& indeling = app.indeling;
    if (indeling.Leeg()) {
        Meld("Er is geen gepubliceerde indeling om over te nemen.");
        return false;
    }
    if (!IndelingAangeboden(app)) {
        const CRonde& ronde = app.competitie.rondes.Ronde(indeling.overgenomen - 1);
        Meld(Formatteer("De indeling van %s is al overgenomen als ronde %d ('%s').",
                        TijdstipTekst(indeling.gepubliceerd).c_str(), indeling.overgenomen,
                        ronde.identificatie.c_str()));
        return false;
    }
    const CSpelers& spelers = app.competitie.spelers;
    for (const CIndItem& item : indeling.Items()) {
        if (!spelers.Zoek(item.zwartNummer) ||
            (!item.IsUitgeloot() && !spelers.Zoek(item.witNummer))) {
            Meld("De indeling noemt een speler die niet meer in de ledenlijst staat; ze wordt niet "
                 "overgenomen.");
            return false;
        }
        if (item.IsUitgeloot()) {
            vrij.push_back(item.zwartNummer);
        } else {
            partijen.push_back(CUitslag{partij, item.zwartNummer, item.witNummer, '?', 0});
        }
    }
    return true;
}

// Checks the players of the round: every number in the register, nobody in
// two games or byes or against himself, one class setting a player, and
// every class at least 1. False after a message.
bool ControleerRonde(const CSpelers& spelers, const std::vector<CUitslag>& partijen,
                     const std::vector<int32_t>& vrij,
                     const std::vector<std::pair<int32_t, int32_t>>& klassen) {
    std::vector<int32_t> alle;
    for (const CUitslag& p : partijen) {
        alle.push_back(p.speler1);
        alle.push_back(p.speler2);
    }
    alle.insert(alle.end(), vrij.begin(), vrij.end());
    for (auto [nummer, klasse] : klassen) {
        alle.push_back(nummer);
    }
    for (int32_t nummer : alle) {
        if (!spelers.Bestaat(nummer, true)) {
            return false;
        }
    }
    for (const CUitslag& p : partijen) {
        if (p.speler1 == p.speler2) {
            Meld("Speler " + spelers.Zoek(p.speler1)->naam + " kan niet tegen zichzelf spelen.");
            return false;
        }
    }
    std::map<int32_t, int> inRonde;
    std::map<int32_t, int> klasseRegels;
    for (size_t i = 0; i < alle.size(); ++i) {
        const bool klasseRegel = i >= alle.size() - klassen.size();
        if (++(klasseRegel ? klasseRegels : inRonde)[alle[i]] == 2) {
            Meld("Speler " + spelers.Zoek(alle[i])->naam +
                 (klasseRegel ? " heeft meer dan een nieuwe klasse in de ronde."
                              : " staat meer dan eens in de ronde."));
            return false;
        }
    }
    for (auto [nummer, klasse] : klassen) {
        if (klasse < 1) {
            Meld("CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn");
            return false;
        }
    }
    return true;
}

} // namespace

int OpdrachtRonde(const CArgumenten& argumenten) {
    CRondeKeuzes keuzes;
    if (int fout = LeesKeuzes(argumenten, keuzes); fout != 0) {
        return fout;
    }
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        if (!MagCompetitieSchrijven(argumenten, app.competitie)) {
            return kGemeld;
        }
        std::string identificatie = argumenten.woorden[1];
        if (NormaliseerIdentificatie(identificatie) != 0) {
            return kGemeld;
        }
        std::vector<CUitslag> partijen;
        std::vector<int32_t> vrij;
        if (keuzes.uitIndeling && !UitIndeling(app, partijen, vrij)) {
            return kGemeld;
        }
        // A game of the pairing named in --partij gets its result; another is added.
        for (const CUitslag& gegeven : keuzes.partijen) {
            auto gevonden = std::find_if(partijen.begin(), partijen.end(), [&](const CUitslag& p) {
                return (p.speler1 == gegeven.speler1 && p.speler2 == gegeven.speler2) ||
                       (p.speler1 == gegeven.speler2 && p.speler2 == gegeven.speler1);
            });
            if (keuzes.uitIndeling && gevonden != partijen.end() && gevonden->resultaat == '?') {
                gevonden->resultaat = gevonden->speler1 == gegeven.speler1
                                          ? gegeven.resultaat
                                          : Omgekeerd(gegeven.resultaat);
            } else {
                partijen.push_back(gegeven);
            }
        }
        vrij.insert(vrij.end(), keuzes.vrij.begin(), keuzes.vrij.end());
        CCompetitie& competitie = app.competitie;
        if (!ControleerRonde(competitie.spelers, partijen, vrij, keuzes.klassen)) {
            return kGemeld;
        }

        CRondes& rondes = competitie.rondes;
        auto ronde = std::make_unique<CRonde>(rondes);
        ronde->identificatie = identificatie;
        for (const CUitslag& p : partijen) {
            ronde->VoegToe(p.speler1, p.speler2, p.resultaat);
        }
        for (int32_t nummer : vrij) {
            ronde->VoegToe(nummer);
        }
        for (auto [nummer, klasse] : keuzes.klassen) {
            ronde->VoegToeKlasse(nummer, klasse);
        }
        rondes.VoegRondeToe(std::move(ronde));
        if (competitie.Schrijf() != 0) {
            return kGemeld;
        }
        if (keuzes.uitIndeling) {
            MarkeerOvergenomen(app, rondes.Aantal());
        }
        SchrijfRondeHtml(app);
        std::string uit;
        CLijstBron bron{competitie.spelers, rondes, app.PeriodeNaam()};
        if (LijstUitslag(bron, -1, uit) != 0) {
            return kGemeld;
        }
        SchrijfUit(uit);
        return kGelukt;
    });
}
