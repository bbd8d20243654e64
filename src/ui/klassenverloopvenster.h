#pragma once
// The class chart window "Klassenverloop": beside the chart the list of the
// players in the order of the standings, of which the chosen ones are drawn
// (at first the first eight), with "Zoek:", "Alle spelers" and "Geen". The
// chart can be printed, saved as PNG, SVG or PDF, and the spreadsheet file
// written before it opened is one button away.

#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"

#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kKlassenverloopTitel = "Morvel Competitie Beheer / Klassenverloop";
// The mark of a player whose line is drawn, in the first column of his row.
inline constexpr const char* kGetoondTeken = "X";

class CKlassenverloopVenster {
public:
    // Opening: the class history of the open competition. `csvBestand` is the
    // spreadsheet file written just before, empty when there is none.
    CKlassenverloopVenster(CMorvelApp& app, std::string csvBestand);

    // One row per active player: the mark when his line is drawn, a tab and his name.
    const std::vector<std::string>& Rijen() const { return rijen_; }
    bool Getoond(int rij) const;
    int Selectie() const { return selectie_; }
    void Selecteer(int rij);
    // "Zoek:": every change selects the best-matching player.
    void Zoek(const std::string& tekst);
    const std::string& ZoekTekst() const { return zoekTekst_; }
    // Enter or a double click on a row, or Enter in "Zoek:" on the selected
    // row: his line is drawn or taken away.
    void Wissel(int rij);
    // "Alle spelers" and "Geen".
    void AlleSpelers();
    void Geen();

    // The chart of the players chosen now, and a number that changes with it.
    const CKlassenGrafiek& Grafiek() const { return grafiek_; }
    int Versie() const { return versie_; }
    // What the chart shows, in one line under it.
    std::string Status() const;

    // "S&preadsheet" only when the spreadsheet file was written.
    bool SpreadsheetAan() const { return !csvBestand_.empty(); }
    // Starts the spreadsheet program of the settings with the file.
    void Spreadsheet();

    // The folder and name that "&Opslaan" proposes.
    std::string OpslaanVoorstel() const;
    // "&Opslaan": the chart into `pad` in the format of its extension (".png"
    // added when the name has none) at `breedte` x `hoogte` pixels. 0, or -1
    // after a message.
    int Opslaan(std::string pad, int breedte, int hoogte) const;

private:
    void Teken();

    CMorvelApp& app_;
    std::string csvBestand_;
    CKlassenverloop verloop_;
    std::string titel_;
    std::vector<bool> getoond_; // per place of the standings order
    std::vector<std::string> rijen_;
    int selectie_ = -1;
    std::string zoekTekst_;
    CKlassenGrafiek grafiek_;
    int versie_ = 0;
};
