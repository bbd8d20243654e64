#include "gui/lijstdlg.h"

#include "gui/afdrukken.h"
#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CLijstDlg::CLijstDlg(const std::string& titel, const std::string& lijst, const CSettings& settings,
                     QWidget* ouder)
    : QDialog(ouder), lijst_(lijst), settings_(settings) {
    setWindowTitle(NaarQString(titel));
    tekst_ = new QPlainTextEdit;
    tekst_->setObjectName(QStringLiteral("lijst"));
    tekst_->setReadOnly(true);
    tekst_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tekst_->setFont(LijstLettertype(settings));
    tekst_->setPlainText(NaarQString(lijst).remove(QLatin1Char('\f')));
    const QFontMetrics maat(tekst_->font());
    tekst_->setMinimumSize(maat.horizontalAdvance(QLatin1Char('0')) * 84, maat.height() * 30);
    QPushButton* afdrukken = MaakConfigKnop("&Afdrukken", "afdrukken");
    QPushButton* sluiten = MaakConfigKnop("&Sluiten", "sluiten");
    sluiten->setDefault(true);

    auto* venster = new QVBoxLayout(this);
    venster->addWidget(MaakLabel("&Overzicht:", tekst_));
    venster->addWidget(tekst_, 1);
    venster->addLayout(KnoppenRechts({afdrukken, sluiten}));

    connect(afdrukken, &QPushButton::clicked, this, [this] { DrukAf(lijst_, settings_, this); });
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    tekst_->setFocus();
}

void ToonLijst(const std::string& titel, const std::string& lijst, const CSettings& settings,
               QWidget* ouder) {
    CLijstDlg venster(titel, lijst, settings, ouder);
    VensterOpener().Open(venster);
}
