#include "gui/vensteropener.h"

#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

CVensterOpener& Echt() {
    static CVensterOpener echt;
    return echt;
}

CVensterOpener* huidige = nullptr;

} // namespace

int CVensterOpener::Open(QDialog& venster) {
    return venster.exec();
}

QString CVensterOpener::KiesBestand(QWidget* ouder, EBestandKeuze keuze, const QString& titel,
                                    const QString& map, const QString& filter) {
    return keuze == EBestandKeuze::Openen ? QFileDialog::getOpenFileName(ouder, titel, map, filter)
                                          : QFileDialog::getSaveFileName(ouder, titel, map, filter);
}

bool CVensterOpener::KiesPrinter(QPrinter& printer, QWidget* ouder) {
    QPrintDialog dialoog(&printer, ouder);
    dialoog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                       QAbstractPrintDialog::PrintCollateCopies);
    dialoog.setPrintRange(QAbstractPrintDialog::AllPages);
    return dialoog.exec() == QDialog::Accepted;
}

CVensterOpener& VensterOpener() {
    return huidige ? *huidige : Echt();
}

CVensterOpener* ZetVensterOpener(CVensterOpener* opener) {
    CVensterOpener* vorige = huidige;
    huidige = opener;
    return vorige;
}
