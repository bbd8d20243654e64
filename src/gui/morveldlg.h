#pragma once
// The main window: the competition list and the buttons from which every
// other window is opened. It is shown modally for the whole run; closing it
// writes the open competition and ends the program.

#include <QDialog>
#include <array>
#include <string>

class CMorvelApp;
class QComboBox;
class QPushButton;

class CMorvelDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMorvelDlg(CMorvelApp& app, QWidget* ouder = nullptr);
    ~CMorvelDlg() override;

    // Fills the list with the competitions of the data directory and opens the
    // saved one ("HuidigePeriode", the first name that begins with it).
    void VernieuwCompetities();
    // Opens the competition selected in the list (CMorvelApp::KiesCompetitie).
    // Returns 0 when it was read, -1 when not (the six competition commands
    // are then disabled) or when the old competition could not be written
    // (it then stays open and selected).
    int KiesCompetitie();

protected:
    void showEvent(QShowEvent* gebeurtenis) override;
    void done(int resultaat) override;

private:
    QPushButton* MaakKnop(const char* tekst, const char* naam);
    void ZetCompetitieCommandos(bool aan);
    void SelecteerGeopende();

    void ToonTitel();
    void Leden();
    void NieuweCompetitie();
    void Geschiedenis();
    void Configuratie();
    void Uitslagen();
    void Indeling();
    void Inschrijflijst();
    void Klassenverloop();
    void Stand();

    CMorvelApp& app_;
    QComboBox* competitieLijst_;
    std::array<QPushButton*, 7> competitieCommandos_{};
    QPushButton* uitslagen_ = nullptr;
    bool getoond_ = false;
};
