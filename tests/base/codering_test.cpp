// Code page conversions of the data file and of the terminal and Qt.

#include "base/codering.h"

#include <gtest/gtest.h>

namespace {

TEST(Codering, OemRoundTripKeepsEveryCharacterWithACounterpart) {
    int zonder = 0;
    for (int b = 0; b < 256; ++b) {
        std::string ansi(1, static_cast<char>(b));
        std::string oem = AnsiNaarOem(ansi);
        if (oem == "?" && b != '?') {
            ++zonder;
            continue;
        }
        EXPECT_EQ(OemNaarAnsi(oem), ansi) << b;
    }
    // Of the bytes 0x80-0x9F only the florin sign has a counterpart in CP850.
    EXPECT_EQ(zonder, 31);
}

TEST(Codering, KnownLetters) {
    EXPECT_EQ(AnsiNaarOem("\xE9\xFC\xC7\xDF\xA0"), "\x82\x81\x80\xE1\xFF"); // é ü Ç ß nbsp
    EXPECT_EQ(OemNaarAnsi("\xB0\xC9"), "??"); // box drawing has no Windows-1252 counterpart
    EXPECT_EQ(AnsiNaarOem("Gewoon ASCII 123"), "Gewoon ASCII 123");
}

TEST(Codering, Utf8BothWays) {
    EXPECT_EQ(Cp1252NaarUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(Cp1252NaarUtf8("\x81"), "?"); // undefined in Windows-1252
    EXPECT_EQ(Utf8NaarCp1252("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(Utf8NaarCp1252("\xE2\x96\x91"), "?");       // a character without counterpart
    EXPECT_EQ(Utf8NaarCp1252("a\xC3"), "a?");             // cut-off sequence
    EXPECT_EQ(Utf8NaarCp1252("\xF0\x9F\x98\x80!"), "?!"); // outside the basic plane
    EXPECT_EQ(Utf8NaarCp1252("\xC3(x"), "?(x");           // broken sequence keeps the rest
}

TEST(Codering, Utf16BothByteOrders) {
    // "é€", a smiley (a surrogate pair), a lone high and a lone low surrogate, "!".
    const std::u16string eenheden = u"\u00E9\u20AC\U0001F600\xD800x\xDC00!";
    std::string klein;
    std::string groot;
    for (char16_t c : eenheden) {
        klein += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        groot += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    }
    EXPECT_EQ(Utf16NaarCp1252(klein, false), "\xE9\x80??x?!");
    EXPECT_EQ(Utf16NaarCp1252(groot, true), "\xE9\x80??x?!");
    EXPECT_EQ(Utf16NaarCp1252(klein + "A", false), "\xE9\x80??x?!"); // an odd last byte
}

} // namespace
