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
    // -1 after a message when the file exists but cannot be read.
    int Lees();
    // Writes the profile safely (temporary file, then rename); a profile that
    // holds an upload password is readable by its owner only. Returns 0, or -1
    // after a message.
    int Schrijf();

    // The value of a text setting: at most kMaxTekstLengte characters, without
    // leading and trailing blanks, tabs, CR and LF. A value in double quotes
    // loses one surrounding pair and keeps what stands between them exactly.
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
    void ZetTekst(const std::string& sectie, const std::string& sleutel, const std::string& waarde);
    void ZetGetal(const std::string& sectie, const std::string& sleutel, int32_t waarde);

    const std::string& Pad() const { return pad_; }

private:
    // Index of the key's line, or -1.
    long ZoekSleutel(const std::string& sectie, const std::string& sleutel) const;

    std::string pad_;
    std::vector<std::string> regels_; // without their line ends
};

// Derives the profile path from the program file's path: the extension of the
// file name becomes "ini", and a name without one gets ".ini" appended (a dot
// in a folder name, or at the start of the file name, is no extension). False
// when the path has no file name.
bool ProfielPadVoorProgramma(const std::string& programma, std::string& profiel);
