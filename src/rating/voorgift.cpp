#include "rating/voorgift.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "data/speler.h"

#include <utility>

std::string KomiTekst(int32_t komi, bool extraHalfKomi) {
    if (!extraHalfKomi) {
        return Formatteer("%d", komi);
    }
    if (komi >= 0) {
        return Formatteer("%d,5", komi);
    }
    // komi + 0.5 below zero: the magnitude of komi + 1, which cannot overflow here.
    return Formatteer("-%d,5", -(komi + 1));
}

std::string VoorgiftTekst(int32_t stenen, int32_t komi, bool extraHalfKomi) {
    return Formatteer("%d %s, %s komi", stenen, stenen == 1 ? "steen" : "stenen",
                      KomiTekst(komi, extraHalfKomi).c_str());
}

int32_t KlasseVerschil(int32_t klasseZwart, int32_t klasseWit) {
    return klasseZwart / 10 - klasseWit / 10;
}

CVoorgift::CVoorgift(std::string stenenFormule, std::string komiFormule, bool extraHalfKomi)
    : stenen_(std::move(stenenFormule)), komi_(std::move(komiFormule)),
      extraHalfKomi_(extraHalfKomi) {}

int CVoorgift::Controleer() {
    int32_t waarde = 0;
    if (stenen_.Bereken(0, waarde) != 0) {
        Meld("De aktieve formule voor het aantal voorgiftstenen is niet correct.\nHerstel dit "
             "eerst via het configuratiescherm.");
        return -1;
    }
    if (komi_.Bereken(0, waarde) != 0) {
        Meld("De aktieve formule voor de komi is niet correct.\nHerstel dit eerst via het "
             "configuratiescherm.");
        return -1;
    }
    return 0;
}

std::string CVoorgift::Tekst(int32_t klasseZwart, int32_t klasseWit) {
    const int32_t verschil = KlasseVerschil(klasseZwart, klasseWit);
    int32_t stenen = 0;
    int32_t komi = 0;
    stenen_.Bereken(verschil, stenen);
    komi_.Bereken(verschil, komi);
    return VoorgiftTekst(stenen, komi, extraHalfKomi_);
}

CVoorgiftPaar CVoorgift::Paar(const CSpeler& eerste, const CSpeler& tweede) {
    const CSpeler* zwart = &eerste;
    const CSpeler* wit = &tweede;
    if (MoetWisselen(zwart->klasse, wit->klasse)) {
        std::swap(zwart, wit);
    }
    return CVoorgiftPaar{zwart, wit, Tekst(zwart->klasse, wit->klasse)};
}

int ControleerVoorgift(int32_t huidigeVoorgiftFormule, CVoorgift& voorgift) {
    if (huidigeVoorgiftFormule <= 0) {
        Meld("Er is geen aktieve voorgiftformule, stel deze eerst in via het configuratiescherm.");
        return -1;
    }
    return voorgift.Controleer();
}
