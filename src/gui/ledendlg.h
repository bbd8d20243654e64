#pragma once
// The members window: a view of CLedenVenster. It builds the widgets, hands
// every user action to the model and shows the model again.

#include "ui/ledenvenster.h"

#include <QDialog>

class CMorvelApp;
class CSpelerKolomVak;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class CLedenDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLedenDlg(CMorvelApp& app, QWidget* ouder = nullptr);

    CLedenVenster& Model() { return model_; }

protected:
    void keyPressEvent(QKeyEvent* gebeurtenis) override;
    void closeEvent(QCloseEvent* gebeurtenis) override;

private:
    QLineEdit* MaakVeld(const char* naam, bool alleenLezen = false);
    // Copies the model into the widgets, without their signals.
    void Toon();
    void ZetFocus();
    void NaBediening(); // Toon and ZetFocus after the user's action
    void Sluiten();
    void Importeren();

    CLedenVenster model_;
    CSpelerKolomVak* kolom_;
    QPushButton* toevoegen_;
    QPushButton* verwijderen_;
    QPushButton* wijzigen_;
    QPushButton* importeren_;
    QPushButton* sluiten_;
    QGroupBox* detail_;
    QLineEdit* volgnummer_;
    QLineEdit* naam_;
    QLineEdit* beginKlasse_;
    QLineEdit* beginKlasseTekst_;
    QLineEdit* huidigeKlasse_;
    QLineEdit* huidigeKlasseTekst_;
    QCheckBox* aktief_;
    QCheckBox* standaardIndelen_;
    QCheckBox* uitlotenToegestaan_;
    QPushButton* accepteer_;
    QPushButton* afbreken_;
};

// Opens the members window on the open competition through the window opener.
void ToonLeden(CMorvelApp& app, QWidget* ouder);
