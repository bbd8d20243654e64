#include "ui/rondevenster.h"

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
#include <limits>

namespace {

std::string Getal(int32_t waarde) {
    return Formatteer("%ld", static_cast<long>(waarde));
}

// The result column of a game: the text of a stored code, and a warning for
// a code that cannot be.
const char* ResultaatKolom(char resultaat) {
    switch (resultaat) {
    case '+':
    case '-':
    case '0':
    case '?':
        return UitslagTekst(resultaat);
    default:
        return "* kan niet *";
    }
}

char VolgendResultaat(char resultaat) {
    switch (resultaat) {
    case '+':
        return '-';
    case '-':
        return '0';
    case '0':
        return '?';
    default:
        return '+';
    }
}

} // namespace

CRondeVenster::CRondeVenster(CMorvelApp& app, CRonde& ronde, bool uitIndeling)
    : app_(app), ronde_(ronde),
      kolom_(app.competitie.spelers, [](const CSpeler& s) { return Getal(s.volgnummer); },
             {CSpelerKolom::EVeld::Nummer, CSpelerKolom::EVeld::Naam},
             {{[](const CSpeler& s) { return s.aktief == 0; },
               app.settings.UitslagToonAlleenAktieveSpelers() != 0},
              {[](const CSpeler& s) { return s.rondeTeller > 0; },
               app.settings.UitslagVerbergVerwerkteSpelers() != 0}}) {
    CStandFormules formules = ActieveStandFormules(app.settings);
    BerekenStand(app.competitie.spelers, app.competitie.rondes, -1, formules);
    identificatie_ = ronde.identificatie;
    for (CSpeler& speler : app.competitie.spelers) {
        speler.rondeTeller = 0;
    }
    uitslagen_ = ronde.Uitslagen();
    for (int32_t soort : {partij, uitgeloot, klasseregel}) {
        for (size_t i = 0; i < uitslagen_.size(); ++i) {
            if (uitslagen_[i].soort == soort) {
                volgorde_.push_back(i);
                uitslagRijen_.push_back(UitslagRij(uitslagen_[i]));
                Tel(uitslagen_[i], 1);
            }
        }
    }
    const int32_t sleutel =
        std::clamp<int32_t>(app.settings.UitslagSorteerSleutel(), kNaamOp, kNummerAf);
    kolom_.ZetSortering(sleutel >= kNummerOp ? CSpelerKolom::EVeld::Nummer
                                             : CSpelerKolom::EVeld::Naam,
                        sleutel % 2 == 0);
    kolom_.Vul();
    gewijzigd_ = false;
    focus_ = identificatie_.empty() ? EFocus::Identificatie : EFocus::Zoek;
    if (uitIndeling && !volgorde_.empty()) {
        SelecteerUitslag(std::max(VolgendeZonderUitslag(-1), 0));
        focus_ = EFocus::Uitslagen;
    }
}

int32_t CRondeVenster::SorteerSleutel() const {
    return (SorteertOpNummer() ? kNummerOp : kNaamOp) + (Oplopend() ? 0 : 1);
}

std::string CRondeVenster::UitslagRij(const CUitslag& uitslag) const {
    const CSpelers& spelers = app_.competitie.spelers;
    std::string rij = SpelerNaam(spelers, uitslag.speler1) + '\t';
    switch (uitslag.soort) {
    case partij:
        return rij + SpelerNaam(spelers, uitslag.speler2) + '\t' +
               ResultaatKolom(uitslag.resultaat);
    case uitgeloot:
        return rij + '\t' + kUitgelootTekst;
    case klasseregel:
        return rij + "\tnieuwe klasse";
    default:
        return rij + '\t';
    }
}

void CRondeVenster::ToonUitslag(int rij) {
    uitslagRijen_[static_cast<size_t>(rij)] =
        UitslagRij(uitslagen_[volgorde_[static_cast<size_t>(rij)]]);
}

int32_t CRondeVenster::GeselecteerdeSoort() const {
    return uitslagSelectie_ >= 0
               ? uitslagen_[volgorde_[static_cast<size_t>(uitslagSelectie_)]].soort
               : -1;
}

void CRondeVenster::SelecteerUitslag(int rij) {
    uitslagSelectie_ = rij >= 0 && rij < static_cast<int>(uitslagRijen_.size()) ? rij : -1;
    if (!volgorde_.empty() && uitslagen_[volgorde_.back()].soort == onvolledig) {
        uitslagSelectie_ = static_cast<int>(volgorde_.size()) - 1;
    }
    ToonKlasse();
}

void CRondeVenster::ToonKlasse() {
    switch (GeselecteerdeSoort()) {
    case klasseregel:
        klasseVeld_ = Getal(Geselecteerd().nieuweKlasse);
        klasseTekst_ = ::KlasseTekst(Geselecteerd().nieuweKlasse);
        break;
    case onvolledig:
        ZetKlasseVeld(klasseVeld_);
        break;
    default:
        klasseVeld_.clear();
        klasseTekst_.clear();
    }
}

void CRondeVenster::ZetKlasseVeld(const std::string& tekst) {
    klasseVeld_ = tekst;
    klasseTekst_ = tekst.empty() ? std::string() : ::KlasseTekst(VeldGetal(tekst));
}

void CRondeVenster::KlasseStap(int stappen) {
    if (!KlasseVeldAan()) {
        return;
    }
    int64_t waarde = static_cast<int64_t>(VeldGetal(klasseVeld_)) + stappen;
    waarde = std::clamp<int64_t>(waarde, std::numeric_limits<int32_t>::min(),
                                 std::numeric_limits<int32_t>::max());
    ZetKlasseVeld(Getal(static_cast<int32_t>(waarde)));
}

bool CRondeVenster::WisselAan() const {
    const int32_t soort = GeselecteerdeSoort();
    return soort == partij || soort == uitgeloot || soort == onvolledig;
}

bool CRondeVenster::NieuweKlasseAan() const {
    return GeselecteerdeSoort() == onvolledig && !klasseVeld_.empty();
}

void CRondeVenster::Tel(const CUitslag& uitslag, int32_t richting) {
    const CSpelers& spelers = app_.competitie.spelers;
    if (CSpeler* speler = spelers.Zoek(uitslag.speler1)) {
        speler->rondeTeller += richting;
    }
    if (uitslag.soort == partij) {
        if (CSpeler* speler = spelers.Zoek(uitslag.speler2)) {
            speler->rondeTeller += richting;
        }
    }
}

void CRondeVenster::NaWijziging() {
    if (VerbergVerwerkt()) {
        kolom_.Vul();
    }
    gewijzigd_ = true;
    Zoek("");
    focus_ = EFocus::Zoek;
}

void CRondeVenster::Toevoegen() {
    if (!ToevoegenAan()) {
        return;
    }
    const int32_t nummer = kolom_.GeselecteerdeSpeler()->volgnummer;
    const int laatste = static_cast<int>(volgorde_.size()) - 1;
    if (laatste >= 0 && uitslagen_[volgorde_.back()].soort == onvolledig) {
        CUitslag& uitslag = uitslagen_[volgorde_.back()];
        uitslag.soort = partij;
        uitslag.speler2 = nummer;
        uitslag.resultaat = '+';
        ToonUitslag(laatste);
        uitslagSelectie_ = laatste;
        klasseVeld_.clear();
        klasseTekst_.clear();
    } else {
        uitslagen_.push_back(CUitslag{onvolledig, nummer, 0, '?', 0});
        volgorde_.push_back(uitslagen_.size() - 1);
        uitslagRijen_.push_back(UitslagRij(uitslagen_.back()));
        uitslagSelectie_ = laatste + 1;
        const CSpeler* speler = app_.competitie.spelers.Zoek(nummer);
        ZetKlasseVeld(Getal(speler ? speler->klasse : 0));
    }
    if (CSpeler* speler = app_.competitie.spelers.Zoek(nummer)) {
        ++speler->rondeTeller;
    }
    NaWijziging();
    ToonKlasse();
}

void CRondeVenster::Verwijderen() {
    if (!VerwijderenAan()) {
        return;
    }
    const size_t rij = static_cast<size_t>(uitslagSelectie_);
    const size_t index = volgorde_[rij];
    Tel(uitslagen_[index], -1);
    uitslagen_.erase(uitslagen_.begin() + static_cast<std::ptrdiff_t>(index));
    volgorde_.erase(volgorde_.begin() + static_cast<std::ptrdiff_t>(rij));
    uitslagRijen_.erase(uitslagRijen_.begin() + static_cast<std::ptrdiff_t>(rij));
    for (size_t& i : volgorde_) {
        i -= i > index ? 1 : 0;
    }
    NaWijziging();
    SelecteerUitslag(-1);
}

void CRondeVenster::Wissel() {
    if (!WisselAan()) {
        return;
    }
    CUitslag& uitslag = Geselecteerd();
    if (uitslag.soort == partij) {
        uitslag.resultaat = VolgendResultaat(uitslag.resultaat);
    } else {
        uitslag.soort = uitslag.soort == uitgeloot ? onvolledig : uitgeloot;
    }
    ToonUitslag(uitslagSelectie_);
    gewijzigd_ = true;
    focus_ = EFocus::Zoek;
    ToonKlasse();
}

int CRondeVenster::VolgendeZonderUitslag(int na) const {
    const int rijen = static_cast<int>(volgorde_.size());
    for (int stap = 1; stap <= rijen; ++stap) {
        const int rij = (na + stap) % rijen;
        const CUitslag& u = uitslagen_[volgorde_[static_cast<size_t>(rij)]];
        if (rij != na && u.soort == partij && u.resultaat == '?') {
            return rij;
        }
    }
    return -1;
}

int CRondeVenster::ZonderUitslag() const {
    return static_cast<int>(
        std::count_if(uitslagen_.begin(), uitslagen_.end(),
                      [](const CUitslag& u) { return u.soort == partij && u.resultaat == '?'; }));
}

std::string CRondeVenster::ZonderUitslagTekst() const {
    const auto partijen = std::count_if(uitslagen_.begin(), uitslagen_.end(),
                                        [](const CUitslag& u) { return u.soort == partij; });
    const int zonder = ZonderUitslag();
    if (partijen == 0) {
        return "";
    }
    if (zonder == 0) {
        return "Alle partijen hebben een uitslag.";
    }
    return Formatteer("Nog %d van %ld partijen zonder uitslag.", zonder,
                      static_cast<long>(partijen));
}

bool CRondeVenster::Toets(char teken) {
    char resultaat = 0;
    switch (teken) {
    case '1':
    case '+':
        resultaat = '+';
        break;
    case '2':
    case '-':
        resultaat = '-';
        break;
    case '0':
    case '=':
    case 'j':
    case 'J':
        resultaat = '0';
        break;
    case '?':
        resultaat = '?';
        break;
    default:
        return false;
    }
    if (GeselecteerdeSoort() != partij) {
        return false;
    }
    Geselecteerd().resultaat = resultaat;
    ToonUitslag(uitslagSelectie_);
    gewijzigd_ = true;
    const int volgende = VolgendeZonderUitslag(uitslagSelectie_);
    if (volgende >= 0) {
        uitslagSelectie_ = volgende;
    }
    focus_ = EFocus::Uitslagen;
    ToonKlasse();
    return true;
}

int CRondeVenster::NieuweKlasse() {
    if (!NieuweKlasseAan()) {
        return -1;
    }
    const int32_t klasse = VeldGetal(klasseVeld_);
    // The round refuses such a class when it is stored, and the data file when it is read.
    if (klasse < 1) {
        Meld("CRonde::VoegToe()\nDe klasse dient minimaal 1 te zijn");
        return -1;
    }
    CUitslag& uitslag = Geselecteerd();
    uitslag.soort = klasseregel;
    uitslag.nieuweKlasse = klasse;
    ToonUitslag(uitslagSelectie_);
    gewijzigd_ = true;
    focus_ = EFocus::Zoek;
    ToonKlasse();
    return 0;
}

int CRondeVenster::Ok() {
    if (!OkAan()) {
        return -1;
    }
    std::string identificatie = identificatie_;
    if (NormaliseerIdentificatie(identificatie) != 0) {
        focus_ = EFocus::Identificatie;
        return -1;
    }
    if (const int zonder = ZonderUitslag(); zonder > 0) {
        std::string vraag =
            zonder == 1
                ? std::string("Er is nog 1 partij zonder uitslag (niet genoteerd).")
                : Formatteer("Er zijn nog %d partijen zonder uitslag (niet genoteerd).", zonder);
        if (Meld(vraag + "\nDe ronde toch opslaan?", Knoppen::JaNee) != Antwoord::Ja) {
            SelecteerUitslag(VolgendeZonderUitslag(-1));
            focus_ = EFocus::Uitslagen;
            return -1;
        }
    }
    CSettings& settings = app_.settings;
    settings.SetUitslagToonAlleenAktieveSpelers(AlleenAktief() ? 1 : 0);
    settings.SetUitslagVerbergVerwerkteSpelers(VerbergVerwerkt() ? 1 : 0);
    settings.SetUitslagSorteerSleutel(SorteerSleutel());

    identificatie_ = identificatie;
    ronde_.identificatie = identificatie;
    ronde_.Leeg();
    for (const CUitslag& u : uitslagen_) {
        // An entry still without its second player cannot be stored: it is left out.
        if (u.soort == partij) {
            ronde_.VoegToe(u.speler1, u.speler2, u.resultaat);
        } else if (u.soort == uitgeloot) {
            ronde_.VoegToe(u.speler1);
        } else if (u.soort == klasseregel) {
            ronde_.VoegToeKlasse(u.speler1, u.nieuweKlasse);
        }
    }
    return 0;
}

int CRondeVenster::Cancel() {
    if (gewijzigd_ && !NegeerVeranderingen()) {
        return -1;
    }
    return 0;
}
