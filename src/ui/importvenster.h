#pragma once
// The preview of a member list ("Leden importeren"): every row of the file
// with what will happen to it. "&Importeren" adds the new rows through the
// register; "Afbreken" adds nothing.

#include "app/ledenimport.h"

#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kImportTitel = "Morvel Competitie Beheer / Leden importeren";

class CImportVenster {
public:
    // `import` is the file as read for the open competition's register.
    CImportVenster(CMorvelApp& app, std::string bestand, CLedenImport import);

    // "Bestand: ...", the way the file was read, and how many rows are new.
    std::vector<std::string> Kop() const;
    // One line per row of the file: its line, the name, the class as written
    // with the class it gives and its grade, the flags and what happens.
    const std::vector<std::string>& Rijen() const { return rijen_; }
    // "&Importeren" when at least one row is new.
    bool ImporterenAan() const { return import_.AantalNieuw() > 0; }

    // "&Importeren": adds the new rows, writes the recovery copy and shows
    // how many were added and skipped. 0 when anything was added.
    int Importeren();
    const CImportTelling& Telling() const { return telling_; }

private:
    CMorvelApp& app_;
    std::string bestand_;
    CLedenImport import_;
    std::vector<std::string> rijen_;
    CImportTelling telling_;
};
