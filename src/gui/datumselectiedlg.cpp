#include "gui/datumselectiedlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

struct CLijstWidget {
    EDatumLijst lijst;
    const char* naam;
    const char* label; // UTF-8, with its mnemonic
};

const CLijstWidget kLijsten[kAantalDatumLijsten] = {
    {EDatumLijst::Dag, "dag", "&Datum eerstvolgende ronde:"},
    {EDatumLijst::Maand, "maand", "&maand:"},
    {EDatumLijst::Jaar, "jaar", "&jaar:"},
    {EDatumLijst::AantalKolommen, "aantalKolommen", "Aantal &kolommen:"},
    {EDatumLijst::AantalDagen, "aantalDagen", "aa&ntal:"},
};

// The longest lists (31 days, 99 columns) open at most this many rows high.
constexpr int kZichtbareRegels = 15;

} // namespace

DatumSelectieDlg::DatumSelectieDlg(CDatumSelectie& model, QWidget* ouder)
    : QDialog(ouder), model_(model) {
    setWindowTitle(QStringLiteral("Datum en parameters inschrijflijst"));

    for (const CLijstWidget& l : kLijsten) {
        auto* lijst = new QComboBox;
        lijst->setObjectName(QString::fromUtf8(l.naam));
        for (const std::string& tekst : model_.Lijst(l.lijst).teksten) {
            lijst->addItem(NaarQString(tekst));
        }
        lijst->setMaxVisibleItems(kZichtbareRegels);
        connect(lijst, &QComboBox::currentIndexChanged, this, [this, l](int index) {
            model_.Kies(l.lijst, index);
            Toon();
        });
        lijsten_[static_cast<size_t>(l.lijst)] = lijst;
    }
    auto Lijst = [this](EDatumLijst l) { return lijsten_[static_cast<size_t>(l)]; };
    auto Label = [this](EDatumLijst l) {
        return MaakLabel(kLijsten[static_cast<size_t>(l)].label, lijsten_[static_cast<size_t>(l)]);
    };

    weekdag_ = new QLineEdit;
    weekdag_->setObjectName(QStringLiteral("weekdag"));
    weekdag_->setReadOnly(true);
    weekdag_->setMinimumWidth(
        weekdag_->fontMetrics().horizontalAdvance(QStringLiteral("donderdag")) + 16);

    vastAantalDagen_ = new QRadioButton(QStringLiteral("Na een &vast aantal dagen"));
    vastAantalDagen_->setObjectName(QStringLiteral("vastAantalDagen"));
    vasteWeken_ = new QRadioButton(QStringLiteral("Vaste w&eken van de maand"));
    vasteWeken_->setObjectName(QStringLiteral("vasteWeken"));
    auto* methode = new QButtonGroup(this);
    methode->addButton(vastAantalDagen_);
    methode->addButton(vasteWeken_);
    connect(vastAantalDagen_, &QRadioButton::clicked, this, [this] {
        model_.KiesMethode(true);
        Toon();
    });
    connect(vasteWeken_, &QRadioButton::clicked, this, [this] {
        model_.KiesMethode(false);
        Toon();
    });

    auto* weken = new QVBoxLayout;
    weken->setContentsMargins(24, 0, 0, 0);
    for (int week = 0; week < kAantalWeken; ++week) {
        auto* box = new QCheckBox(QString::fromUtf8("&%1e week van de maand").arg(week + 1));
        box->setObjectName(QStringLiteral("week%1").arg(week + 1));
        connect(box, &QCheckBox::clicked, this, [this, week](bool aan) {
            model_.ZetWeek(week, aan);
            Toon();
        });
        weken->addWidget(box);
        weken_[static_cast<size_t>(week)] = box;
    }

    ok_ = new QPushButton(QStringLiteral("&OK"));
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    auto* afbreken = new QPushButton(QStringLiteral("&Afbreken"));
    afbreken->setObjectName(QStringLiteral("afbreken"));
    connect(ok_, &QPushButton::clicked, this, &DatumSelectieDlg::Ok);
    connect(afbreken, &QPushButton::clicked, this, &QDialog::reject);

    auto* datum = new QHBoxLayout;
    for (EDatumLijst l : {EDatumLijst::Dag, EDatumLijst::Maand, EDatumLijst::Jaar}) {
        datum->addWidget(Label(l));
        datum->addWidget(Lijst(l));
        datum->addSpacing(6);
    }
    datum->addWidget(MaakLabel("&weekdag:", weekdag_));
    datum->addWidget(weekdag_);

    auto* parameters = new QGridLayout;
    parameters->addWidget(Label(EDatumLijst::AantalKolommen), 0, 0);
    parameters->addWidget(Lijst(EDatumLijst::AantalKolommen), 0, 2, Qt::AlignLeft);
    parameters->addWidget(vastAantalDagen_, 1, 0);
    parameters->addWidget(Label(EDatumLijst::AantalDagen), 1, 1, Qt::AlignRight);
    parameters->addWidget(Lijst(EDatumLijst::AantalDagen), 1, 2, Qt::AlignLeft);
    parameters->addWidget(vasteWeken_, 2, 0);
    parameters->addLayout(weken, 3, 0, 1, 3);
    parameters->setColumnStretch(3, 1);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(ok_);
    knoppen->addWidget(afbreken);

    auto* venster = new QVBoxLayout(this);
    venster->addLayout(datum);
    venster->addSpacing(8);
    venster->addLayout(parameters);
    venster->addSpacing(8);
    venster->addLayout(knoppen);
    venster->setSizeConstraint(QLayout::SetFixedSize);

    Toon();
}

void DatumSelectieDlg::Toon() {
    for (const CLijstWidget& l : kLijsten) {
        QComboBox* lijst = lijsten_[static_cast<size_t>(l.lijst)];
        QSignalBlocker stil(lijst);
        lijst->setCurrentIndex(model_.Lijst(l.lijst).gekozen);
    }
    weekdag_->setText(NaarQString(model_.Weekdag()));
    vastAantalDagen_->setChecked(model_.VastAantalDagen());
    vasteWeken_->setChecked(!model_.VastAantalDagen());
    lijsten_[static_cast<size_t>(EDatumLijst::AantalDagen)]->setEnabled(model_.AantalDagenAan());
    for (int week = 0; week < kAantalWeken; ++week) {
        QCheckBox* box = weken_[static_cast<size_t>(week)];
        box->setChecked(model_.Week(week));
        box->setEnabled(model_.WekenAan());
    }
    ok_->setEnabled(model_.OkAan());
}

void DatumSelectieDlg::Ok() {
    if (model_.Ok() == 0) {
        accept();
    }
}

int KiesInschrijfDatum(CSettings& settings, CDatum& datum, QWidget* ouder, const CDatum& vandaag) {
    CDatumSelectie model(settings, vandaag);
    DatumSelectieDlg venster(model, ouder);
    if (VensterOpener().Open(venster) != QDialog::Accepted) {
        return -1;
    }
    datum = model.Datum();
    return 0;
}
