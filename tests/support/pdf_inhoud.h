#pragma once
// What a PDF file holds, for tests of printing: its pages and its text (the
// text through pdftotext from poppler-utils, which scripts/install-deps installs).

#include "base/witruimte.h"
#include "tijdelijke_map.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// The number of page objects in the PDF file at `pad`.
inline int PdfPaginas(const std::string& pad) {
    const std::string pdf = LeesAlles(pad);
    const std::string sleutel = "/Type /Page";
    int aantal = 0;
    for (size_t p = pdf.find(sleutel); p != std::string::npos; p = pdf.find(sleutel, p + 1)) {
        if (pdf.compare(p, sleutel.size() + 1, sleutel + "s") != 0) {
            ++aantal;
        }
    }
    return aantal;
}

// The text of pages `eerste` to `laatste` (from 1; 0 for all) in reading
// order with the columns kept.
inline std::string PdfTekst(const std::string& pad, int eerste = 0, int laatste = 0) {
    EXPECT_EQ(std::string::npos, pad.find('\'')) << pad;
    std::string opdracht = "pdftotext -layout";
    if (eerste > 0) {
        opdracht += " -f " + std::to_string(eerste) + " -l " + std::to_string(laatste);
    }
    opdracht += " '" + pad + "' - 2>&1";
    std::string tekst;
    FILE* uit = ::popen(opdracht.c_str(), "r");
    if (!uit) {
        ADD_FAILURE() << "cannot run pdftotext";
        return tekst;
    }
    char blok[4096];
    for (size_t n; (n = std::fread(blok, 1, sizeof blok, uit)) > 0;) {
        tekst.append(blok, n);
    }
    EXPECT_EQ(0, ::pclose(uit)) << "pdftotext failed (is poppler-utils installed?): " << tekst;
    return tekst;
}

// The lines of `tekst` that hold anything, each with its white space
// normalised (tabs and runs of blanks become one blank), in order; a form
// feed (between pages) ends a line.
inline std::vector<std::string> GevuldeRegels(std::string tekst) {
    std::vector<std::string> regels;
    for (char& c : tekst) {
        if (c == '\f') {
            c = '\n';
        }
    }
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) {
        NormaliseerWitruimte(regel);
        if (!regel.empty()) {
            regels.push_back(regel);
        }
    }
    return regels;
}
