#include "ui/importvenster.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"

#include <utility>

CImportVenster::CImportVenster(CMorvelApp& app, std::string bestand, CLedenImport import)
    : app_(app), bestand_(std::move(bestand)), import_(std::move(import)),
      rijen_(ImportRijen(import_)) {}

std::vector<std::string> CImportVenster::Kop() const {
    const size_t nieuw = import_.AantalNieuw();
    return {"Bestand: " + bestand_, import_.Samenvatting(),
            Formatteer("%zu %s, %zu %s.", nieuw, nieuw == 1 ? "nieuw lid" : "nieuwe leden",
                       import_.rijen.size() - nieuw,
                       import_.rijen.size() - nieuw == 1 ? "regel overgeslagen"
                                                         : "regels overgeslagen")};
}

int CImportVenster::Importeren() {
    if (!app_.MagWijzigen()) {
        return -1;
    }
    telling_ = VoegLedenToe(import_, app_.competitie.spelers);
    if (telling_.toegevoegd > 0) {
        app_.BewaarHerstel();
    }
    Meld(ImportSlotTekst(telling_), Knoppen::Ok, "Leden importeren");
    return telling_.toegevoegd > 0 ? 0 : -1;
}
