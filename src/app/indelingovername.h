#pragma once
// The published pairing taken over as a new round: its games in order, Black
// first and without a result, then the bye. The pairing keeps the round it
// went into, so that it is offered once, and again when that round is deleted.

#include <string>

class CIndeling;
class CMorvelApp;
class CRonde;
class CRondes;

// A published pairing from which no round of the list was made.
bool IndelingAangeboden(const CMorvelApp& app);

// "De indeling van 3 maart 2025 20:15 (12 partijen, uitgeloot: Jan Jansen)
// overnemen als nieuwe ronde?"
std::string OvernameVraag(const CIndeling& indeling);

// Fills the empty `ronde` from the pairing: the day of publication ("3
// maart") as its identification, a game per pair (Black as the first player,
// "niet genoteerd") in the pairing's order, then the bye. An item that names
// a player who is not in the register is left out, with one message for all
// of them; returns the number left out. `rondes`, the list the round is for,
// is not marked changed.
int VulRondeUitIndeling(const CIndeling& indeling, CRondes& rondes, CRonde& ronde);

// Round `positie` (from 1) was made from the pairing: that is kept in its file.
void MarkeerOvergenomen(CMorvelApp& app, int positie);
// Round `positie` (from 1) was deleted: when the pairing went into it, it is
// offered again; when into a later round, the mark moves along with it.
void NaVerwijderenRonde(CMorvelApp& app, int positie);
