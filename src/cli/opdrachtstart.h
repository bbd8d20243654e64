#pragma once
// How every command starts: the application object from the command's profile
// (its start-up messages go to standard error), and for most commands the
// competition that the command names.

#include "app/morvelapp.h"
#include "base/melding.h"
#include "cli/opdrachtregel.h"

// Runs `werk(app)` on the application object built from the command's profile.
// kFataleStartFout when the profile's location cannot be found.
template <typename Werk> int MetApp(const CArgumenten& argumenten, Werk werk) {
    CMorvelApp app(argumenten.profiel);
    if (app.settings.Fataal()) {
        return kFataleStartFout;
    }
    return werk(app);
}

// The same with the competition named by the command's first word opened:
// kNietGelezen when it cannot be read, otherwise what `werk` returns, turned
// into kGemeld when any message was shown from the opening on.
template <typename Werk> int MetCompetitie(const CArgumenten& argumenten, Werk werk) {
    return MetApp(argumenten, [&](CMorvelApp& app) {
        CMeldingTeller teller;
        if (app.OpenCompetitie(argumenten.woorden[0]) != 0) {
            return kNietGelezen;
        }
        int status = werk(app);
        return status == kGelukt && teller.aantal != 0 ? kGemeld : status;
    });
}
