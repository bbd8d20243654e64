#include "gui/indelingdlg.h"

#include "app/morvelapp.h"
#include "gui/afdrukken.h"
#include "gui/afdrukselectie.h"
#include "gui/indelingsberekening.h"
#include "gui/indelingsvoortgang.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/spelerkolomvak.h"
#include "gui/tekenknoppen.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"
#include "pairing/indelingzoeker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTypeKolom = 3;

} // namespace

CIndelingDlg::CIndelingDlg(CMorvelApp& app, QWidget* ouder)
    : QDialog(ouder), app_(app), model_(app) {
    setWindowTitle(QString::fromLatin1(kIndelingTitel));
    using ESoort = CKolomKoppen::ESoort;

    kolom_ = new CSpelerKolomVak(model_.Kolom(), {"spelers", "Spelers", 5, 220, "Zoe&k:"},
                                 {{"Ind?", "kopInd"}, {"&Naam", "sorteerNaam"}},
                                 {{"Toon a&lleen aktieve spelers", "alleenAktief"}});
    kolom_->Lijst()->setAccessibleDescription(
        QStringLiteral("Enter of dubbelklik: de speler doet wel of niet mee"));

    paren_ = new CMultiLineListBox;
    paren_->setObjectName(QStringLiteral("paren"));
    paren_->setAccessibleName(QStringLiteral("Indeling"));
    paarKoppen_ = new CKolomKoppen(*paren_);
    paarKoppen_->VoegToe("&Zwart", "kopZwart", ESoort::Commando);
    paarKoppen_->VoegToe("&Wit", "kopWit", ESoort::Commando);
    paarKoppen_->VoegToe("", "kopTekst", ESoort::Tekst);
    const int typeKop = paarKoppen_->VoegToe("&Type", "kopType", ESoort::Commando);
    paarKoppen_->VoegToe("", "kopOpmerking", ESoort::Tekst);
    paren_->ZetKolomBreedtes({22, 22, 20, 6, 20});
    paren_->ZetMeeRekken({0, 1, 2});
    paren_->setMinimumWidth(520);

    toevoegen_ = MaakTekenKnop(
        {"-->", "toevoegen", "Speler toevoegen", QKeySequence(Qt::ALT | Qt::Key_Right), true});
    verwijderen_ = MaakTekenKnop(
        {"<--", "verwijderen", "Regel verwijderen", QKeySequence(Qt::ALT | Qt::Key_Left), true});
    wissel_ = MaakTekenKnop({"+/-", "wissel", "Geblokkeerd of vast wisselen",
                             QKeySequence(Qt::ALT | Qt::Key_T), false});
    altijd_ = MaakConfigKnop("&Altijd blokkeren", "altijdBlokkeren");
    altijd_->setToolTip(QStringLiteral("Het geselecteerde geblokkeerde paar speelt in deze "
                                       "competitie nooit tegen elkaar"));
    genereer_ = MaakConfigKnop("&Genereer", "genereer");
    log_ = MaakTekenKnop(
        {"?", "log", "Indelingsberekeningen tonen", QKeySequence(Qt::ALT | Qt::Key_B), true});
    print_ = MaakConfigKnop("&Print", "print");
    sluiten_ = MaakConfigKnop("&Sluiten", "sluiten");

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(0);
    rechts->addWidget(paarKoppen_);
    rechts->addWidget(paren_, 1);
    rechts->addSpacing(4);
    rechts->addLayout(KnoppenRechts({altijd_}));
    auto* knoppen = new QHBoxLayout;
    for (QPushButton* knop : {genereer_, log_, print_}) {
        knoppen->addWidget(knop);
    }
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten_);
    auto* boven = new QHBoxLayout;
    boven->addWidget(kolom_, 2);
    boven->addLayout(PijlKolom(toevoegen_, verwijderen_, wissel_));
    boven->addLayout(rechts, 3);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven, 1);
    venster->addSpacing(6);
    venster->addLayout(knoppen);

    // Once the button is inside the dialog, or the dialog does not know it.
    genereer_->setDefault(true);
    QWidget* volgorde[] = {kolom_->Laatste(), toevoegen_, verwijderen_, wissel_, paren_,
                           altijd_,           genereer_,  log_,         print_,  sluiten_};
    for (size_t i = 1; i < std::size(volgorde); ++i) {
        setTabOrder(volgorde[i - 1], volgorde[i]);
    }

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
    bij(paarKoppen_, &CKolomKoppen::geklikt, [this, typeKop](int kop) {
        if (kop == typeKop && model_.WisselAan()) {
            model_.Wissel();
        }
        paren_->setFocus();
    });
    bij(kolom_, &CSpelerKolomVak::gewijzigd, [] {});
    // A double click on a player, or Enter on him in the list or in "Zoek:".
    bij(kolom_, &CSpelerKolomVak::gekozen, [this](int rij) { model_.WisselMeedoen(rij); });
    bij(paren_, &CMultiLineListBox::selectieGewijzigd,
        [this](int rij) { model_.SelecteerPaar(rij); });
    connect(genereer_, &QPushButton::clicked, this, &CIndelingDlg::Genereer);
    connect(log_, &QPushButton::clicked, this, &CIndelingDlg::ToonLog);
    connect(print_, &QPushButton::clicked, this, &CIndelingDlg::Print);
    connect(sluiten_, &QPushButton::clicked, this, &QDialog::accept);

    Toon();
    kolom_->ZoekVeld()->setFocus();
}

void CIndelingDlg::Toon() {
    kolom_->Toon();
    paren_->ToonRegels(model_.PaarRijen());
    paren_->Selecteer(model_.PaarSelectie());
    paren_->ZetKolomZichtbaar(kTypeKolom, model_.TypeZichtbaar());
    toevoegen_->setEnabled(model_.ToevoegenAan());
    verwijderen_->setEnabled(model_.VerwijderenAan());
    wissel_->setEnabled(model_.WisselAan());
    // Alt+T is the head "&Type"'s while it shows, else "+/-"'s own.
    wissel_->setShortcut(model_.TypeZichtbaar() ? QKeySequence()
                                                : QKeySequence(Qt::ALT | Qt::Key_T));
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
