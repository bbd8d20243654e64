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
constexpr int32_t kLegeBoven = 155;
constexpr int32_t kLegeOnder = 245;

// Every how many labels one is shown so that `aantal` become at most `hoogstens`.
size_t Stap(size_t aantal, size_t hoogstens) {
    hoogstens = std::max<size_t>(hoogstens, 1);
    return std::max<size_t>((aantal + hoogstens - 1) / hoogstens, 1);
}

int32_t Omlaag(int32_t tienden) {
    return tienden >= 0 ? tienden / 10 * 10 : -((-tienden + 9) / 10 * 10);
}

int32_t Omhoog(int32_t tienden) {
    return -Omlaag(-tienden);
}

std::vector<std::string> RondeLabels(const std::vector<std::string>& rondes) {
    std::vector<std::string> labels;
    std::map<std::string, int> gezien;
    for (size_t r = 0; r < rondes.size(); ++r) {
        std::string label = rondes[r].empty() ? Formatteer("ronde %zu", r + 1) : rondes[r];
        int keer = ++gezien[label];
        if (keer > 1) {
            label += Formatteer(" (%d)", keer);
        }
        labels.push_back(label);
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

std::vector<std::string> CKlassenGrafiek::RondeLabels(size_t hoogstens) const {
    const size_t stap = Stap(rondeLabels.size(), hoogstens);
    std::vector<std::string> labels;
    for (size_t r = 0; r < rondeLabels.size(); ++r) {
        labels.push_back(r % stap == 0 ? rondeLabels[r] : std::string());
    }
    return labels;
}

std::vector<std::pair<int32_t, std::string>> CKlassenGrafiek::KlasseLabels(size_t hoogstens) const {
    const auto stap = static_cast<int32_t>(Stap(klasseLabels.size(), hoogstens));
    std::vector<std::pair<int32_t, std::string>> labels;
    for (const auto& label : klasseLabels) {
        if ((label.first / 10) % stap == 0) {
            labels.push_back(label);
        }
    }
    return labels;
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
    for (int32_t klasse = grafiek.boven; klasse <= grafiek.onder; klasse += 10) {
        grafiek.klasseLabels.emplace_back(klasse, KlasseTekst(klasse));
    }
    return grafiek;
}
