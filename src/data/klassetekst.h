#pragma once
// The texts of a class value in tenths, and the notations in which a member
// list may give one.

#include <cstdint>
#include <optional>
#include <string>

// The grade text of a class value in tenths, e.g. "1 dan, zwak" for 199.
std::string KlasseTekst(int32_t klasse);

// A class in tenths with a decimal comma: 125 gives "12,5", -5 gives "-0,5".
std::string KlasseMetKomma(int32_t klasse);

// A class as a member list writes it: tenths ("125"), a decimal class with
// one decimal ("12,5" or "12.5", zeros after it allowed), or a grade ("3 kyu", "2d", "1 dan",
// "3 kyu, sterk"). A grade without its strength is the middle of the grade,
// the whole class of its weak half ("3 kyu" gives 250, "1 dan" 190); with
// "sterk" or "zwak" it is that whole class. None when the text is none of
// these or gives a class below 1.
std::optional<int32_t> LeesKlasse(const std::string& tekst);
