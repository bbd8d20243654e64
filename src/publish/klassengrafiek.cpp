#include "publish/klassengrafiek.h"

#include "base/formatteer.h"
#include "data/klassetekst.h"
#include "publish/klassenhistorie.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// Ten colours that are told apart on screen and paper.
constexpr std::array<uint32_t, 10> kKleuren = {0x1F77B4, 0xFF7F0E, 0x2CA02C, 0xD62728, 0x9467BD,
                                               0x8C564B, 0xE377C2, 0x7F7F7F, 0xBCBD22, 0x17BECF};
// At most this many labels along each axis; beyond it only every n-th.
constexpr size_t kMaxRondeLabels = 30;
constexpr int32_t kMaxKlasseLabels = 25;
constexpr int32_t kLegeBoven = 155;
constexpr int32_t kLegeOnder = 245;

int32_t Omlaag(int32_t tienden) {
    return tienden >= 0 ? tienden / 10 * 10 : -((-tienden + 9) / 10 * 10);
}

int32_t Omhoog(int32_t tienden) {
    return -Omlaag(-tienden);
}

std::vector<std::string> RondeLabels(const std::vector<std::string>& rondes) {
    const size_t stap = (rondes.size() + kMaxRondeLabels - 1) / kMaxRondeLabels;
    std::vector<std::string> labels;
    std::map<std::string, int> gezien;
    for (size_t r = 0; r < rondes.size(); ++r) {
        std::string label = rondes[r].empty() ? Formatteer("ronde %zu", r + 1) : rondes[r];
        int keer = ++gezien[label];
        if (keer > 1) {
            label += Formatteer(" (%d)", keer);
        }
        labels.push_back(r % stap == 0 ? label : std::string());
    }
    return labels;
}

} // namespace

uint32_t LijnKleur(size_t plaats) {
    return kKleuren[plaats % kKleuren.size()];
}

int LijnStreep(size_t plaats) {
    return static_cast<int>(plaats / kKleuren.size() % 3);
}

std::string CKlassenGrafiek::PuntTekst(size_t lijn, size_t ronde) const {
    if (lijn >= lijnen.size() || ronde >= rondes.size()) {
        return "";
    }
    const int32_t klasse = lijnen[lijn].klassen[ronde];
    return "Ronde '" + rondes[ronde] + "'\n" + lijnen[lijn].naam + "\nklasse " +
           KlasseMetKomma(klasse) + " (" + KlasseTekst(klasse) + ")";
}

std::string KlassenverloopTitel(const std::string& competitie, const CDatum& datum) {
    return Formatteer("Klassenverloop %s, %d-%d-%d", competitie.c_str(), datum.dag, datum.maand,
                      datum.jaar);
}

CKlassenGrafiek MaakKlassenGrafiek(const CKlassenverloop& verloop, const std::vector<int>& gekozen,
                                   const std::string& titel) {
    const CKlassenHistorie& historie = verloop.historie;
    CKlassenGrafiek grafiek;
    grafiek.titel = titel;
    grafiek.rondes = historie.rondes;
    grafiek.rondeLabels = RondeLabels(historie.rondes);
    int32_t sterkste = 0;
    int32_t zwakste = 0;
    bool eerste = true;
    for (int plaats : gekozen) {
        if (plaats < 0 || static_cast<size_t>(plaats) >= verloop.volgorde.size()) {
            continue;
        }
        const size_t kolom = static_cast<size_t>(verloop.volgorde[static_cast<size_t>(plaats)]);
        CGrafiekLijn lijn;
        lijn.naam = historie.spelers[kolom].naam;
        lijn.kleur = LijnKleur(static_cast<size_t>(plaats));
        lijn.streep = LijnStreep(static_cast<size_t>(plaats));
        for (size_t r = 0; r < historie.rondes.size(); ++r) {
            const int32_t klasse = historie.klassen[r][kolom];
            const bool veranderd = r > 0 && klasse != historie.klassen[r - 1][kolom];
            lijn.klassen.push_back(klasse);
            lijn.punten.push_back(historie.gespeeld[r][kolom] || veranderd);
            sterkste = eerste ? klasse : std::min(sterkste, klasse);
            zwakste = eerste ? klasse : std::max(zwakste, klasse);
            eerste = false;
        }
        grafiek.lijnen.push_back(std::move(lijn));
    }
    if (eerste) { // no line: the classes of an ordinary club
        sterkste = kLegeBoven;
        zwakste = kLegeOnder;
    }
    // Whole classes around the lines, with room above and below a line that
    // lies on a whole class.
    grafiek.boven = Omlaag(sterkste - 1);
    grafiek.onder = std::max(Omhoog(zwakste + 1), grafiek.boven + 10);
    const int32_t aantal = (grafiek.onder - grafiek.boven) / 10;
    const int32_t stap = (aantal + kMaxKlasseLabels - 1) / kMaxKlasseLabels;
    for (int32_t klasse = grafiek.boven; klasse <= grafiek.onder; klasse += 10) {
        if ((klasse / 10) % stap == 0) {
            grafiek.klasseLabels.emplace_back(klasse, KlasseTekst(klasse));
        }
    }
    return grafiek;
}
