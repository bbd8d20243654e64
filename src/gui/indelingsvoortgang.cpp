#include "gui/indelingsvoortgang.h"

#include "base/melding.h"
#include "gui/progressbar.h"
#include "gui/qttekst.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kVerwerkMs = 10;

} // namespace

// A window of its own, not a child of the owner: disabling the owner would
// disable a child window with it, "Stop" included.
CIndelingsVoortgang::CIndelingsVoortgang(QWidget* eigenaar)
    : QDialog(nullptr, Qt::Dialog), eigenaar_(eigenaar) {
    setObjectName(QStringLiteral("voortgang"));
    balk_ = new CProgressBar;
    balk_->setObjectName(QStringLiteral("balk"));
    auto waarde = [](const char* naam) {
        auto* label = new QLabel;
        label->setObjectName(QString::fromUtf8(naam));
        label->setMinimumWidth(120);
        return label;
    };
    combinaties_ = waarde("combinaties");
    besteWaarde_ = waarde("besteWaarde");
    besteGedurende_ = waarde("besteGedurende");
    auto* formulier = new QFormLayout;
    for (auto [tekst, veld] :
         {std::pair{"Combinaties:", combinaties_}, std::pair{"Beste waarde:", besteWaarde_},
          std::pair{"Beste gedurende:", besteGedurende_}}) {
        auto* label = new QLabel(QString::fromUtf8(tekst));
        label->setBuddy(veld);
        formulier->addRow(label, veld);
    }
    auto* stop = new QPushButton(QStringLiteral("&Stop"));
    stop->setObjectName(QStringLiteral("stop"));
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(balk_);
    venster->addLayout(formulier);
    venster->addWidget(stop, 0, Qt::AlignHCenter);
    stop->setDefault(true);
    connect(stop, &QPushButton::clicked, this, &CIndelingsVoortgang::VraagOmStop);
}

void CIndelingsVoortgang::Begin() {
    ZetBereik(0, 1);
    ZetPositie(0);
    if (eigenaar_) {
        eigenaar_->setEnabled(false);
        winId();
        if (QWindow* boven = eigenaar_->window()->windowHandle()) {
            windowHandle()->setTransientParent(boven);
        }
        adjustSize();
        move(eigenaar_->window()->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    QCoreApplication::processEvents();
}

void CIndelingsVoortgang::Einde() {
    hide();
    if (eigenaar_) {
        eigenaar_->setEnabled(true);
        eigenaar_->activateWindow();
    }
}

void CIndelingsVoortgang::ZetBereik(double laag, double hoog) {
    CZoekVoortgang::ZetBereik(laag, hoog);
    balk_->ZetBereik(laag, hoog);
    balk_->setVisible(HeeftBalk());
    ToonWaarden();
}

void CIndelingsVoortgang::ZetTitel(const std::string& titel) {
    CZoekVoortgang::ZetTitel(titel);
    setWindowTitle(NaarQString(titel));
}

void CIndelingsVoortgang::ToonWaarden() {
    balk_->ZetPositie(Teller());
    combinaties_->setText(NaarQString(CombinatiesTekst()));
    besteWaarde_->setText(NaarQString(BesteWaardeTekst()));
    besteGedurende_->setText(NaarQString(BesteGedurendeTekst()));
}

void CIndelingsVoortgang::Ververs() {
    ToonWaarden();
    // Everything pending, for at most a few milliseconds.
    QCoreApplication::processEvents(QEventLoop::AllEvents, kVerwerkMs);
}

void CIndelingsVoortgang::VraagOmStop() {
    if (!StopGevraagd() && Meld("Echt onderbreken?", Knoppen::JaNeeStdNee) == Antwoord::Ja) {
        VraagStop();
    }
}

void CIndelingsVoortgang::closeEvent(QCloseEvent* gebeurtenis) {
    // The window goes when the search has ended, never by itself.
    gebeurtenis->ignore();
    VraagOmStop();
}

void CIndelingsVoortgang::reject() {
    VraagOmStop();
}
