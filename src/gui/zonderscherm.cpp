#include "gui/zonderscherm.h"

#include <QApplication>

namespace {

QtMessageHandler vorigeAfhandeling = nullptr;

void AlleenErnstigeQtMeldingen(QtMsgType soort, const QMessageLogContext& plaats,
                               const QString& tekst) {
    if ((soort == QtCriticalMsg || soort == QtFatalMsg) && vorigeAfhandeling) {
        vorigeAfhandeling(soort, plaats, tekst);
    }
}

char naam[] = "morvel";
char platformOptie[] = "-platform";
char platform[] = "offscreen";

} // namespace

CZonderScherm::CZonderScherm() {
    if (QCoreApplication::instance()) {
        return;
    }
    vorige_ = qInstallMessageHandler(AlleenErnstigeQtMeldingen);
    vorigeAfhandeling = vorige_;
    // The application takes the platform option out of the list it is given,
    // and keeps using that list while it runs.
    argv_ = {naam, platformOptie, platform, nullptr};
    argc_ = 3;
    eigen_ = std::make_unique<QApplication>(argc_, argv_.data());
}

CZonderScherm::~CZonderScherm() {
    if (eigen_) {
        eigen_.reset();
        qInstallMessageHandler(vorige_);
    }
}
