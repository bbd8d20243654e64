#include "gui/multilinelistbox.h"

#include "gui/qttekst.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

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
    setCurrentItem(nullptr);
    gemeld_ = -1;
    stil_ = false;
}

void CMultiLineListBox::ZetRegel(int rij, const std::string& regel) {
    if (QTreeWidgetItem* item = topLevelItem(rij)) {
        VulRij(*item, regel);
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
    int kolom = 0;
    for (int breedte : tekens) {
        setColumnWidth(kolom++, breedte * teken);
    }
}

void CMultiLineListBox::ZetKolomZichtbaar(int kolom, bool zichtbaar) {
    setColumnHidden(kolom, !zichtbaar);
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
