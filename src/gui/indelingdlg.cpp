#include "gui/indelingdlg.h"

#include "app/morvelapp.h"
#include "gui/afdrukken.h"
#include "gui/afdrukselectie.h"
#include "gui/indelingsberekening.h"
#include "gui/indelingsvoortgang.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/spelerkolom.h"
#include "gui/vensteropener.h"
#include "pairing/indelingzoeker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kTypeKolom = 3;

} // namespace

CIndelingDlg::CIndelingDlg(CMorvelApp& app, QWidget* ouder)
    : QDialog(ouder), app_(app), model_(app) {
    setWindowTitle(QString::fromLatin1(kIndelingTitel));
    using ESoort = CKolomKoppen::ESoort;

    spelers_ = new CMultiLineListBox;
    spelers_->setObjectName(QStringLiteral("spelers"));
    spelers_->setAccessibleName(QStringLiteral("Spelers"));
    spelerKoppen_ = new CKolomKoppen(*spelers_);
    spelerKoppen_->VoegToe("Ind?", "kopInd", ESoort::Tekst);
    spelerKoppen_->VoegToe("&Naam", "sorteerNaam", ESoort::Sorteert);
    spelers_->ZetKolomBreedtes({5});
    spelers_->setMinimumWidth(220);

    zoek_ = new QLineEdit;
    zoek_->setObjectName(QStringLiteral("zoek"));
    alleenAktief_ = new QCheckBox(QStringLiteral("Toon alleen aktieve spelers"));
    alleenAktief_->setObjectName(QStringLiteral("alleenAktief"));

    paren_ = new CMultiLineListBox;
    paren_->setObjectName(QStringLiteral("paren"));
    paren_->setAccessibleName(QStringLiteral("Indeling"));
    paarKoppen_ = new CKolomKoppen(*paren_);
    paarKoppen_->VoegToe("&Zwart", "kopZwart", ESoort::Commando);
    paarKoppen_->VoegToe("&Wit", "kopWit", ESoort::Commando);
    paarKoppen_->VoegToe("", "kopTekst", ESoort::Tekst);
    const int typeKop = paarKoppen_->VoegToe("&Type", "kopType", ESoort::Commando);
    paarKoppen_->VoegToe("", "kopOpmerking", ESoort::Tekst);
    paren_->ZetKolomBreedtes({22, 22, 20, 6});
    paren_->setMinimumWidth(520);

    toevoegen_ = MaakKnop("-->", "toevoegen");
    verwijderen_ = MaakKnop("<--", "verwijderen");
    wissel_ = MaakKnop("+/-", "wissel");
    altijd_ = MaakKnop("&Altijd blokkeren", "altijdBlokkeren");
    altijd_->setToolTip(QStringLiteral("Het geselecteerde geblokkeerde paar speelt in deze "
                                       "competitie nooit tegen elkaar"));
    genereer_ = MaakKnop("Genereer", "genereer");
    log_ = MaakKnop("?", "log");
    print_ = MaakKnop("Print", "print");
    sluiten_ = MaakKnop("&Sluiten", "sluiten");

    QVBoxLayout* links = SpelerKolom(spelerKoppen_, spelers_, zoek_, {alleenAktief_});
    auto* midden = new QVBoxLayout;
    midden->addStretch(1);
    for (QPushButton* knop : {toevoegen_, verwijderen_, wissel_}) {
        midden->addWidget(knop);
    }
    midden->addStretch(1);
    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(0);
    rechts->addWidget(paarKoppen_);
    rechts->addWidget(paren_, 1);
    auto* onderParen = new QHBoxLayout;
    onderParen->addStretch(1);
    onderParen->addWidget(altijd_);
    rechts->addSpacing(4);
    rechts->addLayout(onderParen);
    auto* knoppen = new QHBoxLayout;
    for (QPushButton* knop : {genereer_, log_, print_}) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten_);
    auto* boven = new QHBoxLayout;
    boven->addLayout(links, 2);
    boven->addLayout(midden);
    boven->addLayout(rechts, 3);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven, 1);
    venster->addSpacing(6);
    venster->addLayout(knoppen);

    // Once the button is inside the dialog, or the dialog does not know it.
    genereer_->setDefault(true);
    setTabOrder(zoek_, spelers_);
    setTabOrder(spelers_, alleenAktief_);
    setTabOrder(alleenAktief_, toevoegen_);
    setTabOrder(toevoegen_, verwijderen_);
    setTabOrder(verwijderen_, wissel_);
    setTabOrder(wissel_, paren_);
    setTabOrder(paren_, altijd_);
    setTabOrder(altijd_, genereer_);
    setTabOrder(genereer_, log_);
    setTabOrder(log_, print_);
    setTabOrder(print_, sluiten_);

    // A user action: the model acts, then the window shows the model.
    auto bij = [this](auto* bron, auto signaal, auto operatie) {
        connect(bron, signaal, this, [this, operatie](auto... waarde) {
            operatie(waarde...);
            Toon();
        });
    };
    bij(toevoegen_, &QPushButton::clicked, [this](bool) { model_.Toevoegen(); });
    bij(verwijderen_, &QPushButton::clicked, [this](bool) { model_.Verwijderen(); });
    bij(wissel_, &QPushButton::clicked, [this](bool) { model_.Wissel(); });
    bij(altijd_, &QPushButton::clicked, [this](bool) {
        model_.AltijdBlokkeren();
        paren_->setFocus();
    });
    bij(spelerKoppen_, &CKolomKoppen::sorteer,
        [this](int, Qt::SortOrder) { model_.SorteerOpNaam(); });
    bij(paarKoppen_, &CKolomKoppen::geklikt, [this, typeKop](int kop) {
        if (kop == typeKop && model_.WisselAan()) {
            model_.Wissel();
        }
        paren_->setFocus();
    });
    bij(alleenAktief_, &QCheckBox::toggled, [this](bool aan) { model_.ZetAlleenAktief(aan); });
    bij(spelers_, &CMultiLineListBox::selectieGewijzigd,
        [this](int rij) { model_.SelecteerSpeler(rij); });
    bij(spelers_, &CMultiLineListBox::gekozen, [this](int rij) { model_.WisselMeedoen(rij); });
    bij(paren_, &CMultiLineListBox::selectieGewijzigd,
        [this](int rij) { model_.SelecteerPaar(rij); });
    bij(zoek_, &QLineEdit::textEdited,
        [this](const QString& tekst) { model_.Zoek(VanQString(tekst)); });
    connect(genereer_, &QPushButton::clicked, this, &CIndelingDlg::Genereer);
    connect(log_, &QPushButton::clicked, this, &CIndelingDlg::ToonLog);
    connect(print_, &QPushButton::clicked, this, &CIndelingDlg::Print);
    connect(sluiten_, &QPushButton::clicked, this, &QDialog::accept);

    Toon();
    zoek_->setFocus();
}

QPushButton* CIndelingDlg::MaakKnop(const char* tekst, const char* naam) {
    auto* knop = new QPushButton(QString::fromUtf8(tekst));
    knop->setObjectName(QString::fromUtf8(naam));
    knop->setAutoDefault(false);
    return knop;
}

void CIndelingDlg::Toon() {
    if (model_.SpelerRijen() != getoondeSpelers_) {
        getoondeSpelers_ = model_.SpelerRijen();
        spelers_->ZetRegels(getoondeSpelers_);
    }
    spelers_->Selecteer(model_.SpelerSelectie());
    std::vector<std::string> paren = model_.PaarRijen();
    if (paren != getoondeParen_) {
        getoondeParen_ = std::move(paren);
        paren_->ZetRegels(getoondeParen_);
    }
    paren_->Selecteer(model_.PaarSelectie());
    paren_->ZetKolomZichtbaar(kTypeKolom, model_.TypeZichtbaar());
    spelerKoppen_->ZetSortering(1, model_.SorteerSleutel() == CIndelingVenster::kNaamOp
                                       ? Qt::AscendingOrder
                                       : Qt::DescendingOrder);
    {
        QSignalBlocker stil(alleenAktief_);
        alleenAktief_->setChecked(model_.AlleenAktief());
    }
    if (VanQString(zoek_->text()) != model_.ZoekTekst()) {
        QSignalBlocker stil(zoek_);
        zoek_->setText(NaarQString(model_.ZoekTekst()));
    }
    toevoegen_->setEnabled(model_.ToevoegenAan());
    verwijderen_->setEnabled(model_.VerwijderenAan());
    wissel_->setEnabled(model_.WisselAan());
    altijd_->setEnabled(model_.AltijdBlokkerenAan());
    genereer_->setEnabled(model_.GenereerAan());
    log_->setEnabled(model_.PrintAan());
    print_->setEnabled(model_.PrintAan());
}

void CIndelingDlg::Genereer() {
    if (bezig_ || !model_.GenereerAan()) {
        return;
    }
    bezig_ = true;
    QPointer<QWidget> focus = QApplication::focusWidget();
    {
        CIndelingsVoortgang voortgang(this);
        model_.Genereer(voortgang, TijdZaad());
    }
    bezig_ = false;
    Toon();
    // Disabling the window took the focus away; the keyboard goes on where it was.
    (focus && focus->isEnabled() ? focus.data() : paren_)->setFocus();
}

void CIndelingDlg::ToonLog() {
    if (!model_.PrintAan()) {
        return;
    }
    CIndelingsBerekening venster(model_.LogRegels(), this);
    VensterOpener().Open(venster);
}

void CIndelingDlg::Print() {
    if (!model_.PrintAan() || !model_.MagPubliceren()) {
        return;
    }
    CAfdrukSelectie keuze(model_.UitslagAfdrukken(), model_.StandAfdrukken(), this);
    if (VensterOpener().Open(keuze) != QDialog::Accepted) {
        return;
    }
    std::string afdruk;
    if (model_.Print(keuze.Uitslag(), keuze.Stand(), afdruk) == 0) {
        DrukAf(afdruk, app_.settings, this);
    }
}

void CIndelingDlg::reject() {
    // No Escape or close box while the search runs: it is stopped in its own window.
    if (!bezig_) {
        QDialog::reject();
    }
}

void CIndelingDlg::closeEvent(QCloseEvent* gebeurtenis) {
    if (bezig_) {
        gebeurtenis->ignore();
        return;
    }
    QDialog::closeEvent(gebeurtenis);
}

void ToonIndeling(CMorvelApp& app, QWidget* ouder) {
    CIndelingDlg venster(app, ouder);
    VensterOpener().Open(venster);
}
