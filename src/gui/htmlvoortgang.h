#pragma once
// The progress window of an upload run, "Voortgang HTML upload": the log in
// two columns (text and status) and "Sluiten". The run starts 100 ms after
// the window is shown, so it is on screen before any network work, and
// handles the pending events between its steps. After a run in which every
// file was sent the window closes by itself; otherwise it stays open with
// the log and "Sluiten" enabled.

#include "publish/upload.h"
#include "publish/uploadverslag.h"

#include <QDialog>
#include <QTimer>

class CMultiLineListBox;
class QPushButton;

class CHtmlVoortgang : public QDialog, public CUploadOmgeving {
    Q_OBJECT

public:
    CHtmlVoortgang(CUploadRun& run, QWidget* ouder = nullptr);

    const CUploadVerslag& Verslag() const { return verslag_; }
    // The run has ended, whatever its outcome.
    bool Klaar() const { return klaar_; }

    void VerwerkGebeurtenissen() override;
    // The upload settings window, through the window opener.
    void ToonInstellingen(CSettings& settings) override;

protected:
    void showEvent(QShowEvent* gebeurtenis) override;
    void resizeEvent(QResizeEvent* gebeurtenis) override;
    void closeEvent(QCloseEvent* gebeurtenis) override;
    // Esc and "Sluiten"; refused while the run is busy.
    void reject() override;

private:
    void Start();
    // Shows the log and lets the window repaint.
    void ToonLog();
    // Fills the list from the log, long lines without a status wrapped.
    void VulLog();
    void ZetKolommen();

    CUploadRun& run_;
    CUploadVerslag verslag_;
    CMultiLineListBox* log_;
    QPushButton* sluiten_;
    QTimer start_;
    bool bezig_ = false;
    bool klaar_ = false;
};

// Shows the window for `run` through the window opener, as the main window
// does at a switch of competition and at the close.
void ToonHtmlVoortgang(CUploadRun& run, QWidget* ouder);
