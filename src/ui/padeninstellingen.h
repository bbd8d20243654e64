#pragma once
// The paths window "Paden": the data directory, the backup switch and
// directory, and the spreadsheet program, with what OK stores and asks.

#include <string>

class CSettings;

struct CPadenInvoer {
    std::string dataPad;
    bool makeBackup = false;
    std::string backupPad;
    std::string spreadSheet;
};

// The fields as the window opens.
CPadenInvoer LeesPaden(const CSettings& settings);

// OK, in this order: a changed data directory is warned about and, when it
// does not exist, offered to be made; the backup switch is stored; while it is
// on, a backup directory that does not exist is offered to be made at every
// OK; then the paths are stored. Every path is cut to the length a setting
// holds and normalised. Whatever the answers, everything is stored.
void BewaarPaden(CSettings& settings, const CPadenInvoer& invoer);
