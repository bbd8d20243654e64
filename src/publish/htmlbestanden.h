#pragma once
// The include files that the club's own web pages take in: the results of the
// last round, all results, the standings and the published pairing, each a
// bare table (or one line of text) in Windows-1252 with CR LF line ends, and
// the class chart as an SVG picture. Each is written into the competition's
// folder when its mode asks for it.

#include "publish/uploadnodig.h"

#include <ctime>
#include <string>

class CSpelers;
class CRondes;
class CIndeling;
class CTekstBestand;
struct CStandFormules;

// What the writers read and where they write.
struct CHtmlBron {
    const CSpelers& spelers;
    const CRondes& rondes;
    std::string competitieMap;
    CUploadNodig& uploadNodig;
};

// "uitslag.inc": the round at `ronde` (from 0), or the last round when negative.
void SchrijfUitslagHtml(const CHtmlBron& bron, int modus, int ronde);
// Appends the section of the round at `ronde` (from 0) to the open file of
// "uitslagen.inc", without starting or ending a table.
void SchrijfUitslagHtml(const CHtmlBron& bron, int ronde, CTekstBestand& uit);
// "uitslagen.inc": every round, oldest first, in one table.
void SchrijfUitslagenHtml(const CHtmlBron& bron, int modus);
// "stand.inc": replays all rounds and writes the standings after the last one.
void SchrijfStandHtml(const CHtmlBron& bron, int modus, CStandFormules& formules);
// "indeling.inc": the published pairing, dated by `nu` in local time.
void SchrijfIndelingHtml(const CHtmlBron& bron, int modus, const CIndeling& indeling,
                         std::time_t nu);

// The size of "klassenverloop.svg" in pixels.
inline constexpr int kSvgBreedte = 900;
inline constexpr int kSvgHoogte = 560;
// "klassenverloop.svg": replays all rounds and draws the class chart of the
// first eight of the standings, titled `titel`.
void SchrijfKlassenverloopSvg(const CHtmlBron& bron, int modus, CStandFormules& formules,
                              const std::string& titel);
