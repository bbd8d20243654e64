// The data-file reader with the round trip: whatever it reads, it writes back
// so that reading that gives the same competition and writing it the same bytes.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, DataFileRondgangFout, "data file");
}
