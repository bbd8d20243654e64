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

// The Gregorian rule: every fourth year, but not the centuries that 400 does not divide.
bool IsSchrikkeljaar(int jaar);
// The number of days of `maand` (1-12) in `jaar`.
int DagenInMaand(int maand, int jaar);
// 0 for Sunday to 6 for Saturday.
int WeekdagNummer(const CDatum& datum);

// Today in local time.
CDatum VandaagLokaal();

// A date written D-M-JJJJ (one or two digits for the day and the month, four
// for the year, from 1970 on), checked against the calendar; none otherwise.
std::optional<CDatum> LeesDatum(const std::string& tekst);
