// A member list read for the import: the rows the preview calls new are what
// the register adds, and they come back whole from the data file.

#include "rondgang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzRondgang(data, size, LedenlijstImportFout, "member list");
}
