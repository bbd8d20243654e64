#include "base/codering.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t kGeen = 0xFFFF; // no character at this position

// Windows-1252 bytes 0x80-0x9F; 0xA0-0xFF equal their Unicode code points.
constexpr std::array<char32_t, 32> kCp1252Hoog = {
    0x20AC, kGeen,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, kGeen,  0x017D, kGeen,  kGeen,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kGeen,  0x017E, 0x0178,
};

// CP850 bytes 0x80-0xFF.
constexpr std::array<char32_t, 128> kCp850Hoog = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, // F8
};

constexpr char32_t Cp1252NaarUnicode(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) {
        return b;
    }
    return kCp1252Hoog[b - 0x80];
}

// Byte of `c` in Windows-1252, or -1.
constexpr int UnicodeNaarCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252Hoog[static_cast<size_t>(i)] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

using Tabel = std::array<unsigned char, 256>;

constexpr Tabel MaakAnsiNaarOem() {
    Tabel t{};
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80) {
            t[static_cast<size_t>(b)] = static_cast<unsigned char>(b);
            continue;
        }
        char32_t c = Cp1252NaarUnicode(static_cast<unsigned char>(b));
        t[static_cast<size_t>(b)] = '?';
        for (int o = 0; o < 128; ++o) {
            if (c != kGeen && kCp850Hoog[static_cast<size_t>(o)] == c) {
                t[static_cast<size_t>(b)] = static_cast<unsigned char>(0x80 + o);
            }
        }
    }
    return t;
}

constexpr Tabel MaakOemNaarAnsi() {
    Tabel t{};
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80) {
            t[static_cast<size_t>(b)] = static_cast<unsigned char>(b);
            continue;
        }
        int a = UnicodeNaarCp1252(kCp850Hoog[static_cast<size_t>(b - 0x80)]);
        t[static_cast<size_t>(b)] = a < 0 ? '?' : static_cast<unsigned char>(a);
    }
    return t;
}

constexpr Tabel kAnsiNaarOem = MaakAnsiNaarOem();
constexpr Tabel kOemNaarAnsi = MaakOemNaarAnsi();

void Vertaal(std::string& tekst, const Tabel& tabel) {
    for (char& c : tekst) {
        c = static_cast<char>(tabel[static_cast<unsigned char>(c)]);
    }
}

void VoegUtf8Toe(std::string& uit, char32_t c) {
    if (c < 0x80) {
        uit += static_cast<char>(c);
    } else if (c < 0x800) {
        uit += static_cast<char>(0xC0 | (c >> 6));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (c >> 12));
        uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Cp1252NaarUtf8(std::string_view tekst) {
    std::string uit;
    uit.reserve(tekst.size());
    for (char b : tekst) {
        char32_t c = Cp1252NaarUnicode(static_cast<unsigned char>(b));
        VoegUtf8Toe(uit, c == kGeen ? U'?' : c);
    }
    return uit;
}

std::string Utf8NaarCp1252(std::string_view tekst) {
    std::string uit;
    uit.reserve(tekst.size());
    size_t i = 0;
    while (i < tekst.size()) {
        auto b = static_cast<unsigned char>(tekst[i]);
        int volgbytes = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            volgbytes = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            volgbytes = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            volgbytes = 3;
            c = b & 0x07;
        } else {
            uit += '?'; // a stray continuation byte or an invalid lead byte
            ++i;
            continue;
        }
        size_t j = i + 1;
        bool geldig = true;
        for (int k = 0; k < volgbytes; ++k, ++j) {
            if (j >= tekst.size() || (static_cast<unsigned char>(tekst[j]) & 0xC0) != 0x80) {
                geldig = false;
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(tekst[j]) & 0x3F);
        }
        if (!geldig) {
            uit += '?';
            i = j;
            continue;
        }
        int a = UnicodeNaarCp1252(c);
        uit += a < 0 ? '?' : static_cast<char>(a);
        i = j;
    }
    return uit;
}

std::string Utf16NaarCp1252(std::string_view bytes, bool grootEinde) {
    auto eenheid = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(grootEinde ? (a << 8) | b : (b << 8) | a);
    };
    std::string uit;
    uit.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t c = eenheid(i);
        if (c >= 0xD800 && c < 0xE000) {
            // A high surrogate with its low one is a character beyond Windows-1252.
            if (c < 0xDC00 && i + 3 < bytes.size() && eenheid(i + 2) >= 0xDC00 &&
                eenheid(i + 2) < 0xE000) {
                i += 2;
            }
            uit += '?';
            continue;
        }
        const int a = UnicodeNaarCp1252(c);
        uit += a < 0 ? '?' : static_cast<char>(a);
    }
    return uit;
}

void AnsiNaarOemInPlaats(std::string& tekst) {
    Vertaal(tekst, kAnsiNaarOem);
}
void OemNaarAnsiInPlaats(std::string& tekst) {
    Vertaal(tekst, kOemNaarAnsi);
}

std::string AnsiNaarOem(std::string_view tekst) {
    std::string uit(tekst);
    AnsiNaarOemInPlaats(uit);
    return uit;
}

std::string OemNaarAnsi(std::string_view tekst) {
    std::string uit(tekst);
    OemNaarAnsiInPlaats(uit);
    return uit;
}

std::string AlsInOem(std::string_view tekst) {
    return OemNaarAnsi(AnsiNaarOem(tekst));
}
