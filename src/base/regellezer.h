#pragma once
// Hands out the lines of a text file as a C reader in text mode sees them:
// CR LF becomes LF and each line keeps its line feed. A line is handed out
// whole, however long; the owner reports a line longer than a reader with a
// buffer of kBufferGrootte bytes takes, since such a reader would cut it up.

#include <cstddef>
#include <string>
#include <string_view>

class CRegelLezer {
public:
    explicit CRegelLezer(std::string_view inhoud) : inhoud_(inhoud) {}

    // The next line in `regel`; false at the end of the file.
    bool VolgendeRegel(std::string& regel);
    // The number of the line last handed out, counted from 1.
    int RegelNummer() const { return regelNummer_; }
    // The line last handed out is longer than a buffered reader takes.
    bool TeLang() const { return teLang_; }

    static constexpr size_t kBufferGrootte = 1024;
    // The longest line text, without its line end, that a buffered reader takes whole.
    static constexpr size_t kLangsteRegel = kBufferGrootte - 2;

private:
    std::string_view inhoud_;
    size_t positie_ = 0;
    int regelNummer_ = 0;
    bool teLang_ = false;
};
