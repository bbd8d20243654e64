#pragma once
// The pairing parameters window "Indelingsparameters".

#include "ui/indelingsparametervenster.h"

#include <QDialog>
#include <array>

class CSettings;
class QCheckBox;
class QLineEdit;

class CConfigIndelingDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfigIndelingDlg(CSettings& settings, QWidget* ouder = nullptr);

private:
    void Ok();

    CSettings& settings_;
    std::array<QLineEdit*, kAantalIndelingsParameters> velden_{};
    QCheckBox* exact_ = nullptr;
};
