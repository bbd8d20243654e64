// The data-file reader with the round trip: whatever it reads, it writes back
// so that reading that gives the same competition and writing it the same bytes.

#include "rondgang.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CStilleMelder stil;
    std::string fout = DataFileRondgangFout(std::string(reinterpret_cast<const char*>(data), size));
    if (!fout.empty()) {
        std::fprintf(stderr, "data file round trip: %s\n", fout.c_str());
        std::abort();
    }
    return 0;
}
