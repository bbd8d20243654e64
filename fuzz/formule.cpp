// The formula language: any text evaluates to a value or to an error at a
// position inside the text, the same way every time. The first six bytes
// give the variables, the rest is the formula.

#include "formule/formule.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kWaarden = 6;
    int32_t waarden[kWaarden] = {};
    size_t n = size < kWaarden ? size : kWaarden;
    for (size_t i = 0; i < n; ++i) {
        // Small values around 0 and, from the high bit, large ones that overflow.
        waarden[i] = (data[i] & 0x80) ? static_cast<int32_t>(data[i] * 16777259u - 1u)
                                      : static_cast<int32_t>(data[i]) - 64;
    }
    std::string tekst(reinterpret_cast<const char*>(data) + n, size - n);
    CFormule formule(tekst);
    int32_t eerste = 0;
    int32_t tweede = 0;
    int status = formule.Bereken(waarden[0], waarden[1], waarden[2], waarden[3], waarden[4],
                                 waarden[5], eerste);
    std::string melding = formule.FoutTekst();
    int32_t positie = formule.FoutPositie();
    if (status != 0 &&
        (positie < 0 || static_cast<size_t>(positie) > tekst.size() || melding.empty())) {
        std::fprintf(stderr, "formula error at %d of %zu: '%s'\n", positie, tekst.size(),
                     melding.c_str());
        std::abort();
    }
    int opnieuw = formule.Bereken(waarden[0], waarden[1], waarden[2], waarden[3], waarden[4],
                                  waarden[5], tweede);
    if (opnieuw != status || (status == 0 && tweede != eerste) ||
        (status != 0 && (positie != formule.FoutPositie() || melding != formule.FoutTekst()))) {
        std::fprintf(stderr, "formula evaluates differently the second time\n");
        std::abort();
    }
    return 0;
}
