#include "settings/profielplaats.h"

#include "base/codering.h"
#include "base/mappen.h"
#include "base/pad.h"
#include "base/platform.h"
#include "settings/profiel.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The XDG base folder: the variable when it holds an absolute path, else
// HOME/`standaard`; empty when neither gives one.
std::string BasisMap(const std::string& variabele, const std::string& home, const char* standaard) {
    if (!variabele.empty() && variabele[0] == '/') {
        return ZonderSlotSchuine(variabele);
    }
    if (!home.empty() && home[0] == '/') {
        return PadSamen(home, standaard);
    }
    return "";
}

// A variable as Windows-1252 text; one with characters outside it would name
// another folder and counts as unset.
std::string Omgeving(const char* naam) {
    const char* waarde = std::getenv(naam);
    if (!waarde) {
        return "";
    }
    std::string tekst = Utf8NaarCp1252(waarde);
    return Cp1252NaarUtf8(tekst) == waarde ? tekst : "";
}

std::string& WerkMapVanProces() {
    static std::string map;
    return map;
}

} // namespace

bool KiesProfielPlaats(const std::string& programma, const CGebruikersMappen& mappen,
                       CProfielPlaats& plaats) {
    std::string naast;
    if (!ProfielPadVoorProgramma(programma, naast)) {
        return false;
    }
    std::string config = BasisMap(mappen.xdgConfigHome, mappen.home, ".config");
    std::string data = BasisMap(mappen.xdgDataHome, mappen.home, ".local/share");
    if (BestaatBestand(naast) || config.empty() || data.empty()) {
        plaats = {naast, MapVanPad(programma), true};
    } else {
        plaats = {PadSamen(config, "morvel/morvel.ini"), PadSamen(data, "morvel"), false};
    }
    return true;
}

CGebruikersMappen HuidigeGebruikersMappen() {
    return {Omgeving("HOME"), Omgeving("XDG_CONFIG_HOME"), Omgeving("XDG_DATA_HOME")};
}

bool ProfielPlaatsVanDitProgramma(CProfielPlaats& plaats) {
    std::string programma;
    return ProgrammaPad(programma) &&
           KiesProfielPlaats(programma, HuidigeGebruikersMappen(), plaats);
}

std::string VoorbeeldMap(const std::string& programma) {
    return PadSamen(MapVanPad(MapVanPad(programma)), "share/morvel");
}

void BereidEersteStartVoor(const CProfielPlaats& plaats, const std::string& voorbeeld) {
    MaakMappen(plaats.profiel, true);
    MaakMappen(plaats.werkMap, false);
    if (BestaatBestand(plaats.profiel) || !IsMap(voorbeeld)) {
        return;
    }
    std::error_code fout;
    const fs::path bron = NaarFsPad(voorbeeld);
    // The profile will hold the upload password: for its owner only from the start.
    if (fs::copy_file(bron / "morvel.ini", NaarFsPad(plaats.profiel),
                      fs::copy_options::skip_existing, fout)) {
        fs::permissions(NaarFsPad(plaats.profiel), fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, fout);
    }
    for (const fs::directory_entry& deel : fs::directory_iterator(bron, fout)) {
        if (deel.path().filename() != "morvel.ini") {
            fs::copy(deel.path(), NaarFsPad(plaats.werkMap) / deel.path().filename(),
                     fs::copy_options::recursive | fs::copy_options::skip_existing, fout);
        }
    }
}

const std::string& WerkMap() {
    return WerkMapVanProces();
}

void ZetWerkMap(const std::string& map) {
    WerkMapVanProces() = map;
}
