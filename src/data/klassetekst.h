#pragma once

#include <cstdint>
#include <string>

// The grade text of a class value in tenths, e.g. "1 dan, zwak" for 199.
std::string KlasseTekst(int32_t klasse);
