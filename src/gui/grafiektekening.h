#pragma once
// The class chart drawn with Qt Charts: the same chart for the window, the
// printer and the PNG, SVG and PDF files.

#include "publish/grafiekschrijver.h"

#include <functional>
#include <string>

class QChart;
class QPaintDevice;
class QRectF;
class QWidget;
struct CKlassenGrafiek;

// Reports a point under the mouse: the line, the round (from 0) and whether
// the mouse came (true) or went.
using PuntMelding = std::function<void(size_t lijn, size_t ronde, bool aan)>;

// A new chart of `grafiek` (the caller owns it): per player a line in his
// colour with a point per marked round, named in the legend; the rounds along
// the bottom; the classes upward, the strongest at the top, labelled with
// their grades.
QChart* MaakQtGrafiek(const CKlassenGrafiek& grafiek, const PuntMelding& melding = {});

// Draws `grafiek` into `doel` of `apparaat`, laid out for a chart of
// `doel`'s size in pixels of 96 to the inch. False when the device cannot be painted on.
bool TekenGrafiekOp(const CKlassenGrafiek& grafiek, QPaintDevice& apparaat, const QRectF& doel);

// Prints the chart on one landscape page, titled as the chart is, after the
// print dialog of the window opener. A cancelled dialog prints nothing.
void DrukGrafiekAf(const CKlassenGrafiek& grafiek, QWidget* ouder);

// The drawing function of the program (see GrafiekTekenaar); works without a
// display and without a running Qt application.
bool TekenGrafiekBestand(const CKlassenGrafiek& grafiek, EGrafiekFormaat formaat, int breedte,
                         int hoogte, std::string& inhoud);

// `utf8` with every character outside ASCII as an XML character reference.
std::string AlleenAscii(const std::string& utf8);
