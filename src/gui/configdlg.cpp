#include "gui/configdlg.h"

#include "app/morvelapp.h"
#include "gui/configafdrukvoorkeurdlg.h"
#include "gui/configformuledlg.h"
#include "gui/confightmldlg.h"
#include "gui/configindelingdlg.h"
#include "gui/configpadendlg.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CConfigDlg::CConfigDlg(CSettings& settings, QWidget* ouder) : QDialog(ouder), settings_(settings) {
    setWindowTitle(QStringLiteral("Configuratie"));

    struct CKnop {
        const char* tekst;
        const char* naam;
        void (CConfigDlg::*open)();
    };
    // Two columns: the first four buttons on the left, the other three on the right.
    const CKnop knoppen[] = {
        {"&Paden", "paden", &CConfigDlg::Open<CConfigPadenDlg>},
        {"&Afdrukvoorkeur", "afdrukvoorkeur", &CConfigDlg::Open<CConfigAfdrukvoorkeurDlg>},
        {"P&untenformule", "puntenformule", &CConfigDlg::Open<CConfigPuntenDlg>},
        {"&Klasseformule", "klasseformule", &CConfigDlg::Open<CConfigKlasseDlg>},
        {"&Indeling", "indeling", &CConfigDlg::Open<CConfigIndelingDlg>},
        {"&HTML uitvoer", "html", &CConfigDlg::Open<CConfigHtmlDlg>},
        {"&Voorgift / Komi", "voorgift", &CConfigDlg::Open<CConfigVoorgiftDlg>},
    };
    auto* raster = new QGridLayout;
    int plaats = 0;
    for (const CKnop& k : knoppen) {
        QPushButton* knop = MaakConfigKnop(k.tekst, k.naam);
        knop->setMinimumWidth(150);
        raster->addWidget(knop, plaats % 4, plaats / 4);
        connect(knop, &QPushButton::clicked, this, k.open);
        ++plaats;
    }
    QPushButton* sluiten = MaakConfigKnop("&Sluiten", "sluiten");
    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(sluiten);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(raster);
    venster->addSpacing(8);
    venster->addLayout(onder);
    sluiten->setDefault(true);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
}

template <class Venster> void CConfigDlg::Open() {
    Venster venster(settings_, this);
    VensterOpener().Open(venster);
}

void ToonConfiguratie(CMorvelApp& app, QWidget* ouder) {
    CConfigDlg venster(app.settings, ouder);
    VensterOpener().Open(venster);
}
