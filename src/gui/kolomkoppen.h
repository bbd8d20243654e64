#pragma once
// The column heads above a CMultiLineListBox, lined up with its columns. A
// head is a flat button with a Dutch text and mnemonic. A sorting head shows
// an arrow for the order in use and, when clicked, asks its owner for an
// order: the reverse when it already sorts ascending, ascending otherwise.
// The owner's model decides the order of the rows.

#include <QPointer>
#include <QWidget>
#include <vector>

class CMultiLineListBox;
class QPushButton;

class CKolomKoppen : public QWidget {
    Q_OBJECT

public:
    enum class ESoort {
        Tekst,    // a title only
        Commando, // a button: clicks are reported by `geklikt`
        Sorteert, // a button with an arrow: clicks are reported by `sorteer`
    };

    explicit CKolomKoppen(CMultiLineListBox& lijst, QWidget* ouder = nullptr);

    // Adds a head over the next `kolommen` columns of the list, with `tekst`
    // (UTF-8, '&' before the mnemonic) and the object name `naam`. The last
    // head reaches to the right edge. Returns its number, from 0.
    int VoegToe(const char* tekst, const char* naam, ESoort soort, int kolommen = 1);
    // The button of a head (nullptr for a title).
    QPushButton* Knop(int kop) const;

    // Shows the arrow of `richting` beside head `kop` and hides the others;
    // -1 hides every arrow.
    void ZetSortering(int kop, Qt::SortOrder richting = Qt::AscendingOrder);
    int SorteerKop() const { return sorteerKop_; }
    Qt::SortOrder Richting() const { return richting_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A sorting head was clicked; its arrow already shows `richting`.
    void sorteer(int kop, Qt::SortOrder richting);
    // A command head was clicked.
    void geklikt(int kop);

protected:
    void resizeEvent(QResizeEvent* gebeurtenis) override;
    void moveEvent(QMoveEvent* gebeurtenis) override;

private:
    struct CKop {
        QWidget* widget;
        int eersteKolom;
        int kolommen;
    };
    void Klik(int kop, ESoort soort);
    void Plaats();

    QPointer<CMultiLineListBox> lijst_; // may go before the heads do
    std::vector<CKop> koppen_;
    int volgendeKolom_ = 0;
    int sorteerKop_ = -1;
    Qt::SortOrder richting_ = Qt::AscendingOrder;
};
