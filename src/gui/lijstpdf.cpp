#include "gui/lijstpdf.h"

#include "base/melding.h"
#include "gui/afdrukken.h"
#include "gui/qttekst.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <memory>

namespace {

QtMessageHandler vorigeAfhandeling = nullptr;

// Qt's own notes (such as a missing runtime folder) are no messages of the
// program: the command line's standard error keeps only its own.
void AlleenErnstigeQtMeldingen(QtMsgType soort, const QMessageLogContext& plaats,
                               const QString& tekst) {
    if ((soort == QtCriticalMsg || soort == QtFatalMsg) && vorigeAfhandeling) {
        vorigeAfhandeling(soort, plaats, tekst);
    }
}

int SchrijfPdf(const std::string& lijst, const QFont& lettertype, const std::string& pad) {
    QPdfWriter pdf(NaarQString(pad));
    pdf.setTitle(QString::fromLatin1(kDocumentNaam));
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
    // Fonts need a Qt application; without one, run on the offscreen platform.
    int argc = 3;
    char naam[] = "morvel";
    char platformOptie[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {naam, platformOptie, platform, nullptr};
    std::unique_ptr<QGuiApplication> eigen;
    if (!QCoreApplication::instance()) {
        vorigeAfhandeling = qInstallMessageHandler(AlleenErnstigeQtMeldingen);
        eigen = std::make_unique<QGuiApplication>(argc, argv);
    }
    int paginas = SchrijfPdf(lijst, LijstLettertype(lettertype, letterGrootte), pad);
    if (eigen) {
        eigen.reset();
        qInstallMessageHandler(vorigeAfhandeling);
    }
    return paginas;
}
