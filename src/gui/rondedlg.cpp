#include "gui/rondedlg.h"

#include "app/morvelapp.h"
#include "gui/klasseveld.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/spelerkolomvak.h"
#include "gui/tekenknoppen.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRondeDlg::CRondeDlg(CMorvelApp& app, CRonde& ronde, QWidget* ouder, bool uitIndeling)
    : QDialog(ouder), model_(app, ronde, uitIndeling) {
    setWindowTitle(QString::fromLatin1(kUitslagenTitel));

    identificatie_ = MaakConfigVeld("identificatie");
    identificatie_->installEventFilter(this);

    kolom_ = new CSpelerKolomVak(model_.Kolom(), {"spelers", "Spelers", 7, 240, "&Zoek:"},
                                 {{"N&r ", "sorteerNummer"}, {"&Naam", "sorteerNaam"}},
                                 {{"Toon a&lleen aktieve spelers", "alleenAktief"},
                                  {"&Verberg al verwerkte spelers", "verbergVerwerkt"}});

    toevoegen_ = MaakTekenKnop(
        {"-->", "toevoegen", "Speler toevoegen", QKeySequence(Qt::ALT | Qt::Key_Right), true});
    verwijderen_ = MaakTekenKnop(
        {"<--", "verwijderen", "Regel verwijderen", QKeySequence(Qt::ALT | Qt::Key_Left), true});
    wissel_ = MaakTekenKnop(
        {"+/-", "wissel", "Uitslag wisselen", QKeySequence(Qt::ALT | Qt::Key_U), false});

    uitslagen_ = new CMultiLineListBox;
    uitslagen_->setObjectName(QStringLiteral("uitslagen"));
    uitslagen_->setAccessibleName(QStringLiteral("Uitslagen"));
    uitslagKoppen_ = new CKolomKoppen(*uitslagen_);
    uitslagKoppen_->VoegToe("Naam", "naam1", CKolomKoppen::ESoort::Tekst);
    uitslagKoppen_->VoegToe("Naam", "naam2", CKolomKoppen::ESoort::Tekst);
    const int uitslagKop =
        uitslagKoppen_->VoegToe("&Uitslag", "uitslagKop", CKolomKoppen::ESoort::Commando);
    uitslagen_->ZetKolomBreedtes({20, 20, 14});
    uitslagen_->ZetMeeRekken({0, 1});
    uitslagen_->setMinimumWidth(400);
    uitslagen_->setToolTip(QStringLiteral("Uitslag van de geselecteerde partij met een toets: "
                                          "1 of + wint de eerste speler, 2 of - de tweede, "
                                          "0, = of j jigo, ? niet genoteerd"));
    uitslagen_->installEventFilter(this);
    zonderUitslag_ = new QLabel;
    zonderUitslag_->setObjectName(QStringLiteral("zonderUitslag"));
    zonderUitslag_->setAccessibleName(QStringLiteral("Partijen zonder uitslag"));

    klasse_ = new CKlasseVeld;
    klasse_->setObjectName(QStringLiteral("klasse"));
    klasse_->setAccessibleName(QStringLiteral("Klasse"));
    // Room for a class of five digits beside the arrows.
    klasse_->setMinimumWidth(klasse_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                             32);
    klasse_->setMaximumWidth(120);
    klasseTekst_ = MaakConfigVeld("klasseTekst", true);
    klasseTekst_->setAccessibleName(QStringLiteral("Klasse als graad"));
    klasseTekst_->setFocusPolicy(Qt::NoFocus);
    nieuweKlasse_ = MaakConfigKnop("Ni&euwe klasse", "nieuweKlasse");
    ok_ = MaakConfigKnop("&Ok", "ok");
    cancel_ = MaakConfigKnop("&Cancel", "cancel");

    auto* identificatieRegel = new QHBoxLayout;
    identificatieRegel->addWidget(MaakLabel("&Identificatie:", identificatie_));
    identificatieRegel->addWidget(identificatie_, 1);

    auto* klasseRegel = new QHBoxLayout;
    klasseRegel->addWidget(MaakLabel("&Klasse:", klasse_));
    klasseRegel->addWidget(klasse_);
    klasseRegel->addWidget(klasseTekst_, 1);
    klasseRegel->addWidget(nieuweKlasse_);
    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(0);
    rechts->addWidget(uitslagKoppen_);
    rechts->addWidget(uitslagen_, 1);
    rechts->addWidget(zonderUitslag_);
    rechts->addSpacing(6);
    rechts->addLayout(klasseRegel);

    auto* lijsten = new QHBoxLayout;
    lijsten->addWidget(kolom_, 2);
    lijsten->addLayout(PijlKolom(toevoegen_, verwijderen_, wissel_));
    lijsten->addLayout(rechts, 3);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(identificatieRegel);
    venster->addLayout(lijsten, 1);
    venster->addLayout(KnoppenRechts({ok_, cancel_}));

    // Once the button is inside the dialog, or the dialog does not know it.
    ok_->setDefault(true);
    setTabOrder(identificatie_, kolom_->ZoekVeld());
    QWidget* volgorde[] = {kolom_->Laatste(), toevoegen_,    verwijderen_, wissel_, uitslagen_,
                           klasse_,           nieuweKlasse_, ok_,          cancel_};
    for (size_t i = 1; i < std::size(volgorde); ++i) {
        setTabOrder(volgorde[i - 1], volgorde[i]);
    }

    auto knop = [this](QPushButton* k, auto operatie) {
        connect(k, &QPushButton::clicked, this, [this, operatie] {
            operatie(model_);
            NaBediening();
        });
    };
    knop(toevoegen_, [](CRondeVenster& m) { m.Toevoegen(); });
    knop(verwijderen_, [](CRondeVenster& m) { m.Verwijderen(); });
    knop(wissel_, [](CRondeVenster& m) { m.Wissel(); });
    knop(nieuweKlasse_, [](CRondeVenster& m) { m.NieuweKlasse(); });
    connect(ok_, &QPushButton::clicked, this, &CRondeDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CRondeDlg::reject);
    connect(uitslagKoppen_, &CKolomKoppen::geklikt, this, [this, uitslagKop](int kop) {
        if (kop == uitslagKop) {
            model_.Wissel();
            NaBediening();
        }
    });
    connect(kolom_, &CSpelerKolomVak::gewijzigd, this, &CRondeDlg::Toon);
    // A double click on a player, or Enter on him in the list or in "Zoek:".
    connect(kolom_, &CSpelerKolomVak::gekozen, this, [this] {
        model_.Toevoegen();
        NaBediening();
    });
    connect(uitslagen_, &CMultiLineListBox::selectieGewijzigd, this, [this](int rij) {
        model_.SelecteerUitslag(rij);
        Toon();
    });
    connect(uitslagen_, &CMultiLineListBox::gekozen, this, [this](int rij) {
        model_.SelecteerUitslag(rij);
        model_.Wissel();
        Toon();
    });
    BijWijziging(identificatie_, this,
                 [this](const QString& tekst) { model_.ZetIdentificatie(VanQString(tekst)); });
    klasse_->bewerkt = [this](const QString& tekst) {
        model_.ZetKlasseVeld(VanQString(tekst));
        Toon();
    };
    klasse_->stap = [this](int stappen) {
        model_.KlasseStap(stappen);
        Toon();
    };

    NaBediening();
}

void CRondeDlg::Toon() {
    ZetVeldTekst(identificatie_, model_.Identificatie());
    kolom_->Toon();
    uitslagen_->ToonRegels(model_.UitslagRijen());
    uitslagen_->Selecteer(model_.UitslagSelectie());
    klasse_->ZetTekst(model_.KlasseVeld());
    ZetVeldTekst(klasseTekst_, model_.KlasseTekst());
    zonderUitslag_->setText(NaarQString(model_.ZonderUitslagTekst()));

    toevoegen_->setEnabled(model_.ToevoegenAan());
    verwijderen_->setEnabled(model_.VerwijderenAan());
    wissel_->setEnabled(model_.WisselAan());
    nieuweKlasse_->setEnabled(model_.NieuweKlasseAan());
    klasse_->setEnabled(model_.KlasseVeldAan());
    ok_->setEnabled(model_.OkAan());
}

void CRondeDlg::ZetFocus() {
    switch (model_.Focus()) {
    case CRondeVenster::EFocus::Identificatie:
        identificatie_->setFocus();
        break;
    case CRondeVenster::EFocus::Uitslagen:
        uitslagen_->setFocus();
        break;
    case CRondeVenster::EFocus::Zoek:
        kolom_->ZoekVeld()->setFocus();
        break;
    }
}

void CRondeDlg::NaBediening() {
    Toon();
    ZetFocus();
}

void CRondeDlg::accept() {
    if (!ok_->isEnabled()) {
        return;
    }
    if (model_.Ok() == 0) {
        QDialog::accept();
        return;
    }
    NaBediening();
}

void CRondeDlg::reject() {
    if (model_.Cancel() == 0) {
        QDialog::reject();
    }
}

bool CRondeDlg::eventFilter(QObject* object, QEvent* gebeurtenis) {
    // One key per result in the entry list.
    if (object == uitslagen_ && gebeurtenis->type() == QEvent::KeyPress) {
        auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
        const QString tekst = toets->text();
        if (tekst.size() == 1 && tekst[0].unicode() < 0x80 &&
            !(toets->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            model_.Toets(static_cast<char>(tekst[0].unicode()))) {
            Toon();
            return true;
        }
    }
    // Enter in "Identificatie:" goes on to "Zoek:"; it never stores the round.
    if (object == identificatie_ && gebeurtenis->type() == QEvent::KeyPress) {
        auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
        if (toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter) {
            kolom_->ZoekVeld()->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(object, gebeurtenis);
}

bool ToonUitslagen(CMorvelApp& app, CRonde& ronde, QWidget* ouder, bool uitIndeling) {
    CRondeDlg venster(app, ronde, ouder, uitIndeling);
    return VensterOpener().Open(venster) == QDialog::Accepted;
}
