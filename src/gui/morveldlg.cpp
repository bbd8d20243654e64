#include "gui/morveldlg.h"

#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/melding.h"
#include "gui/configdlg.h"
#include "gui/datumselectiedlg.h"
#include "gui/geschiedenisdlg.h"
#include "gui/handleidingdlg.h"
#include "gui/indelingdlg.h"
#include "gui/klassenverloopdlg.h"
#include "gui/ledendlg.h"
#include "gui/nieuwecompetitiedlg.h"
#include "gui/pictogram.h"
#include "gui/qttekst.h"
#include "gui/rondesdlg.h"
#include "gui/standdlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr const char* kRelease = "2.2f";

QGroupBox* MaakGroep(const char* titel, std::initializer_list<QPushButton*> knoppen) {
    auto* groep = new QGroupBox(QString::fromUtf8(titel));
    auto* kolom = new QVBoxLayout(groep);
    for (QPushButton* knop : knoppen) {
        kolom->addWidget(knop);
    }
    kolom->addStretch(1);
    return groep;
}

} // namespace

CMorvelDlg::CMorvelDlg(CMorvelApp& app, QWidget* ouder) : QDialog(ouder), app_(app) {
    ToonTitel();
    setWindowIcon(MorvelPictogram());

    competitieLijst_ = new QComboBox;
    competitieLijst_->setObjectName(QStringLiteral("competitie"));
    competitieLijst_->setEditable(false);
    competitieLijst_->setMinimumContentsLength(24);
    competitieLijst_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* competitieLabel = new QLabel(QStringLiteral("C&ompetitie:"));
    competitieLabel->setBuddy(competitieLijst_);
    auto* release = new QLabel(QString::fromUtf8(kRelease));
    release->setObjectName(QStringLiteral("release"));
    release->setAlignment(Qt::AlignRight | Qt::AlignTop);

    QPushButton* leden = MaakKnop("&Leden", "leden");
    QPushButton* nieuw = MaakKnop("&Nieuwe comp.", "nieuweCompetitie");
    QPushButton* configuratie = MaakKnop("&Configuratie", "configuratie");
    QPushButton* geschiedenis = MaakKnop("&Geschiedenis", "geschiedenis");
    geschiedenis->setAccessibleName(QStringLiteral("Geschiedenis"));
    uitslagen_ = MaakKnop("&Uitslagen", "uitslagen");
    QPushButton* indeling = MaakKnop("&Indeling", "indeling");
    QPushButton* inschrijflijst = MaakKnop("Insch&rijflijst", "inschrijflijst");
    QPushButton* klassenverloop = MaakKnop("&Klassenverloop", "klassenverloop");
    QPushButton* stand = MaakKnop("&Stand", "stand");
    QPushButton* afsluiten = MaakKnop("&Afsluiten", "afsluiten");
    QPushButton* help = MaakKnop("&Help", "help");
    afsluiten->setDefault(true);
    competitieCommandos_ = {leden,          uitslagen_, indeling,    inschrijflijst,
                            klassenverloop, stand,      geschiedenis};

    auto* boven = new QHBoxLayout;
    boven->addWidget(competitieLabel);
    boven->addWidget(competitieLijst_, 1);
    boven->addSpacing(24);
    boven->addWidget(release, 0, Qt::AlignTop);

    auto* groepen = new QHBoxLayout;
    groepen->addWidget(MaakGroep("Onderhoud", {leden, nieuw, configuratie, geschiedenis}), 1);
    groepen->addWidget(MaakGroep("Verwerking", {uitslagen_, indeling}), 1);
    groepen->addWidget(MaakGroep("Overzichten", {inschrijflijst, klassenverloop, stand}), 1);

    auto* onder = new QHBoxLayout;
    onder->addWidget(help);
    onder->addStretch(1);
    onder->addWidget(afsluiten);

    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven);
    venster->addSpacing(6);
    venster->addLayout(groepen);
    venster->addSpacing(6);
    venster->addLayout(onder);
    venster->setSizeConstraint(QLayout::SetFixedSize);

    connect(competitieLijst_, &QComboBox::activated, this, [this] { KiesCompetitie(); });
    connect(leden, &QPushButton::clicked, this, &CMorvelDlg::Leden);
    connect(nieuw, &QPushButton::clicked, this, &CMorvelDlg::NieuweCompetitie);
    connect(configuratie, &QPushButton::clicked, this, &CMorvelDlg::Configuratie);
    connect(geschiedenis, &QPushButton::clicked, this, &CMorvelDlg::Geschiedenis);
    connect(uitslagen_, &QPushButton::clicked, this, &CMorvelDlg::Uitslagen);
    connect(indeling, &QPushButton::clicked, this, &CMorvelDlg::Indeling);
    connect(inschrijflijst, &QPushButton::clicked, this, &CMorvelDlg::Inschrijflijst);
    connect(klassenverloop, &QPushButton::clicked, this, &CMorvelDlg::Klassenverloop);
    connect(stand, &QPushButton::clicked, this, &CMorvelDlg::Stand);
    connect(afsluiten, &QPushButton::clicked, this, &QDialog::accept);
    // The manual from its start; F1 opens it at the section of the window.
    connect(help, &QPushButton::clicked, this, [this] { ToonHandleiding("", this); });

    ZetCompetitieCommandos(false);
}

CMorvelDlg::~CMorvelDlg() {
    app_.SluitAf(false);
}

QPushButton* CMorvelDlg::MaakKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setMinimumWidth(120);
    return knop;
}

void CMorvelDlg::showEvent(QShowEvent* gebeurtenis) {
    QDialog::showEvent(gebeurtenis);
    if (!getoond_) {
        getoond_ = true;
        // Once the window is on the screen: a message of the opening (a
        // recovery copy, a line of the data file) must not interrupt its showing.
        QMetaObject::invokeMethod(
            this,
            [this] {
                VernieuwCompetities();
                uitslagen_->setFocus();
            },
            Qt::QueuedConnection);
    }
}

void CMorvelDlg::VernieuwCompetities() {
    std::vector<std::string> namen = app_.Competities();
    int keuze = app_.BewaardeCompetitie(namen);
    {
        QSignalBlocker stil(competitieLijst_);
        competitieLijst_->clear();
        for (const std::string& naam : namen) {
            competitieLijst_->addItem(NaarQString(naam));
        }
        competitieLijst_->setCurrentIndex(keuze);
    }
    if (keuze < 0) {
        // The competition open before, if any, stays in memory and is
        // written at the next switch or at the close.
        ZetCompetitieCommandos(false);
        return;
    }
    KiesCompetitie();
}

int CMorvelDlg::KiesCompetitie() {
    int index = competitieLijst_->currentIndex();
    if (index < 0) {
        return -1;
    }
    int gelezen = app_.KiesCompetitie(VanQString(competitieLijst_->itemText(index)));
    // After a failed write the open competition stays, and so does its place in the list.
    SelecteerGeopende();
    ZetCompetitieCommandos(app_.CompetitieGelezen());
    ToonTitel();
    return gelezen;
}

void CMorvelDlg::ToonTitel() {
    setWindowTitle(app_.AlleenLezen() ? QStringLiteral("Morvel Competitie Beheer (alleen lezen)")
                                      : QStringLiteral("Morvel Competitie Beheer"));
}

void CMorvelDlg::SelecteerGeopende() {
    QSignalBlocker stil(competitieLijst_);
    const std::string& geopend = app_.GeopendeNaam();
    competitieLijst_->setCurrentIndex(
        geopend.empty() ? -1 : competitieLijst_->findText(NaarQString(geopend)));
}

void CMorvelDlg::ZetCompetitieCommandos(bool aan) {
    for (QPushButton* knop : competitieCommandos_) {
        knop->setEnabled(aan);
    }
}

void CMorvelDlg::done(int resultaat) {
    if (app_.SluitAf(true)) {
        QDialog::done(resultaat);
    }
}

void CMorvelDlg::Leden() {
    ToonLeden(app_, this);
}

void CMorvelDlg::NieuweCompetitie() {
    ToonNieuweCompetitie(app_, this);
    // The new competition is in the list; the one open before is opened again.
    VernieuwCompetities();
}

void CMorvelDlg::Configuratie() {
    ToonConfiguratie(app_, this);
    // The data directory may have changed, however the window was closed.
    VernieuwCompetities();
}

void CMorvelDlg::Geschiedenis() {
    ToonGeschiedenis(app_, this);
}

void CMorvelDlg::Uitslagen() {
    ToonRondes(app_, this);
}

void CMorvelDlg::Indeling() {
    ToonIndeling(app_, this);
}

void CMorvelDlg::Inschrijflijst() {
    CDatum eerste;
    if (KiesInschrijfDatum(app_.settings, eerste, this) == 0) {
        ExporteerInschrijflijst(app_, eerste);
    }
}

void CMorvelDlg::Klassenverloop() {
    // The spreadsheet file as always, then the chart, with the spreadsheet a button away.
    const bool geschreven = SchrijfKlassenverloop(app_) == 0;
    ToonKlassenverloop(app_, geschreven ? CsvBestand(app_) : std::string(), this);
}

void CMorvelDlg::Stand() {
    ToonStand(app_, this);
}
