#pragma once
// Opening and closing the export file, with the messages of both exports.

#include "base/tekstbestand.h"

#include <string>

// Creates the file anew; false after a message when it cannot be opened.
bool OpenCsvBestand(CTekstBestand& bestand, const std::string& pad);
// Closes the file: 0, or -1 after a message when it was not written completely.
int SluitCsvBestand(CTekstBestand& bestand, const std::string& pad);
