#pragma once
// Text held by the program is Windows-1252. These helpers convert it to and
// from UTF-8 (the terminal and Qt) and to and from CP850, the OEM code page in
// which the data file is written. A character without a counterpart in the
// target becomes '?'.

#include <string>
#include <string_view>

std::string Cp1252NaarUtf8(std::string_view tekst);
std::string Utf8NaarCp1252(std::string_view tekst);
// UTF-16 bytes without their byte order mark (`grootEinde`: big-endian); a
// lone surrogate is no character either. An odd last byte is left out.
std::string Utf16NaarCp1252(std::string_view bytes, bool grootEinde);

std::string AnsiNaarOem(std::string_view tekst);
std::string OemNaarAnsi(std::string_view tekst);

// `tekst` as the data file gives it back: every character that the OEM code
// page does not hold becomes '?'.
std::string AlsInOem(std::string_view tekst);

// Same conversions in place, for the line buffers of the file readers.
void AnsiNaarOemInPlaats(std::string& tekst);
void OemNaarAnsiInPlaats(std::string& tekst);
