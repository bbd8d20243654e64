#pragma once
// The seam through which the command line prints a listing into a PDF file.
// The command line itself knows no printing: the program installs the
// windows part's page layout here before it runs a command.

#include <cstdint>
#include <string>

// Lays `lijst` (Windows-1252) out as printed pages in the font `lettertype`
// of `letterGrootte` tenths of a point and writes them to the PDF file `pad`.
// Returns the number of pages, or -1 after a message.
using PdfSchrijver = int (*)(const std::string& lijst, const std::string& lettertype,
                             int32_t letterGrootte, const std::string& pad);

// Installs `schrijver` and returns the previous one (nullptr: none).
PdfSchrijver ZetPdfSchrijver(PdfSchrijver schrijver);
PdfSchrijver HuidigePdfSchrijver();
