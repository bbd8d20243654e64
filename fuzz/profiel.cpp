// The settings profile with the round trip: the settings it gives come back
// after a write and a read, and a second write gives the same bytes.

#include "rondgang.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CStilleMelder stil;
    std::string fout = ProfielRondgangFout(std::string(reinterpret_cast<const char*>(data), size));
    if (!fout.empty()) {
        std::fprintf(stderr, "profile round trip: %s\n", fout.c_str());
        std::abort();
    }
    return 0;
}
