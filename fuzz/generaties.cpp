// The names in a history folder: one taken for a generation is exactly the
// name Morvel gives that time and number.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, GeneratieNaamRondgangFout, "generation name");
}
