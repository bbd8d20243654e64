#include "cli/pdfschrijver.h"

namespace {

PdfSchrijver huidige = nullptr;

} // namespace

PdfSchrijver ZetPdfSchrijver(PdfSchrijver schrijver) {
    PdfSchrijver vorige = huidige;
    huidige = schrijver;
    return vorige;
}

PdfSchrijver HuidigePdfSchrijver() {
    return huidige;
}
