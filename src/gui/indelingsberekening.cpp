#include "gui/indelingsberekening.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CIndelingsBerekening::CIndelingsBerekening(const std::vector<std::string>& regels, QWidget* ouder)
    : QDialog(ouder) {
    setWindowTitle(QString::fromLatin1(kIndelingsBerekeningTitel));
    auto* lijst = new CMultiLineListBox;
    lijst->setObjectName(QStringLiteral("berekeningen"));
    lijst->setAccessibleName(QString::fromLatin1(kIndelingsBerekeningTitel));
    auto* koppen = new CKolomKoppen(*lijst);
    using ESoort = CKolomKoppen::ESoort;
    koppen->VoegToe("Zwart", "kopZwart", ESoort::Tekst);
    koppen->VoegToe("Wit", "kopWit", ESoort::Tekst);
    koppen->VoegToe("Klasseverschil", "kopKlasseverschil", ESoort::Tekst, 2);
    koppen->VoegToe("Rondes niet gespeeld", "kopRondes", ESoort::Tekst, 2);
    koppen->VoegToe("Punten", "kopPunten", ESoort::Tekst);
    lijst->ZetKolomBreedtes({22, 22, 8, 10, 10, 10});
    lijst->ZetRegels(regels);
    lijst->setMinimumSize(760, 360);

    auto* sluiten = new QPushButton(QStringLiteral("&Sluiten"));
    sluiten->setObjectName(QStringLiteral("sluiten"));
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten);
    auto* venster = new QVBoxLayout(this);
    venster->setSpacing(0);
    venster->addWidget(koppen);
    venster->addWidget(lijst, 1);
    venster->addSpacing(6);
    venster->addLayout(knoppen);
    sluiten->setDefault(true);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
}
