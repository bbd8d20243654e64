#include "app/competitiemap.h"

#include "app/mappen.h"
#include "app/melding.h"
#include "data/codering.h"
#include "data/competitie.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool EindigtOpTxt(const std::string& naam) {
    if (naam.size() < 4) {
        return false;
    }
    std::string staart = naam.substr(naam.size() - 4);
    std::transform(staart.begin(), staart.end(), staart.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    return staart == ".txt";
}

std::string ZonderSlotSchuine(std::string pad) {
    while (pad.size() > 1 && pad.back() == '/') {
        pad.pop_back();
    }
    return pad;
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
    return ZonderSlotSchuine(map) + "/" + namen.front();
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
        if (!fs::is_directory(NaarFsPad(pad), fout) && !dataPad.empty() &&
            pad.find('/') == std::string::npos) {
            pad = ZonderSlotSchuine(dataPad) + "/" + pad;
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
    std::string pad = map;
    while (pad.size() > 1 && pad.back() == '/') {
        pad.pop_back();
    }
    auto schuine = pad.find_last_of('/');
    return schuine == std::string::npos ? pad : pad.substr(schuine + 1);
}
