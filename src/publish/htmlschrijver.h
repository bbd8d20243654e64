#pragma once
// One include file being written: opened as its mode asks, closed with its
// upload flag.

#include "base/tekstbestand.h"
#include "publish/uploadnodig.h"

#include <string>
#include <string_view>

class CHtmlSchrijver {
public:
    CHtmlSchrijver(const std::string& competitieMap, HtmlBestand bestand, int modus,
                   CUploadNodig& uploadNodig);

    // Creates the file anew. While it cannot be opened the user is asked to
    // retry or cancel. False when the mode asks for no file or the user cancelled.
    bool Open();
    void Schrijf(std::string_view tekst) { bestand_.Schrijf(tekst); }
    CTekstBestand& Bestand() { return bestand_; }
    // Closes the file. With `uploaden` and mode 2 the file is marked for upload,
    // but only when it was written completely; a failed write is reported.
    void Sluit(bool uploaden);

private:
    std::string pad_;
    HtmlBestand soort_;
    int modus_;
    CUploadNodig& uploadNodig_;
    CTekstBestand bestand_;
};

// The head of the results and pairing tables: the table and its three columns.
inline constexpr const char* kHtmlTabelKop = "<Table CellSpacing=\"0\" Border=\"1\">\n"
                                             "<Col Align=\"Left\">\n"
                                             "<Col Align=\"Left\">\n"
                                             "<Col Align=\"Center\">\n";
