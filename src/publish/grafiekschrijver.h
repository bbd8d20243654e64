#pragma once
// Writing the class chart into a file. Drawing needs the windows' library, so
// the program installs a drawing function here at its start; the core and the
// command line only ask for the bytes of a PNG, SVG or PDF file.

#include <optional>
#include <string>

struct CKlassenGrafiek;

enum class EGrafiekFormaat { Png, Svg, Pdf };

// The size of a chart file in pixels (96 to the inch for SVG and PDF).
inline constexpr int kGrafiekMinimaal = 200;
inline constexpr int kGrafiekMaximaal = 8000;

// Draws `grafiek` as a `formaat` file of `breedte` x `hoogte` pixels into
// `inhoud`. An SVG holds only ASCII (other characters as references), so that
// it survives every upload. False when it could not be drawn.
using GrafiekTekenaar = bool (*)(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat,
                                 int breedte, int hoogte, std::string& inhoud);

// Installs `tekenaar` and returns the previous one (nullptr: none).
GrafiekTekenaar ZetGrafiekTekenaar(GrafiekTekenaar tekenaar);
GrafiekTekenaar HuidigeGrafiekTekenaar();

// The format a file name asks for by its extension (".png", ".svg", ".pdf",
// in any case); none for another.
std::optional<EGrafiekFormaat> GrafiekFormaat(const std::string& pad);

// Draws the chart with the installed function into `inhoud`: true, or false
// after a message.
bool TekenGrafiek(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte, int hoogte,
                  std::string& inhoud);
// Draws the chart and writes it to `pad`, replacing an older file only when
// the new one is complete: 0, or -1 after a message.
int SchrijfGrafiek(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte, int hoogte,
                   const std::string& pad);
