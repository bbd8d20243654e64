#include "app/morvelapp.h"

#include "app/bestandkopie.h"
#include "app/competitiemap.h"
#include "base/formatteer.h"
#include "base/mappen.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"
#include "base/witruimte.h"
#include "publish/uploadverslag.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"
#include "settings/profielplaats.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

namespace fs = std::filesystem;

CMorvelApp::CMorvelApp(const std::string& profielPad) : settings(profielPad) {
    competitie.naSchrijven = [this](const std::string& datafile) {
        MaakBackup(datafile, settings.MakeBackup(), VanafProgrammaMap(settings.BackupPad()));
    };
    competitie.voorSchrijven = [this] { return SchrijfToegang(); };
    competitie.generaties = [this] { return GeneratiesTeBewaren(); };
}

std::string CMorvelApp::DataMap() const {
    const std::string& dataPad = settings.DataPad();
    return VanafProgrammaMap(dataPad.empty() ? "." : dataPad);
}

std::vector<std::string> CMorvelApp::Competities() const {
    return CompetitieNamen(DataMap());
}

int CMorvelApp::BewaardeCompetitie(const std::vector<std::string>& namen) const {
    return ZoekCompetitie(namen, settings.HuidigePeriode());
}

int CMorvelApp::KiesCompetitie(const std::string& naam) {
    if (VerlaatCompetitie() != 0) {
        // Opening another competition would throw the unwritten changes away.
        return -1;
    }
    VoerUploadsUit();
    competitie.competitieMap = PadSamen(DataMap(), naam);
    competitie.datafile = EersteDataFile(competitie.competitieMap);
    settings.SetHuidigePeriode(naam);
    geopend_ = naam;
    indeling.Clear();
    blokkades.Clear();
    gelezen_ = false;
    if (!competitie.datafile.empty()) {
        CSlotHouder houder;
        int fout = 0;
        switch (slot_.Neem(competitie.datafile, houder, fout)) {
        case ESlot::Genomen:
            break;
        case ESlot::Bezet:
            bezet_ = BezetTekst(naam, SlotPad(competitie.datafile), houder);
            if (Meld(bezet_ + "\n\nDe competitie alleen lezen openen? Wijzigingen zijn dan niet "
                              "mogelijk.",
                     Knoppen::JaNee, "Morvel: competitie in gebruik") != Antwoord::Ja) {
                competitie.spelers.Clear();
                competitie.rondes.Clear();
                return -1;
            }
            alleenLezen_ = true;
            break;
        case ESlot::Fout:
            bezet_ =
                Formatteer("Het slotbestand '%s' kan niet gemaakt worden.\nDe reden: '%s'",
                           SlotPad(competitie.datafile).c_str(), SysteemFoutTekst(fout).c_str());
            Meld(bezet_ + "\nDe competitie wordt alleen lezen geopend.");
            alleenLezen_ = true;
            break;
        }
    }
    gelezen_ = competitie.Lees() == 0;
    if (gelezen_) {
        // Open read-only, the recovery copy is the other program's.
        if (!alleenLezen_) {
            BiedHerstelAan();
        }
        // After the recovery: the pairing is checked against the register as it now is.
        LeesIndeling();
        LeesBlokkades();
    }
    return gelezen_ ? 0 : -1;
}

int CMorvelApp::VerlaatCompetitie() {
    if (alleenLezen_) {
        // Another program writes this competition; nothing here is written.
        competitie.VergeetWijzigingen();
        alleenLezen_ = false;
        bezet_.clear();
        return 0;
    }
    if (geweigerd_ && competitie.IsGewijzigd() && BewaarHerstel() == 0) {
        // Asked before: the other program's version stays in the data file,
        // and ours in the recovery copy, offered when the competition is opened.
        competitie.VergeetWijzigingen();
        geweigerd_ = false;
        slot_.Geef();
        return 0;
    }
    geweigerd_ = false;
    if (competitie.Schrijf() == 0) {
        VerwijderHerstel();
        slot_.Geef();
        return 0;
    }
    if (competitie.OverschrijvenGeweigerd() && BewaarHerstel() == 0) {
        geweigerd_ = true;
        Meld(Formatteer("De competitie '%s' is niet geschreven en blijft open met haar "
                        "wijzigingen; die staan ook in de herstelkopie '%s'.\nVerlaat u de "
                        "competitie nog eens, dan blijven beide versies bewaard: die van het "
                        "andere programma in de datafile en de uwe in de herstelkopie, die "
                        "Morvel aanbiedt als u de competitie weer opent.",
                        geopend_.c_str(), HerstelPad().c_str()));
    }
    return -1;
}

bool CMorvelApp::SluitAf(bool vragen) {
    if (afgesloten_) {
        return true;
    }
    if (VerlaatCompetitie() != 0) {
        if (geweigerd_) {
            return false; // staying was the administrator's own choice
        }
        if (vragen && Meld("De wijzigingen in de competitie zijn niet opgeslagen.\n"
                           "Toch afsluiten? De wijzigingen gaan dan verloren.",
                           Knoppen::JaNeeStdNee) != Antwoord::Ja) {
            return false;
        }
    }
    slot_.Geef();
    afgesloten_ = true;
    VoerUploadsUit();
    return true;
}

bool CMorvelApp::MagWijzigen() const {
    if (!alleenLezen_) {
        return true;
    }
    Meld(Formatteer("De competitie '%s' is alleen geopend om te lezen; wijzigingen zijn niet "
                    "mogelijk.\n%s",
                    geopend_.c_str(), bezet_.c_str()));
    return false;
}

int CMorvelApp::NeemSlot() {
    CSlotHouder houder;
    int fout = 0;
    if (slot_.Neem(competitie.datafile, houder, fout) != ESlot::Bezet) {
        // A lock that cannot be made (a folder gone or not writable) leaves
        // the write to report its own failure.
        return 0;
    }
    Meld(BezetTekst(PeriodeNaam(), SlotPad(competitie.datafile), houder) +
         "\nEr is niets geschreven.");
    return -1;
}

int CMorvelApp::SchrijfToegang() {
    if (!MagWijzigen()) {
        return -1;
    }
    return slot_.Houdt(competitie.datafile) ? 0 : NeemSlot();
}

int32_t CMorvelApp::GeneratiesTeBewaren() const {
    return std::max(settings.Geschiedenis(), 0);
}

std::string NieuweNaamFout(const std::string& naam, const std::vector<std::string>& bestaande) {
    if (naam.empty()) {
        return "Geef de nieuwe competitie een identificatie.";
    }
    for (char c : naam) {
        auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == ':' || c == '\\' || u < 0x20 || u == 0x7F) {
            return "De identificatie mag geen '/', ':', '\\' of onzichtbare tekens bevatten.";
        }
    }
    for (const std::string& b : bestaande) {
        if (GelijkZonderHoofdletters(b, naam)) {
            return Formatteer("De competitie '%s' bestaat al.", b.c_str());
        }
    }
    return "";
}

int CMorvelApp::MaakNieuweCompetitie(const std::string& gegeven, const std::string& bronMap,
                                     EBeginKlasse klassen) {
    std::string naam = gegeven;
    NormaliseerPad(naam);
    std::string fout = NieuweNaamFout(naam, Competities());
    std::string map = PadSamen(DataMap(), naam);
    std::string datafile = PadSamen(map, naam + ".txt");
    std::error_code bestaat;
    if (fout.empty() &&
        (!EersteDataFile(map).empty() || fs::exists(NaarFsPad(datafile), bestaat))) {
        // A folder left from an earlier attempt: its data is never overwritten.
        fout = Formatteer("De map '%s' bevat al een databestand; de nieuwe competitie is niet "
                          "gemaakt.",
                          map.c_str());
    }
    if (!fout.empty()) {
        Meld(fout);
        return -1;
    }
    // The open competition first: when it cannot be stored, nothing else happens.
    if (VerlaatCompetitie() != 0) {
        return -1;
    }
    std::error_code mapFout;
    bool mapWasEr = IsMap(map);
    fs::create_directories(NaarFsPad(map), mapFout);
    if (!IsMap(map)) {
        Meld("Kan de nieuwe map niet maken.\n'" + map + "'\n(" +
             SysteemFoutTekst(mapFout ? mapFout.value() : ENOTDIR) + ")");
        return -1;
    }

    CSpelers& spelers = competitie.spelers;
    spelers.Clear();
    competitie.rondes.Clear();
    indeling.Clear();
    blokkades.Clear();
    if (!bronMap.empty()) {
        competitie.competitieMap = bronMap;
        competitie.datafile = EersteDataFile(bronMap);
        const bool gelezen = !competitie.datafile.empty() && competitie.Lees() == 0;
        if (gelezen) {
            // The players come along, and so do the pairs that must never be played.
            LeesBlokkades();
        }
        if (gelezen && klassen != EBeginKlasse::Begin) {
            CStandFormules formules = ActieveStandFormules(settings);
            BerekenStand(spelers, competitie.rondes, -1, formules);
            for (CSpeler& speler : spelers) {
                int64_t afgerond = (int64_t{speler.klasse} + 5) / 10 * 10;
                speler.beginKlasse = klassen == EBeginKlasse::Einde
                                         ? speler.klasse
                                         : static_cast<int32_t>(std::min<int64_t>(
                                               afgerond, std::numeric_limits<int32_t>::max()));
                speler.klasse = speler.beginKlasse;
            }
        }
    }
    competitie.rondes.Clear();
    spelers.ZetGewijzigd();
    competitie.rondes.ZetGewijzigd();
    competitie.competitieMap = map;
    competitie.datafile = datafile;
    competitie.SetFormaat(2);
    geopend_ = naam;
    gelezen_ = true;
    if (competitie.Schrijf() != 0) {
        // Nothing of the new competition stays behind, so that a retry (after
        // space was freed, say) finds the name free; the old one was written above.
        competitie.Sluit();
        slot_.Geef();
        geopend_.clear();
        gelezen_ = false;
        if (!mapWasEr) {
            fs::remove(NaarFsPad(map), mapFout);
        }
        return -1;
    }
    if (!blokkades.Leeg()) {
        BewaarBlokkades();
    }
    return 0;
}

void CMorvelApp::VoerUploadsUit() {
    int masker = UploadMasker(uploadNodig);
    if (masker == 0) {
        return;
    }
    CUploadDoel doel;
    doel.competitieMap = competitie.competitieMap;
    doel.competitieId = PeriodeNaam();
    CUploadRun run(settings, doel, masker);
    if (uploadVenster) {
        uploadVenster(run);
    } else {
        CUploadVerslag verslag;
        CUploadOmgeving zonderVenster;
        run.Voer(verslag, zonderVenster);
    }
    WisVerzonden(uploadNodig, run.Masker());
}

int CMorvelApp::OpenCompetitie(const std::string& map) {
    int gelezen = ::OpenCompetitie(competitie, map, DataMap());
    if (gelezen == 0) {
        MeldHerstel();
    }
    return gelezen;
}

std::string CMorvelApp::PeriodeNaam() const {
    return MapNaam(competitie.competitieMap);
}

std::string VanafProgrammaMap(const std::string& pad) {
    if (pad.empty() || pad[0] == '/') {
        return pad;
    }
    std::string map = WerkMap();
    std::string programma;
    if (map.empty()) {
        if (!ProgrammaPad(programma)) {
            return pad;
        }
        map = MapVanPad(programma);
    }
    if (pad == ".") {
        return map;
    }
    return PadSamen(map, pad.compare(0, 2, "./") == 0 ? pad.substr(2) : pad);
}
