#pragma once
// The published pairing as the text of its file beside the data file:
//
//   Morvel gepubliceerde indeling
//   versie=1
//   gepubliceerd=2025-03-03 20:15:07
//   overgenomen=0
//   paar=3<tab>7<tab>Anna Aal<tab>Bert Bos<tab>2 stenen, 5 komi
//   paar=12<tab>0<tab>Cees Claes<tab><tab>Uitgeloot
//
// one "paar" line per item in order: Black's and White's numbers (0 for the
// bye), their names and the handicap text; "overgenomen" is the round made
// from it, 0 while there is none.

#include "base/eigenbestand.h"
#include "pairing/indeling.h"

#include <string>
#include <vector>

inline constexpr const char* kIndelingsBestandKop = "Morvel gepubliceerde indeling";

std::string IndelingsBestandTekst(const CIndeling& indeling);

// The lines after the first one into `indeling`: 0, or -1 with `fout` naming
// the first line that cannot be read and why (the pairing is then empty).
int LeesIndelingsBestand(const std::vector<CEigenRegel>& regels, CIndeling& indeling,
                         std::string& fout);
