#include "gui/velden.h"

#include "gui/qttekst.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

QPushButton* MaakConfigKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setAutoDefault(false);
    return knop;
}

QLineEdit* MaakConfigVeld(const char* naam, bool alleenLezen) {
    auto* veld = new QLineEdit;
    veld->setObjectName(QString::fromUtf8(naam));
    veld->setReadOnly(alleenLezen);
    return veld;
}

QCheckBox* MaakConfigVak(const char* tekst, const char* naam) {
    auto* vak = new QCheckBox(QString::fromUtf8(tekst));
    vak->setObjectName(QString::fromUtf8(naam));
    return vak;
}

QHBoxLayout* KnoppenRechts(std::initializer_list<QPushButton*> knoppen) {
    auto* regel = new QHBoxLayout;
    regel->addStretch(1);
    for (QPushButton* knop : knoppen) {
        regel->addWidget(knop);
    }
    return regel;
}

QLabel* MaakLabel(const char* tekst, QWidget* veld) {
    auto* label = new QLabel(QString::fromUtf8(tekst));
    label->setBuddy(veld);
    return label;
}

void BijWijziging(QLineEdit* veld, QObject* ontvanger,
                  std::function<void(const QString&)> wijziging) {
    QObject::connect(veld, &QLineEdit::textChanged, ontvanger, std::move(wijziging));
}

void ZetVeldTekst(QLineEdit* veld, const std::string& tekst) {
    QString nieuw = NaarQString(tekst);
    if (veld->text() != nieuw) {
        QSignalBlocker stil(veld);
        veld->setText(nieuw);
    }
}

void ZetVinkje(QCheckBox* vak, bool aan) {
    QSignalBlocker stil(vak);
    vak->setChecked(aan);
}
