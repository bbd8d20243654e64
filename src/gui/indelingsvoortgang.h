#pragma once
// The progress window of the pairing search. The search runs on the
// interface thread; every refresh (at most once per 250 ms) shows the counter,
// the best value and how long it has held, and handles the pending events, so
// the windows repaint and "Stop" is answered between two positions.

#include "pairing/zoekvoortgang.h"

#include <QDialog>

class CProgressBar;
class QLabel;

class CIndelingsVoortgang : public QDialog, public CZoekVoortgang {
    Q_OBJECT

public:
    // `eigenaar` is the window held off during the search.
    explicit CIndelingsVoortgang(QWidget* eigenaar);

    void Begin() override;
    void Einde() override;
    void ZetBereik(double laag, double hoog) override;
    void ZetTitel(const std::string& titel) override;

    // "Stop" and closing the window: a stop after "Echt onderbreken?".
    void VraagOmStop();

protected:
    void Ververs() override;
    void closeEvent(QCloseEvent* gebeurtenis) override;
    void reject() override;

private:
    void ToonWaarden();

    QWidget* eigenaar_;
    CProgressBar* balk_;
    QLabel* combinaties_;
    QLabel* besteWaarde_;
    QLabel* besteGedurende_;
};
