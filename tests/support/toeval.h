#pragma once
// A small seeded generator of odd texts for the property tests: the same
// seed gives the same cases on every machine.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class CToeval {
public:
    explicit CToeval(uint32_t zaad) : bron_(zaad) {}

    // 0 .. n-1.
    size_t Onder(size_t n) { return n == 0 ? 0 : bron_() % n; }
    bool Kans(int procent) { return Onder(100) < static_cast<size_t>(procent); }
    template <typename T> const T& Kies(const std::vector<T>& keuzes) {
        return keuzes[Onder(keuzes.size())];
    }

    // A number as text: small, around the limits of the layouts, or too large.
    std::string Getal() {
        static const std::vector<std::string> bijzonder = {
            "0", "99", "100", "999", "2147483647", "2147483648", "99999999999", "007", ""};
        return Kans(25) ? Kies(bijzonder) : std::to_string(Onder(Kans(50) ? 30 : 300));
    }

    // A text of up to `lengte` pieces: letters, blanks and tabs, quotes,
    // braces, control characters, bytes above 0x7F and now and then a long run.
    std::string Tekst(size_t lengte = 6) {
        static const std::vector<std::string> stukken = {
            "Jan",       "de",       "Vries",
            " ",         "  ",       "\t",
            "\"",        "'",        "{",
            "}",         "[",        "]",
            ";",         "=",        "+",
            "-",         "?",        "0",
            "7",         "J",        "N",
            "Uitgeloot", "klasse(",  ")",
            "versie",    "Speeldag", std::string(1, '\0'),
            "\x01",      "\x1B",     "\x7F",
            "\r",        "\xE9",     "\x80",
            "\x81",      "\xFF",     "\xA0",
            "#"};
        std::string tekst;
        size_t aantal = Onder(lengte + 1);
        for (size_t i = 0; i < aantal; ++i) {
            tekst += Kans(2) ? std::string(Onder(1100), 'x') : Kies(stukken);
        }
        return tekst;
    }

    // A line end: mostly CR LF, else LF, now and then a lone CR.
    std::string RegelEinde() {
        size_t keuze = Onder(20);
        return keuze < 14 ? "\r\n" : keuze < 19 ? "\n" : "\r";
    }

private:
    std::mt19937 bron_;
};
