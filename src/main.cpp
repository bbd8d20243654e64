// The program: without a command the main window, with one the command line,
// which never needs a display.

#include "cli/opdrachtregel.h"
#include "cli/pdfschrijver.h"
#include "gui/grafiektekening.h"
#include "gui/lijstpdf.h"
#include "gui/vensterstart.h"
#include "publish/grafiekschrijver.h"

#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> argumenten(argv + 1, argv + argc);
    // The windows, the include files and the command line draw charts alike.
    ZetGrafiekTekenaar(TekenGrafiekBestand);
    if (IsOpdrachtregel(argumenten)) {
        ZetPdfSchrijver(SchrijfLijstPdf);
        return VoerOpdrachtregelUit(argumenten);
    }
    return StartVensters(argc, argv, LeesAlgemeneOpties(argumenten).profiel);
}
