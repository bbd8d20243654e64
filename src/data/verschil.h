#pragma once
// What changed between two states of a competition, told in one short Dutch
// line, computed from the players and rounds as read.

#include <string>

class CCompetitie;

// What changed from `eerder` to `nu`: rounds and players that came or went
// ("1 ronde minder: '17 maart'", "3 spelers meer"), rounds and players that
// changed ("2 spelers gewijzigd"; one changed starting class reads
// "beginklasse van Jan de Vries 150 -> 145") and a raised file format, in that
// order, separated by ", ". Rounds are matched by their identification,
// players by their number. Empty when players and rounds are the same.
std::string BeschrijfVerschil(const CCompetitie& eerder, const CCompetitie& nu);
