#pragma once
// The player column of the members, results and pairing windows, a view of
// CSpelerKolom: the column heads with their sort arrows, the list, "Zoek:"
// and the filter check boxes. It hands searching, sorting, filtering and the
// selection to the column itself and tells its window afterwards.

#include <QWidget>
#include <initializer_list>
#include <vector>

class CKolomKoppen;
class CMultiLineListBox;
class CSpelerKolom;
class QCheckBox;
class QLineEdit;

class CSpelerKolomVak : public QWidget {
    Q_OBJECT

public:
    // A text (UTF-8, '&' before the mnemonic) and an object name.
    struct CNaam {
        const char* tekst;
        const char* naam;
    };
    struct CLijst {
        const char* naam;       // the list's object name
        const char* toegang;    // the list's accessible name
        int eersteKolomBreedte; // in average characters
        int minimumBreedte;     // pixels
        const char* zoekLabel;  // "Zoek:" with its mnemonic
    };

    // `koppen` names the heads of `kolom` in their order, `filters` its filters.
    CSpelerKolomVak(CSpelerKolom& kolom, const CLijst& lijst, std::initializer_list<CNaam> koppen,
                    std::initializer_list<CNaam> filters, QWidget* ouder = nullptr);

    CMultiLineListBox* Lijst() const { return lijst_; }
    QLineEdit* ZoekVeld() const { return zoek_; }
    CKolomKoppen* Koppen() const { return koppen_; }
    QCheckBox* Filter(size_t filter) const { return filters_[filter]; }
    // The last control of the column in the Tab order.
    QWidget* Laatste() const;

    // Copies the column into the widgets, without their signals; out of use
    // the column is disabled.
    void Toon();

signals:
    // The user searched, sorted, filtered or moved the selection; the column
    // has followed already.
    void gewijzigd();
    // Enter or a double click on row `rij`, which is selected; Enter in
    // "Zoek:" chooses the row found (and never reaches the window's default
    // button).
    void gekozen(int rij);

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    CSpelerKolom& kolom_;
    CKolomKoppen* koppen_;
    CMultiLineListBox* lijst_;
    QLineEdit* zoek_;
    std::vector<QCheckBox*> filters_;
};
