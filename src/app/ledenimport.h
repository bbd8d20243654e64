#pragma once
// Reading a member list from a spreadsheet (CSV): which columns hold the
// name, the class and the three flags, and for every row what adding it
// would do. The rows that are new are added through the register's own rules.

#include "base/csvlezer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CSpelers;

enum class EImportUitkomst {
    Nieuw,            // will be added
    BestaatAl,        // a member of that name is in the register
    DubbelInBestand,  // an earlier row of the file has the name
    NaamOntbreekt,    // the name cell is empty
    NaamOngeldig,     // a name the data file cannot hold
    KlasseOnleesbaar, // no class in any of the notations
    VlagOnleesbaar,   // a flag that is no J/N, ja/nee or 1/0
};

// One row of the file with what happens to it.
struct CImportRij {
    int regel = 0;           // its line in the file
    std::string naam;        // white space normalised
    std::string klasseTekst; // as the file writes it
    int32_t klasse = 0;      // in tenths, when it could be read
    int32_t aktief = 1;
    int32_t standaardIndelen = 1;
    int32_t uitlotenToegestaan = 1;
    EImportUitkomst uitkomst = EImportUitkomst::Nieuw;
    int32_t volgnummer = 0; // the number a new member gets

    bool Nieuw() const { return uitkomst == EImportUitkomst::Nieuw; }
    // "nieuw, nummer 14", "bestaat al: overgeslagen", "klasse onleesbaar: overgeslagen", ...
    std::string UitkomstTekst() const;
};

// The columns of the file, counted from 0; -1 when it has none.
struct CImportKolommen {
    int naam = -1;
    int voornaam = -1; // a name in parts: first name, infix, surname
    int tussenvoegsel = -1;
    int achternaam = -1;
    int klasse = -1;
    int aktief = -1;
    int standaardIndelen = -1;
    int uitlotenToegestaan = -1;
};

struct CLedenImport {
    ECsvCodering codering = ECsvCodering::Utf8;
    char scheiding = ';';
    bool kopregel = false; // the first row names the columns
    CImportKolommen kolommen;
    std::vector<CImportRij> rijen;

    size_t AantalNieuw() const;
    // One line on how the file was read: separator, character set, header
    // and the columns taken.
    std::string Samenvatting() const;
};

// Reads the file at `pad`, only when it is a regular file of a sane size: 0,
// or -1 after a message when it cannot be read, is no text, holds no rows, or
// has no column of names or classes.
int LeesLedenlijst(const std::string& pad, const CSpelers& spelers, CLedenImport& import);
// The same for the contents of a file; `bron` names it in the messages.
int BekijkLedenlijst(std::string_view inhoud, const std::string& bron, const CSpelers& spelers,
                     CLedenImport& import);

// One line per row for the preview: its line, the name, the class as written
// with the class it gives and its grade, the flags (J or N) and what happens,
// separated by tabs.
std::vector<std::string> ImportRijen(const CLedenImport& import);

struct CImportTelling {
    int toegevoegd = 0;
    int overgeslagen = 0;
};
// Adds every new row with `VoegToe` of the register, numbered on from its
// highest number; a row the register refuses shows its message and counts as
// skipped.
CImportTelling VoegLedenToe(const CLedenImport& import, CSpelers& spelers);
// The message at the end: "3 leden toegevoegd, 2 overgeslagen." and the like.
std::string ImportSlotTekst(const CImportTelling& telling);
