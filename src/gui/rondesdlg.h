#pragma once
// The rounds window: a view of CRondesVenster. Adding and changing open the
// results window through the window opener; printing goes through DrukAf.

#include "ui/rondesvenster.h"

#include <QDialog>

class CMorvelApp;
class CMultiLineListBox;
class QPushButton;

class CRondesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CRondesDlg(CMorvelApp& app, QWidget* ouder = nullptr);

    CRondesVenster& Model() { return model_; }

private:
    QPushButton* MaakKnop(const char* tekst, const char* naam);
    void Toevoegen();
    void Wijzigen();
    void Verwijderen();
    void Afdrukken();
    // Shows the rows again, scrolled to the end or to the selected one.
    void Vul();
    void ToonKnoppen();

    CMorvelApp& app_;
    CRondesVenster model_;
    CMultiLineListBox* rondes_;
    QPushButton* toevoegen_;
    QPushButton* wijzigen_;
    QPushButton* verwijderen_;
    QPushButton* afdrukken_;
    QPushButton* sluiten_;
};

// "Uitslagen" of the main window: the rounds window on the open competition,
// through the window opener.
void ToonRondes(CMorvelApp& app, QWidget* ouder);
