#pragma once
// The preview of a member list, "Leden importeren": a view of CImportVenster.

#include "ui/importvenster.h"

#include <QDialog>

class CMorvelApp;

class CImportDlg : public QDialog {
    Q_OBJECT

public:
    CImportDlg(CMorvelApp& app, std::string bestand, CLedenImport import, QWidget* ouder = nullptr);

    CImportVenster& Model() { return model_; }

private:
    CImportVenster model_;
};
