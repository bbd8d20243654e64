#pragma once
// The window "Nieuwe competitie": a view of CNieuweCompetitieVenster.

#include "ui/nieuwecompetitievenster.h"

#include <QDialog>

class CMorvelApp;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CNieuweCompetitieDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNieuweCompetitieDlg(CMorvelApp& app, QWidget* ouder = nullptr);

    CNieuweCompetitieVenster& Model() { return model_; }

private:
    void Toon();
    void Ok();

    CNieuweCompetitieVenster model_;
    QLineEdit* identificatie_;
    QLabel* reden_;
    QRadioButton* leeg_;
    QRadioButton* kopieer_;
    QGroupBox* oud_;
    QComboBox* oudeCompetitie_;
    QComboBox* beginKlasse_;
    QPushButton* ok_;
};

// Opens the window through the window opener; the main window refreshes its
// list afterwards, whatever the outcome.
void ToonNieuweCompetitie(CMorvelApp& app, QWidget* ouder);
