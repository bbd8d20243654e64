#pragma once
// The paths window "Paden": the data directory, the backup switch and
// directory, the spreadsheet program and the size of the history.

#include <QDialog>

class CSettings;
class QCheckBox;
class QLineEdit;
class QSpinBox;

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
    QSpinBox* geschiedenis_;
};
