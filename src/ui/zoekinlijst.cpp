#include "ui/zoekinlijst.h"

#include "base/witruimte.h"

#include <array>

namespace {

// Each character of `tekst` found in `regel`, each search starting where the
// previous character was found.
bool InVolgorde(const std::string& regel, const std::string& tekst) {
    size_t plaats = 0;
    for (char c : tekst) {
        plaats = regel.find(c, plaats);
        if (plaats == std::string::npos) {
            return false;
        }
    }
    return true;
}

} // namespace

int ZoekInLijst(const std::vector<std::string>& regels, const std::string& zoekTekst) {
    std::string tekst = zoekTekst;
    NormaliseerWitruimte(tekst);
    tekst = KleineLetters(tekst);
    if (tekst.empty()) {
        return -1;
    }
    const std::string naTab = '\t' + tekst;
    const std::string naSpatie = ' ' + tekst;

    // The first line passing each test, strongest first: tab, blank, anywhere, in order.
    std::array<int, 4> eerste = {-1, -1, -1, -1};
    bool gevonden = false;
    for (size_t i = 0; i < regels.size(); ++i) {
        const std::string regel = KleineLetters(regels[i]);
        const std::array<bool, 3> test = {regel.find(naTab) != std::string::npos,
                                          regel.find(naSpatie) != std::string::npos,
                                          regel.find(tekst) != std::string::npos};
        for (size_t t = 0; t < test.size(); ++t) {
            if (test[t] && eerste[t] < 0) {
                eerste[t] = static_cast<int>(i);
                gevonden = true;
            }
        }
        if (!gevonden && InVolgorde(regel, tekst)) {
            eerste[3] = static_cast<int>(i);
            gevonden = true;
        }
    }
    for (int regel : eerste) {
        if (regel >= 0) {
            return regel;
        }
    }
    return -1;
}
