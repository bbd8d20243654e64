#pragma once
// The window "Datum en parameters inschrijflijst": a view of CDatumSelectie.

#include "ui/datumselectie.h"

#include <QDialog>
#include <array>

class CSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class DatumSelectieDlg : public QDialog {
    Q_OBJECT

public:
    explicit DatumSelectieDlg(CDatumSelectie& model, QWidget* ouder = nullptr);

private:
    // Copies the model into the widgets.
    void Toon();
    void Ok();

    CDatumSelectie& model_;
    std::array<QComboBox*, kAantalDatumLijsten> lijsten_{};
    QLineEdit* weekdag_;
    QRadioButton* vastAantalDagen_;
    QRadioButton* vasteWeken_;
    std::array<QCheckBox*, kAantalWeken> weken_{};
    QPushButton* ok_;
};

// Asks for the date of the next play day and the list parameters, which are
// stored in `settings` on OK. Returns 0 with the chosen date in `datum`, or -1
// when the window was closed with "Afbreken".
int KiesInschrijfDatum(CSettings& settings, CDatum& datum, QWidget* ouder = nullptr,
                       const CDatum& vandaag = VandaagLokaal());
