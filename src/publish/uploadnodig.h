#pragma once
// The four HTML include files and the flags that mark them for upload.

enum class HtmlBestand { Uitslag, Uitslagen, Stand, Indeling };
inline constexpr int kAantalHtmlBestanden = 4;

// The file name: "uitslag.inc", "uitslagen.inc", "stand.inc" or "indeling.inc".
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
    bool Iets() const { return vlaggen_[0] || vlaggen_[1] || vlaggen_[2] || vlaggen_[3]; }

private:
    static int Index(HtmlBestand bestand) { return static_cast<int>(bestand); }
    bool vlaggen_[kAantalHtmlBestanden] = {};
};
