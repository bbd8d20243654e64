#include "gui/rondedlg.h"

#include "app/morvelapp.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

// The class field: a free text with up and down arrows that the model steps.
class CKlasseVeld : public QAbstractSpinBox {
public:
    CKlasseVeld() {
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& tekst) {
            if (bewerkt) {
                bewerkt(tekst);
            }
        });
    }

    void ZetTekst(const QString& tekst) {
        if (lineEdit()->text() != tekst) {
            lineEdit()->setText(tekst);
        }
    }
    QString Tekst() const { return lineEdit()->text(); }

    void stepBy(int stappen) override {
        if (stap) {
            stap(stappen);
        }
    }

    std::function<void(const QString&)> bewerkt;
    std::function<void(int)> stap;

protected:
    StepEnabled stepEnabled() const override {
        return isEnabled() ? StepUpEnabled | StepDownEnabled : StepNone;
    }
};

namespace {

constexpr int kNummerKop = 0;

// Shows `rijen` in `lijst`: only the rows that differ when their number stayed.
void ZetRijen(CMultiLineListBox* lijst, std::vector<std::string>& getoond,
              const std::vector<std::string>& rijen) {
    if (rijen == getoond) {
        return;
    }
    if (rijen.size() == getoond.size()) {
        for (size_t i = 0; i < rijen.size(); ++i) {
            if (rijen[i] != getoond[i]) {
                lijst->ZetRegel(static_cast<int>(i), rijen[i]);
            }
        }
    } else {
        lijst->ZetRegels(rijen);
    }
    getoond = rijen;
}

QLabel* Label(const char* tekst, QWidget* veld) {
    auto* label = new QLabel(QString::fromUtf8(tekst));
    label->setBuddy(veld);
    return label;
}

} // namespace

CRondeDlg::CRondeDlg(CMorvelApp& app, CRonde& ronde, QWidget* ouder, bool uitIndeling)
    : QDialog(ouder), model_(app, ronde, uitIndeling) {
    setWindowTitle(QString::fromLatin1(kUitslagenTitel));

    identificatie_ = new QLineEdit;
    identificatie_->setObjectName(QStringLiteral("identificatie"));

    spelers_ = new CMultiLineListBox;
    spelers_->setObjectName(QStringLiteral("spelers"));
    spelers_->setAccessibleName(QStringLiteral("Spelers"));
    spelerKoppen_ = new CKolomKoppen(*spelers_);
    spelerKoppen_->VoegToe("N&r ", "sorteerNummer", CKolomKoppen::ESoort::Sorteert);
    spelerKoppen_->VoegToe("&Naam", "sorteerNaam", CKolomKoppen::ESoort::Sorteert);
    spelers_->ZetKolomBreedtes({7});
    spelers_->setMinimumWidth(240);
    zoek_ = new QLineEdit;
    zoek_->setObjectName(QStringLiteral("zoek"));
    zoek_->installEventFilter(this);
    alleenAktief_ = new QCheckBox(QStringLiteral("Toon alleen aktieve spelers"));
    alleenAktief_->setObjectName(QStringLiteral("alleenAktief"));
    verbergVerwerkt_ = new QCheckBox(QStringLiteral("Verberg al verwerkte spelers"));
    verbergVerwerkt_->setObjectName(QStringLiteral("verbergVerwerkt"));

    toevoegen_ = MaakKnop("-->", "toevoegen");
    verwijderen_ = MaakKnop("<--", "verwijderen");
    wissel_ = MaakKnop("+/-", "wissel");

    uitslagen_ = new CMultiLineListBox;
    uitslagen_->setObjectName(QStringLiteral("uitslagen"));
    uitslagen_->setAccessibleName(QStringLiteral("Uitslagen"));
    uitslagKoppen_ = new CKolomKoppen(*uitslagen_);
    uitslagKoppen_->VoegToe("Naam", "naam1", CKolomKoppen::ESoort::Tekst);
    uitslagKoppen_->VoegToe("Naam", "naam2", CKolomKoppen::ESoort::Tekst);
    const int uitslagKop =
        uitslagKoppen_->VoegToe("&Uitslag", "uitslagKop", CKolomKoppen::ESoort::Commando);
    uitslagen_->ZetKolomBreedtes({20, 20});
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
    klasseTekst_ = new QLineEdit;
    klasseTekst_->setObjectName(QStringLiteral("klasseTekst"));
    klasseTekst_->setAccessibleName(QStringLiteral("Klasse tekst"));
    klasseTekst_->setReadOnly(true);
    klasseTekst_->setFocusPolicy(Qt::NoFocus);
    nieuweKlasse_ = MaakKnop("&Nieuwe klasse", "nieuweKlasse");
    ok_ = MaakKnop("&Ok", "ok");
    cancel_ = MaakKnop("&Cancel", "cancel");

    auto* identificatieRegel = new QHBoxLayout;
    identificatieRegel->addWidget(Label("Identificatie:", identificatie_));
    identificatieRegel->addWidget(identificatie_, 1);

    auto* zoekRegel = new QHBoxLayout;
    zoekRegel->addWidget(Label("Zoek:", zoek_));
    zoekRegel->addWidget(zoek_, 1);
    auto* links = new QVBoxLayout;
    links->setSpacing(0);
    links->addWidget(spelerKoppen_);
    links->addWidget(spelers_, 1);
    links->addSpacing(6);
    links->addLayout(zoekRegel);
    links->addSpacing(4);
    links->addWidget(alleenAktief_);
    links->addWidget(verbergVerwerkt_);

    auto* midden = new QVBoxLayout;
    midden->addStretch(1);
    midden->addWidget(toevoegen_);
    midden->addWidget(verwijderen_);
    midden->addWidget(wissel_);
    midden->addStretch(1);

    auto* klasseRegel = new QHBoxLayout;
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
    lijsten->addLayout(links, 2);
    lijsten->addLayout(midden);
    lijsten->addLayout(rechts, 3);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(ok_);
    knoppen->addWidget(cancel_);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(identificatieRegel);
    venster->addLayout(lijsten, 1);
    venster->addLayout(knoppen);

    // Once the button is inside the dialog, or the dialog does not know it.
    ok_->setDefault(true);
    QWidget* volgorde[] = {identificatie_, zoek_,        spelers_, alleenAktief_, verbergVerwerkt_,
                           toevoegen_,     verwijderen_, wissel_,  uitslagen_,    klasse_,
                           nieuweKlasse_,  ok_,          cancel_};
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
    connect(spelerKoppen_, &CKolomKoppen::sorteer, this, [this](int kop, Qt::SortOrder) {
        kop == kNummerKop ? model_.SorteerOpNummer() : model_.SorteerOpNaam();
        Toon();
    });
    connect(uitslagKoppen_, &CKolomKoppen::geklikt, this, [this, uitslagKop](int kop) {
        if (kop == uitslagKop) {
            model_.Wissel();
            NaBediening();
        }
    });
    connect(alleenAktief_, &QCheckBox::toggled, this, [this](bool aan) {
        model_.ZetAlleenAktief(aan);
        Toon();
    });
    connect(verbergVerwerkt_, &QCheckBox::toggled, this, [this](bool aan) {
        model_.ZetVerbergVerwerkt(aan);
        Toon();
    });
    connect(spelers_, &CMultiLineListBox::selectieGewijzigd, this, [this](int rij) {
        model_.SelecteerSpeler(rij);
        Toon();
    });
    connect(spelers_, &CMultiLineListBox::gekozen, this, [this](int rij) {
        model_.SelecteerSpeler(rij);
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
    connect(zoek_, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        model_.Zoek(VanQString(tekst));
        Toon();
    });
    connect(identificatie_, &QLineEdit::textEdited, this,
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

QPushButton* CRondeDlg::MaakKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setAutoDefault(false);
    return knop;
}

void CRondeDlg::Toon() {
    ZetVeldTekst(identificatie_, model_.Identificatie());
    ZetRijen(spelers_, getoondeSpelers_, model_.SpelerRijen());
    spelers_->Selecteer(model_.SpelerSelectie());
    spelerKoppen_->ZetSortering(model_.SorteertOpNummer() ? kNummerKop : kNummerKop + 1,
                                model_.Oplopend() ? Qt::AscendingOrder : Qt::DescendingOrder);
    ZetVeldTekst(zoek_, model_.ZoekTekst());
    ZetVinkje(alleenAktief_, model_.AlleenAktief());
    ZetVinkje(verbergVerwerkt_, model_.VerbergVerwerkt());

    ZetRijen(uitslagen_, getoondeUitslagen_, model_.UitslagRijen());
    uitslagen_->Selecteer(model_.UitslagSelectie());
    klasse_->ZetTekst(NaarQString(model_.KlasseVeld()));
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
        zoek_->setFocus();
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
    // Enter in "Zoek:" adds the player found, as the double click does.
    if (object == zoek_ && gebeurtenis->type() == QEvent::KeyPress) {
        auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
        if ((toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter) &&
            toets->modifiers() == Qt::NoModifier) {
            model_.Toevoegen();
            NaBediening();
            return true;
        }
    }
    return QDialog::eventFilter(object, gebeurtenis);
}

bool ToonUitslagen(CMorvelApp& app, CRonde& ronde, QWidget* ouder, bool uitIndeling) {
    CRondeDlg venster(app, ronde, ouder, uitIndeling);
    return VensterOpener().Open(venster) == QDialog::Accepted;
}
