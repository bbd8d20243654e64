#pragma once
// A listing on the screen, in the listing font, to read and to print.

#include <QDialog>
#include <string>

class CSettings;
class QPlainTextEdit;

class CLijstDlg : public QDialog {
    Q_OBJECT

public:
    // `titel` and `lijst` are Windows-1252; a form feed in the listing only
    // starts a page when it is printed.
    CLijstDlg(const std::string& titel, const std::string& lijst, const CSettings& settings,
              QWidget* ouder = nullptr);

private:
    std::string lijst_;
    const CSettings& settings_;
    QPlainTextEdit* tekst_;
};

// Shows the listing window through the window opener.
void ToonLijst(const std::string& titel, const std::string& lijst, const CSettings& settings,
               QWidget* ouder);
