#pragma once
// White space in names, identifications and file lines: space, tab, CR, LF.

#include <cstdint>
#include <string>
#include <string_view>

constexpr bool IsWitruimte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
// A control character other than white space (NUL, ESC, DEL and the like).
constexpr bool IsStuurteken(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && !IsWitruimte(c)) || u == 0x7F;
}
constexpr bool IsCijfer(char c) {
    return c >= '0' && c <= '9';
}

// Drops leading and trailing white space and folds every inner run into one space.
void NormaliseerWitruimte(std::string& tekst);

// `tekst` with the letters A-Z in lower case; other letters stay as they are.
std::string KleineLetters(std::string tekst);

// Equal ignoring the case of the letters A-Z only.
bool GelijkZonderHoofdletters(std::string_view a, std::string_view b);

// Compares `a` and `b` byte by byte with A-Z taken as a-z: below 0 when `a`
// comes first, 0 when equal so, above 0 when `b` comes first.
int VergelijkZonderHoofdletters(const std::string& a, const std::string& b);

// `tekst` starts with `begin`, ignoring the case of A-Z.
bool BegintMetZonderHoofdletters(const char* tekst, const char* begin);

// Moves `p` past white space.
void SlaWitruimteOver(const char*& p);
