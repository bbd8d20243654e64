#pragma once
// Scrambling of the stored upload password. A seed s and the password XORed
// with a byte stream drawn from CRandom seeded with s are written as printable
// characters (space to underscore), four for every three bytes. A password of
// up to 56 characters always takes 80 characters; a longer one takes more.

#include <cstdint>
#include <string>

// The longest password that can be stored (its stored text must fit in a text
// setting); a longer one keeps its first characters.
inline constexpr size_t kMaxWachtwoordLengte = 188;

// The stored text of `wachtwoord` scrambled with seed `zaad`.
std::string VersleutelWachtwoord(const std::string& wachtwoord, uint32_t zaad);

// Unscrambles a stored text. False when `tekst` is not a scrambled value: its
// length is not a multiple of four or below 80, a character lies outside space
// to underscore, the seed is above 32767, or something other than padding
// follows the text.
bool OntsleutelWachtwoord(const std::string& tekst, std::string& wachtwoord);

// A fresh seed from 0 to 32767 for every write, never the one used last.
uint32_t NieuwWachtwoordZaad();
