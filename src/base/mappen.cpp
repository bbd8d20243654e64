#include "base/mappen.h"

#include "base/codering.h"
#include "base/witruimte.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {
bool IsScheiding(char c) {
    return c == '/' || c == '\\';
}
} // namespace

std::string& NormaliseerPad(std::string& pad) {
    size_t begin = 0;
    while (begin < pad.size() && IsWitruimte(pad[begin])) {
        ++begin;
    }
    std::string uit;
    uit.reserve(pad.size() - begin);
    bool naScheiding = false;
    for (size_t i = begin; i < pad.size(); ++i) {
        if (!IsScheiding(pad[i])) {
            uit += pad[i];
        } else if (!naScheiding) {
            uit += '/';
        }
        naScheiding = IsScheiding(pad[i]);
    }
    while (!uit.empty() && IsWitruimte(uit.back())) {
        uit.pop_back();
    }
    if (!uit.empty() && uit.back() == '/') {
        uit.pop_back();
    }
    pad.swap(uit);
    return pad;
}

void MaakMappen(const std::string& pad, bool eindigtOpBestand) {
    std::error_code fout;
    for (size_t i = 0; i < pad.size(); ++i) {
        if (pad[i] == '/' && i > 0) {
            fs::create_directory(NaarFsPad(pad.substr(0, i)), fout);
        }
    }
    if (!eindigtOpBestand && !pad.empty()) {
        fs::create_directory(NaarFsPad(pad), fout);
    }
}

int IsMap(const std::string& pad) {
    std::error_code fout;
    return !pad.empty() && fs::is_directory(NaarFsPad(pad), fout) ? 1 : 0;
}

fs::path NaarFsPad(const std::string& pad) {
    return fs::path(Cp1252NaarUtf8(pad));
}

std::string VanFsPad(const fs::path& pad) {
    return Utf8NaarCp1252(pad.generic_string());
}
