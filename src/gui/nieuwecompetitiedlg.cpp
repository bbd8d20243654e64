#include "gui/nieuwecompetitiedlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QComboBox* MaakLijst(const char* naam, const std::vector<std::string>& teksten, int gekozen) {
    auto* lijst = new QComboBox;
    lijst->setObjectName(QString::fromUtf8(naam));
    for (const std::string& tekst : teksten) {
        lijst->addItem(NaarQString(tekst));
    }
    lijst->setCurrentIndex(gekozen);
    return lijst;
}

} // namespace

CNieuweCompetitieDlg::CNieuweCompetitieDlg(CMorvelApp& app, QWidget* ouder)
    : QDialog(ouder), model_(app) {
    setWindowTitle(QString::fromLatin1(kNieuweCompetitieTitel));

    identificatie_ = new QLineEdit;
    identificatie_->setObjectName(QStringLiteral("identificatie"));
    auto* identificatieLabel = new QLabel(QStringLiteral("&Identificatie:"));
    identificatieLabel->setBuddy(identificatie_);
    reden_ = new QLabel;
    reden_->setObjectName(QStringLiteral("reden"));
    reden_->setWordWrap(true);

    leeg_ = new QRadioButton(QStringLiteral("&Beginnen met een lege deelnemerslijst"));
    leeg_->setObjectName(QStringLiteral("leeg"));
    kopieer_ = new QRadioButton(QStringLiteral("Ko&pieer deelnemerslijst uit oude competitie"));
    kopieer_->setObjectName(QStringLiteral("kopieer"));
    auto* deelnemers = new QGroupBox(QString::fromUtf8("Initiële deelnemerslijst"));
    auto* deelnemersKolom = new QVBoxLayout(deelnemers);
    deelnemersKolom->addWidget(leeg_);
    deelnemersKolom->addWidget(kopieer_);

    oudeCompetitie_ =
        MaakLijst("oudeCompetitie", model_.OudeCompetities(), model_.OudeCompetitie());
    beginKlasse_ = MaakLijst("beginKlasse", CNieuweCompetitieVenster::BeginKlasseKeuzes(),
                             model_.BeginKlasse());
    oud_ = new QGroupBox(QStringLiteral("Oude competitie"));
    auto* oudFormulier = new QFormLayout(oud_);
    auto* oudLabel = new QLabel(QStringLiteral("I&dentificatie:"));
    oudLabel->setBuddy(oudeCompetitie_);
    auto* klasseLabel = new QLabel(QStringLiteral("Begin&klasse:"));
    klasseLabel->setBuddy(beginKlasse_);
    oudFormulier->addRow(oudLabel, oudeCompetitie_);
    oudFormulier->addRow(klasseLabel, beginKlasse_);

    ok_ = new QPushButton(QStringLiteral("&OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    auto* afbreken = new QPushButton(QStringLiteral("&Afbreken"));
    afbreken->setObjectName(QStringLiteral("afbreken"));
    afbreken->setAutoDefault(false);

    auto* naam = new QGridLayout;
    naam->addWidget(identificatieLabel, 0, 0);
    naam->addWidget(identificatie_, 0, 1);
    naam->addWidget(reden_, 1, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(ok_);
    knoppen->addWidget(afbreken);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(naam);
    venster->addWidget(deelnemers);
    venster->addWidget(oud_);
    venster->addLayout(knoppen);
    ok_->setDefault(true);

    BijWijziging(identificatie_, this, [this](const QString& tekst) {
        model_.ZetIdentificatie(VanQString(tekst));
        Toon();
    });
    connect(leeg_, &QRadioButton::toggled, this, [this](bool aan) {
        model_.KiesLeeg(aan);
        Toon();
    });
    connect(oudeCompetitie_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.KiesOudeCompetitie(index); });
    connect(beginKlasse_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.KiesBeginKlasse(index); });
    connect(ok_, &QPushButton::clicked, this, &CNieuweCompetitieDlg::Ok);
    connect(afbreken, &QPushButton::clicked, this, &QDialog::reject);

    Toon();
    identificatie_->setFocus();
}

void CNieuweCompetitieDlg::Toon() {
    {
        QSignalBlocker stil(leeg_);
        QSignalBlocker stilOok(kopieer_);
        (model_.Leeg() ? leeg_ : kopieer_)->setChecked(true);
    }
    oud_->setEnabled(model_.OudeCompetitieAan());
    ok_->setEnabled(model_.OkAan());
    const QString reden = NaarQString(model_.OkReden());
    reden_->setText(reden);
    identificatie_->setAccessibleDescription(reden);
}

void CNieuweCompetitieDlg::Ok() {
    model_.Ok();
    if (model_.SluitNaOk()) {
        accept();
    }
}

void ToonNieuweCompetitie(CMorvelApp& app, QWidget* ouder) {
    CNieuweCompetitieDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
