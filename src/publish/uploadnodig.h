#pragma once
// The include files for the club's site (four HTML fragments and the class
// chart) and the flags that mark them for upload.

#include <algorithm>
#include <iterator>

enum class HtmlBestand { Uitslag, Uitslagen, Stand, Indeling, Klassenverloop };
inline constexpr int kAantalHtmlBestanden = 5;

// The file name: "uitslag.inc", "uitslagen.inc", "stand.inc", "indeling.inc"
// or "klassenverloop.svg".
const char* HtmlBestandsNaam(HtmlBestand bestand);

// Modes of an include file. Any mode from 1 writes the file; exactly 2 also
// marks it for upload.
inline constexpr int kHtmlNietAanmaken = 0;
inline constexpr int kHtmlAanmaken = 1;
inline constexpr int kHtmlUploaden = 2;

// Set when a file has been written completely for upload, cleared when it has
// been uploaded. Never stored.
class CUploadNodig {
public:
    bool Nodig(HtmlBestand bestand) const { return vlaggen_[Index(bestand)]; }
    void Zet(HtmlBestand bestand) { vlaggen_[Index(bestand)] = true; }
    void Wis(HtmlBestand bestand) { vlaggen_[Index(bestand)] = false; }
    bool Iets() const {
        return std::any_of(std::begin(vlaggen_), std::end(vlaggen_), [](bool v) { return v; });
    }

private:
    static int Index(HtmlBestand bestand) { return static_cast<int>(bestand); }
    bool vlaggen_[kAantalHtmlBestanden] = {};
};
