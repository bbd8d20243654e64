#pragma once
// The class chart window "Klassenverloop": a view of CKlassenverloopVenster.

#include "ui/klassenverloopvenster.h"

#include <QDialog>

class CKolomKoppen;
class CMorvelApp;
class CMultiLineListBox;
class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;

class CKlassenverloopDlg : public QDialog {
    Q_OBJECT

public:
    CKlassenverloopDlg(CMorvelApp& app, std::string csvBestand, QWidget* ouder = nullptr);

    CKlassenverloopVenster& Model() { return model_; }
    QChartView* GrafiekView() const { return grafiek_; }

private:
    // Copies the model into the widgets; the chart only when it changed.
    void Toon();
    void Afdrukken();
    void Opslaan();

    CKlassenverloopVenster model_;
    CKolomKoppen* koppen_;
    CMultiLineListBox* lijst_;
    QLineEdit* zoek_;
    QChartView* grafiek_;
    QLabel* status_;
    QPushButton* spreadsheet_;
    int getoondeVersie_ = -1;
};

// Opens the window on the open competition through the window opener;
// `csvBestand` is the spreadsheet file written just before (empty: none).
void ToonKlassenverloop(CMorvelApp& app, const std::string& csvBestand, QWidget* ouder);
