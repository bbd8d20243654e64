#pragma once
// The two exports for a spreadsheet: the class of every active player after
// each round, and the sign-on sheet for the coming play days. Both write the
// same file, semicolon-separated text with CR LF line ends.

#include "base/datum.h"

#include <string>
#include <vector>

class CSpelers;
class CRondes;
struct CStandFormules;

// The list parameters of the sign-on sheet.
struct CLijstParameters {
    int methode = 1;         // 1: a fixed number of days apart, otherwise fixed weeks of the month
    int aantalDagen = 7;     // days between two dates (method 1)
    int weekNummers = 5;     // weeks of the month with a play day (method 2): bit 1 days 1-7,
                             // 2 days 8-14, 4 days 15-21, 8 days 22-28, 16 days 29-31
    int aantalKolommen = 17; // date columns
};

// The most date columns a sheet gets, whatever the profile says.
inline constexpr int kMaxKolommen = 99;

// The export file: `datafile` with its extension replaced by ".csv" (or
// ".csv" appended when its name has none).
std::string CsvBestandsNaam(const std::string& datafile);

// The dates of the sheet's columns, from `eerste` on, at 01:01:01 local time.
std::vector<CDatum> InschrijfDatums(const CDatum& eerste, const CLijstParameters& parameters);

// Writes the class history to `pad`: 0 written, -1 after a message.
int ExporteerKlassenverloop(const CSpelers& spelers, const CRondes& rondes,
                            CStandFormules& formules, const std::string& pad);
// Writes the sign-on sheet to `pad`: 0 written, -1 after a message.
int ExporteerInschrijflijst(const CSpelers& spelers, const CDatum& eerste,
                            const CLijstParameters& parameters, const std::string& pad);

// Starts the spreadsheet program `programma` with the file `pad` as its one
// argument; a failure to start is reported.
void StartSpreadsheet(const std::string& programma, const std::string& pad);
// Asks whether to open `pad` in the spreadsheet program, and starts it.
void BiedSpreadsheetAan(const std::string& programma, const std::string& pad);
