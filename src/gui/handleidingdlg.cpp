#include "gui/handleidingdlg.h"

#include "base/platform.h"
#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHandleidingDlg::CHandleidingDlg(CHandleidingVenster model, QWidget* ouder)
    : QDialog(ouder), model_(std::move(model)) {
    setWindowTitle(QString::fromUtf8(kHandleidingTitel));
    setObjectName(QStringLiteral("handleidingVenster"));

    tekst_ = new QTextBrowser;
    tekst_->setObjectName(QStringLiteral("tekst"));
    tekst_->setAccessibleName(QString::fromUtf8(kHandleidingTitel));
    tekst_->setOpenExternalLinks(true);
    QPushButton* inhoud = MaakConfigKnop("&Inhoud", "inhoud");
    terug_ = MaakConfigKnop("&Terug", "terug");
    terug_->setEnabled(false);
    QPushButton* sluiten = MaakConfigKnop("&Sluiten", "sluiten");

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(inhoud);
    knoppen->addWidget(terug_);
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten);
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(tekst_, 1);
    venster->addLayout(knoppen);
    resize(860, 680);

    connect(inhoud, &QPushButton::clicked, this, [this] { Ga(kInhoudAnker); });
    connect(terug_, &QPushButton::clicked, tekst_, &QTextBrowser::backward);
    connect(tekst_, &QTextBrowser::backwardAvailable, terug_, &QPushButton::setEnabled);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);

    if (model_.Bestand().empty()) {
        tekst_->setPlainText(NaarQString(model_.NietGevondenTekst()));
    } else {
        Ga(model_.Anker());
    }
    tekst_->setFocus();
}

void CHandleidingDlg::Ga(const std::string& anker) {
    model_.KiesAnker(anker);
    if (model_.Bestand().empty()) {
        return;
    }
    QUrl adres = QUrl::fromLocalFile(NaarQString(model_.Bestand()));
    if (!anker.empty()) {
        adres.setFragment(NaarQString(anker));
    }
    tekst_->setSource(adres);
}

void ToonHandleiding(const std::string& anker, QWidget* ouder) {
    std::string programma;
    ProgrammaPad(programma);
    CHandleidingDlg venster(CHandleidingVenster(HandleidingPlaatsen(programma), anker), ouder);
    VensterOpener().Open(venster);
}
