#include "gui/ledendlg.h"

#include "app/morvelapp.h"
#include "gui/importdlg.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kNummerKop = 0;
constexpr int kNaamKop = 1;

} // namespace

CLedenDlg::CLedenDlg(CMorvelApp& app, QWidget* ouder) : QDialog(ouder), model_(app) {
    setWindowTitle(QString::fromLatin1(kLedenTitel));

    lijst_ = new CMultiLineListBox;
    lijst_->setObjectName(QStringLiteral("leden"));
    lijst_->setAccessibleName(QStringLiteral("Leden"));
    koppen_ = new CKolomKoppen(*lijst_);
    koppen_->VoegToe("N&r ", "sorteerNummer", CKolomKoppen::ESoort::Sorteert);
    koppen_->VoegToe("&Naam", "sorteerNaam", CKolomKoppen::ESoort::Sorteert);
    lijst_->ZetKolomBreedtes({7});
    lijst_->setMinimumWidth(260);

    zoek_ = MaakVeld("zoek");
    auto* zoekLabel = new QLabel(QStringLiteral("Zoek:"));
    zoekLabel->setBuddy(zoek_);
    alleenAktief_ = new QCheckBox(QStringLiteral("Toon alleen aktieve spelers"));
    alleenAktief_->setObjectName(QStringLiteral("alleenAktief"));

    toevoegen_ = MaakKnop("&Toevoegen", "toevoegen");
    verwijderen_ = MaakKnop("&Verwijderen", "verwijderen");
    wijzigen_ = MaakKnop("&Wijzigen", "wijzigen");
    importeren_ = MaakKnop("&Importeren", "importeren");
    importeren_->setToolTip(QStringLiteral("Een ledenlijst uit een spreadsheet (CSV) toevoegen"));
    sluiten_ = MaakKnop("&Sluiten", "sluiten");

    volgnummer_ = MaakVeld("volgnummer");
    naam_ = MaakVeld("naam");
    naam_->setMinimumWidth(220);
    beginKlasse_ = MaakVeld("beginKlasse");
    beginKlasseTekst_ = MaakVeld("beginKlasseTekst", true);
    huidigeKlasse_ = MaakVeld("huidigeKlasse", true);
    huidigeKlasseTekst_ = MaakVeld("huidigeKlasseTekst", true);
    for (QLineEdit* klasse : {beginKlasse_, huidigeKlasse_, volgnummer_}) {
        klasse->setMaximumWidth(80);
    }
    aktief_ = new QCheckBox(QStringLiteral("Aktief"));
    aktief_->setObjectName(QStringLiteral("aktief"));
    standaardIndelen_ = new QCheckBox(QStringLiteral("Standaard indelen"));
    standaardIndelen_->setObjectName(QStringLiteral("standaardIndelen"));
    uitlotenToegestaan_ = new QCheckBox(QStringLiteral("Uitloten toegestaan"));
    uitlotenToegestaan_->setObjectName(QStringLiteral("uitlotenToegestaan"));
    accepteer_ = MaakKnop("Accepteer", "accepteer");
    afbreken_ = MaakKnop("Afbreken", "afbreken");

    // The detail area "Wijzigen".
    auto* formulier = new QFormLayout;
    auto rij = [formulier](const char* label, QWidget* veld, QWidget* naast = nullptr) {
        auto* tekst = new QLabel(QString::fromUtf8(label));
        tekst->setBuddy(veld);
        auto* regel = new QHBoxLayout;
        regel->addWidget(veld);
        if (naast) {
            regel->addWidget(naast, 1);
        } else {
            regel->addStretch(1);
        }
        formulier->addRow(tekst, regel);
    };
    rij("Volgnr:", volgnummer_);
    rij("Naam:", naam_);
    rij("Begin klasse:", beginKlasse_, beginKlasseTekst_);
    rij("Huidige klasse:", huidigeKlasse_, huidigeKlasseTekst_);
    auto* vlaggen = new QVBoxLayout;
    vlaggen->addWidget(aktief_);
    vlaggen->addWidget(standaardIndelen_);
    vlaggen->addWidget(uitlotenToegestaan_);
    auto* bewerkKnoppen = new QHBoxLayout;
    bewerkKnoppen->addStretch(1);
    bewerkKnoppen->addWidget(accepteer_);
    bewerkKnoppen->addWidget(afbreken_);
    detail_ = new QGroupBox(QStringLiteral("Wijzigen"));
    auto* detailKolom = new QVBoxLayout(detail_);
    detailKolom->addLayout(formulier);
    detailKolom->addLayout(vlaggen);
    detailKolom->addStretch(1);
    detailKolom->addLayout(bewerkKnoppen);

    auto* zoekRegel = new QHBoxLayout;
    zoekRegel->addWidget(zoekLabel);
    zoekRegel->addWidget(zoek_, 1);
    auto* links = new QVBoxLayout;
    links->setSpacing(0);
    links->addWidget(koppen_);
    links->addWidget(lijst_, 1);
    links->addSpacing(6);
    links->addLayout(zoekRegel);
    links->addSpacing(4);
    links->addWidget(alleenAktief_);
    auto* knoppen = new QHBoxLayout;
    for (QPushButton* knop : {toevoegen_, verwijderen_, wijzigen_, importeren_}) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten_);
    auto* boven = new QHBoxLayout;
    boven->addLayout(links, 1);
    boven->addWidget(detail_);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven, 1);
    venster->addLayout(knoppen);

    // Once the button is inside the dialog, or the dialog does not know it.
    accepteer_->setDefault(true);
    setTabOrder(zoek_, lijst_);
    setTabOrder(lijst_, alleenAktief_);

    // A button, a head, the filter or a chosen line: the model acts, the
    // window shows it and the focus goes where the model says.
    auto knop = [this](QPushButton* k, auto operatie) {
        connect(k, &QPushButton::clicked, this, [this, operatie] {
            operatie(model_);
            NaBediening();
        });
    };
    knop(toevoegen_, [](CLedenVenster& m) { m.Toevoegen(); });
    knop(wijzigen_, [](CLedenVenster& m) { m.Wijzigen(); });
    knop(verwijderen_, [](CLedenVenster& m) { m.Verwijderen(); });
    knop(accepteer_, [](CLedenVenster& m) { m.Accepteer(); });
    knop(afbreken_, [](CLedenVenster& m) { m.Afbreken(); });
    connect(sluiten_, &QPushButton::clicked, this, &CLedenDlg::Sluiten);
    connect(importeren_, &QPushButton::clicked, this, &CLedenDlg::Importeren);
    connect(koppen_, &CKolomKoppen::sorteer, this, [this](int kop, Qt::SortOrder) {
        kop == kNummerKop ? model_.SorteerOpNummer() : model_.SorteerOpNaam();
        NaBediening();
    });
    connect(alleenAktief_, &QCheckBox::toggled, this, [this](bool aan) {
        model_.ZetAlleenAktief(aan);
        NaBediening();
    });
    connect(lijst_, &CMultiLineListBox::gekozen, this, [this](int regel) {
        model_.Selecteer(regel);
        model_.Wijzigen();
        NaBediening();
    });
    connect(lijst_, &CMultiLineListBox::selectieGewijzigd, this, [this](int regel) {
        model_.Selecteer(regel);
        Toon();
    });
    connect(zoek_, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        model_.Zoek(VanQString(tekst));
        Toon();
    });
    connect(volgnummer_, &QLineEdit::textEdited, this,
            [this](const QString& tekst) { model_.ZetVolgnummer(VanQString(tekst)); });
    connect(naam_, &QLineEdit::textEdited, this,
            [this](const QString& tekst) { model_.ZetNaam(VanQString(tekst)); });
    connect(beginKlasse_, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        model_.ZetBeginKlasse(VanQString(tekst));
        Toon();
    });
    connect(aktief_, &QCheckBox::toggled, this, [this](bool aan) { model_.ZetAktief(aan); });
    connect(standaardIndelen_, &QCheckBox::toggled, this,
            [this](bool aan) { model_.ZetStandaardIndelen(aan); });
    connect(uitlotenToegestaan_, &QCheckBox::toggled, this,
            [this](bool aan) { model_.ZetUitlotenToegestaan(aan); });

    NaBediening();
}

QLineEdit* CLedenDlg::MaakVeld(const char* naam, bool alleenLezen) {
    auto* veld = new QLineEdit;
    veld->setObjectName(QString::fromUtf8(naam));
    veld->setReadOnly(alleenLezen);
    if (alleenLezen) {
        veld->setFocusPolicy(Qt::NoFocus);
    }
    return veld;
}

QPushButton* CLedenDlg::MaakKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setAutoDefault(false);
    return knop;
}

void CLedenDlg::Toon() {
    const bool bladeren = model_.Bladeren();
    if (model_.Rijen() != getoondeRijen_) {
        getoondeRijen_ = model_.Rijen();
        lijst_->ZetRegels(getoondeRijen_);
    }
    lijst_->Selecteer(model_.Selectie());
    koppen_->ZetSortering(
        bladeren ? (model_.SorteerSleutel() < CLedenVenster::kNaamOp ? kNummerKop : kNaamKop) : -1,
        model_.SorteerSleutel() % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    ZetVeldTekst(zoek_, model_.ZoekTekst());
    ZetVinkje(alleenAktief_, model_.AlleenAktief());

    const CLedenVenster::CDetail& d = model_.Detail();
    ZetVeldTekst(volgnummer_, d.volgnummer);
    ZetVeldTekst(naam_, d.naam);
    ZetVeldTekst(beginKlasse_, d.beginKlasse);
    ZetVeldTekst(beginKlasseTekst_, d.beginKlasseTekst);
    ZetVeldTekst(huidigeKlasse_, d.huidigeKlasse);
    ZetVeldTekst(huidigeKlasseTekst_, d.huidigeKlasseTekst);
    ZetVinkje(aktief_, d.aktief);
    ZetVinkje(standaardIndelen_, d.standaardIndelen);
    ZetVinkje(uitlotenToegestaan_, d.uitlotenToegestaan);

    for (QWidget* w : std::initializer_list<QWidget*>{koppen_, lijst_, zoek_, alleenAktief_,
                                                      toevoegen_, sluiten_}) {
        w->setEnabled(bladeren);
    }
    importeren_->setEnabled(model_.ImporterenAan());
    verwijderen_->setEnabled(model_.SelectieKnoppenAan());
    wijzigen_->setEnabled(model_.SelectieKnoppenAan());
    for (QWidget* w : std::initializer_list<QWidget*>{
             naam_, beginKlasse_, beginKlasseTekst_, huidigeKlasse_, huidigeKlasseTekst_, aktief_,
             standaardIndelen_, uitlotenToegestaan_, accepteer_, afbreken_}) {
        w->setEnabled(!bladeren);
    }
    volgnummer_->setEnabled(model_.VolgnummerAan());
}

void CLedenDlg::NaBediening() {
    Toon();
    ZetFocus();
}

void CLedenDlg::ZetFocus() {
    QLineEdit* veld = model_.Focus() == CLedenVenster::EFocus::Naam ? naam_ : zoek_;
    veld->setFocus();
    if (veld == naam_) {
        veld->selectAll();
    }
}

void CLedenDlg::Sluiten() {
    model_.Sluiten();
    accept();
}

void CLedenDlg::Importeren() {
    const QString pad = VensterOpener().KiesBestand(
        this, EBestandKeuze::Openen, QStringLiteral("Ledenlijst importeren"),
        NaarQString(model_.ImportMap()),
        QStringLiteral("Ledenlijsten (*.csv *.txt *.CSV *.TXT);;Alle bestanden (*)"));
    CLedenImport import;
    if (!pad.isEmpty() && model_.LeesImport(VanQString(pad), import) == 0) {
        CImportDlg voorbeeld(model_.App(), VanQString(pad), std::move(import), this);
        if (VensterOpener().Open(voorbeeld) == QDialog::Accepted) {
            model_.NaImport();
        }
    }
    NaBediening();
}

void CLedenDlg::keyPressEvent(QKeyEvent* gebeurtenis) {
    if (gebeurtenis->key() == Qt::Key_Escape) {
        // Escape ends an edit; while browsing the window stays open.
        if (!model_.Bladeren()) {
            model_.Afbreken();
            NaBediening();
        }
        gebeurtenis->accept();
        return;
    }
    QDialog::keyPressEvent(gebeurtenis);
}

void CLedenDlg::closeEvent(QCloseEvent* gebeurtenis) {
    // The window's own close box closes as "&Sluiten" does.
    model_.Sluiten();
    QDialog::closeEvent(gebeurtenis);
}

void ToonLeden(CMorvelApp& app, QWidget* ouder) {
    CLedenDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
