#include "gui/vensteropener.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace {

CVensterOpener& Echt() {
    static CVensterOpener echt;
    return echt;
}

CVensterOpener* huidige = nullptr;

// The widest a field of Qt's print dialog is made, in pixels.
constexpr int kBredeVeld = 900;

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
    // Qt's file field is too narrow for the proposed PDF file: show it whole.
    const QString bestand = printer.outputFileName();
    for (QLineEdit* veld : dialoog.findChildren<QLineEdit*>()) {
        if (!bestand.isEmpty() && veld->text() == bestand) {
            veld->setToolTip(bestand);
            veld->setMinimumWidth(
                std::min(veld->fontMetrics().horizontalAdvance(bestand) + 24, kBredeVeld));
        }
    }
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
