#include "gui/configindelingdlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The object names of the fields, in the order of kIndelingsParameters.
constexpr const char* kVeldNamen[kAantalIndelingsParameters] = {
    "maximaalAantalVoorVolledig", "aantalRandomPairings",        "penaltyUitgeloot",
    "penaltyMagNietUitgeloot",    "penaltyKlasseVerschilGrens",  "penaltyKlasseVerschilLaag",
    "penaltyKlasseVerschilHoog",  "penaltyNietZoIngedeeldGrens", "penaltyNietZoIngedeeldLaag",
    "penaltyNietZoIngedeeldHoog"};

// The groups of the window, top to bottom: a title (nullptr: a plain form)
// and the fields it holds.
struct CGroep {
    const char* titel;
    size_t eerste;
    size_t aantal;
};

constexpr CGroep kGroepen[] = {
    {nullptr, 0, 2},
    {"", 2, 2},
    {"Extra punten voor klasseverschil per tegenstanders", 4, 3},
    {"Aftrekpunten voor aantal rondes dat deze tegenstanders elkaar niet getroffen hebben", 7, 3},
};

} // namespace

CConfigIndelingDlg::CConfigIndelingDlg(CSettings& settings, QWidget* ouder)
    : QDialog(ouder), settings_(settings) {
    setWindowTitle(QStringLiteral("Indelingsparameters"));
    const CIndelingsVelden waarden = LeesIndelingsParameters(settings);
    for (size_t i = 0; i < velden_.size(); ++i) {
        velden_[i] = MaakConfigVeld(kVeldNamen[i]);
        velden_[i]->setMaximumWidth(90);
        ZetVeldTekst(velden_[i], waarden[i]);
    }
    exact_ = MaakConfigVak(kExacteIndelingTekst, "exacteIndeling");
    ZetVinkje(exact_, LeesExacteIndeling(settings));

    auto* venster = new QVBoxLayout(this);
    for (const CGroep& groep : kGroepen) {
        auto* formulier = new QFormLayout;
        for (size_t i = groep.eerste; i < groep.eerste + groep.aantal; ++i) {
            const CIndelingsParameter& parameter = kIndelingsParameters[i];
            if (!parameter.label) {
                continue; // beside the field before it
            }
            QWidget* veld = velden_[i];
            if (i + 1 < velden_.size() && !kIndelingsParameters[i + 1].label) {
                // Two fields on one line under one label; the second is named
                // after the part of the label it answers.
                auto* regel = new QHBoxLayout;
                regel->addWidget(velden_[i]);
                regel->addWidget(MaakLabel("bo&ven:", velden_[i + 1]));
                regel->addWidget(velden_[i + 1]);
                regel->addStretch(1);
                formulier->addRow(MaakLabel(parameter.label, veld), regel);
            } else {
                formulier->addRow(MaakLabel(parameter.label, veld), veld);
            }
        }
        if (!groep.titel) {
            // The first form ends with the choice of the search above the maximum.
            formulier->addRow(exact_);
            venster->addLayout(formulier);
        } else {
            auto* kader = new QGroupBox(QString::fromUtf8(groep.titel));
            kader->setLayout(formulier);
            venster->addWidget(kader);
        }
    }

    QPushButton* ok = MaakConfigKnop("&Ok", "ok");
    QPushButton* annuleren = MaakConfigKnop("&Cancel", "cancel");
    venster->addLayout(KnoppenRechts({ok, annuleren}));
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, &CConfigIndelingDlg::Ok);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

void CConfigIndelingDlg::Ok() {
    CIndelingsVelden velden;
    for (size_t i = 0; i < velden_.size(); ++i) {
        velden[i] = VanQString(velden_[i]->text());
    }
    BewaarIndelingsParameters(settings_, velden);
    BewaarExacteIndeling(settings_, exact_->isChecked());
    accept();
}
