#include "gui/geschiedenisdlg.h"

#include "app/morvelapp.h"
#include "gui/kolomkoppen.h"
#include "gui/lijstdlg.h"
#include "gui/multilinelistbox.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CGeschiedenisDlg::CGeschiedenisDlg(CMorvelApp& app, QWidget* ouder)
    : QDialog(ouder), app_(app), model_(app) {
    setWindowTitle(QString::fromLatin1(kGeschiedenisTitel));

    versies_ = new CMultiLineListBox;
    versies_->setObjectName(QStringLiteral("versies"));
    versies_->setAccessibleName(QStringLiteral("Versies"));
    versies_->setMinimumSize(720, 260);
    auto* koppen = new CKolomKoppen(*versies_);
    koppen->VoegToe("Nr", "nummerKop", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Bewaard op", "tijdKop", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Spelers", "spelersKop", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Rondes", "rondesKop", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Wat er sindsdien veranderde", "verschilKop", CKolomKoppen::ESoort::Tekst);
    versies_->ZetKolomBreedtes({4, 24, 9, 9});
    QLabel* label = MaakLabel("&Versies van de competitie, de nieuwste eerst:", versies_);
    leeg_ = new QLabel(QStringLiteral("Er zijn nog geen versies bewaard: de geschiedenis begint "
                                      "bij de eerste wijziging die geschreven wordt."));
    leeg_->setObjectName(QStringLiteral("leeg"));
    leeg_->setWordWrap(true);

    terugzetten_ = MaakConfigKnop("&Terugzetten", "terugzetten");
    bekijken_ = MaakConfigKnop("&Bekijken", "bekijken");
    QPushButton* sluiten = MaakConfigKnop("&Sluiten", "sluiten");
    for (QPushButton* knop : {terugzetten_, bekijken_, sluiten}) {
        knop->setAccessibleName(knop->text().remove(QLatin1Char('&')));
    }

    auto* links = new QVBoxLayout;
    links->addWidget(label);
    links->addSpacing(4);
    auto* lijst = new QVBoxLayout;
    lijst->setSpacing(0);
    lijst->addWidget(koppen);
    lijst->addWidget(versies_, 1);
    links->addLayout(lijst, 1);
    links->addWidget(leeg_);
    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(terugzetten_);
    knoppen->addWidget(bekijken_);
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten);
    auto* venster = new QHBoxLayout(this);
    venster->addLayout(links, 1);
    venster->addLayout(knoppen);
    setTabOrder(versies_, terugzetten_);
    setTabOrder(terugzetten_, bekijken_);
    setTabOrder(bekijken_, sluiten);

    connect(terugzetten_, &QPushButton::clicked, this, &CGeschiedenisDlg::Terugzetten);
    connect(bekijken_, &QPushButton::clicked, this, &CGeschiedenisDlg::Bekijken);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    connect(versies_, &CMultiLineListBox::selectieGewijzigd, this, [this](int rij) {
        model_.Selecteer(rij);
        ToonKnoppen();
    });
    connect(versies_, &CMultiLineListBox::gekozen, this, [this](int rij) {
        model_.Selecteer(rij);
        Bekijken();
    });

    Vul();
    versies_->setFocus();
}

void CGeschiedenisDlg::Vul() {
    versies_->ZetRegels(model_.Rijen());
    versies_->Selecteer(model_.Selectie());
    leeg_->setVisible(model_.Rijen().empty());
    ToonKnoppen();
}

void CGeschiedenisDlg::ToonKnoppen() {
    terugzetten_->setEnabled(model_.KnoppenAan());
    bekijken_->setEnabled(model_.KnoppenAan());
}

void CGeschiedenisDlg::Terugzetten() {
    if (model_.Terugzetten() == 0) {
        Vul();
        versies_->setFocus();
    }
}

void CGeschiedenisDlg::Bekijken() {
    std::string titel;
    std::string lijst;
    if (model_.Bekijken(titel, lijst) == 0) {
        ToonLijst(titel, lijst, app_.settings, this);
    }
}

void ToonGeschiedenis(CMorvelApp& app, QWidget* ouder) {
    CGeschiedenisDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
