#include "ui/handleiding.h"

#include "base/pad.h"
#include "base/platform.h"
#include "settings/profielplaats.h"

std::vector<std::string> HandleidingPlaatsen(const std::string& programma) {
    return {PadSamen(MapVanPad(programma), kHandleidingBestand),
            PadSamen(VoorbeeldMap(programma), kHandleidingBestand)};
}

std::vector<std::string> HandleidingAnkers(const std::string& html) {
    static const std::string kBegin = "<a name=\"";
    std::vector<std::string> ankers;
    for (size_t plaats = html.find(kBegin); plaats != std::string::npos;
         plaats = html.find(kBegin, plaats)) {
        plaats += kBegin.size();
        const size_t eind = html.find('"', plaats);
        if (eind == std::string::npos) {
            break;
        }
        ankers.push_back(html.substr(plaats, eind - plaats));
    }
    return ankers;
}

CHandleidingVenster::CHandleidingVenster(const std::vector<std::string>& plaatsen,
                                         std::string anker)
    : plaatsen_(plaatsen), anker_(std::move(anker)) {
    for (const std::string& plaats : plaatsen_) {
        if (BestaatBestand(plaats)) {
            bestand_ = plaats;
            break;
        }
    }
}

std::string CHandleidingVenster::NietGevondenTekst() const {
    std::string tekst = "De handleiding is niet gevonden. Gezocht in:\n";
    for (const std::string& plaats : plaatsen_) {
        tekst += "\n" + plaats;
    }
    tekst += "\n\nDe handleiding hoort bij het programma (share/morvel/" +
             std::string(kHandleidingBestand) + " van de installatie).";
    return tekst;
}
