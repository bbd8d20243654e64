#include "gui/indelingsberekening.h"

#include "gui/kolomkoppen.h"
#include "gui/multilinelistbox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <numeric>

namespace {

// A separator row ("====", "----") fills its cells to their edge, never
// ends in "..."; other cells are cut as usual, with their whole text as tooltip.
class CStreepCellen : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* optie, const QModelIndex& cel) const override {
        QStyledItemDelegate::initStyleOption(optie, cel);
        const QString& tekst = optie->text;
        if (!tekst.isEmpty() &&
            (tekst.front() == QLatin1Char('=') || tekst.front() == QLatin1Char('-')) &&
            tekst.count(tekst.front()) == tekst.size()) {
            optie->textElideMode = Qt::ElideNone;
        }
    }
};

} // namespace

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
    lijst->setItemDelegate(new CStreepCellen(lijst));
    // Each head spans columns wide enough for its whole text; the names widen
    // with the window.
    static constexpr std::initializer_list<int> kBreedtes = {22, 22, 7, 12, 13, 13, 10};
    lijst->ZetKolomBreedtes(kBreedtes);
    lijst->ZetMeeRekken({0, 1});
    lijst->ZetRegels(regels);
    // Room for the columns beside the scroll bar.
    const int teken = lijst->fontMetrics().averageCharWidth();
    lijst->setMinimumSize(std::accumulate(kBreedtes.begin(), kBreedtes.end(), 0) * teken +
                              lijst->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                              2 * lijst->frameWidth(),
                          360);

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
