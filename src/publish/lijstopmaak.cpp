#include "publish/lijstopmaak.h"

namespace {
constexpr int kBreedte = 80;
}

std::string LijstTitel(const std::string& periode) {
    return "Morvel Competitie Beheer - " + periode;
}

void SchrijfGecentreerd(const std::string& titel, std::string& uit) {
    const long blanks = (kBreedte - static_cast<long>(titel.size())) / 2;
    if (blanks > 0) {
        uit.append(static_cast<size_t>(blanks), ' ');
    }
    uit += titel;
    uit += '\n';
}

void SchrijfStreep(std::string& uit) {
    uit += ' ';
    uit.append(kBreedte - 1, '-');
    uit += '\n';
}
