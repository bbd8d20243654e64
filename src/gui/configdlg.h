#pragma once
// The configuration window "Configuratie": a hub of seven buttons, each
// opening the window of one group of settings. The hub itself stores nothing.

#include <QDialog>

class CMorvelApp;
class CSettings;

class CConfigDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfigDlg(CSettings& settings, QWidget* ouder = nullptr);

private:
    // Makes the window of a button, shows it through the window opener and
    // destroys it again.
    template <class Venster> void Open();

    CSettings& settings_;
};

// Opens the configuration window on the settings of the application through
// the window opener. The caller refreshes whatever depends on the settings
// (the competition list) once it returns, however it was closed.
void ToonConfiguratie(CMorvelApp& app, QWidget* ouder);
