// Printing a listing into a PDF file without a display: the same pages as
// the print dialog's PDF choice gives, of the listing that `stand`, `uitslag`
// or `indeling` composes from the same options.

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/pdfschrijver.h"

#include <algorithm>

namespace {

struct CAfdrukSoort {
    const char* naam; // the listing command
    int (*opdracht)(const CArgumenten& argumenten, const LijstUitvoer& uitvoer);
};

constexpr CAfdrukSoort kSoorten[] = {
    {"stand", OpdrachtStandNaar},
    {"uitslag", OpdrachtUitslagNaar},
    {"indeling", OpdrachtIndelingNaar},
};

bool HeeftOptie(const COpdracht& opdracht, const std::string& naam) {
    return std::any_of(opdracht.opties.begin(), opdracht.opties.end(),
                       [&](const COptie& o) { return naam == o.naam; });
}

} // namespace

int OpdrachtAfdruk(const CArgumenten& argumenten) {
    const std::string& naam = argumenten.woorden[0];
    const CAfdrukSoort* soort = std::find_if(std::begin(kSoorten), std::end(kSoorten),
                                             [&](const CAfdrukSoort& s) { return naam == s.naam; });
    if (soort == std::end(kSoorten)) {
        return Gebruiksfout("De opdracht afdruk drukt stand, uitslag of indeling af, niet '" +
                            naam + "'.");
    }
    const std::string pad = argumenten.Waarde("--pdf");
    if (pad.empty()) {
        return Gebruiksfout("De opdracht afdruk verwacht --pdf BESTAND.");
    }
    CArgumenten lijst = argumenten;
    lijst.woorden.erase(lijst.woorden.begin());
    lijst.opties.erase("--pdf");
    const COpdracht& lijstOpdracht = *ZoekOpdracht(soort->naam);
    for (const auto& [optie, waarden] : lijst.opties) {
        if (!HeeftOptie(lijstOpdracht, optie)) {
            return Gebruiksfout("De optie " + optie + " hoort niet bij afdruk " + naam + ".");
        }
    }
    PdfSchrijver schrijver = HuidigePdfSchrijver();
    if (!schrijver) {
        Meld("Afdrukken naar een PDF-bestand kan in deze uitvoering van het programma niet.");
        return kGemeld;
    }
    return soort->opdracht(lijst, [&](CMorvelApp& app, const std::string& tekst) {
        int paginas =
            schrijver(tekst, app.settings.Lettertype(), app.settings.LetterGrootte(), pad);
        if (paginas < 0) {
            return kGemeld;
        }
        SchrijfUit(Formatteer("%d %s in %s\n", paginas, paginas == 1 ? "bladzijde" : "bladzijden",
                              pad.c_str()));
        return kGelukt;
    });
}
