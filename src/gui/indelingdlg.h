#pragma once
// The pairing window "Indeling": a view of CIndelingVenster. It builds the
// widgets, hands every user action to the model and shows the model again;
// "Genereer" searches with the progress window, "?" opens the log window and
// "Print" the print choice window.

#include "ui/indelingvenster.h"

#include <QDialog>

class CKolomKoppen;
class CMorvelApp;
class CMultiLineListBox;
class CSpelerKolomVak;
class QPushButton;

class CIndelingDlg : public QDialog {
    Q_OBJECT

public:
    explicit CIndelingDlg(CMorvelApp& app, QWidget* ouder = nullptr);

    CIndelingVenster& Model() { return model_; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* gebeurtenis) override;

private:
    // Copies the model into the widgets, without their signals.
    void Toon();
    void Genereer();
    void ToonLog();
    void Print();

    CMorvelApp& app_;
    CIndelingVenster model_;
    bool bezig_ = false; // a search runs
    CSpelerKolomVak* kolom_;
    CKolomKoppen* paarKoppen_;
    CMultiLineListBox* paren_;
    QPushButton* toevoegen_;
    QPushButton* verwijderen_;
    QPushButton* wissel_;
    QPushButton* altijd_;
    QPushButton* genereer_;
    QPushButton* log_;
    QPushButton* print_;
    QPushButton* sluiten_;
};

// Opens the pairing window on the open competition through the window opener.
void ToonIndeling(CMorvelApp& app, QWidget* ouder);
