#pragma once
// The results window: a view of CRondeVenster on one round. It builds the
// widgets, hands every user action to the model and shows the model again.

#include "ui/rondevenster.h"

#include <QDialog>

class CKlasseVeld;
class CKolomKoppen;
class CMorvelApp;
class CMultiLineListBox;
class CSpelerKolomVak;
class QLabel;
class QLineEdit;
class QPushButton;

class CRondeDlg : public QDialog {
    Q_OBJECT

public:
    // Works on `ronde`, which the caller owns and which "&Ok" fills.
    // `uitIndeling`: the round holds the games of the published pairing.
    CRondeDlg(CMorvelApp& app, CRonde& ronde, QWidget* ouder = nullptr, bool uitIndeling = false);

    CRondeVenster& Model() { return model_; }

    // "&Ok": closes with Accepted when the model accepts.
    void accept() override;
    // "&Cancel", Escape and the close box: closes when the model lets it.
    void reject() override;

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    // Copies the model into the widgets, without their signals.
    void Toon();
    void ZetFocus();
    void NaBediening(); // Toon and ZetFocus after the user's action

    CRondeVenster model_;
    QLineEdit* identificatie_;
    CSpelerKolomVak* kolom_;
    QPushButton* toevoegen_;
    QPushButton* verwijderen_;
    QPushButton* wissel_;
    CKolomKoppen* uitslagKoppen_;
    CMultiLineListBox* uitslagen_;
    CKlasseVeld* klasse_;
    QLineEdit* klasseTekst_;
    QLabel* zonderUitslag_;
    QPushButton* nieuweKlasse_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Opens the results window on `ronde` through the window opener: true when
// it was closed with "&Ok".
bool ToonUitslagen(CMorvelApp& app, CRonde& ronde, QWidget* ouder, bool uitIndeling = false);
