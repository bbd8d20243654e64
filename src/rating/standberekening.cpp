#include "rating/standberekening.h"

#include "base/witruimte.h"
#include "data/ronde.h"
#include "data/speler.h"

#include <cstdint>
#include <limits>

namespace {

// Adds without leaving the 32-bit range, so extreme formula results cannot wrap.
int32_t VerzadigdOpgeteld(int32_t a, int32_t b) {
    int64_t som = static_cast<int64_t>(a) + b;
    if (som > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (som < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(som);
}

int Verwerk(CSpeler& speler, int32_t ronde, int32_t& teller, CFormule& klasseFormule,
            CStandFormules& formules) {
    CStand& s = speler.stand;
    ++teller;
    ++s.partijen;
    const int32_t klasseVoor = speler.klasse;
    if (formules.middelen) {
        int32_t punten = 0;
        formules.punten.Bereken(s.winst, s.verlies, s.jigo, s.partijen, ronde, klasseVoor, punten);
        s.punten = VerzadigdOpgeteld(s.punten, punten);
    }
    int32_t nieuweKlasse = 0;
    int status = klasseFormule.Bereken(s.winst, s.verlies, s.jigo, s.partijen, ronde, klasseVoor,
                                       nieuweKlasse);
    speler.klasse = nieuweKlasse;
    return status;
}

void VerwerkResultaat(CSpeler* speler, char resultaat, int32_t ronde, CStandFormules& formules) {
    if (!speler) {
        return;
    }
    switch (resultaat) {
    case '+':
        VerwerkWinst(*speler, ronde, formules);
        break;
    case '-':
        VerwerkVerlies(*speler, ronde, formules);
        break;
    case '0':
        VerwerkJigo(*speler, ronde, formules);
        break;
    default: // not recorded yet
        break;
    }
}

char Omgekeerd(char resultaat) {
    return resultaat == '+' ? '-' : resultaat == '-' ? '+' : resultaat;
}

} // namespace

int VerwerkWinst(CSpeler& speler, int32_t ronde, CStandFormules& formules) {
    return Verwerk(speler, ronde, speler.stand.winst, formules.klasseNaWinst, formules);
}

int VerwerkVerlies(CSpeler& speler, int32_t ronde, CStandFormules& formules) {
    return Verwerk(speler, ronde, speler.stand.verlies, formules.klasseNaVerlies, formules);
}

int VerwerkJigo(CSpeler& speler, int32_t ronde, CStandFormules& formules) {
    return Verwerk(speler, ronde, speler.stand.jigo, formules.klasseNaJigo, formules);
}

void ResetStand(const CSpelers& spelers) {
    for (CSpeler& speler : spelers) {
        speler.Reset();
    }
}

void VerwerkRonde(const CSpelers& spelers, const CRondes& rondes, int index,
                  CStandFormules& formules) {
    const int32_t ronde = index + 1;
    for (const CUitslag& u : rondes.Ronde(index).Uitslagen()) {
        switch (u.soort) {
        case partij:
            VerwerkResultaat(spelers.Zoek(u.speler1), u.resultaat, ronde, formules);
            VerwerkResultaat(spelers.Zoek(u.speler2), Omgekeerd(u.resultaat), ronde, formules);
            break;
        case klasseregel:
            if (CSpeler* speler = spelers.Zoek(u.speler1)) {
                speler->ZetKlasse(u.nieuweKlasse);
            }
            break;
        default: // a bye counts as no game
            break;
        }
    }
}

void BerekenStand(const CSpelers& spelers, const CRondes& rondes, int aantal,
                  CStandFormules& formules) {
    ResetStand(spelers);
    if (aantal < 0 || aantal > rondes.Aantal()) {
        aantal = rondes.Aantal();
    }
    for (int i = 0; i < aantal; ++i) {
        VerwerkRonde(spelers, rondes, i, formules);
    }
}

int RondesTotEnMet(const CRondes& rondes, const std::string& identificatie) {
    for (int i = 0; i < rondes.Aantal(); ++i) {
        if (GelijkZonderHoofdletters(rondes.Ronde(i).identificatie, identificatie)) {
            return i + 1;
        }
    }
    return -1;
}

void BerekenStand(const CSpelers& spelers, const CRondes& rondes, const std::string& identificatie,
                  CStandFormules& formules) {
    BerekenStand(spelers, rondes, RondesTotEnMet(rondes, identificatie), formules);
}

int32_t StandPunten(CSpeler& speler, CStandFormules& formules) {
    CStand& s = speler.stand;
    if (formules.middelen) {
        return s.partijen == 0 ? 0 : s.punten / s.partijen;
    }
    int32_t punten = 0;
    formules.punten.Bereken(s.winst, s.verlies, s.jigo, s.partijen, 0, speler.klasse, punten);
    s.punten = punten;
    return punten;
}
