// The pairs that are always blocked, in their file beside the data file,
// with the round trip: what it reads comes back after a write and a read.

#include "rondgang.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CStilleMelder stil;
    std::string fout =
        BlokkadeBestandRondgangFout(std::string(reinterpret_cast<const char*>(data), size));
    if (!fout.empty()) {
        std::fprintf(stderr, "blokkades round trip: %s\n", fout.c_str());
        std::abort();
    }
    return 0;
}
