#pragma once
// Hands out the lines of a text file as a C reader in text mode with a buffer
// of 1024 bytes sees them: CR LF becomes LF, each line keeps its line feed,
// and a line of more than 1023 bytes comes out in pieces.

#include <string>
#include <string_view>

class CRegelLezer {
public:
    explicit CRegelLezer(std::string_view inhoud) : inhoud_(inhoud) {}

    // The next line in `regel`; false at the end of the file.
    bool VolgendeRegel(std::string& regel);

    static constexpr size_t kBufferGrootte = 1024;

private:
    std::string_view inhoud_;
    size_t positie_ = 0;
};
