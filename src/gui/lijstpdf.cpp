#include "gui/lijstpdf.h"

#include "base/melding.h"
#include "gui/afdrukken.h"
#include "gui/qttekst.h"
#include "gui/zonderscherm.h"
#include "publish/afdruknaam.h"

#include <QPdfWriter>

namespace {

int SchrijfPdf(const std::string& lijst, const QFont& lettertype, const std::string& pad) {
    QPdfWriter pdf(NaarQString(pad));
    pdf.setTitle(NaarQString(AfdrukNaam(lijst, VandaagLokaal())));
    pdf.setCreator(QStringLiteral("Morvel"));
    int paginas = DrukPaginas(lijst, lettertype, pdf);
    if (paginas < 0) {
        Meld("Het PDF-bestand '" + pad + "' kan niet geschreven worden.");
    }
    return paginas;
}

} // namespace

int SchrijfLijstPdf(const std::string& lijst, const std::string& lettertype, int32_t letterGrootte,
                    const std::string& pad) {
    CZonderScherm qt; // fonts need a Qt application
    return SchrijfPdf(lijst, LijstLettertype(lettertype, letterGrootte), pad);
}
