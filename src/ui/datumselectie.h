#pragma once
// The window "Datum en parameters inschrijflijst": the date of the next play
// day and the list parameters of the sign-on sheet. Opens on today and the
// stored parameters; OK stores the parameters that changed.

#include "base/datum.h"

#include <array>
#include <string>
#include <vector>

class CSettings;

// The texts of a list with the line that is chosen (from 0).
struct CKeuzeLijst {
    std::vector<std::string> teksten;
    int gekozen = 0;
};

// The lists of the window, in the order in which they are shown.
enum class EDatumLijst { Dag, Maand, Jaar, AantalKolommen, AantalDagen };
inline constexpr int kAantalDatumLijsten = 5;
// The week boxes: 0 for days 1-7, 1 for days 8-14, ... 4 for days 29-31.
inline constexpr int kAantalWeken = 5;

class CDatumSelectie {
public:
    // `vandaag` gives the chosen date and the three years (last, this, next).
    CDatumSelectie(CSettings& settings, const CDatum& vandaag);

    const CKeuzeLijst& Lijst(EDatumLijst lijst) const {
        return lijsten_[static_cast<size_t>(lijst)];
    }
    // Chooses line `index` of a list (ignored when out of range). A day
    // beyond the length of the chosen month becomes its last day.
    void Kies(EDatumLijst lijst, int index);

    CDatum Datum() const;
    // The Dutch name of the chosen date's weekday, "zondag" to "zaterdag".
    std::string Weekdag() const;

    // Method 1 ("Na een vast aantal dagen") rather than fixed weeks of the month.
    bool VastAantalDagen() const { return vastAantalDagen_; }
    void KiesMethode(bool vastAantalDagen) { vastAantalDagen_ = vastAantalDagen; }
    bool Week(int week) const { return (weken_ & WeekBit(week)) != 0; }
    void ZetWeek(int week, bool aan);

    // The enabled controls: the day count with method 1, the week boxes
    // otherwise, and OK unless fixed weeks are chosen without any week.
    bool AantalDagenAan() const { return vastAantalDagen_; }
    bool WekenAan() const { return !vastAantalDagen_; }
    bool OkAan() const { return vastAantalDagen_ || weken_ != 0; }

    // "OK": stores the number of columns and the parameters of the chosen
    // method, each only when it differs. 0, or -1 while OK is disabled.
    int Ok();

private:
    static int WeekBit(int week) { return week >= 0 && week < kAantalWeken ? 1 << week : 0; }
    CKeuzeLijst& Wijzig(EDatumLijst lijst) { return lijsten_[static_cast<size_t>(lijst)]; }
    int Gekozen(EDatumLijst lijst) const { return Lijst(lijst).gekozen; }
    void KlemDag();

    CSettings& settings_;
    std::array<CKeuzeLijst, kAantalDatumLijsten> lijsten_;
    int eersteJaar_;
    bool vastAantalDagen_;
    int weken_;
};
