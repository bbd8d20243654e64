#include "base/formatteer.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string Formatteer(const char* formaat, ...) {
    va_list args;
    va_start(args, formaat);
    va_list kopie;
    va_copy(kopie, args);
    int lengte = std::vsnprintf(nullptr, 0, formaat, kopie);
    va_end(kopie);
    std::string uit;
    if (lengte > 0) {
        std::vector<char> buffer(static_cast<size_t>(lengte) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), formaat, args);
        uit.assign(buffer.data(), static_cast<size_t>(lengte));
    }
    va_end(args);
    return uit;
}
