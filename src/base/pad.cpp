#include "base/pad.h"

std::string PadSamen(const std::string& map, const std::string& naam) {
    if (map.empty()) {
        return naam;
    }
    std::string begin = ZonderSlotSchuine(map);
    return (begin == "/" ? "" : begin) + "/" + naam;
}

std::string ZonderSlotSchuine(std::string pad) {
    while (pad.size() > 1 && pad.back() == '/') {
        pad.pop_back();
    }
    return pad;
}

std::string MapVanPad(const std::string& pad) {
    std::string zonder = ZonderSlotSchuine(pad);
    auto schuine = zonder.find_last_of('/');
    if (schuine == std::string::npos) {
        return ".";
    }
    return schuine == 0 ? "/" : zonder.substr(0, schuine);
}

std::string LaatsteDeel(const std::string& pad) {
    std::string zonder = ZonderSlotSchuine(pad);
    auto schuine = zonder.find_last_of('/');
    return schuine == std::string::npos ? zonder : zonder.substr(schuine + 1);
}
