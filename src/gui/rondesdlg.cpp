#include "gui/rondesdlg.h"

#include "app/morvelapp.h"
#include "gui/afdrukken.h"
#include "gui/multilinelistbox.h"
#include "gui/rondedlg.h"
#include "gui/vensteropener.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CRondesDlg::CRondesDlg(CMorvelApp& app, QWidget* ouder) : QDialog(ouder), app_(app), model_(app) {
    setWindowTitle(QString::fromLatin1(kRondesTitel));

    rondes_ = new CMultiLineListBox;
    rondes_->setObjectName(QStringLiteral("rondes"));
    rondes_->setAccessibleName(QStringLiteral("Rondes"));
    rondes_->setMinimumSize(260, 240);
    toevoegen_ = MaakKnop("&Toevoegen", "toevoegen");
    wijzigen_ = MaakKnop("&Wijzigen", "wijzigen");
    verwijderen_ = MaakKnop("&Verwijderen", "verwijderen");
    afdrukken_ = MaakKnop("&Afdrukken", "afdrukken");
    sluiten_ = MaakKnop("&Sluiten", "sluiten");

    auto* knoppen = new QVBoxLayout;
    for (QPushButton* knop : {toevoegen_, wijzigen_, verwijderen_, afdrukken_}) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten_);
    auto* venster = new QHBoxLayout(this);
    venster->addWidget(rondes_, 1);
    venster->addLayout(knoppen);

    connect(toevoegen_, &QPushButton::clicked, this, &CRondesDlg::Toevoegen);
    connect(wijzigen_, &QPushButton::clicked, this, &CRondesDlg::Wijzigen);
    connect(verwijderen_, &QPushButton::clicked, this, &CRondesDlg::Verwijderen);
    connect(afdrukken_, &QPushButton::clicked, this, &CRondesDlg::Afdrukken);
    connect(sluiten_, &QPushButton::clicked, this, &QDialog::accept);
    connect(rondes_, &CMultiLineListBox::selectieGewijzigd, this, [this](int rij) {
        model_.Selecteer(rij);
        ToonKnoppen();
    });
    connect(rondes_, &CMultiLineListBox::gekozen, this, [this](int rij) {
        model_.Selecteer(rij);
        Wijzigen();
    });

    Vul();
    rondes_->setFocus();
}

QPushButton* CRondesDlg::MaakKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setAutoDefault(false);
    return knop;
}

void CRondesDlg::Vul() {
    rondes_->ZetRegels(model_.Rijen());
    rondes_->Selecteer(model_.Selectie());
    if (model_.Selectie() < 0) {
        rondes_->scrollToBottom();
    }
    ToonKnoppen();
}

void CRondesDlg::ToonKnoppen() {
    wijzigen_->setEnabled(model_.SelectieKnoppenAan());
    verwijderen_->setEnabled(model_.SelectieKnoppenAan());
}

void CRondesDlg::Toevoegen() {
    if (model_.Toevoegen([this](CRonde& ronde, bool uitIndeling) {
            return ToonUitslagen(app_, ronde, this, uitIndeling);
        }) == 0) {
        Vul();
    }
}

void CRondesDlg::Wijzigen() {
    if (model_.Wijzigen([this](CRonde& ronde, bool) { return ToonUitslagen(app_, ronde, this); }) ==
        0) {
        Vul();
    }
}

void CRondesDlg::Verwijderen() {
    if (model_.Verwijderen() == 0) {
        Vul();
    }
}

void CRondesDlg::Afdrukken() {
    std::string lijst;
    if (model_.Afdrukken(lijst) == 0) {
        DrukAf(lijst, app_.settings, this);
    }
}

void ToonRondes(CMorvelApp& app, QWidget* ouder) {
    CRondesDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
