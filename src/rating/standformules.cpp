#include "rating/standformules.h"

#include "settings/settings.h"

CStandFormules StandFormules(const CSettings& settings) {
    return CStandFormules{CFormule(settings.PuntenformuleTekst()), settings.Middelen(),
                          CFormule(settings.KlasseNaWinstTekst()),
                          CFormule(settings.KlasseNaVerliesTekst()),
                          CFormule(settings.KlasseNaJigoTekst())};
}
