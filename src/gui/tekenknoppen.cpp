#include "gui/tekenknoppen.h"

#include "gui/velden.h"

#include <QPushButton>
#include <QVBoxLayout>

QPushButton* MaakTekenKnop(const CTekenKnop& knop) {
    QPushButton* k = MaakConfigKnop(knop.tekst, knop.naam);
    const QString naam = QString::fromUtf8(knop.toegang);
    k->setAccessibleName(naam);
    k->setToolTip(knop.toets.isEmpty()
                      ? naam
                      : naam + QStringLiteral(" (") +
                            knop.toets.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    if (knop.eigenToets && !knop.toets.isEmpty()) {
        k->setShortcut(knop.toets);
    }
    return k;
}

QVBoxLayout* PijlKolom(QPushButton* toevoegen, QPushButton* verwijderen, QPushButton* wissel) {
    auto* kolom = new QVBoxLayout;
    kolom->addStretch(1);
    for (QPushButton* knop : {toevoegen, verwijderen, wissel}) {
        kolom->addWidget(knop);
    }
    kolom->addStretch(1);
    return kolom;
}
