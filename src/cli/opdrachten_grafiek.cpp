// The class chart as a PNG, SVG or PDF file, without a display: the chart of
// the class history window, up to a round and for chosen players.

#include "app/morvelapp.h"
#include "base/datum.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/opdrachtwaarden.h"
#include "publish/grafiekschrijver.h"
#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"
#include "rating/actieveformules.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kStandaardBreedte = 1200;
constexpr int kStandaardHoogte = 800;

struct CGrafiekOpties {
    EGrafiekFormaat formaat = EGrafiekFormaat::Png;
    std::string pad;
    int breedte = kStandaardBreedte;
    int hoogte = kStandaardHoogte;
    std::optional<std::vector<int32_t>> spelers;
};

// Reads the options; returns 0, or the exit status of a usage error.
int LeesOpties(const CArgumenten& argumenten, CGrafiekOpties& opties) {
    int formaten = 0;
    for (auto [optie, formaat] :
         {std::pair{"--png", EGrafiekFormaat::Png}, std::pair{"--svg", EGrafiekFormaat::Svg},
          std::pair{"--pdf", EGrafiekFormaat::Pdf}}) {
        if (argumenten.Heeft(optie)) {
            ++formaten;
            opties.formaat = formaat;
            opties.pad = argumenten.Waarde(optie);
        }
    }
    if (formaten != 1 || opties.pad.empty()) {
        return Gebruiksfout("De opdracht grafiek verwacht precies een van --png, --svg en --pdf "
                            "met een bestandsnaam.");
    }
    for (auto [optie, maat] :
         {std::pair{"--breedte", &opties.breedte}, std::pair{"--hoogte", &opties.hoogte}}) {
        if (!argumenten.Heeft(optie)) {
            continue;
        }
        const std::string waarde = argumenten.Waarde(optie);
        int32_t getal = 0;
        if (!LeesGeheelGetal(waarde, getal) || getal < kGrafiekMinimaal ||
            getal > kGrafiekMaximaal) {
            return Gebruiksfout(Formatteer("De optie %s verwacht een aantal beeldpunten van %d "
                                           "tot en met %d, niet '%s'.",
                                           optie, kGrafiekMinimaal, kGrafiekMaximaal,
                                           waarde.c_str()));
        }
        *maat = getal;
    }
    if (argumenten.Heeft("--spelers")) {
        opties.spelers.emplace();
        std::string woord;
        if (!LeesNummerLijst(argumenten.Waarde("--spelers"), *opties.spelers, woord)) {
            return Gebruiksfout("Het spelersnummer '" + woord + "' is geen geheel getal.");
        }
    }
    return 0;
}

// The places in the order of `verloop` of the players `nummers`, in the
// order given; -1 after a message when one has no line.
int KiesSpelers(const CKlassenverloop& verloop, const std::vector<int32_t>& nummers,
                std::vector<int>& gekozen) {
    for (int32_t nummer : nummers) {
        const int kolom = verloop.historie.Kolom(nummer);
        auto plaats = std::find(verloop.volgorde.begin(), verloop.volgorde.end(), kolom);
        if (kolom < 0 || plaats == verloop.volgorde.end()) {
            Meld(Formatteer("Speler %ld staat niet in het klassenverloop: alleen de aktieve "
                            "spelers van de competitie hebben een lijn.",
                            static_cast<long>(nummer)));
            return -1;
        }
        const int index = static_cast<int>(plaats - verloop.volgorde.begin());
        if (std::find(gekozen.begin(), gekozen.end(), index) == gekozen.end()) {
            gekozen.push_back(index);
        }
    }
    return 0;
}

} // namespace

int OpdrachtGrafiek(const CArgumenten& argumenten) {
    CGrafiekOpties opties;
    if (int fout = LeesOpties(argumenten, opties); fout != 0) {
        return fout;
    }
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        const CRondes& rondes = app.competitie.rondes;
        int aantal = -1;
        if (argumenten.Heeft("--ronde")) {
            aantal = RondesTot(rondes, argumenten.Waarde("--ronde"));
            if (aantal < 0) {
                Meld("De ronde '" + argumenten.Waarde("--ronde") +
                     "' bestaat niet in deze competitie.");
                return kGemeld;
            }
        }
        CStandFormules formules = ActieveStandFormules(app.settings);
        const CKlassenverloop verloop =
            BerekenKlassenverloop(app.competitie.spelers, rondes, formules, aantal);
        std::vector<int> gekozen = verloop.StandaardKeuze();
        if (opties.spelers) {
            gekozen.clear();
            if (KiesSpelers(verloop, *opties.spelers, gekozen) != 0) {
                return kGemeld;
            }
        }
        const CKlassenGrafiek grafiek = MaakKlassenGrafiek(
            verloop, gekozen, KlassenverloopTitel(app.PeriodeNaam(), VandaagLokaal()));
        if (SchrijfGrafiek(grafiek, opties.formaat, opties.breedte, opties.hoogte, opties.pad) !=
            0) {
            return kGemeld;
        }
        SchrijfUit(Formatteer("%zu %s, %zu %s in %s\n", grafiek.lijnen.size(),
                              grafiek.lijnen.size() == 1 ? "speler" : "spelers",
                              grafiek.rondes.size(),
                              grafiek.rondes.size() == 1 ? "ronde" : "rondes", opties.pad.c_str()));
        return kGelukt;
    });
}
