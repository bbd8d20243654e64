#pragma once
// The three formula windows, views of CFormuleVenster: "Puntenformule",
// "Klasse-aanpassingsformule" and "Voorgiftformule". They share the name
// list, the active mark, the buttons and the questions; they differ in their
// formula fields, their flag and their test area.

#include "ui/formulevenster.h"

#include <QComboBox>
#include <QDialog>
#include <array>

class CKolomKoppen;
class CMultiLineListBox;
class CSettings;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

// The editable drop-down list of the set names. It reports when the typed
// name is to be taken over: before it loses the focus, opens its list or
// moves to another name.
class CFormuleNaamLijst : public QComboBox {
    Q_OBJECT

public:
    explicit CFormuleNaamLijst(QWidget* ouder = nullptr);
    void showPopup() override;

signals:
    void naamKlaar();

protected:
    void focusOutEvent(QFocusEvent* gebeurtenis) override;
    void keyPressEvent(QKeyEvent* gebeurtenis) override;
    void wheelEvent(QWheelEvent* gebeurtenis) override;
};

class CConfigFormuleDlg : public QDialog {
    Q_OBJECT

public:
    ~CConfigFormuleDlg() override;
    CFormuleVenster& Model() { return model_; }

    // "&Cancel", Escape and the close box: closes only when the model agrees.
    void reject() override;

protected:
    CConfigFormuleDlg(CSettings& settings, EFormuleSoort soort, QWidget* ouder);

private:
    void BouwFormuleVelden(QFormLayout& formulier);
    QWidget* BouwTest();
    // Copies the model into the widgets, without their signals.
    void Toon();
    // Gives the focus to the field the last test points at.
    void ZetFocus();
    void NeemNaamOver();
    void Ok();

    CFormuleVenster model_;
    CFormuleNaamLijst* naam_;
    QCheckBox* actief_;
    QComboBox* geval_ = nullptr;
    QLineEdit* formule_;
    QLineEdit* komi_ = nullptr;
    QCheckBox* vlag_ = nullptr;
    std::array<QLineEdit*, 6> testVelden_{};
    QLineEdit* resultaat_ = nullptr;
    CMultiLineListBox* tabel_ = nullptr;
    CKolomKoppen* koppen_ = nullptr;
    QLineEdit* melding_ = nullptr;
    QPushButton* nieuw_;
    QPushButton* test_;
    QPushButton* verwijderen_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

class CConfigPuntenDlg : public CConfigFormuleDlg {
    Q_OBJECT

public:
    explicit CConfigPuntenDlg(CSettings& settings, QWidget* ouder = nullptr)
        : CConfigFormuleDlg(settings, EFormuleSoort::Punten, ouder) {}
};

class CConfigKlasseDlg : public CConfigFormuleDlg {
    Q_OBJECT

public:
    explicit CConfigKlasseDlg(CSettings& settings, QWidget* ouder = nullptr)
        : CConfigFormuleDlg(settings, EFormuleSoort::Klasse, ouder) {}
};

class CConfigVoorgiftDlg : public CConfigFormuleDlg {
    Q_OBJECT

public:
    explicit CConfigVoorgiftDlg(CSettings& settings, QWidget* ouder = nullptr)
        : CConfigFormuleDlg(settings, EFormuleSoort::Voorgift, ouder) {}
};
