#pragma once
// Reading a table as spreadsheets save it (CSV): the character set and the
// separator are found from the file itself, quoted fields may hold
// separators, quotes ("") and line ends.

#include <string>
#include <string_view>
#include <vector>

enum class ECsvCodering { Utf8, Utf8MetBom, Utf16, Windows1252 };

// The Dutch name of a character set, e.g. "UTF-8 met BOM".
const char* CoderingNaam(ECsvCodering codering);
// The Dutch name of a separator: "puntkomma", "komma" or "tab".
const char* ScheidingNaam(char scheiding);

struct CCsvTabel {
    ECsvCodering codering = ECsvCodering::Utf8;
    char scheiding = ';'; // ';', ',' or '\t'
    bool tekst = true;    // false when the bytes are no text (they hold a NUL)
    // The rows that hold anything, each cell in Windows-1252 as it stands
    // (without its quotes), and the line of the file where each row begins.
    std::vector<std::vector<std::string>> rijen;
    std::vector<int> regels;
};

// Reads `inhoud`: UTF-8 with or without a byte order mark, UTF-16 with one,
// otherwise Windows-1252. The separator is the one of tab, ';' and ',' that
// splits the first rows into the same number of cells most often (in that
// order when they tie).
CCsvTabel LeesCsv(std::string_view inhoud);
