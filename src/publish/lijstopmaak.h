#pragma once
// The pieces that the text listings share: the title and the dash line.

#include <string>

// The heads of the listings, each on a line of its own after a tab; a
// round's identification follows the first two in single quotes.
inline constexpr const char* kKopStand = "Stand na ronde";
inline constexpr const char* kKopUitslag = "Uitslag van ronde";
inline constexpr const char* kKopBeginstand = "Beginstand";
inline constexpr const char* kKopGeenUitslagen = "Nog geen uitslagen ingevoerd";
inline constexpr const char* kKopIndeling = "Indeling van de nieuwe ronde";

// "Morvel Competitie Beheer - " followed by the period name.
std::string LijstTitel(const std::string& periode);
// The title centred in 80 columns (no blanks when it is that long or longer), and a line end.
void SchrijfGecentreerd(const std::string& titel, std::string& uit);
// A blank and 79 dashes, and a line end.
void SchrijfStreep(std::string& uit);
