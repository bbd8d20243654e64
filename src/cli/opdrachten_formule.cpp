// Evaluates a formula of the administrator's language from the command line.

#include "base/formatteer.h"
#include "cli/opdrachten.h"
#include "formule/formule.h"

int OpdrachtFormule(const CArgumenten& argumenten) {
    static const char* const kNamen = "WVJPRK";
    int32_t waarden[6] = {0, 0, 0, 0, 0, 0};
    for (size_t i = 1; i < argumenten.woorden.size(); ++i) {
        if (!LeesGeheelGetal(argumenten.woorden[i], waarden[i - 1])) {
            return Gebruiksfout(Formatteer("De waarde '%s' voor %c is geen geheel getal.",
                                           argumenten.woorden[i].c_str(), kNamen[i - 1]));
        }
    }
    CFormule formule(argumenten.woorden[0]);
    int32_t resultaat = 0;
    if (formule.Bereken(waarden[0], waarden[1], waarden[2], waarden[3], waarden[4], waarden[5],
                        resultaat) != 0) {
        SchrijfUit(
            Formatteer("fout op positie %d: %s\n", formule.FoutPositie(), formule.FoutTekst()));
        return 1;
    }
    SchrijfUit(Formatteer("%d\n", resultaat));
    return 0;
}
