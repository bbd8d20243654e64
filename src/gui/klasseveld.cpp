#include "gui/klasseveld.h"

#include "base/getal.h"
#include "gui/qttekst.h"
#include "gui/velden.h"

#include <QLineEdit>
#include <limits>

CKlasseVeld::CKlasseVeld() {
    BijWijziging(lineEdit(), this, [this](const QString& tekst) {
        if (bewerkt) {
            bewerkt(tekst);
        }
    });
}

void CKlasseVeld::ZetTekst(const std::string& tekst) {
    ZetVeldTekst(lineEdit(), tekst);
}

QString CKlasseVeld::Tekst() const {
    return lineEdit()->text();
}

int CKlasseVeld::Waarde() const {
    return VeldGetal(VanQString(Tekst()));
}

void CKlasseVeld::ZetWaarde(int waarde) {
    lineEdit()->setText(QString::number(waarde));
}

// A class is at least 1 when it is stored.
int CKlasseVeld::Minimum() const {
    return 1;
}

int CKlasseVeld::Maximum() const {
    return std::numeric_limits<int32_t>::max();
}

void CKlasseVeld::stepBy(int stappen) {
    if (stap) {
        stap(stappen);
    }
}

QAbstractSpinBox::StepEnabled CKlasseVeld::stepEnabled() const {
    return isEnabled() ? StepUpEnabled | StepDownEnabled : StepNone;
}
