#include "gui/configformuledlg.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/velden.h"
#include "settings/profiel.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <vector>

namespace {

using EVeld = CFormuleVenster::EVeld;

// A formula field holds no more than the profile reads back.
QLineEdit* MaakFormuleVeld(const char* naam) {
    QLineEdit* veld = MaakConfigVeld(naam);
    veld->setMaxLength(static_cast<int>(kMaxTekstLengte));
    veld->setMinimumWidth(320);
    return veld;
}

QLineEdit* MaakUitvoerVeld(const char* naam) {
    QLineEdit* veld = MaakConfigVeld(naam, true);
    veld->setFocusPolicy(Qt::NoFocus);
    return veld;
}

struct CTestVeld {
    const char* label;
    const char* naam;
};

constexpr CTestVeld kTestVelden[] = {{"(&W)inst:", "testW"},  {"(&V)erlies:", "testV"},
                                     {"(&J)igo's:", "testJ"}, {"(&P)artijen:", "testP"},
                                     {"(&R)onde:", "testR"},  {"(&K)lasse:", "testK"}};

} // namespace

CFormuleNaamLijst::CFormuleNaamLijst(QWidget* ouder) : QComboBox(ouder) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // a name is typed as it is, never completed
}

void CFormuleNaamLijst::showPopup() {
    emit naamKlaar();
    QComboBox::showPopup();
}

void CFormuleNaamLijst::focusOutEvent(QFocusEvent* gebeurtenis) {
    emit naamKlaar();
    QComboBox::focusOutEvent(gebeurtenis);
}

void CFormuleNaamLijst::keyPressEvent(QKeyEvent* gebeurtenis) {
    switch (gebeurtenis->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit naamKlaar();
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(gebeurtenis);
}

void CFormuleNaamLijst::wheelEvent(QWheelEvent* gebeurtenis) {
    emit naamKlaar();
    QComboBox::wheelEvent(gebeurtenis);
}

CConfigFormuleDlg::CConfigFormuleDlg(CSettings& settings, EFormuleSoort soort, QWidget* ouder)
    : QDialog(ouder), model_(settings, soort) {
    setWindowTitle(QString::fromUtf8(model_.Titel()));
    const bool voorgift = soort == EFormuleSoort::Voorgift;

    naam_ = new CFormuleNaamLijst;
    naam_->setObjectName(QStringLiteral("formulenaam"));
    actief_ = MaakConfigVak("&Gebruik deze formule", "actief");
    auto* formulier = new QFormLayout;
    formulier->addRow(MaakLabel("&Formulenaam:", naam_), naam_);
    formulier->addRow(actief_);
    BouwFormuleVelden(*formulier);

    nieuw_ = MaakConfigKnop("&Nieuw", "nieuw");
    test_ = MaakConfigKnop("&Test", "test");
    verwijderen_ = MaakConfigKnop("Verwij&deren", "verwijderen");
    ok_ = MaakConfigKnop(voorgift ? "&OK" : "&Ok", "ok");
    cancel_ = MaakConfigKnop("&Cancel", "cancel");
    auto* knoppen = new QHBoxLayout;
    const std::vector<QPushButton*> volgorde =
        voorgift ? std::vector<QPushButton*>{nieuw_, verwijderen_, test_}
                 : std::vector<QPushButton*>{nieuw_, test_, verwijderen_};
    for (QPushButton* knop : volgorde) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(ok_);
    knoppen->addWidget(cancel_);

    auto* venster = new QVBoxLayout(this);
    venster->addLayout(formulier);
    venster->addWidget(BouwTest(), 1);
    venster->addLayout(knoppen);
    test_->setDefault(true);

    connect(naam_, &CFormuleNaamLijst::naamKlaar, this, &CConfigFormuleDlg::NeemNaamOver);
    connect(naam_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.Selecteer(index);
        Toon();
    });
    connect(actief_, &QCheckBox::toggled, this, [this](bool aan) {
        model_.ZetActief(aan);
        Toon();
    });
    BijWijziging(formule_, this, [this](const QString& tekst) {
        model_.ZetFormule(EVeld::Formule, VanQString(tekst));
    });
    if (komi_) {
        BijWijziging(komi_, this, [this](const QString& tekst) {
            model_.ZetFormule(EVeld::Komi, VanQString(tekst));
        });
    }
    if (geval_) {
        connect(geval_, &QComboBox::currentIndexChanged, this, [this](int geval) {
            model_.KiesGeval(geval);
            Toon();
        });
    }
    if (vlag_) {
        connect(vlag_, &QCheckBox::toggled, this, [this](bool aan) { model_.ZetVlag(aan); });
    }
    for (size_t i = 0; i < testVelden_.size(); ++i) {
        if (testVelden_[i]) {
            BijWijziging(testVelden_[i], this, [this, i](const QString& tekst) {
                model_.ZetTestVeld(i, VanQString(tekst));
            });
        }
    }
    connect(nieuw_, &QPushButton::clicked, this, [this] {
        model_.Nieuw();
        Toon();
        naam_->setFocus();
        naam_->lineEdit()->selectAll();
    });
    connect(verwijderen_, &QPushButton::clicked, this, [this] {
        model_.Verwijderen();
        Toon();
    });
    connect(test_, &QPushButton::clicked, this, [this] {
        NeemNaamOver();
        model_.Test();
        Toon();
        ZetFocus();
    });
    connect(ok_, &QPushButton::clicked, this, &CConfigFormuleDlg::Ok);
    connect(cancel_, &QPushButton::clicked, this, &CConfigFormuleDlg::reject);
    Toon();
}

CConfigFormuleDlg::~CConfigFormuleDlg() {
    // The name list loses the focus while the window is taken down.
    disconnect(naam_, nullptr, this, nullptr);
}

void CConfigFormuleDlg::BouwFormuleVelden(QFormLayout& formulier) {
    switch (model_.Soort()) {
    case EFormuleSoort::Punten:
        formule_ = MaakFormuleVeld("formule");
        formulier.addRow(MaakLabel("For&mule:", formule_), formule_);
        vlag_ = MaakConfigVak("&Bereken de punten als gemiddeld over de rondes", "middelen");
        formulier.addRow(vlag_);
        break;
    case EFormuleSoort::Klasse:
        geval_ = new QComboBox;
        geval_->setObjectName(QStringLiteral("geval"));
        geval_->addItems(
            {QStringLiteral("Winst"), QStringLiteral("Verlies"), QStringLiteral("Jigo")});
        formulier.addRow(MaakLabel("&In geval van:", geval_), geval_);
        formule_ = MaakFormuleVeld("nieuweKlasse");
        formulier.addRow(MaakLabel("Ni&euwe klasse:", formule_), formule_);
        break;
    case EFormuleSoort::Voorgift:
        formule_ = MaakFormuleVeld("voorgift");
        formulier.addRow(MaakLabel("&Voorgift:", formule_), formule_);
        komi_ = MaakFormuleVeld("komi");
        formulier.addRow(MaakLabel("&Komi:", komi_), komi_);
        vlag_ = MaakConfigVak("&Extra ½ komi voor wit", "extraHalfKomi");
        formulier.addRow(vlag_);
        break;
    }
}

QWidget* CConfigFormuleDlg::BouwTest() {
    auto* groep = new QGroupBox(QStringLiteral("Test"));
    groep->setProperty("handleiding", QStringLiteral("formuletest"));
    auto* kolom = new QVBoxLayout(groep);
    if (model_.Soort() == EFormuleSoort::Voorgift) {
        tabel_ = new CMultiLineListBox;
        tabel_->setObjectName(QStringLiteral("tabel"));
        tabel_->setAccessibleName(QStringLiteral("Test"));
        tabel_->setMinimumHeight(200);
        koppen_ = new CKolomKoppen(*tabel_);
        koppen_->VoegToe("Klasse verschil", "kopKlasseVerschil", CKolomKoppen::ESoort::Tekst);
        koppen_->VoegToe("Stenen", "kopStenen", CKolomKoppen::ESoort::Tekst);
        koppen_->VoegToe("Komi", "kopKomi", CKolomKoppen::ESoort::Tekst);
        tabel_->ZetKolomBreedtes({16, 10});
        melding_ = MaakUitvoerVeld("melding");
        auto* meldingRegel = new QHBoxLayout;
        meldingRegel->addWidget(MaakLabel("Melding:", melding_));
        meldingRegel->addWidget(melding_, 1);
        kolom->setSpacing(0);
        kolom->addWidget(koppen_);
        kolom->addWidget(tabel_, 1);
        kolom->addSpacing(6);
        kolom->addLayout(meldingRegel);
        return groep;
    }
    auto* velden = new QFormLayout;
    for (size_t i = 0; i < testVelden_.size(); ++i) {
        testVelden_[i] = MaakConfigVeld(kTestVelden[i].naam);
        testVelden_[i]->setMaximumWidth(90);
        velden->addRow(MaakLabel(kTestVelden[i].label, testVelden_[i]), testVelden_[i]);
    }
    resultaat_ = MaakUitvoerVeld("resultaat");
    velden->addRow(MaakLabel("Resultaat:", resultaat_), resultaat_);
    kolom->addLayout(velden);
    return groep;
}

void CConfigFormuleDlg::Toon() {
    const std::vector<std::string> namen = model_.Namen();
    {
        QSignalBlocker stil(naam_);
        bool anders = naam_->count() != static_cast<int>(namen.size());
        for (int i = 0; !anders && i < naam_->count(); ++i) {
            anders = VanQString(naam_->itemText(i)) != namen[static_cast<size_t>(i)];
        }
        if (anders) {
            naam_->clear();
            for (const std::string& naam : namen) {
                naam_->addItem(NaarQString(naam));
            }
        }
        naam_->setCurrentIndex(model_.Selectie());
        if (model_.Selectie() < 0) {
            naam_->setEditText(QString());
        }
    }
    ZetVinkje(actief_, model_.Actief());
    if (geval_) {
        QSignalBlocker stil(geval_);
        geval_->setCurrentIndex(model_.Geval());
    }
    ZetVeldTekst(formule_, model_.Formule(EVeld::Formule));
    if (komi_) {
        ZetVeldTekst(komi_, model_.Formule(EVeld::Komi));
    }
    if (vlag_) {
        ZetVinkje(vlag_, model_.Vlag());
    }
    const bool aan = model_.VeldenAan();
    for (QWidget* w : {static_cast<QWidget*>(naam_), static_cast<QWidget*>(actief_),
                       static_cast<QWidget*>(geval_), static_cast<QWidget*>(formule_),
                       static_cast<QWidget*>(komi_), static_cast<QWidget*>(vlag_),
                       static_cast<QWidget*>(verwijderen_)}) {
        if (w) {
            w->setEnabled(aan);
        }
    }
    test_->setEnabled(model_.TestAan());

    for (size_t i = 0; i < testVelden_.size(); ++i) {
        if (testVelden_[i]) {
            ZetVeldTekst(testVelden_[i], model_.TestVelden()[i]);
        }
    }
    if (resultaat_) {
        ZetVeldTekst(resultaat_, model_.Resultaat());
    }
    if (tabel_) {
        tabel_->ZetRegels(model_.TabelRijen());
        ZetVeldTekst(melding_, model_.Melding());
    }
}

void CConfigFormuleDlg::ZetFocus() {
    QLineEdit* veld = nullptr;
    switch (model_.Focus()) {
    case EVeld::Formule:
        veld = formule_;
        break;
    case EVeld::Komi:
        veld = komi_;
        break;
    case EVeld::Geen:
        return;
    }
    veld->setFocus();
    veld->deselect();
    veld->setCursorPosition(model_.CursorPositie());
}

void CConfigFormuleDlg::NeemNaamOver() {
    if (model_.Selectie() < 0) {
        return;
    }
    const std::string getypt = VanQString(naam_->currentText());
    if (getypt != model_.Naam()) {
        model_.ZetNaam(getypt);
        Toon();
    }
}

void CConfigFormuleDlg::Ok() {
    NeemNaamOver();
    if (model_.Ok() == 0) {
        accept();
        return;
    }
    Toon();
    ZetFocus();
}

void CConfigFormuleDlg::reject() {
    NeemNaamOver();
    if (model_.Annuleren() == 0) {
        QDialog::reject();
    }
}
