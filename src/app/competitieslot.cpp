#include "app/competitieslot.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "base/pad.h"
#include "base/platform.h"
#include "base/regellezer.h"
#include "base/witruimte.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

namespace {

constexpr const char* kKop = "[Morvel slot]";

std::string LokaleTijd(int64_t seconden) {
    auto tijd = static_cast<std::time_t>(seconden);
    std::tm tm{};
    ::localtime_r(&tijd, &tm);
    char tekst[32];
    std::strftime(tekst, sizeof tekst, "%d-%m-%Y %H:%M:%S", &tm);
    return tekst;
}

// A lock left behind: made on this computer by a process that is gone, or
// whose number now belongs to another program.
bool Verlaten(const CSlotHouder& houder) {
    if (houder.computer != ComputerNaam()) {
        return false;
    }
    std::string programma;
    if (!ProcesLeeft(houder.proces, programma)) {
        return true;
    }
    return !programma.empty() && !houder.programma.empty() && programma != houder.programma;
}

bool LeesSlot(const std::string& pad, CSlotHouder& houder) {
    std::string tekst;
    int fout = 0;
    houder = {};
    return LeesBestand(pad, tekst, fout) && LeesSlotTekst(tekst, houder);
}

} // namespace

std::string SlotPad(const std::string& datafile) {
    return PadSamen(MapVanPad(datafile), "." + LaatsteDeel(datafile) + ".slot");
}

std::string SlotTekst(const CSlotHouder& houder) {
    return Formatteer("%s\r\ncomputer=%s\r\ngebruiker=%s\r\nproces=%lld\r\nprogramma=%s\r\n"
                      "tijd=%lld\r\nsinds=%s\r\n",
                      kKop, houder.computer.c_str(), houder.gebruiker.c_str(),
                      static_cast<long long>(houder.proces), houder.programma.c_str(),
                      static_cast<long long>(houder.tijd), LokaleTijd(houder.tijd).c_str());
}

bool LeesSlotTekst(const std::string& tekst, CSlotHouder& houder) {
    houder = {};
    CRegelLezer lezer(tekst);
    std::string regel;
    if (!lezer.VolgendeRegel(regel)) {
        return false;
    }
    NormaliseerWitruimte(regel);
    if (regel != kKop) {
        return false;
    }
    bool proces = false;
    bool tijd = false;
    while (lezer.VolgendeRegel(regel)) {
        while (!regel.empty() && (regel.back() == '\n' || regel.back() == '\r')) {
            regel.pop_back();
        }
        size_t is = regel.find('=');
        if (is == std::string::npos) {
            continue;
        }
        std::string sleutel = regel.substr(0, is);
        std::string waarde = regel.substr(is + 1);
        // Morvel never writes a control character into a lock.
        for (char c : waarde) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                return false;
            }
        }
        int32_t getal = 0;
        if (sleutel == "computer") {
            houder.computer = waarde;
        } else if (sleutel == "gebruiker") {
            houder.gebruiker = waarde;
        } else if (sleutel == "programma") {
            houder.programma = waarde;
        } else if (sleutel == "proces" && LeesGeheelGetal(waarde, getal) && getal > 0) {
            houder.proces = getal;
            proces = true;
        } else if (sleutel == "tijd") {
            char* eind = nullptr;
            long long seconden = std::strtoll(waarde.c_str(), &eind, 10);
            tijd = !waarde.empty() && eind && *eind == '\0' && seconden >= 0;
            houder.tijd = seconden;
        }
    }
    return proces && tijd && !houder.computer.empty();
}

std::string BezetTekst(const std::string& naam, const std::string& slot,
                       const CSlotHouder& houder) {
    if (houder.computer.empty()) {
        return Formatteer("De competitie '%s' is vergrendeld door het slotbestand '%s', dat niet "
                          "gelezen kan worden.\nHeeft geen ander programma de competitie open, "
                          "verwijder dan dat bestand.",
                          naam.c_str(), slot.c_str());
    }
    std::string tekst =
        Formatteer("De competitie '%s' is sinds %s geopend door %s op %s (proces %lld).",
                   naam.c_str(), LokaleTijd(houder.tijd).c_str(), houder.gebruiker.c_str(),
                   houder.computer.c_str(), static_cast<long long>(houder.proces));
    if (houder.computer != ComputerNaam()) {
        tekst += Formatteer("\nIs zij daar niet meer open, verwijder dan het slotbestand '%s'.",
                            slot.c_str());
    }
    return tekst;
}

ESlot CCompetitieSlot::Neem(const std::string& datafile, CSlotHouder& houder, int& fout) {
    const std::string pad = SlotPad(datafile);
    if (Houdt(datafile)) {
        return ESlot::Genomen;
    }
    Geef();
    // Programs that look at the lock of this folder take turns, so that two
    // of them never both take over the same lock left behind.
    CMapVergrendeling beurt(MapVanPad(datafile));
    CSlotHouder eigen{ComputerNaam(), GebruikersNaam(), ProcesNummer(), ProcesProgramma(),
                      static_cast<int64_t>(std::time(nullptr))};
    for (int poging = 0; poging < 2; ++poging) {
        if (MaakBestandExclusief(pad, SlotTekst(eigen), fout)) {
            pad_ = pad;
            eigen_ = eigen;
            return ESlot::Genomen;
        }
        if (fout != EEXIST) {
            return ESlot::Fout;
        }
        if (!LeesSlot(pad, houder) || !Verlaten(houder)) {
            return ESlot::Bezet;
        }
        VerwijderBestand(pad);
    }
    return ESlot::Bezet;
}

void CCompetitieSlot::Geef() {
    if (pad_.empty()) {
        return;
    }
    CSlotHouder houder;
    if (LeesSlot(pad_, houder) && houder == eigen_) {
        VerwijderBestand(pad_);
    }
    pad_.clear();
}

bool CCompetitieSlot::Houdt(const std::string& datafile) const {
    CSlotHouder houder;
    return !pad_.empty() && pad_ == SlotPad(datafile) && LeesSlot(pad_, houder) && houder == eigen_;
}
