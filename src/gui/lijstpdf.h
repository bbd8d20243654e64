#pragma once
// A listing printed into a PDF file without a display, for the command line
// (installed there as its PDF writer).

#include <cstdint>
#include <string>

// Lays `lijst` out as the printer does in the font `lettertype` of
// `letterGrootte` tenths of a point and writes the pages to the PDF file
// `pad`. Works without a Qt application and without a display. Returns the
// number of pages, or -1 after a message.
int SchrijfLijstPdf(const std::string& lijst, const std::string& lettertype, int32_t letterGrootte,
                    const std::string& pad);
