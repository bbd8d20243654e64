#pragma once
// The standings window: choose a round and print the standings after it.

#include "ui/standvenster.h"

#include <QDialog>

class CMorvelApp;
class QListWidget;
class QPushButton;

class CStandDlg : public QDialog {
    Q_OBJECT

public:
    explicit CStandDlg(CMorvelApp& app, QWidget* ouder = nullptr);

private:
    void NeemSelectieOver();
    void Afdrukken();

    CMorvelApp& app_;
    CStandVenster model_;
    QListWidget* rondes_;
    QPushButton* afdrukken_;
};

// Opens the standings window on the open competition through the window opener.
void ToonStand(CMorvelApp& app, QWidget* ouder);
