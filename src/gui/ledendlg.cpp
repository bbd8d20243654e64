#include "gui/ledendlg.h"

#include "app/morvelapp.h"
#include "gui/importdlg.h"
#include "gui/qttekst.h"
#include "gui/spelerkolomvak.h"
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
#include <QVBoxLayout>

CLedenDlg::CLedenDlg(CMorvelApp& app, QWidget* ouder) : QDialog(ouder), model_(app) {
    setWindowTitle(QString::fromLatin1(kLedenTitel));

    kolom_ = new CSpelerKolomVak(model_.Kolom(), {"leden", "Leden", 7, 260, "&Zoek:"},
                                 {{"N&r ", "sorteerNummer"}, {"&Naam", "sorteerNaam"}},
                                 {{"Toon a&lleen aktieve spelers", "alleenAktief"}});

    toevoegen_ = MaakConfigKnop("&Toevoegen", "toevoegen");
    verwijderen_ = MaakConfigKnop("&Verwijderen", "verwijderen");
    wijzigen_ = MaakConfigKnop("&Wijzigen", "wijzigen");
    importeren_ = MaakConfigKnop("&Importeren", "importeren");
    importeren_->setToolTip(QStringLiteral("Een ledenlijst uit een spreadsheet (CSV) toevoegen"));
    sluiten_ = MaakConfigKnop("&Sluiten", "sluiten");

    volgnummer_ = MaakVeld("volgnummer");
    naam_ = MaakVeld("naam");
    naam_->setMinimumWidth(220);
    beginKlasse_ = MaakVeld("beginKlasse");
    beginKlasseTekst_ = MaakVeld("beginKlasseTekst", true);
    beginKlasseTekst_->setAccessibleName(QStringLiteral("Begin klasse als graad"));
    huidigeKlasse_ = MaakVeld("huidigeKlasse", true);
    huidigeKlasseTekst_ = MaakVeld("huidigeKlasseTekst", true);
    huidigeKlasseTekst_->setAccessibleName(QStringLiteral("Huidige klasse als graad"));
    for (QLineEdit* klasse : {beginKlasse_, huidigeKlasse_, volgnummer_}) {
        klasse->setMaximumWidth(80);
    }
    aktief_ = MaakConfigVak("A&ktief", "aktief");
    standaardIndelen_ = MaakConfigVak("Standaard in&delen", "standaardIndelen");
    uitlotenToegestaan_ = MaakConfigVak("&Uitloten toegestaan", "uitlotenToegestaan");
    accepteer_ = MaakConfigKnop("&Accepteer", "accepteer");
    afbreken_ = MaakConfigKnop("A&fbreken", "afbreken");

    // The detail area "Wijzigen".
    auto* formulier = new QFormLayout;
    auto rij = [formulier](const char* label, QWidget* veld, QWidget* naast = nullptr) {
        auto* regel = new QHBoxLayout;
        regel->addWidget(veld);
        if (naast) {
            regel->addWidget(naast, 1);
        } else {
            regel->addStretch(1);
        }
        formulier->addRow(MaakLabel(label, veld), regel);
    };
    rij("V&olgnr:", volgnummer_);
    rij("Naa&m:", naam_);
    rij("&Begin klasse:", beginKlasse_, beginKlasseTekst_);
    rij("Huidige klasse:", huidigeKlasse_, huidigeKlasseTekst_);
    auto* vlaggen = new QVBoxLayout;
    vlaggen->addWidget(aktief_);
    vlaggen->addWidget(standaardIndelen_);
    vlaggen->addWidget(uitlotenToegestaan_);
    detail_ = new QGroupBox(QStringLiteral("Wijzigen"));
    auto* detailKolom = new QVBoxLayout(detail_);
    detailKolom->addLayout(formulier);
    detailKolom->addLayout(vlaggen);
    detailKolom->addStretch(1);
    detailKolom->addLayout(KnoppenRechts({accepteer_, afbreken_}));

    auto* knoppen = new QHBoxLayout;
    for (QPushButton* knop : {toevoegen_, verwijderen_, wijzigen_, importeren_}) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten_);
    auto* boven = new QHBoxLayout;
    boven->addWidget(kolom_, 1);
    boven->addWidget(detail_);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven, 1);
    venster->addLayout(knoppen);

    // Once the button is inside the dialog, or the dialog does not know it.
    accepteer_->setDefault(true);

    // A button or a chosen line: the model acts, the window shows it and the
    // focus goes where the model says.
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
    connect(kolom_, &CSpelerKolomVak::gewijzigd, this, &CLedenDlg::Toon);
    connect(kolom_, &CSpelerKolomVak::gekozen, this, [this] {
        model_.Wijzigen();
        NaBediening();
    });
    BijWijziging(volgnummer_, this,
                 [this](const QString& tekst) { model_.ZetVolgnummer(VanQString(tekst)); });
    BijWijziging(naam_, this, [this](const QString& tekst) { model_.ZetNaam(VanQString(tekst)); });
    BijWijziging(beginKlasse_, this, [this](const QString& tekst) {
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
    QLineEdit* veld = MaakConfigVeld(naam, alleenLezen);
    if (alleenLezen) {
        veld->setFocusPolicy(Qt::NoFocus);
    }
    return veld;
}

void CLedenDlg::Toon() {
    const bool bladeren = model_.Bladeren();
    kolom_->Toon();
    const CLedenVenster::CDetail d = model_.Detail();
    ZetVeldTekst(volgnummer_, d.volgnummer);
    ZetVeldTekst(naam_, d.naam);
    ZetVeldTekst(beginKlasse_, d.beginKlasse);
    ZetVeldTekst(beginKlasseTekst_, d.beginKlasseTekst);
    ZetVeldTekst(huidigeKlasse_, d.huidigeKlasse);
    ZetVeldTekst(huidigeKlasseTekst_, d.huidigeKlasseTekst);
    ZetVinkje(aktief_, d.aktief);
    ZetVinkje(standaardIndelen_, d.standaardIndelen);
    ZetVinkje(uitlotenToegestaan_, d.uitlotenToegestaan);

    toevoegen_->setEnabled(bladeren);
    sluiten_->setEnabled(bladeren);
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
    QLineEdit* veld = model_.Focus() == CLedenVenster::EFocus::Naam ? naam_ : kolom_->ZoekVeld();
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
    // The window's own close box closes as "&Sluiten" does, an edit only
    // after the question.
    if (!model_.MagSluiten()) {
        gebeurtenis->ignore();
        NaBediening();
        return;
    }
    model_.Sluiten();
    QDialog::closeEvent(gebeurtenis);
}

void ToonLeden(CMorvelApp& app, QWidget* ouder) {
    CLedenDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
