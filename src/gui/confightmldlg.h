#pragma once
// The HTML output and upload window "Instellen HTML uitvoer".

#include "ui/htmlinstellingen.h"

#include <QDialog>
#include <array>

class CSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CConfigHtmlDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfigHtmlDlg(CSettings& settings, QWidget* ouder = nullptr);

    const CHtmlVenster& Model() const { return model_; }

private:
    // Copies the port and the enabled fields into the widgets.
    void Toon();
    void Ok();
    // "Bladeren...": the certificate file through a file dialog.
    void KiesCertificaat();

    CSettings& settings_;
    CHtmlVenster model_;
    std::array<QComboBox*, 5> bestanden_{};
    QRadioButton* ftp_;
    QRadioButton* ftps_;
    QRadioButton* sftp_;
    QLineEdit* server_;
    QLineEdit* poort_;
    QCheckBox* passief_;
    QLineEdit* gebruikersnaam_;
    QLineEdit* wachtwoord_;
    QLineEdit* remoteDirectory_;
    QLineEdit* certificaat_;
    QPushButton* bladeren_;
    QCheckBox* competitieId_;
    QCheckBox* automatischAfsluiten_;
};

// Opens the window on `settings` through the window opener, from the
// configuration window or after a failed upload: QDialog::Accepted when OK
// stored the fields.
int ToonHtmlInstellingen(CSettings& settings, QWidget* ouder);
