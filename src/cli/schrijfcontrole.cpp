#include "cli/schrijfcontrole.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "data/competitie.h"

bool MagCompetitieSchrijven(const CArgumenten& argumenten, const CCompetitie& competitie) {
    int aantal = competitie.OnleesbareRegels();
    if (aantal == 0 || argumenten.Heeft(kTochOptie.naam)) {
        return true;
    }
    std::string regels = aantal == 1
                             ? "1 regel die niet gelezen kon worden"
                             : Formatteer("%d regels die niet gelezen konden worden", aantal);
    Meld(Formatteer("De datafile '%s' bevat %s (zie de meldingen hierboven); schrijven zou die "
                    "regels wissen.\n"
                    "Er is niets geschreven. Geef --toch om toch te schrijven, zonder die regels.",
                    competitie.datafile.c_str(), regels.c_str()));
    return false;
}
