// The history of the open competition: listing its generations and restoring one.

#include "app/versies.h"

#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/platform.h"
#include "data/competitie.h"
#include "data/verschil.h"

namespace {

// The reader's first message as one line.
std::string EersteMelding(const std::vector<std::string>& meldingen) {
    if (meldingen.empty()) {
        return "het bestand is leeg";
    }
    std::string tekst = meldingen.front();
    for (char& c : tekst) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return tekst;
}

} // namespace

std::vector<CVersie> Versies(const CCompetitie& huidig) {
    std::vector<CVersie> versies;
    for (const CGeneratie& generatie : Generaties(huidig.datafile)) {
        CVersie versie;
        versie.generatie = generatie;
        CCompetitie eerder;
        CMeldingVanger stil;
        versie.leesbaar = eerder.LeesKopie(generatie.pad) == 0;
        if (!versie.leesbaar) {
            versie.verschil = "kan niet gelezen worden: " + EersteMelding(stil.meldingen);
        } else {
            versie.spelers = eerder.spelers.Aantal();
            versie.rondes = eerder.rondes.Aantal();
            std::string verschil = BeschrijfVerschil(eerder, huidig);
            versie.verschil =
                verschil.empty() ? "gelijk aan de huidige stand" : "sindsdien " + verschil;
            if (!stil.meldingen.empty()) {
                versie.verschil +=
                    Formatteer(" (%zu meldingen bij het lezen)", stil.meldingen.size());
            }
        }
        versies.push_back(std::move(versie));
    }
    return versies;
}

int LeesGeneratie(const CGeneratie& generatie, CCompetitie& doel) {
    {
        CMeldingVanger stil;
        if (doel.LeesKopie(generatie.pad) == 0) {
            return 0;
        }
    }
    Meld(Formatteer("De versie van %s kan niet gelezen worden.", GeneratieTijd(generatie).c_str()));
    return -1;
}

std::string VersieKop(const CVersie& versie) {
    std::string tijd = GeneratieTijd(versie.generatie);
    if (!versie.leesbaar) {
        return tijd;
    }
    return Formatteer("%s, %zu spelers, %d rondes", tijd.c_str(), versie.spelers, versie.rondes);
}

int CMorvelApp::ZetTerug(const CGeneratie& generatie) {
    if (!MagWijzigen()) {
        return -1;
    }
    std::string inhoud;
    int fout = 0;
    CCompetitie gekozen;
    if (LeesGeneratie(generatie, gekozen) != 0) {
        return -1;
    }
    if (!LeesBestand(generatie.pad, inhoud, fout)) {
        Meld(Formatteer("De versie van %s kan niet gelezen worden.\nDe reden: '%s'",
                        GeneratieTijd(generatie).c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    // The current state first, unsaved changes included, so that this can be undone.
    if (competitie.Schrijf() != 0 || competitie.SchrijfInhoud(inhoud, true) != 0) {
        return -1;
    }
    competitie.Lees();
    VerwijderHerstel();
    SchrijfRondeHtml(*this);
    return 0;
}
