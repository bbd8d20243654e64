#include "gui/multilinelistbox.h"

#include "gui/qttekst.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

CMultiLineListBox::CMultiLineListBox(QWidget* ouder) : QTreeWidget(ouder) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHeaderHidden(true);
    setColumnCount(1);
    header()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMultiLineListBox::MeldSelectie);
    connect(header(), &QHeaderView::sectionResized, this, &CMultiLineListBox::kolommenVerschoven);
    connect(header(), &QHeaderView::sectionCountChanged, this,
            &CMultiLineListBox::kolommenVerschoven);
}

void CMultiLineListBox::VulRij(QTreeWidgetItem& item, const std::string& regel) {
    const QStringList cellen = NaarQString(regel).split(QLatin1Char('\t'));
    if (cellen.size() > columnCount()) {
        setColumnCount(static_cast<int>(cellen.size()));
    }
    for (int kolom = 0; kolom < columnCount(); ++kolom) {
        item.setText(kolom, kolom < cellen.size() ? cellen[kolom] : QString());
    }
}

void CMultiLineListBox::ZetRegels(const std::vector<std::string>& regels) {
    stil_ = true;
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(regels.size()));
    for (const std::string& regel : regels) {
        auto* item = new QTreeWidgetItem;
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        VulRij(*item, regel);
        items.append(item);
    }
    addTopLevelItems(items);
    regels_ = regels;
    setCurrentItem(nullptr);
    gemeld_ = -1;
    stil_ = false;
}

void CMultiLineListBox::ZetRegel(int rij, const std::string& regel) {
    if (QTreeWidgetItem* item = topLevelItem(rij)) {
        VulRij(*item, regel);
        if (static_cast<size_t>(rij) < regels_.size()) {
            regels_[static_cast<size_t>(rij)] = regel;
        }
    }
}

void CMultiLineListBox::ToonRegels(const std::vector<std::string>& regels) {
    if (regels.size() != regels_.size()) {
        ZetRegels(regels);
        return;
    }
    for (size_t i = 0; i < regels.size(); ++i) {
        if (regels[i] != regels_[i]) {
            ZetRegel(static_cast<int>(i), regels[i]);
        }
    }
}

QString CMultiLineListBox::Tekst(int rij, int kolom) const {
    const QTreeWidgetItem* item = topLevelItem(rij);
    return item ? item->text(kolom) : QString();
}

int CMultiLineListBox::Selectie() const {
    const QList<QTreeWidgetItem*> gekozen = selectedItems();
    return gekozen.isEmpty() ? -1 : indexOfTopLevelItem(gekozen.front());
}

void CMultiLineListBox::Selecteer(int rij) {
    stil_ = true;
    if (QTreeWidgetItem* item = rij >= 0 ? topLevelItem(rij) : nullptr) {
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
    gemeld_ = Selectie();
    stil_ = false;
}

void CMultiLineListBox::MeldSelectie() {
    if (stil_) {
        return;
    }
    const int rij = Selectie();
    if (rij != gemeld_) {
        gemeld_ = rij;
        emit selectieGewijzigd(rij);
    }
}

void CMultiLineListBox::ZetKolomBreedtes(std::initializer_list<int> tekens) {
    if (static_cast<int>(tekens.size()) > columnCount()) {
        setColumnCount(static_cast<int>(tekens.size()));
    }
    const int teken = fontMetrics().averageCharWidth();
    breedtes_.clear();
    int kolom = 0;
    for (int breedte : tekens) {
        breedtes_.push_back(breedte * teken);
        setColumnWidth(kolom++, breedte * teken);
    }
    Rek();
}

void CMultiLineListBox::ZetMeeRekken(std::initializer_list<int> kolommen) {
    meeRekken_.assign(kolommen);
    Rek();
}

void CMultiLineListBox::Rek() {
    int som = 0;
    int deel = 0;
    for (size_t k = 0; k < breedtes_.size(); ++k) {
        som += isColumnHidden(static_cast<int>(k)) ? 0 : breedtes_[k];
    }
    for (int k : meeRekken_) {
        deel += k < static_cast<int>(breedtes_.size()) ? breedtes_[static_cast<size_t>(k)] : 0;
    }
    if (deel <= 0) {
        return;
    }
    const int extra = std::max(viewport()->width() - som, 0);
    for (int k : meeRekken_) {
        if (k < static_cast<int>(breedtes_.size()) && k + 1 < columnCount()) {
            const int breedte = breedtes_[static_cast<size_t>(k)];
            setColumnWidth(k, breedte + extra * breedte / deel);
        }
    }
}

bool CMultiLineListBox::viewportEvent(QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::ToolTip) {
        const QPoint plaats = static_cast<QHelpEvent*>(gebeurtenis)->pos();
        const QModelIndex cel = indexAt(plaats);
        const QString tekst = cel.isValid() ? cel.data().toString() : QString();
        const QRect vak = visualRect(cel);
        // The room the item view leaves for the text: the cell less its margins.
        const int marge =
            2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
        if (!tekst.isEmpty() && fontMetrics().horizontalAdvance(tekst) > vak.width() - marge) {
            QToolTip::showText(static_cast<QHelpEvent*>(gebeurtenis)->globalPos(), tekst,
                               viewport(), vak);
            return true;
        }
    }
    return QTreeWidget::viewportEvent(gebeurtenis);
}

void CMultiLineListBox::ZetKolomZichtbaar(int kolom, bool zichtbaar) {
    if (isColumnHidden(kolom) == !zichtbaar) {
        return;
    }
    setColumnHidden(kolom, !zichtbaar);
    Rek();
    emit kolommenVerschoven();
}

void CMultiLineListBox::keyPressEvent(QKeyEvent* gebeurtenis) {
    const bool enter = gebeurtenis->key() == Qt::Key_Return || gebeurtenis->key() == Qt::Key_Enter;
    if (enter && gebeurtenis->modifiers() == Qt::NoModifier && Selectie() >= 0) {
        // Taken here, so that the dialog's default button is not pressed as well.
        gebeurtenis->accept();
        emit gekozen(Selectie());
        return;
    }
    QTreeWidget::keyPressEvent(gebeurtenis);
}

void CMultiLineListBox::mouseDoubleClickEvent(QMouseEvent* gebeurtenis) {
    QTreeWidget::mouseDoubleClickEvent(gebeurtenis);
    if (gebeurtenis->button() != Qt::LeftButton) {
        return;
    }
    if (QTreeWidgetItem* item = itemAt(gebeurtenis->position().toPoint())) {
        emit gekozen(indexOfTopLevelItem(item));
    }
}

void CMultiLineListBox::resizeEvent(QResizeEvent* gebeurtenis) {
    QTreeWidget::resizeEvent(gebeurtenis);
    Rek();
    emit kolommenVerschoven();
}

void CMultiLineListBox::moveEvent(QMoveEvent* gebeurtenis) {
    QTreeWidget::moveEvent(gebeurtenis);
    emit kolommenVerschoven();
}

void CMultiLineListBox::scrollContentsBy(int dx, int dy) {
    QTreeWidget::scrollContentsBy(dx, dy);
    if (dx != 0) {
        emit kolommenVerschoven();
    }
}
