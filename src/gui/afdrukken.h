#pragma once
// Printing a listing: the text (Windows-1252, one line feed per line, a form
// feed at the start of a line begins a new page) laid out page by page in the
// listing font, wrapped at word boundaries and with tabs expanded, over the
// whole page without page numbers or margins of its own.

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CSettings;
class QPagedPaintDevice;
class QPainter;
class QWidget;

// The listing font: `familie` when it is installed, otherwise the system's
// monospaced font; `grootteTienden` in tenths of a point.
QFont LijstLettertype(const std::string& familie, int32_t grootteTienden);
QFont LijstLettertype(const CSettings& settings);

struct CPaginering {
    std::vector<QString> paginas; // the text drawn on each page, lines split by '\n'
    bool afgebroken = false;      // the device could not start a page
};

// Lays `tekst` out on the device that `schilder` paints on, in its font and
// over the device's whole area, and draws each page. Between two pages
// `volgendePagina` starts the next one; when it returns false the rest is
// not drawn. An empty text draws no page.
CPaginering LegPaginasUit(const std::string& tekst, QPainter& schilder,
                          const std::function<bool()>& volgendePagina);

// Prints `tekst` on a printer or PDF writer in `lettertype`: the number of
// pages, 0 for an empty text (the device is not touched), or -1 when the
// device failed (`afbreken` is then called before the painter ends).
int DrukPaginas(const std::string& tekst, const QFont& lettertype, QPagedPaintDevice& apparaat,
                const std::function<void()>& afbreken = {});

// Where the print dialog offers to write the document `naam` (Windows-1252)
// as a PDF file: "naam.pdf" in the user's documents folder, or in the home
// folder when there is no documents folder, with the characters a file name
// cannot hold as '-'.
QString PdfVoorstel(const std::string& naam);

// The print command of every window: asks for the printer through the window
// opener and prints `tekst` in the font of the settings. The document is
// named after the listing (AfdrukNaam), which the dialog offers as the PDF
// file in the documents folder. A cancelled print dialog prints nothing.
void DrukAf(const std::string& tekst, const CSettings& settings, QWidget* ouder);
