#include "base/witruimte.h"

#include <algorithm>

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

std::string KleineLetters(std::string tekst) {
    for (char& c : tekst) {
        c = KleineLetter(c);
    }
    return tekst;
}

bool GelijkZonderHoofdletters(std::string_view a, std::string_view b) {
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

int VergelijkZonderHoofdletters(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(KleineLetter(a[i]));
        auto y = static_cast<unsigned char>(KleineLetter(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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
