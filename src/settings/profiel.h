#pragma once
// The settings profile: an INI file of sections ("[Naam]") holding lines
// "Sleutel=waarde". Section and key names are compared ignoring the case of
// A-Z; a missing file, section or key gives the caller's default. Changing a
// key replaces that one line or adds it (and its section); every other line of
// the file is kept as it was. The file is written with CR LF line ends and read
// with CR LF or LF. Paths and contents are Windows-1252 text.
//
// Work on a profile as read, change, write:
//     CProfiel profiel(pad);
//     if (profiel.Lees() != 0) return -1;
//     profiel.ZetTekst("Morvel", "DataPad", pad);
//     return profiel.Schrijf();

#include "base/getal.h"

#include <cstdint>
#include <string>
#include <vector>

// The longest text value: what a buffer of 260 bytes holds.
inline constexpr size_t kMaxTekstLengte = 259;

class CProfiel {
public:
    explicit CProfiel(std::string pad) : pad_(std::move(pad)) {}

    // Reads the file. A missing file counts as an empty profile. Returns 0, or
    // -1 after a message when the file exists but cannot be read or is no
    // profile of Morvel's (see LeesInhoud); the profile is then empty.
    int Lees();
    // Takes `inhoud` as the file's contents. Returns 0, or -1 after a message
    // when it is no profile: it reads as a data file, or it holds no section
    // of Morvel's and lines that are neither sections, keys, comments nor
    // empty (a binary file, say). The profile is then empty.
    int LeesInhoud(const std::string& inhoud);
    // Writes the profile safely (temporary file, then rename); a profile that
    // holds an upload password is readable by its owner only. Returns 0, or -1
    // after a message. A profile whose file was refused by Lees is never
    // written (-1, without a second message).
    int Schrijf();
    // The file as Schrijf writes it.
    std::string Inhoud() const;

    // The value of a text setting: at most kMaxTekstLengte characters, without
    // leading and trailing blanks, tabs, CR and LF. A value in double quotes
    // loses one surrounding pair and keeps what stands between them exactly.
    // A CR inside the value reads as a blank, as it is written.
    std::string Tekst(const std::string& sectie, const std::string& sleutel,
                      const std::string& standaard) const;
    // The value of an integer setting: the number formed by the first run of
    // decimal digits of the text value (0 when there is none; a minus sign is
    // not read). The default is given as text.
    int32_t Getal(const std::string& sectie, const std::string& sleutel,
                  const std::string& standaard) const;
    // Everything after the '=' of the key's line, untouched; false when the
    // key is missing.
    bool RuweWaarde(const std::string& sectie, const std::string& sleutel,
                    std::string& waarde) const;

    // Sets a key in memory. Line ends in the names or the value become blanks.
    // A value that Tekst would not give back as it is (white space at an end,
    // or a double quote at both ends) is written in double quotes.
    void ZetTekst(const std::string& sectie, const std::string& sleutel, const std::string& waarde);
    // The same, always in double quotes.
    void ZetAangehaaldeTekst(const std::string& sectie, const std::string& sleutel,
                             const std::string& waarde);
    void ZetGetal(const std::string& sectie, const std::string& sleutel, int32_t waarde);

    const std::string& Pad() const { return pad_; }

private:
    // Index of the key's line, or -1.
    long ZoekSleutel(const std::string& sectie, const std::string& sleutel) const;
    // The key's whole line, or nullptr.
    const std::string* Regel(const std::string& sectie, const std::string& sleutel) const;
    // Replaces or adds the line "sleutel=waarde" as it stands.
    void ZetRegel(const std::string& sectie, const std::string& sleutel, const std::string& waarde);

    // A line of the file without its line end, with what it is: a section,
    // a key or anything else, and for the first two its name in lower case,
    // so that a look-up runs through the lines without parsing them again.
    struct CRegel {
        explicit CRegel(std::string regel);
        std::string tekst;
        bool sectie = false;
        bool sleutel = false;
        std::string naam;
    };
    // Why the lines are no profile of Morvel's, or empty when they may be one.
    std::string WaaromGeenProfiel() const;
    // Where the lines change, so that every line keeps what it is.
    void VoegRegelIn(size_t plaats, std::string regel);

    std::string pad_;
    std::vector<CRegel> regels_;
    bool geweigerd_ = false; // Lees refused the file: never write it
};

// Derives the profile path from the program file's path: the extension of the
// file name becomes "ini", and a name without one gets ".ini" appended (a dot
// in a folder name, or at the start of the file name, is no extension). False
// when the path has no file name.
bool ProfielPadVoorProgramma(const std::string& programma, std::string& profiel);
