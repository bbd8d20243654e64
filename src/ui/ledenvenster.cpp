#include "ui/ledenvenster.h"

#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/witruimte.h"
#include "data/klassetekst.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"
#include "ui/negeervraag.h"

#include <algorithm>

namespace {

constexpr const char* kKlasseInTienden =
    "De klasse moet opgegeven worden in tienden van klasses.\r\n"
    "Tenzij deze speler erg sterk is, is het klasseveld verkeerd ingevuld.\r\n"
    "Wilt u doorgaan met de huidig ingevulde waarde?";

std::string KlasseVeld(int32_t klasse) {
    return Formatteer("%ld", static_cast<long>(klasse));
}

} // namespace

CLedenVenster::CLedenVenster(CMorvelApp& app)
    : app_(app),
      kolom_(app.competitie.spelers, [](const CSpeler& s) { return KlasseVeld(s.volgnummer); },
             {CSpelerKolom::EVeld::Nummer, CSpelerKolom::EVeld::Naam},
             {{[](const CSpeler& s) { return s.aktief == 0; },
               app.settings.LedenToonAlleenAktieveSpelers() != 0}}) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    BerekenStand(app.competitie.spelers, app.competitie.rondes, -1, formules);
    const int32_t sleutel =
        std::clamp<int32_t>(app.settings.LedenSorteerSleutel(), kNummerOp, kNaamAf);
    kolom_.ZetSortering(sleutel < kNaamOp ? CSpelerKolom::EVeld::Nummer : CSpelerKolom::EVeld::Naam,
                        sleutel % 2 == 0);
    Vul();
    focus_ = EFocus::Zoek;
}

int32_t CLedenVenster::SorteerSleutel() const {
    const int32_t veld = kolom_.SorteerVeld() == CSpelerKolom::EVeld::Nummer ? kNummerOp : kNaamOp;
    return veld + (kolom_.Oplopend() ? 0 : 1);
}

void CLedenVenster::ZetStatus(EStatus status) {
    status_ = status;
    kolom_.ZetInGebruik(status == EStatus::Bladeren);
}

void CLedenVenster::Vul() {
    ZetStatus(EStatus::Bladeren);
    kolom_.Vul();
}

void CLedenVenster::VulEnHerstel() {
    kolom_.VulEnHerstel();
    focus_ = EFocus::Zoek;
}

CLedenVenster::CDetail CLedenVenster::Detail() const {
    if (!Bladeren()) {
        return detail_;
    }
    CDetail detail;
    if (const CSpeler* speler = kolom_.GeselecteerdeSpeler()) {
        detail.volgnummer = KlasseVeld(speler->volgnummer);
        detail.naam = speler->naam;
        detail.beginKlasse = KlasseVeld(speler->beginKlasse);
        detail.huidigeKlasse = KlasseVeld(speler->klasse);
        detail.beginKlasseTekst = KlasseTekst(speler->beginKlasse);
        detail.huidigeKlasseTekst = KlasseTekst(speler->klasse);
        detail.aktief = speler->aktief != 0;
        detail.standaardIndelen = speler->standaardIndelen != 0;
        detail.uitlotenToegestaan = speler->uitlotenToegestaan != 0;
    }
    return detail;
}

void CLedenVenster::SorteerOpNummer() {
    kolom_.KlikKop(0);
    focus_ = EFocus::Zoek;
}

void CLedenVenster::SorteerOpNaam() {
    kolom_.KlikKop(1);
    focus_ = EFocus::Zoek;
}

void CLedenVenster::ZetAlleenAktief(bool aan) {
    kolom_.ZetFilter(0, aan);
    focus_ = EFocus::Zoek;
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
    selectieVoorToevoegen_ = Selectie();
    kolom_.VoegExtraRijToe(Formatteer("%ld\t(nieuwe speler)", static_cast<long>(nummer)));
    ZetStatus(EStatus::Toevoegen);
    focus_ = EFocus::Naam;
}

void CLedenVenster::Wijzigen() {
    if (!SelectieKnoppenAan() || !app_.MagWijzigen()) {
        return;
    }
    detail_ = Detail();
    ZetStatus(EStatus::Wijzigen);
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
    // The name goes into "Zoek:", but the row is the player's own: the search
    // may find another name that begins with his, or pass him when he is hidden.
    Zoek(naam);
    kolom_.SelecteerSpeler(spelers.Zoek(nummer));
    focus_ = EFocus::Zoek;
    app_.BewaarHerstel();
    return 0;
}

void CLedenVenster::Afbreken() {
    if (status_ == EStatus::Toevoegen) {
        kolom_.VerwijderExtraRij();
        kolom_.Selecteer(selectieVoorToevoegen_);
    }
    ZetStatus(EStatus::Bladeren);
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
    const CSpeler* speler = kolom_.GeselecteerdeSpeler();
    if (!speler) {
        return -1;
    }
    const int32_t nummer = speler->volgnummer;
    if (app_.competitie.rondes.Betrokkenheid(nummer) > 0) {
        Meld("Deze speler komt voor in de uitslagenlijst en mag daarom niet verwijderd worden.");
        return -1;
    }
    if (Meld("Weet u zeker dat u de geselecteerde speler wilt verwijderen?",
             Knoppen::JaNeeStdNee) != Antwoord::Ja) {
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

bool CLedenVenster::MagSluiten() {
    if (Bladeren()) {
        return true;
    }
    if (!NegeerVeranderingen()) {
        return false;
    }
    Afbreken();
    return true;
}

void CLedenVenster::Sluiten() {
    app_.settings.SetLedenToonAlleenAktieveSpelers(AlleenAktief() ? 1 : 0);
    app_.settings.SetLedenSorteerSleutel(SorteerSleutel());
}
