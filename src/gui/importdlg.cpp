#include "gui/importdlg.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"
#include "gui/qttekst.h"
#include "gui/velden.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CImportDlg::CImportDlg(CMorvelApp& app, std::string bestand, CLedenImport import, QWidget* ouder)
    : QDialog(ouder), model_(app, std::move(bestand), std::move(import)) {
    setWindowTitle(QString::fromLatin1(kImportTitel));
    setObjectName(QStringLiteral("importVenster"));

    auto* venster = new QVBoxLayout(this);
    const char* namen[] = {"bestand", "samenvatting", "telling"};
    const std::vector<std::string> kop = model_.Kop();
    for (size_t i = 0; i < kop.size(); ++i) {
        auto* regel = new QLabel(NaarQString(kop[i]));
        regel->setObjectName(QString::fromLatin1(namen[i < 3 ? i : 2]));
        regel->setWordWrap(true);
        regel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        venster->addWidget(regel);
    }

    auto* lijst = new CMultiLineListBox;
    lijst->setObjectName(QStringLiteral("regels"));
    auto* koppen = new CKolomKoppen(*lijst);
    koppen->VoegToe("Regel", "kopRegel", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Naam", "kopNaam", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Klasse", "kopKlasse", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("A I U", "kopVlaggen", CKolomKoppen::ESoort::Tekst);
    koppen->VoegToe("Wat gebeurt er", "kopUitkomst", CKolomKoppen::ESoort::Tekst);
    lijst->ZetKolomBreedtes({7, 26, 30, 7});
    lijst->ZetRegels(model_.Rijen());
    lijst->setMinimumSize(820, 320);
    auto* lijstLabel = MaakLabel("&Regels van het bestand:", lijst);
    lijst->setAccessibleName(QStringLiteral("Regels van het bestand"));
    auto* uitleg = new QLabel(
        QStringLiteral("A I U: aktief, standaard indelen, uitloten toegestaan (J of N)."));
    uitleg->setObjectName(QStringLiteral("uitleg"));

    QPushButton* importeren = MaakConfigKnop("&Importeren", "importeren");
    importeren->setEnabled(model_.ImporterenAan());
    importeren->setDefault(model_.ImporterenAan());
    QPushButton* afbreken = MaakConfigKnop("&Afbreken", "afbreken");

    venster->addSpacing(6);
    venster->addWidget(lijstLabel);
    auto* lijstKolom = new QVBoxLayout;
    lijstKolom->setSpacing(0);
    lijstKolom->addWidget(koppen);
    lijstKolom->addWidget(lijst, 1);
    venster->addLayout(lijstKolom, 1);
    venster->addWidget(uitleg);
    venster->addLayout(KnoppenRechts({importeren, afbreken}));

    connect(importeren, &QPushButton::clicked, this, [this] {
        model_.Importeren();
        accept();
    });
    connect(afbreken, &QPushButton::clicked, this, &QDialog::reject);
    lijst->setFocus();
}
