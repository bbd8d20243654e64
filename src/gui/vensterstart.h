#pragma once
// Starting the program with its windows.

#include <QProxyStyle>
#include <QTranslator>
#include <string>

// Qt's own words where the program's windows say otherwise: the cancel
// button of message boxes and of Qt's dialogs (print, file) reads
// "&Afbreken", as in the windows around them.
class CEigenWoorden : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* bron, const char* onderscheid,
                      int aantal) const override;
};

// Qt's own Dutch texts (standard buttons such as "Ja", "Nee") with the
// program's own words over them, installed while it lives.
class CNederlands {
public:
    CNederlands();
    ~CNederlands();
    CNederlands(const CNederlands&) = delete;
    CNederlands& operator=(const CNederlands&) = delete;

    // False when Qt's Dutch texts are missing (the own words hold all the same).
    bool QtGeladen() const { return qtGeladen_; }

private:
    QTranslator qt_;
    CEigenWoorden eigen_;
    bool qtGeladen_ = false;
};

// The style of the program's windows: the platform's, except that every
// drop-down list opens as a list of at most its visible rows (10 unless a
// window sets more) instead of a screen-high column.
class CMorvelStijl : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* optie = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* antwoord = nullptr) const override;
};

// Runs the program with its windows: the Qt application in Dutch with the
// program's icon and style, message boxes for every message, F1 for the
// manual, the focus back to the window a closed window came from, the
// application object with the settings of `profiel` (empty: the profile next
// to the program), and the main window until it closes. Returns the exit
// status.
int StartVensters(int& argc, char** argv, const std::string& profiel);
