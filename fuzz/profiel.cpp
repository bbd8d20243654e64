// The settings profile with the round trip: the settings it gives come back
// after a write and a read, and a second write gives the same bytes.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, ProfielRondgangFout, "profile");
}
