#pragma once
// A list of rows whose tab-separated texts are shown in columns, with one
// selectable row. The owner sets the rows and the selection; the list reports
// what the user does: moving the selection, and choosing a row with Enter or
// a double click. Its column heads are a CKolomKoppen above it.

#include <QTreeWidget>
#include <initializer_list>
#include <string>
#include <vector>

class CMultiLineListBox : public QTreeWidget {
    Q_OBJECT

public:
    explicit CMultiLineListBox(QWidget* ouder = nullptr);

    // Replaces every row by `regels`, Windows-1252 texts in which each tab
    // starts the next column. No row is selected afterwards.
    void ZetRegels(const std::vector<std::string>& regels);
    // Rewrites row `rij`; the selection stays as it is.
    void ZetRegel(int rij, const std::string& regel);
    // Shows `regels`: when their number stayed only the rows that differ are
    // rewritten and the selection stays, otherwise as ZetRegels.
    void ToonRegels(const std::vector<std::string>& regels);
    int AantalRegels() const { return topLevelItemCount(); }
    // The text shown in a cell; empty beyond the row's own columns.
    QString Tekst(int rij, int kolom) const;

    // The selected row, -1 when none.
    int Selectie() const;
    // Selects row `rij` and scrolls it into view; a row out of range clears
    // the selection. Reports nothing: only the user's changes are signalled.
    void Selecteer(int rij);

    // The widths of the columns in average characters; the last column
    // always takes the rest of the width.
    void ZetKolomBreedtes(std::initializer_list<int> tekens);
    // The columns `kolommen` widen with the list: the width beyond the sum of
    // the widths of ZetKolomBreedtes (the last one counted as its least) is
    // shared by them in proportion to those widths.
    void ZetMeeRekken(std::initializer_list<int> kolommen);
    // Shows or hides a column, and the heads above follow.
    void ZetKolomZichtbaar(int kolom, bool zichtbaar);

signals:
    // The user moved the selection to `rij` (-1: none).
    void selectieGewijzigd(int rij);
    // The user pressed Enter on row `rij` or double-clicked it.
    void gekozen(int rij);
    // The columns moved on the screen or changed their widths.
    void kolommenVerschoven();

protected:
    // A cell whose text is cut shows the whole text as its tooltip.
    bool viewportEvent(QEvent* gebeurtenis) override;
    void keyPressEvent(QKeyEvent* gebeurtenis) override;
    void mouseDoubleClickEvent(QMouseEvent* gebeurtenis) override;
    void resizeEvent(QResizeEvent* gebeurtenis) override;
    void moveEvent(QMoveEvent* gebeurtenis) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void MeldSelectie();
    void Rek();
    void VulRij(QTreeWidgetItem& item, const std::string& regel);

    std::vector<std::string> regels_; // the rows shown
    std::vector<int> breedtes_;       // the widths of ZetKolomBreedtes, in pixels
    std::vector<int> meeRekken_;      // the columns that widen with the list
    bool stil_ = false;               // true while the owner changes rows or selection
    int gemeld_ = -1;                 // the selection last reported or set
};
