// The published pairing beside the data file with the round trip: what it
// reads comes back after a write and a read, and a second write gives the same bytes.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, IndelingsBestandRondgangFout, "published pairing");
}
