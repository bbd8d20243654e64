#include "rating/actieveformules.h"

#include "settings/settings.h"

CStandFormules ActieveStandFormules(const CSettings& settings) {
    return CStandFormules{CFormule(settings.PuntenformuleTekst()), settings.Middelen(),
                          CFormule(settings.KlasseNaWinstTekst()),
                          CFormule(settings.KlasseNaVerliesTekst()),
                          CFormule(settings.KlasseNaJigoTekst())};
}

int ActieveVoorgift(const CSettings& settings, std::optional<CVoorgift>& voorgift) {
    const CVoorgiftSet set = settings.ActieveVoorgiftSet();
    voorgift.emplace(set.voorgift, set.komi, set.extraHalfKomi);
    return ControleerVoorgift(settings.HuidigeVoorgiftFormule(), *voorgift);
}
