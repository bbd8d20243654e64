#pragma once
// The help window "Handleiding": the manual in a browser, opened at the
// section of the window it was asked from, with "&Inhoud", "&Terug" and
// "&Sluiten".

#include "ui/handleiding.h"

#include <QDialog>
#include <string>

class QPushButton;
class QTextBrowser;

class CHandleidingDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHandleidingDlg(CHandleidingVenster model, QWidget* ouder = nullptr);

    const CHandleidingVenster& Model() const { return model_; }
    // Shows the section `anker` (empty: the start).
    void Ga(const std::string& anker);

private:
    CHandleidingVenster model_;
    QTextBrowser* tekst_;
    QPushButton* terug_;
};

// Opens the manual of this program at `anker` through the window opener.
void ToonHandleiding(const std::string& anker, QWidget* ouder);
