#pragma once
// The paths window "Paden": the data directory, the backup switch and
// directory, the spreadsheet program and the number of generations the
// history keeps, with what OK stores and asks.

#include <cstdint>
#include <string>

class CSettings;

struct CPadenInvoer {
    std::string dataPad;
    bool makeBackup = false;
    std::string backupPad;
    std::string spreadSheet;
    int32_t geschiedenis = 0; // generations kept per competition, 0: no history
};

// The most generations the window offers to keep.
inline constexpr int32_t kMaxGeschiedenis = 100000;

// The fields as the window opens.
CPadenInvoer LeesPaden(const CSettings& settings);

// OK, in this order: a changed data directory is warned about and, when it
// does not exist, offered to be made; the backup switch is stored; while it is
// on, a backup directory that does not exist is offered to be made at every
// OK; then the paths and the size of the history are stored. Every path is cut to the length a
// setting holds and normalised. Whatever the answers, everything is stored.
void BewaarPaden(CSettings& settings, const CPadenInvoer& invoer);
