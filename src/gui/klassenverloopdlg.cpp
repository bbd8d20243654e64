#include "gui/klassenverloopdlg.h"

#include "gui/grafiektekening.h"
#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/spelerkolom.h"
#include "gui/velden.h"
#include "gui/vensteropener.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

CKlassenverloopDlg::CKlassenverloopDlg(CMorvelApp& app, std::string csvBestand, QWidget* ouder)
    : QDialog(ouder), model_(app, std::move(csvBestand)) {
    setWindowTitle(QString::fromLatin1(kKlassenverloopTitel));
    setObjectName(QStringLiteral("klassenverloopVenster"));

    lijst_ = new CMultiLineListBox;
    lijst_->setObjectName(QStringLiteral("spelers"));
    lijst_->setAccessibleName(QStringLiteral("Spelers"));
    lijst_->setAccessibleDescription(
        QStringLiteral("Enter of dubbelklik toont of verbergt de lijn van de speler"));
    lijst_->setToolTip(lijst_->accessibleDescription());
    koppen_ = new CKolomKoppen(*lijst_);
    koppen_->VoegToe("Toon", "kopToon", CKolomKoppen::ESoort::Tekst);
    koppen_->VoegToe("Speler", "kopSpeler", CKolomKoppen::ESoort::Tekst);
    lijst_->ZetKolomBreedtes({5});
    lijst_->setMinimumWidth(220);
    zoek_ = MaakConfigVeld("zoek");
    QPushButton* alle = MaakConfigKnop("A&lle spelers", "alleSpelers");
    QPushButton* geen = MaakConfigKnop("&Geen", "geen");
    auto* keuzeKnoppen = new QWidget;
    auto* keuzeRegel = new QHBoxLayout(keuzeKnoppen);
    keuzeRegel->setContentsMargins(0, 0, 0, 0);
    keuzeRegel->addWidget(alle);
    keuzeRegel->addWidget(geen);
    keuzeRegel->addStretch(1);

    grafiek_ = new QChartView;
    grafiek_->setObjectName(QStringLiteral("grafiek"));
    grafiek_->setAccessibleName(QStringLiteral("Grafiek klassenverloop"));
    grafiek_->setRenderHint(QPainter::Antialiasing);
    grafiek_->setMinimumSize(480, 320);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));

    QPushButton* afdrukken = MaakConfigKnop("&Afdrukken", "afdrukken");
    QPushButton* opslaan = MaakConfigKnop("&Opslaan", "opslaan");
    spreadsheet_ = MaakConfigKnop("S&preadsheet", "spreadsheet");
    spreadsheet_->setToolTip(QStringLiteral("Het klassenverloop als .csv-bestand in het "
                                            "spreadsheetprogramma openen"));
    QPushButton* sluiten = MaakConfigKnop("&Sluiten", "sluiten");

    QVBoxLayout* links = SpelerKolom(koppen_, lijst_, zoek_, {keuzeKnoppen}, "&Zoek:");
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(grafiek_, 1);
    rechts->addWidget(status_);
    auto* boven = new QHBoxLayout;
    boven->addLayout(links);
    boven->addLayout(rechts, 1);
    auto* onder = new QHBoxLayout;
    onder->addWidget(afdrukken);
    onder->addWidget(opslaan);
    onder->addWidget(spreadsheet_);
    onder->addStretch(1);
    onder->addWidget(sluiten);
    auto* venster = new QVBoxLayout(this);
    venster->addLayout(boven, 1);
    venster->addLayout(onder);
    resize(1100, 700);

    setTabOrder(zoek_, lijst_);
    setTabOrder(lijst_, alle);
    setTabOrder(alle, geen);

    auto wissel = [this](int rij) {
        model_.Wissel(rij);
        Toon();
    };
    connect(lijst_, &CMultiLineListBox::gekozen, this, wissel);
    connect(lijst_, &CMultiLineListBox::selectieGewijzigd, this,
            [this](int rij) { model_.Selecteer(rij); });
    BijWijziging(zoek_, this, [this](const QString& tekst) {
        model_.Zoek(VanQString(tekst));
        Toon();
    });
    // Enter in "Zoek:" shows or hides the player found.
    connect(zoek_, &QLineEdit::returnPressed, this, [this, wissel] { wissel(model_.Selectie()); });
    connect(alle, &QPushButton::clicked, this, [this] {
        model_.AlleSpelers();
        Toon();
    });
    connect(geen, &QPushButton::clicked, this, [this] {
        model_.Geen();
        Toon();
    });
    connect(afdrukken, &QPushButton::clicked, this, &CKlassenverloopDlg::Afdrukken);
    connect(opslaan, &QPushButton::clicked, this, &CKlassenverloopDlg::Opslaan);
    connect(spreadsheet_, &QPushButton::clicked, this, [this] { model_.Spreadsheet(); });
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);

    Toon();
    zoek_->setFocus();
}

void CKlassenverloopDlg::Toon() {
    lijst_->ZetRegels(model_.Rijen());
    lijst_->Selecteer(model_.Selectie());
    ZetVeldTekst(zoek_, model_.ZoekTekst());
    spreadsheet_->setEnabled(model_.SpreadsheetAan());
    if (model_.Versie() == getoondeVersie_) {
        return;
    }
    getoondeVersie_ = model_.Versie();
    QChart* nieuw = MaakQtGrafiek(model_.Grafiek(), [this](size_t lijn, size_t ronde, bool aan) {
        const QString tekst =
            aan ? NaarQString(model_.Grafiek().PuntTekst(lijn, ronde)) : QString();
        // Once the mouse rests the view shows the tooltip of the item under it,
        // or hides every tooltip: the chart carries the point's text meanwhile.
        grafiek_->chart()->setToolTip(tekst);
        if (aan) {
            QToolTip::showText(QCursor::pos(), tekst, grafiek_);
        } else {
            QToolTip::hideText();
        }
    });
    QChart* oud = grafiek_->chart();
    grafiek_->setChart(nieuw); // the view lets go of the old chart
    delete oud;
    status_->setText(NaarQString(model_.Status()));
}

void CKlassenverloopDlg::Afdrukken() {
    DrukGrafiekAf(model_.Grafiek(), this);
}

void CKlassenverloopDlg::Opslaan() {
    const QString pad = VensterOpener().KiesBestand(
        this, EBestandKeuze::Bewaren, QStringLiteral("Grafiek opslaan"),
        NaarQString(model_.OpslaanVoorstel()),
        QStringLiteral("PNG-afbeelding (*.png);;SVG-tekening (*.svg);;PDF-document (*.pdf)"));
    if (!pad.isEmpty()) {
        model_.Opslaan(VanQString(pad), grafiek_->width(), grafiek_->height());
    }
}

void ToonKlassenverloop(CMorvelApp& app, const std::string& csvBestand, QWidget* ouder) {
    CKlassenverloopDlg venster(app, csvBestand, ouder);
    VensterOpener().Open(venster);
}
