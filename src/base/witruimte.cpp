#include "base/witruimte.h"

namespace {
char KleineLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

void NormaliseerWitruimte(std::string& tekst) {
    std::string uit;
    uit.reserve(tekst.size());
    bool inWitruimte = false;
    for (char c : tekst) {
        if (IsWitruimte(c)) {
            inWitruimte = true;
            continue;
        }
        if (inWitruimte && !uit.empty()) {
            uit += ' ';
        }
        inWitruimte = false;
        uit += c;
    }
    tekst.swap(uit);
}

bool GelijkZonderHoofdletters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (KleineLetter(a[i]) != KleineLetter(b[i])) {
            return false;
        }
    }
    return true;
}

bool BegintMetZonderHoofdletters(const char* tekst, const char* begin) {
    for (; *begin; ++begin, ++tekst) {
        if (*tekst == '\0' || KleineLetter(*tekst) != KleineLetter(*begin)) {
            return false;
        }
    }
    return true;
}

void SlaWitruimteOver(const char*& p) {
    while (IsWitruimte(*p)) {
        ++p;
    }
}
