#pragma once
// The small text files Morvel keeps beside a data file: a first line that
// names the kind of file, then lines "sleutel=waarde". A value may hold
// fields separated by tabs; a backslash, tab, CR or LF inside a field is
// written as "\\", "\t", "\r" or "\n", so that any text comes back as it was.
// Written with CR LF; read with LF alone as well.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// No file of our own comes near this size; a larger one is not ours.
inline constexpr size_t kMaxEigenBestand = 8 * 1024 * 1024;

struct CEigenRegel {
    std::string sleutel;
    std::string waarde;
    int nummer = 0; // the line's number in the file, counted from 1
};

// The whole file: `kop`, then every line "sleutel=waarde".
std::string EigenBestandTekst(std::string_view kop,
                              const std::vector<std::pair<std::string, std::string>>& regels);

// Takes the file apart. False when its first line is not `kop` (a file that
// is not ours). Empty lines are skipped; a line without '=' gets an empty
// key and the whole line as its value, for the reader to report.
bool SplitsEigenBestand(std::string_view inhoud, std::string_view kop,
                        std::vector<CEigenRegel>& regels);

// Why the value of a "versie" line is not a version up to `hoogste`; empty when it is.
std::string VersieFout(const std::string& waarde, int hoogste);
// "regel N: reden", for the messages of the readers.
std::string RegelFout(const CEigenRegel& regel, const std::string& reden);
inline constexpr const char* kOnbekendeRegel = "onbekende of dubbele regel";

// One value from fields, and the fields of a value.
std::string VeldenWaarde(const std::vector<std::string>& velden);
std::vector<std::string> LeesVelden(std::string_view waarde);

// How reading a file of our own ended.
enum class EEigenLezen {
    Gelezen,
    Afwezig,
    Vreemd,     // not a regular file, too large, or its first line is not ours
    Onleesbaar, // the system could not read it; `fout` (errno) says why
};

// Reads the file of our own at `pad` with the care of the data file: only a
// regular file of a sane size is opened.
EEigenLezen LeesEigenBestand(const std::string& pad, std::string_view kop,
                             std::vector<CEigenRegel>& regels, int& fout);
