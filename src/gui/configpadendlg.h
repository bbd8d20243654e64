#pragma once
// The paths window "Paden": the data directory, the backup switch and
// directory, and the spreadsheet program.

#include <QDialog>

class CSettings;
class QCheckBox;
class QLineEdit;

class CConfigPadenDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfigPadenDlg(CSettings& settings, QWidget* ouder = nullptr);

private:
    void Ok();

    CSettings& settings_;
    QLineEdit* dataPad_;
    QCheckBox* makeBackup_;
    QLineEdit* backupPad_;
    QLineEdit* spreadSheet_;
};
