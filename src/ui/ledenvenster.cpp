#include "ui/ledenvenster.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/witruimte.h"
#include "data/klassetekst.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"
#include "ui/zoekinlijst.h"

#include <algorithm>

namespace {

constexpr const char* kKlasseInTienden =
    "De klasse moet opgegeven worden in tienden van klasses.\r\n"
    "Tenzij deze speler erg sterk is, is het klasseveld verkeerd ingevuld.\r\n"
    "Wilt u doorgaan met de huidig ingevulde waarde?";

// True when `nieuw` is inserted before `bestaand` for sort key `sleutel`.
bool KomtVoor(const CSpeler& nieuw, const CSpeler& bestaand, int32_t sleutel) {
    switch (sleutel) {
    case CLedenVenster::kNummerOp:
        return bestaand.volgnummer > nieuw.volgnummer;
    case CLedenVenster::kNummerAf:
        return bestaand.volgnummer < nieuw.volgnummer;
    case CLedenVenster::kNaamOp:
        return VergelijkZonderHoofdletters(bestaand.naam, nieuw.naam) > 0;
    default:
        return VergelijkZonderHoofdletters(bestaand.naam, nieuw.naam) < 0;
    }
}

std::string Regel(int32_t volgnummer, const std::string& naam) {
    return Formatteer("%ld\t%s", static_cast<long>(volgnummer), naam.c_str());
}

std::string KlasseVeld(int32_t klasse) {
    return Formatteer("%ld", static_cast<long>(klasse));
}

} // namespace

CLedenVenster::CLedenVenster(CMorvelApp& app) : app_(app) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    BerekenStand(app.competitie.spelers, app.competitie.rondes, -1, formules);
    alleenAktief_ = app.settings.LedenToonAlleenAktieveSpelers() != 0;
    sleutel_ = std::clamp<int32_t>(app.settings.LedenSorteerSleutel(), kNummerOp, kNaamAf);
    Vul();
    focus_ = EFocus::Zoek;
}

void CLedenVenster::Vul() {
    const CSpelers& spelers = app_.competitie.spelers;
    std::vector<const CSpeler*> volgorde;
    for (const CSpeler& speler : spelers) {
        if (alleenAktief_ && !speler.aktief) {
            continue;
        }
        // Before the first line that the key puts after it: equal keys keep register order.
        auto plaats = std::find_if(volgorde.begin(), volgorde.end(), [&](const CSpeler* s) {
            return KomtVoor(speler, *s, sleutel_);
        });
        volgorde.insert(plaats, &speler);
    }
    rijen_.clear();
    nummers_.clear();
    for (const CSpeler* speler : volgorde) {
        rijen_.push_back(Regel(speler->volgnummer, speler->naam));
        nummers_.push_back(speler->volgnummer);
    }
    selectie_ = -1;
    status_ = EStatus::Bladeren;
    ToonSelectie();
}

void CLedenVenster::VulEnHerstel() {
    std::string geselecteerd = selectie_ >= 0 ? rijen_[static_cast<size_t>(selectie_)] : "";
    Vul();
    if (!geselecteerd.empty()) {
        auto gevonden = std::find_if(rijen_.begin(), rijen_.end(), [&](const std::string& r) {
            return BegintMetZonderHoofdletters(r.c_str(), geselecteerd.c_str());
        });
        Selecteer(gevonden == rijen_.end() ? -1 : static_cast<int>(gevonden - rijen_.begin()));
    }
    focus_ = EFocus::Zoek;
}

void CLedenVenster::Selecteer(int rij) {
    selectie_ = rij >= 0 && rij < static_cast<int>(rijen_.size()) ? rij : -1;
    if (Bladeren()) {
        ToonSelectie();
    }
}

void CLedenVenster::ToonSelectie() {
    const CSpeler* speler =
        selectie_ >= 0 ? app_.competitie.spelers.Zoek(nummers_[static_cast<size_t>(selectie_)])
                       : nullptr;
    if (!speler) {
        detail_ = CDetail{};
        return;
    }
    detail_.volgnummer = KlasseVeld(speler->volgnummer);
    detail_.naam = speler->naam;
    detail_.beginKlasse = KlasseVeld(speler->beginKlasse);
    detail_.huidigeKlasse = KlasseVeld(speler->klasse);
    detail_.beginKlasseTekst = KlasseTekst(speler->beginKlasse);
    detail_.huidigeKlasseTekst = KlasseTekst(speler->klasse);
    detail_.aktief = speler->aktief != 0;
    detail_.standaardIndelen = speler->standaardIndelen != 0;
    detail_.uitlotenToegestaan = speler->uitlotenToegestaan != 0;
}

void CLedenVenster::Zoek(const std::string& tekst) {
    zoekTekst_ = tekst;
    if (Bladeren()) {
        Selecteer(ZoekInLijst(rijen_, tekst));
    }
}

void CLedenVenster::SorteerOpNummer() {
    sleutel_ = sleutel_ == kNummerOp ? kNummerAf : kNummerOp;
    VulEnHerstel();
}

void CLedenVenster::SorteerOpNaam() {
    sleutel_ = sleutel_ == kNaamOp ? kNaamAf : kNaamOp;
    VulEnHerstel();
}

void CLedenVenster::ZetAlleenAktief(bool aan) {
    alleenAktief_ = aan;
    VulEnHerstel();
}

void CLedenVenster::ZetBeginKlasse(const std::string& tekst) {
    detail_.beginKlasse = tekst;
    detail_.huidigeKlasse = tekst;
    detail_.beginKlasseTekst = KlasseTekst(VeldGetal(tekst));
    detail_.huidigeKlasseTekst = detail_.beginKlasseTekst;
}

void CLedenVenster::Toevoegen() {
    if (!Bladeren() || !app_.MagWijzigen()) {
        return;
    }
    int32_t nummer = app_.competitie.spelers.HoogsteNummer() + 1;
    detail_ = CDetail{};
    detail_.volgnummer = KlasseVeld(nummer);
    detail_.aktief = detail_.standaardIndelen = detail_.uitlotenToegestaan = true;
    selectieVoorToevoegen_ = selectie_;
    rijen_.push_back(Formatteer("%ld\t(nieuwe speler)", static_cast<long>(nummer)));
    nummers_.push_back(nummer);
    selectie_ = static_cast<int>(rijen_.size()) - 1;
    status_ = EStatus::Toevoegen;
    focus_ = EFocus::Naam;
}

void CLedenVenster::Wijzigen() {
    if (!SelectieKnoppenAan() || !app_.MagWijzigen()) {
        return;
    }
    status_ = EStatus::Wijzigen;
    focus_ = EFocus::Naam;
}

int CLedenVenster::Accepteer() {
    int32_t nummer = VeldGetal(detail_.volgnummer);
    int32_t beginKlasse = VeldGetal(detail_.beginKlasse);
    int32_t huidigeKlasse = VeldGetal(detail_.huidigeKlasse);
    int32_t aktief = detail_.aktief ? 1 : 0;
    int32_t indelen = detail_.standaardIndelen ? 1 : 0;
    int32_t uitloten = detail_.uitlotenToegestaan ? 1 : 0;
    if (beginKlasse < 100 &&
        Meld(kKlasseInTienden, Knoppen::JaNeeStdNee, "Waarschuwing") != Antwoord::Ja) {
        return -1;
    }
    NormaliseerWitruimte(detail_.naam);
    std::string naam = detail_.naam;
    CSpelers& spelers = app_.competitie.spelers;
    int gelukt = -1;
    if (status_ == EStatus::Toevoegen) {
        gelukt = spelers.VoegToe(nummer, naam, beginKlasse, aktief, indelen, uitloten);
    } else if (status_ == EStatus::Wijzigen) {
        gelukt =
            spelers.PasAan(nummer, naam, beginKlasse, huidigeKlasse, aktief, indelen, uitloten);
    } else {
        Meld("CLedenDlg::OnLedenAccepteer\nInterne programma fout, deze status mag niet "
             "voorkomen op dit punt");
        Vul();
        return -1;
    }
    if (gelukt != 0) {
        focus_ = EFocus::Zoek;
        return -1;
    }
    Vul();
    Zoek(naam);
    focus_ = EFocus::Zoek;
    app_.BewaarHerstel();
    return 0;
}

void CLedenVenster::Afbreken() {
    if (status_ == EStatus::Toevoegen) {
        rijen_.pop_back();
        nummers_.pop_back();
        selectie_ = selectieVoorToevoegen_;
    }
    status_ = EStatus::Bladeren;
    ToonSelectie();
    focus_ = EFocus::Zoek;
}

int CLedenVenster::Verwijderen() {
    focus_ = EFocus::Zoek;
    if (!SelectieKnoppenAan()) {
        return -1;
    }
    if (!app_.MagWijzigen()) {
        return -1;
    }
    int32_t nummer = nummers_[static_cast<size_t>(selectie_)];
    if (app_.competitie.rondes.Betrokkenheid(nummer) > 0) {
        Meld("Deze speler komt voor in de uitslagenlijst en mag daarom niet verwijderd worden.");
        return -1;
    }
    if (Meld("Weet u zeker dat u de geselecteerde speler wilt verwijderen?", Knoppen::JaNee) !=
        Antwoord::Ja) {
        return -1;
    }
    app_.competitie.spelers.Verwijder(nummer);
    Vul();
    app_.BewaarHerstel();
    return 0;
}

int CLedenVenster::LeesImport(const std::string& pad, CLedenImport& import) const {
    if (!ImporterenAan() || !app_.MagWijzigen()) {
        return -1;
    }
    return LeesLedenlijst(pad, app_.competitie.spelers, import);
}

std::string CLedenVenster::ImportMap() const {
    return app_.competitie.competitieMap;
}

void CLedenVenster::NaImport() {
    VulEnHerstel();
}

void CLedenVenster::Sluiten() {
    app_.settings.SetLedenToonAlleenAktieveSpelers(alleenAktief_ ? 1 : 0);
    app_.settings.SetLedenSorteerSleutel(sleutel_);
}
