#pragma once
// The pieces that the text listings share: the title and the dash line.

#include <string>

// "Morvel Competitie Beheer - " followed by the period name.
std::string LijstTitel(const std::string& periode);
// The title centred in 80 columns (no blanks when it is that long or longer), and a line end.
void SchrijfGecentreerd(const std::string& titel, std::string& uit);
// A blank and 79 dashes, and a line end.
void SchrijfStreep(std::string& uit);
