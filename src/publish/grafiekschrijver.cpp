#include "publish/grafiekschrijver.h"

#include "base/melding.h"
#include "base/platform.h"
#include "base/witruimte.h"

namespace {

GrafiekTekenaar huidige = nullptr;

bool EindigtOp(const std::string& pad, const char* extensie) {
    const std::string e = extensie;
    return pad.size() > e.size() &&
           GelijkZonderHoofdletters(pad.substr(pad.size() - e.size()), e) &&
           pad[pad.size() - e.size() - 1] != '/';
}

} // namespace

GrafiekTekenaar ZetGrafiekTekenaar(GrafiekTekenaar tekenaar) {
    GrafiekTekenaar vorige = huidige;
    huidige = tekenaar;
    return vorige;
}

GrafiekTekenaar HuidigeGrafiekTekenaar() {
    return huidige;
}

std::optional<EGrafiekFormaat> GrafiekFormaat(const std::string& pad) {
    if (EindigtOp(pad, ".png")) {
        return EGrafiekFormaat::Png;
    }
    if (EindigtOp(pad, ".svg")) {
        return EGrafiekFormaat::Svg;
    }
    if (EindigtOp(pad, ".pdf")) {
        return EGrafiekFormaat::Pdf;
    }
    return std::nullopt;
}

bool TekenGrafiek(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte, int hoogte,
                  std::string& inhoud) {
    if (!huidige) {
        Meld("Een grafiek tekenen kan in deze uitvoering van het programma niet.");
        return false;
    }
    if (!huidige(grafiek, formaat, breedte, hoogte, inhoud)) {
        Meld("De grafiek kon niet getekend worden.");
        return false;
    }
    return true;
}

int SchrijfGrafiek(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte, int hoogte,
                   const std::string& pad) {
    std::string inhoud;
    if (!TekenGrafiek(grafiek, formaat, breedte, hoogte, inhoud)) {
        return -1;
    }
    int fout = 0;
    if (!SchrijfBestandVeilig(pad, inhoud, fout)) {
        Meld("Het bestand '" + pad + "' kon niet geschreven worden, om de volgende reden:\r" +
             SysteemFoutTekst(fout));
        return -1;
    }
    return 0;
}
