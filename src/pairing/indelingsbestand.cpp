#include "pairing/indelingsbestand.h"

#include "base/formatteer.h"
#include "base/getal.h"

#include <optional>

namespace {

constexpr int32_t kVersie = 1;

std::string Getal(int32_t waarde) {
    return Formatteer("%d", waarde);
}

// One "paar" line: false with `fout` set.
bool LeesPaar(const std::string& waarde, CIndeling& indeling, std::string& fout) {
    std::vector<std::string> velden = LeesVelden(waarde);
    int32_t zwart = 0;
    int32_t wit = 0;
    if (velden.size() != 5) {
        fout = "een paar heeft vijf velden, gescheiden door tabs";
        return false;
    }
    if (!LeesGeheelGetal(velden[0], zwart) || zwart < 1 || !LeesGeheelGetal(velden[1], wit) ||
        wit < 0 || wit == zwart) {
        fout = "de spelersnummers zijn geen nummers van twee verschillende spelers";
        return false;
    }
    indeling.VoegToe(zwart, wit, std::move(velden[2]), std::move(velden[3]), std::move(velden[4]));
    return true;
}

} // namespace

std::string IndelingsBestandTekst(const CIndeling& indeling) {
    std::vector<std::pair<std::string, std::string>> regels = {
        {"versie", Getal(kVersie)},
        {"gepubliceerd", TijdstipVoorBestand(indeling.gepubliceerd)},
        {"overgenomen", Getal(indeling.overgenomen)}};
    for (const CIndItem& item : indeling.Items()) {
        regels.emplace_back("paar", VeldenWaarde({Getal(item.zwartNummer), Getal(item.witNummer),
                                                  item.zwart, item.wit, item.tekst}));
    }
    return EigenBestandTekst(kIndelingsBestandKop, regels);
}

int LeesIndelingsBestand(const std::vector<CEigenRegel>& regels, CIndeling& indeling,
                         std::string& fout) {
    indeling.Clear();
    bool versie = false;
    std::optional<CTijdstip> gepubliceerd;
    bool overgenomen = false;
    for (const CEigenRegel& regel : regels) {
        std::string reden;
        if (regel.sleutel == "versie" && !versie) {
            versie = true;
            reden = VersieFout(regel.waarde, kVersie);
        } else if (regel.sleutel == "gepubliceerd" && !gepubliceerd) {
            gepubliceerd = LeesTijdstip(regel.waarde);
            if (!gepubliceerd) {
                reden = "het tijdstip van publiceren is geen datum en tijd (JJJJ-MM-DD UU:MM:SS)";
            }
        } else if (regel.sleutel == "overgenomen" && !overgenomen) {
            overgenomen = true;
            if (!LeesGeheelGetal(regel.waarde, indeling.overgenomen) || indeling.overgenomen < 0) {
                reden = "het rondenummer is geen getal van 0 of meer";
            }
        } else if (regel.sleutel == "paar") {
            LeesPaar(regel.waarde, indeling, reden);
        } else {
            reden = kOnbekendeRegel;
        }
        if (!reden.empty()) {
            fout = RegelFout(regel, reden);
            indeling.Clear();
            return -1;
        }
    }
    if (!versie || !gepubliceerd) {
        fout = !versie ? "de regel versie= ontbreekt" : "de regel gepubliceerd= ontbreekt";
        indeling.Clear();
        return -1;
    }
    indeling.gepubliceerd = *gepubliceerd;
    return 0;
}
