#include "gui/standdlg.h"

#include "app/morvelapp.h"
#include "gui/afdrukken.h"
#include "gui/qttekst.h"
#include "gui/vensteropener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CStandDlg::CStandDlg(CMorvelApp& app, QWidget* ouder) : QDialog(ouder), app_(app), model_(app) {
    setWindowTitle(QString::fromLatin1(kStandTitel));

    rondes_ = new QListWidget;
    rondes_->setObjectName(QStringLiteral("rondes"));
    rondes_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& rij : model_.Rijen()) {
        rondes_->addItem(NaarQString(rij));
    }
    if (model_.Selectie() >= 0) {
        rondes_->setCurrentRow(model_.Selectie());
    }
    auto* label = new QLabel(QStringLiteral("Afdrukken stand na ronde:"));
    label->setBuddy(rondes_);

    afdrukken_ = new QPushButton(QStringLiteral("&Afdrukken"));
    afdrukken_->setObjectName(QStringLiteral("afdrukken"));
    afdrukken_->setEnabled(model_.AfdrukkenAan());
    afdrukken_->setDefault(true);
    auto* sluiten = new QPushButton(QStringLiteral("&Sluiten"));
    sluiten->setObjectName(QStringLiteral("sluiten"));

    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(afdrukken_);
    knoppen->addWidget(sluiten);
    knoppen->addStretch(1);
    auto* links = new QVBoxLayout;
    links->addWidget(label);
    links->addWidget(rondes_, 1);
    auto* venster = new QHBoxLayout(this);
    venster->addLayout(links, 1);
    venster->addLayout(knoppen);

    connect(rondes_, &QListWidget::itemSelectionChanged, this, &CStandDlg::NeemSelectieOver);
    connect(afdrukken_, &QPushButton::clicked, this, &CStandDlg::Afdrukken);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);
}

void CStandDlg::NeemSelectieOver() {
    QList<QListWidgetItem*> gekozen = rondes_->selectedItems();
    model_.Selecteer(gekozen.isEmpty() ? -1 : rondes_->row(gekozen.front()));
}

void CStandDlg::Afdrukken() {
    std::string lijst;
    if (model_.Afdrukken(lijst) == 0) {
        DrukAf(lijst, app_.settings, this);
    }
}

void ToonStand(CMorvelApp& app, QWidget* ouder) {
    CStandDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
