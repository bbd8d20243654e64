#pragma once

#include <string>

// printf into a std::string, for the fixed layouts of messages, files and listings.
std::string Formatteer(const char* formaat, ...) __attribute__((format(printf, 1, 2)));
