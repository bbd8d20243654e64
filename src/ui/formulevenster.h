#pragma once
// The three formula windows "Puntenformule", "Klasse-aanpassingsformule" and
// "Voorgiftformule": a copy of one list of formula sets, the selected entry
// with its fields, the test area and the questions of OK and Cancel. Nothing
// reaches the settings before OK saves the list.

#include "ui/formulesetlijst.h"
#include "ui/formuletest.h"

#include <cstdint>
#include <string>
#include <vector>

class CSettings;

class CFormuleVenster {
public:
    // The formula fields of a window: "Formule:", "Nieuwe klasse:" or
    // "Voorgift:", and "Komi:"; Geen where the focus stays.
    enum class EVeld { Geen, Formule, Komi };
    // "In geval van:" in the class window.
    enum EGeval { kWinst = 0, kVerlies = 1, kJigo = 2 };

    // Opening: reads the list, selects the active entry (none when there is
    // none) and sets the test fields to their first values.
    CFormuleVenster(CSettings& settings, EFormuleSoort soort);

    EFormuleSoort Soort() const { return lijst_.Soort(); }
    const char* Titel() const;

    // The names of the drop-down list, in list order.
    std::vector<std::string> Namen() const;
    int Selectie() const { return selectie_; }
    // Shows entry `index` (none for any other number) and clears the test
    // results.
    void Selecteer(int index);

    // Without a selection the fields are empty and disabled. "&Test" stays
    // enabled in the points window only.
    bool VeldenAan() const { return selectie_ >= 0; }
    bool TestAan() const { return VeldenAan() || Soort() == EFormuleSoort::Punten; }

    // The fields of the selected entry (empty without a selection). The
    // formula field of the class window shows the formula of Geval().
    const std::string& Naam() const;
    const std::string& Formule(EVeld veld) const;
    bool Actief() const;
    bool Vlag() const;
    int Geval() const { return geval_; }

    // Edits of the selected entry; each sets the changed mark.
    void ZetNaam(const std::string& naam);
    void ZetFormule(EVeld veld, const std::string& tekst);
    // "Gebruik deze formule": the mark moves to the selected entry, or is gone.
    void ZetActief(bool aan);
    void ZetVlag(bool aan);
    // Shows another of the three class formulas.
    void KiesGeval(int geval);

    // "Nieuw": appends "(Nieuw)" and selects it.
    void Nieuw();
    // "Verwijderen": the selected entry after the question; the entry now at
    // its place, or the new last one, is selected. 0 when removed.
    int Verwijderen();

    bool Gewijzigd() const { return gewijzigd_; }

    // The test area: the six fields of the points and class windows and their
    // "Resultaat:", or the table and message field of the handicap window.
    const CTestVelden& TestVelden() const { return testVelden_; }
    void ZetTestVeld(size_t veld, const std::string& tekst) { testVelden_[veld] = tekst; }
    const std::string& Resultaat() const { return resultaat_; }
    const std::vector<std::string>& TabelRijen() const { return tabel_.rijen; }
    const std::string& Melding() const { return tabel_.melding; }

    // "&Test": evaluates the shown formula, or fills the handicap table. On a
    // failure Focus() names the field that gets the focus and CursorPositie()
    // where its text cursor goes. 0 when the test succeeded.
    int Test();
    EVeld Focus() const { return focus_; }
    int32_t CursorPositie() const { return cursor_; }

    // "&Ok" / "OK": the checks and questions, then the list is saved. 0 when
    // the window closes, -1 when it stays open.
    int Ok();
    // "&Cancel" and the window's close box: asks first when something was
    // changed. 0 when the window closes, -1 when it stays open.
    int Annuleren();

private:
    CFormuleSet* Geselecteerd();
    const CFormuleSet* Geselecteerd() const;
    // The index into the entry's formulas of a field.
    size_t FormuleIndex(EVeld veld) const;
    // The points and class windows: the active entry is tested (the class
    // formulas one by one) and a failure asked about.
    int OkPuntenOfKlasse();
    int OkVoorgift();

    CSettings& settings_;
    CFormuleSetLijst lijst_;
    int selectie_ = -1;
    int geval_ = kWinst;
    bool gewijzigd_ = false;
    CTestVelden testVelden_ = kStandaardTestVelden;
    std::string resultaat_;
    CVoorgiftTabel tabel_;
    EVeld focus_ = EVeld::Geen;
    int32_t cursor_ = 0;
};
