#include "gui/configafdrukvoorkeurdlg.h"

#include "gui/qttekst.h"
#include "gui/velden.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QListWidget* MaakLijst(const char* naam, const std::vector<std::string>& regels) {
    auto* lijst = new QListWidget;
    lijst->setObjectName(QString::fromUtf8(naam));
    lijst->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& regel : regels) {
        lijst->addItem(NaarQString(regel));
    }
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
    : QDialog(ouder), settings_(settings), model_(settings, GeinstalleerdeLettertypen()) {
    setWindowTitle(QStringLiteral("Afdrukvoorkeur"));
    standOpNieuwePagina_ =
        MaakConfigVak("Begin de stand op een nieuwe pagina", "standOpNieuwePagina");
    indelingOpNieuwePagina_ =
        MaakConfigVak("Begin de indeling op een nieuwe pagina", "indelingOpNieuwePagina");
    lettertypen_ = MaakLijst("lettertypen", model_.Lettertypen());
    groottes_ = MaakLijst("groottes", model_.Groottes());
    groottes_->setAccessibleName(QStringLiteral("Grootte"));
    groottes_->setMaximumWidth(90);
    voorbeeld_ = new QLabel(QStringLiteral("Voorbeeld"));
    voorbeeld_->setObjectName(QStringLiteral("voorbeeld"));
    voorbeeld_->setMinimumSize(200, 80);
    voorbeeld_->setAlignment(Qt::AlignCenter);
    voorbeeld_->setFrameShape(QFrame::StyledPanel);
    ok_ = MaakConfigKnop("OK", "ok");
    QPushButton* annuleren = MaakConfigKnop("&Cancel", "cancel");

    auto* lijsten = new QHBoxLayout;
    lijsten->addWidget(lettertypen_, 2);
    lijsten->addWidget(groottes_);
    lijsten->addWidget(voorbeeld_, 2);
    auto* venster = new QVBoxLayout(this);
    venster->addWidget(new QLabel(QStringLiteral("Bij het afdrukken van een overzicht:")));
    venster->addWidget(standOpNieuwePagina_);
    venster->addWidget(indelingOpNieuwePagina_);
    venster->addSpacing(8);
    venster->addWidget(MaakLabel("Lettertype:", lettertypen_));
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

void CConfigAfdrukvoorkeurDlg::Ok() {
    if (model_.Ok(settings_) == 0) {
        accept();
    }
}
