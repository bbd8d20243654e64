#pragma once
// The history window: a view of CGeschiedenisVenster. "&Bekijken" shows the
// standings of a generation in a listing window, through the window opener.

#include "ui/geschiedenisvenster.h"

#include <QDialog>

class CMorvelApp;
class CMultiLineListBox;
class QLabel;
class QPushButton;

class CGeschiedenisDlg : public QDialog {
    Q_OBJECT

public:
    explicit CGeschiedenisDlg(CMorvelApp& app, QWidget* ouder = nullptr);

    CGeschiedenisVenster& Model() { return model_; }

private:
    void Terugzetten();
    void Bekijken();
    void Vul();
    void ToonKnoppen();

    CMorvelApp& app_;
    CGeschiedenisVenster model_;
    CMultiLineListBox* versies_;
    QLabel* leeg_;
    QPushButton* terugzetten_;
    QPushButton* bekijken_;
};

// "Geschiedenis" of the main window: the history window on the open
// competition, through the window opener.
void ToonGeschiedenis(CMorvelApp& app, QWidget* ouder);
