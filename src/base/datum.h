#pragma once
// Calendar dates: the day, month and year of a play day, the calendar rules
// and today's date in local time.

#include <optional>
#include <string>

struct CDatum {
    int dag;
    int maand; // 1-12
    int jaar;
    bool operator==(const CDatum&) const = default;
};

// The Dutch names of the months, "januari" to "december".
extern const char* const kMaandNamen[12];

// The Gregorian rule: every fourth year, but not the centuries that 400 does not divide.
bool IsSchrikkeljaar(int jaar);
// The number of days of `maand` (1-12) in `jaar`.
int DagenInMaand(int maand, int jaar);
// 0 for Sunday to 6 for Saturday.
int WeekdagNummer(const CDatum& datum);

// A moment in local time, to the second, as a person reads it.
struct CTijdstip {
    CDatum datum;
    int uur;     // 0-23
    int minuut;  // 0-59
    int seconde; // 0-59
    bool operator==(const CTijdstip&) const = default;
};

// Today in local time.
CDatum VandaagLokaal();
// Now in local time.
CTijdstip NuLokaal();

// "3 maart": the day and the Dutch name of the month.
std::string DagEnMaand(const CDatum& datum);
// "3 maart 2025 20:15".
std::string TijdstipTekst(const CTijdstip& tijdstip);
// The layout of files: "2025-03-03 20:15:07", and back; none for a text
// that is not such a moment of the calendar.
std::string TijdstipVoorBestand(const CTijdstip& tijdstip);
std::optional<CTijdstip> LeesTijdstip(const std::string& tekst);

// A date written D-M-JJJJ (one or two digits for the day and the month, four
// for the year, from 1970 on), checked against the calendar; none otherwise.
std::optional<CDatum> LeesDatum(const std::string& tekst);
