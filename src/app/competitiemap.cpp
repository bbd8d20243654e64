#include "app/competitiemap.h"

#include "base/codering.h"
#include "base/mappen.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/witruimte.h"
#include "data/competitie.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Alphabetical order ignoring the case of A-Z; names that differ in case only
// keep a fixed order by their bytes.
bool AlfabetischVoor(const std::string& a, const std::string& b) {
    int verschil = VergelijkZonderHoofdletters(a, b);
    return verschil != 0 ? verschil < 0 : a < b;
}

bool EindigtOpTxt(const std::string& naam) {
    if (naam.size() < 4) {
        return false;
    }
    return GelijkZonderHoofdletters(naam.substr(naam.size() - 4), ".txt");
}

} // namespace

std::string EersteDataFile(const std::string& map) {
    std::error_code fout;
    std::vector<std::string> namen;
    for (fs::directory_iterator it(NaarFsPad(map), fout), eind; !fout && it != eind;
         it.increment(fout)) {
        std::string naam = Utf8NaarCp1252(it->path().filename().string());
        if (EindigtOpTxt(naam) && it->is_regular_file(fout)) {
            namen.push_back(naam);
        }
    }
    if (namen.empty()) {
        return "";
    }
    std::sort(namen.begin(), namen.end());
    return PadSamen(map, namen.front());
}

int OpenCompetitie(CCompetitie& competitie, const std::string& map, const std::string& dataPad) {
    std::error_code fout;
    std::string pad = ZonderSlotSchuine(map);
    if (fs::is_regular_file(NaarFsPad(pad), fout)) {
        fs::path bestand = NaarFsPad(pad);
        competitie.competitieMap =
            bestand.has_parent_path() ? VanFsPad(bestand.parent_path()) : std::string(".");
        competitie.datafile = pad;
    } else {
        if (!fs::is_directory(NaarFsPad(pad), fout) && pad.find('/') == std::string::npos) {
            pad = PadSamen(dataPad, pad);
        }
        if (!fs::is_directory(NaarFsPad(pad), fout)) {
            Meld("De competitie '" + map + "' bestaat niet.");
            return -1;
        }
        competitie.competitieMap = pad;
        competitie.datafile = EersteDataFile(pad);
        if (competitie.datafile.empty()) {
            Meld("De competitie '" + map + "' heeft geen databestand (.txt).");
            return -1;
        }
    }
    return competitie.Lees();
}

std::string MapNaam(const std::string& map) {
    return LaatsteDeel(map);
}

std::vector<std::string> CompetitieNamen(const std::string& dataPad) {
    std::error_code fout;
    std::vector<std::string> namen;
    for (fs::directory_iterator it(NaarFsPad(dataPad.empty() ? "." : dataPad), fout), eind;
         !fout && it != eind; it.increment(fout)) {
        std::string naam = Utf8NaarCp1252(it->path().filename().string());
        if (!naam.empty() && naam[0] != '.' && it->is_directory(fout)) {
            namen.push_back(naam);
        }
    }
    std::sort(namen.begin(), namen.end(), AlfabetischVoor);
    return namen;
}

int ZoekCompetitie(const std::vector<std::string>& namen, const std::string& begin) {
    for (size_t i = 0; i < namen.size(); ++i) {
        if (BegintMetZonderHoofdletters(namen[i].c_str(), begin.c_str())) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
