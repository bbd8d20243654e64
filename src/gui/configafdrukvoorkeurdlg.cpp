#include "gui/configafdrukvoorkeurdlg.h"

#include "gui/afdrukken.h"
#include "gui/qttekst.h"
#include "gui/velden.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QListWidget* MaakLijst(const char* naam, const std::vector<std::string>& regels) {
    auto* lijst = new QListWidget;
    lijst->setObjectName(QString::fromUtf8(naam));
    lijst->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& regel : regels) {
        lijst->addItem(NaarQString(regel));
        // The whole name, should the window be made too narrow for it.
        lijst->item(lijst->count() - 1)->setToolTip(lijst->item(lijst->count() - 1)->text());
    }
    // Wide enough for the longest entry beside the scroll bar.
    lijst->setMinimumWidth(lijst->sizeHintForColumn(0) + 2 * lijst->frameWidth() +
                           lijst->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    return lijst;
}

// The selected row, -1 when none is (a current row alone is no choice).
int GeselecteerdeRij(const QListWidget* lijst) {
    const QList<QListWidgetItem*> gekozen = lijst->selectedItems();
    return gekozen.isEmpty() ? -1 : lijst->row(gekozen.front());
}

void Selecteer(QListWidget* lijst, int rij) {
    if (GeselecteerdeRij(lijst) == rij) {
        return;
    }
    QSignalBlocker stil(lijst);
    if (rij < 0) {
        lijst->clearSelection();
        return;
    }
    lijst->setCurrentRow(rij);
    lijst->scrollToItem(lijst->item(rij));
}

} // namespace

std::vector<CLettertypeFamilie> GeinstalleerdeLettertypen() {
    std::vector<CLettertypeFamilie> families;
    for (const QString& familie : QFontDatabase::families()) {
        families.push_back({VanQString(familie), QFontDatabase::isFixedPitch(familie)});
    }
    return families;
}

CConfigAfdrukvoorkeurDlg::CConfigAfdrukvoorkeurDlg(CSettings& settings, QWidget* ouder)
    : QDialog(ouder), settings_(settings),
      model_(settings, GeinstalleerdeLettertypen(),
             VanQString(QFontInfo(LijstLettertype(settings)).family())) {
    setWindowTitle(QStringLiteral("Afdrukvoorkeur"));
    standOpNieuwePagina_ =
        MaakConfigVak("Begin de &stand op een nieuwe pagina", "standOpNieuwePagina");
    indelingOpNieuwePagina_ =
        MaakConfigVak("Begin de &indeling op een nieuwe pagina", "indelingOpNieuwePagina");
    lettertypen_ = MaakLijst("lettertypen", model_.Lettertypen());
    groottes_ = MaakLijst("groottes", model_.Groottes());
    groottes_->setMaximumWidth(90);
    opmerking_ = new QLabel(NaarQString(model_.Opmerking()));
    opmerking_->setObjectName(QStringLiteral("opmerking"));
    opmerking_->setWordWrap(true);
    opmerking_->setVisible(!model_.Opmerking().empty());
    lettertypen_->setAccessibleDescription(opmerking_->text());
    voorbeeld_ = new QLabel(QStringLiteral("Voorbeeld"));
    voorbeeld_->setObjectName(QStringLiteral("voorbeeld"));
    voorbeeld_->setMinimumSize(200, 80);
    voorbeeld_->setAlignment(Qt::AlignCenter);
    voorbeeld_->setFrameShape(QFrame::StyledPanel);
    ok_ = MaakConfigKnop("&OK", "ok");
    QPushButton* annuleren = MaakConfigKnop("&Cancel", "cancel");

    auto* lijsten = new QGridLayout;
    lijsten->addWidget(MaakLabel("&Lettertype:", lettertypen_), 0, 0);
    lijsten->addWidget(MaakLabel("&Grootte:", groottes_), 0, 1);
    lijsten->addWidget(lettertypen_, 1, 0);
    lijsten->addWidget(groottes_, 1, 1);
    lijsten->addWidget(voorbeeld_, 1, 2);
    lijsten->addWidget(opmerking_, 2, 0, 1, 3);
    lijsten->setColumnStretch(0, 2);
    lijsten->setColumnStretch(2, 2);
    lijsten->setRowStretch(1, 1);
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(new QLabel(QStringLiteral("Bij het afdrukken van een overzicht:")));
    venster->addWidget(standOpNieuwePagina_);
    venster->addWidget(indelingOpNieuwePagina_);
    venster->addSpacing(8);
    venster->addLayout(lijsten, 1);
    venster->addLayout(KnoppenRechts({ok_, annuleren}));
    ok_->setDefault(true);

    ZetVinkje(standOpNieuwePagina_, model_.StandOpNieuwePagina());
    ZetVinkje(indelingOpNieuwePagina_, model_.IndelingOpNieuwePagina());

    connect(standOpNieuwePagina_, &QCheckBox::toggled, this,
            [this](bool aan) { model_.ZetStandOpNieuwePagina(aan); });
    connect(indelingOpNieuwePagina_, &QCheckBox::toggled, this,
            [this](bool aan) { model_.ZetIndelingOpNieuwePagina(aan); });
    connect(lettertypen_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.KiesLettertype(GeselecteerdeRij(lettertypen_));
        Toon();
    });
    connect(groottes_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.KiesGrootte(GeselecteerdeRij(groottes_));
        Toon();
    });
    connect(ok_, &QPushButton::clicked, this, &CConfigAfdrukvoorkeurDlg::Ok);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    Toon();
}

void CConfigAfdrukvoorkeurDlg::Toon() {
    Selecteer(lettertypen_, model_.Lettertype());
    Selecteer(groottes_, model_.Grootte());
    QFont lettertype = font();
    if (model_.Lettertype() >= 0) {
        lettertype.setFamilies({NaarQString(model_.GekozenLettertype())});
    }
    if (model_.Grootte() >= 0) {
        lettertype.setPointSizeF(model_.GekozenGrootte() / 10.0);
    }
    voorbeeld_->setFont(lettertype);
    ok_->setEnabled(model_.OkAan());
}

void CConfigAfdrukvoorkeurDlg::showEvent(QShowEvent* gebeurtenis) {
    QDialog::showEvent(gebeurtenis);
    ToonGekozen();
}

void CConfigAfdrukvoorkeurDlg::resizeEvent(QResizeEvent* gebeurtenis) {
    QDialog::resizeEvent(gebeurtenis);
    ToonGekozen();
}

void CConfigAfdrukvoorkeurDlg::ToonGekozen() {
    // Only a laid-out list scrolls: the chosen font and size in sight.
    for (QListWidget* lijst : {lettertypen_, groottes_}) {
        if (QListWidgetItem* gekozen = lijst->currentItem()) {
            lijst->scrollToItem(gekozen);
        }
    }
}

void CConfigAfdrukvoorkeurDlg::Ok() {
    if (model_.Ok(settings_) == 0) {
        accept();
    }
}
