#pragma once
// The print preferences window "Afdrukvoorkeur": page breaks, and the font
// and size of printed listings with a preview.

#include "ui/afdrukvoorkeur.h"

#include <QDialog>
#include <vector>

class CSettings;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The installed font families with their pitch, as the font database knows them.
std::vector<CLettertypeFamilie> GeinstalleerdeLettertypen();

class CConfigAfdrukvoorkeurDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConfigAfdrukvoorkeurDlg(CSettings& settings, QWidget* ouder = nullptr);

    const CAfdrukvoorkeurVenster& Model() const { return model_; }

protected:
    void showEvent(QShowEvent* gebeurtenis) override;
    void resizeEvent(QResizeEvent* gebeurtenis) override;

private:
    // Copies the selections, the preview and the enabled OK into the widgets.
    void Toon();
    // Scrolls the lists to the chosen font and size, when they are out of sight.
    void ToonGekozen();
    void Ok();

    CSettings& settings_;
    CAfdrukvoorkeurVenster model_;
    QCheckBox* standOpNieuwePagina_;
    QCheckBox* indelingOpNieuwePagina_;
    QListWidget* lettertypen_;
    QListWidget* groottes_;
    QLabel* voorbeeld_;
    QLabel* opmerking_;
    QPushButton* ok_;
};
