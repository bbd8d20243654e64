#pragma once
// The standings listing as the standings window prints it and the command
// line shows it: the replay with the active formula sets and the listing with
// its header, in one place.

#include "publish/lijsten.h"
#include "rating/actieveformules.h"
#include "rating/standberekening.h"

#include <optional>
#include <string>

// Replays the first `aantal` rounds of `bron` (all when negative) with the
// active formula sets of `settings` and writes the standings listing with the
// header into `uit`, titled with the first round named `identificatie` (none:
// the last round). Returns 0, or -1 after a message.
inline int MaakStandLijst(const CSettings& settings, const CLijstBron& bron, int aantal,
                          const std::optional<std::string>& identificatie, std::string& uit) {
    CStandFormules formules = ActieveStandFormules(settings);
    BerekenStand(bron.spelers, bron.rondes, aantal, formules);
    return LijstStand(bron, identificatie, true, formules, uit);
}
