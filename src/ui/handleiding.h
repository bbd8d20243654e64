#pragma once
// The Dutch manual, one HTML file with a section per window: where the
// program finds it, and the help window that shows it at a section.

#include <string>
#include <vector>

inline constexpr const char* kHandleidingBestand = "handleiding.html";
inline constexpr const char* kHandleidingTitel = "Handleiding";
// The section of the help window itself and the start of the manual.
inline constexpr const char* kHulpAnker = "help";
inline constexpr const char* kInhoudAnker = "inhoud";

// Where the manual of the program file `programma` may be, in this order:
// beside the program (a portable installation, and the build tree, which
// copies it there), then share/morvel/ beside the program's bin/ folder
// (an installation).
std::vector<std::string> HandleidingPlaatsen(const std::string& programma);

// The names of the sections (<a name="...">) of a manual's text, in order.
std::vector<std::string> HandleidingAnkers(const std::string& html);

// The help window: the manual, found at the first of `plaatsen` that is a
// file, shown at a section.
class CHandleidingVenster {
public:
    CHandleidingVenster(const std::vector<std::string>& plaatsen, std::string anker);

    // The manual's path; empty when it was found nowhere.
    const std::string& Bestand() const { return bestand_; }
    // The section shown (empty: the start).
    const std::string& Anker() const { return anker_; }
    void KiesAnker(const std::string& anker) { anker_ = anker; }
    // What the window shows without a manual: where it was looked for.
    std::string NietGevondenTekst() const;

private:
    std::vector<std::string> plaatsen_;
    std::string bestand_;
    std::string anker_;
};
