#include "gui/configpadendlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"
#include "ui/padeninstellingen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CConfigPadenDlg::CConfigPadenDlg(CSettings& settings, QWidget* ouder)
    : QDialog(ouder), settings_(settings) {
    setWindowTitle(QStringLiteral("Paden"));
    dataPad_ = MaakConfigVeld("dataPad");
    makeBackup_ = MaakConfigVak("&Maak automatisch een backup van de bestanden", "makeBackup");
    backupPad_ = MaakConfigVeld("backupPad");
    spreadSheet_ = MaakConfigVeld("spreadSheet");
    geschiedenis_ = new QSpinBox;
    geschiedenis_->setObjectName(QStringLiteral("geschiedenis"));
    geschiedenis_->setRange(0, kMaxGeschiedenis);
    geschiedenis_->setSuffix(QStringLiteral(" versies per competitie"));
    geschiedenis_->setSpecialValueText(QStringLiteral("uit: geen versies bewaren"));
    dataPad_->setMinimumWidth(360);
    QPushButton* ok = MaakConfigKnop("&Ok", "ok");
    QPushButton* annuleren = MaakConfigKnop("&Cancel", "cancel");

    auto* formulier = new QFormLayout;
    formulier->addRow(MaakLabel("&Data pad:", dataPad_), dataPad_);
    formulier->addRow(makeBackup_);
    formulier->addRow(MaakLabel("&Backup pad:", backupPad_), backupPad_);
    formulier->addRow(MaakLabel("&Spreadsheet:", spreadSheet_), spreadSheet_);
    formulier->addRow(MaakLabel("&Geschiedenis:", geschiedenis_), geschiedenis_);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(formulier);
    venster->addLayout(KnoppenRechts({ok, annuleren}));
    ok->setDefault(true);

    const CPadenInvoer paden = LeesPaden(settings);
    ZetVeldTekst(dataPad_, paden.dataPad);
    ZetVinkje(makeBackup_, paden.makeBackup);
    ZetVeldTekst(backupPad_, paden.backupPad);
    ZetVeldTekst(spreadSheet_, paden.spreadSheet);
    geschiedenis_->setValue(paden.geschiedenis);
    backupPad_->setEnabled(paden.makeBackup);

    connect(makeBackup_, &QCheckBox::toggled, backupPad_, &QWidget::setEnabled);
    connect(ok, &QPushButton::clicked, this, &CConfigPadenDlg::Ok);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

void CConfigPadenDlg::Ok() {
    BewaarPaden(settings_, {VanQString(dataPad_->text()), makeBackup_->isChecked(),
                            VanQString(backupPad_->text()), VanQString(spreadSheet_->text()),
                            geschiedenis_->value()});
    accept();
}
