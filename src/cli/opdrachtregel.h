#pragma once
// The headless command line: `morvel COMMAND ...` works on the same profile and
// data as the main window, without a display. Listings go to standard output,
// messages to standard error, and the exit status tells what happened.

#include "base/getal.h"
#include "cli/afsluitcodes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The arguments of one command: positional words (Windows-1252) and options.
class CArgumenten {
public:
    std::vector<std::string> woorden;
    std::map<std::string, std::vector<std::string>> opties; // "--naam" -> values
    std::string profiel; // the global option --profiel, empty for the default

    bool Heeft(const std::string& optie) const { return opties.count(optie) != 0; }
    // The last value given for `optie`, or `standaard`.
    std::string Waarde(const std::string& optie, const std::string& standaard = "") const;
    const std::vector<std::string>& Waarden(const std::string& optie) const;
};

struct COptie {
    const char* naam; // with its dashes, e.g. "--formaat"
    bool heeftWaarde;
};

struct COpdracht {
    const char* naam;
    const char* gebruik;      // the arguments after the name, for the help
    const char* omschrijving; // one line for the help
    std::vector<COptie> opties;
    size_t minWoorden;
    size_t maxWoorden;
    int (*uitvoeren)(const CArgumenten& argumenten);
};

// Two player numbers written "3-7", as options name a pair; false otherwise.
bool LeesNummerPaar(const std::string& tekst, int32_t& een, int32_t& twee);

// Writes `tekst` (Windows-1252) and a pointer to the help to standard error
// and returns kGebruiksFout.
int Gebruiksfout(const std::string& tekst);

// Runs the command line `argumenten` (without the program name). Returns the
// exit status. `argumenten` may be empty only when the caller shows the window.
int VoerOpdrachtregelUit(const std::vector<std::string>& argumenten);

// The global option --profiel taken out of a command line: it may stand
// anywhere before "--". `profiel` is Windows-1252, empty for the default;
// `rest` holds every other argument in its order. False when --profiel has
// no path after it.
struct CAlgemeneOpties {
    std::string profiel;
    std::vector<std::string> rest;
    bool geldig = true;
};
CAlgemeneOpties LeesAlgemeneOpties(const std::vector<std::string>& argumenten);

// True when `argumenten` name a command or ask for help (or cannot be
// understood), i.e. no window is wanted.
bool IsOpdrachtregel(const std::vector<std::string>& argumenten);

// The commands with their options, in the order of the help.
const std::vector<COpdracht>& Opdrachten();
const COpdracht* ZoekOpdracht(const std::string& naam);

// The help text in UTF-8.
std::string HulpTekst();

// Writes Windows-1252 text to standard output as UTF-8.
void SchrijfUit(const std::string& tekst);
