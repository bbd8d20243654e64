// The lock beside the data file, with the round trip: what it reads as a
// lock comes back after a write and a read.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, SlotRondgangFout, "lock");
}
