#include "gui/spelerkolom.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QVBoxLayout* SpelerKolom(CKolomKoppen* koppen, CMultiLineListBox* lijst, QLineEdit* zoek,
                         const std::vector<QWidget*>& filters, const char* zoekLabel) {
    auto* label = new QLabel(QString::fromUtf8(zoekLabel));
    label->setBuddy(zoek);
    auto* zoekRegel = new QHBoxLayout;
    zoekRegel->addWidget(label);
    zoekRegel->addWidget(zoek, 1);
    auto* kolom = new QVBoxLayout;
    kolom->setSpacing(0);
    kolom->addWidget(koppen);
    kolom->addWidget(lijst, 1);
    kolom->addSpacing(6);
    kolom->addLayout(zoekRegel);
    kolom->addSpacing(4);
    for (QWidget* filter : filters) {
        kolom->addWidget(filter);
    }
    return kolom;
}
