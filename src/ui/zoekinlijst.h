#pragma once
// The incremental "Zoek:" search of the player lists: which line best matches
// what the administrator has typed so far.

#include <string>
#include <vector>

// The line of `regels` to select for `zoekTekst`, or -1 for no selection.
// The text is compared with its white space normalised and A-Z in lower
// case. The first line that passes the strongest test wins: a tab followed by
// the text (a name that begins with it), a blank followed by the text (a later
// word), the text anywhere, and last its characters in the same order.
int ZoekInLijst(const std::vector<std::string>& regels, const std::string& zoekTekst);
