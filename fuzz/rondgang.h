#pragma once
// The round trip that every file Morvel reads must survive: read, write,
// read again gives the same data, and a second write the same bytes. The
// property tests and the fuzz targets share these checks.

#include "base/melding.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Empty when the data file `inhoud` survives the round trip (or is not read
// at all, so nothing would be written); otherwise what went wrong.
std::string DataFileRondgangFout(const std::string& inhoud);

// The same for a settings profile (one that is refused as no profile of
// Morvel's is never written, so it passes). The scrambled password is new at
// every write by design: the bytes are compared without it, and the password
// itself with the settings.
std::string ProfielRondgangFout(const std::string& inhoud);

// The same for the files of our own beside the data file: the published
// pairing and the pairs that are always blocked. One that is not read (not
// ours, or a line it cannot take) passes: it is never written over.
std::string IndelingsBestandRondgangFout(const std::string& inhoud);
std::string BlokkadeBestandRondgangFout(const std::string& inhoud);

// The same for the lock beside the data file: a text read as a lock is
// written and read back as the same holder, and written again as the same text.
std::string SlotRondgangFout(const std::string& inhoud);
// A name in a history folder: one taken for a generation is the name Morvel
// gives that time and number, and reads back as them.
std::string GeneratieNaamRondgangFout(const std::string& naam);
// A member list read for the import: empty when every row the preview calls
// new is added by the register without a message, under the number the
// preview gave it, and the members come back whole from the data file (in
// the layout of a new competition) written with them, which survives its own
// round trip; otherwise what went wrong.
std::string LedenlijstImportFout(const std::string& inhoud);

// The body of a fuzz target: runs `controle` on the input without messages
// and aborts with what went wrong, naming `wat`.
int FuzzRondgang(const uint8_t* data, size_t size, std::string (*controle)(const std::string&),
                 const char* wat);

// Every message is answered with its default, unseen.
class CStilleMelder : public Melder {
public:
    CStilleMelder() : vorige_(ZetMelder(this)) {}
    ~CStilleMelder() override { ZetMelder(vorige_); }
    CStilleMelder(const CStilleMelder&) = delete;
    CStilleMelder& operator=(const CStilleMelder&) = delete;

    Antwoord Toon(const std::string&, Knoppen knoppen, const std::string&) override {
        ++aantal;
        return StandaardAntwoord(knoppen);
    }

    int aantal = 0;

private:
    Melder* vorige_;
};
