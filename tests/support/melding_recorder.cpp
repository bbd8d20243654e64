#include "melding_recorder.h"

#include <gtest/gtest.h>

CMeldingRecorder::CMeldingRecorder() : vorige_(ZetMelder(this)) {}

CMeldingRecorder::~CMeldingRecorder() {
    ZetMelder(vorige_);
    for (const Stap& stap : script_) {
        ADD_FAILURE() << "expected message never shown: "
                      << (stap.willekeurig ? "<any>" : stap.tekst);
    }
}

CMeldingRecorder& CMeldingRecorder::Verwacht(const std::string& tekst, Antwoord antwoord) {
    script_.push_back({false, tekst, antwoord});
    return *this;
}

CMeldingRecorder& CMeldingRecorder::VerwachtWillekeurig(Antwoord antwoord) {
    script_.push_back({true, "", antwoord});
    return *this;
}

void CMeldingRecorder::Controleer() {
    for (const Stap& stap : script_) {
        ADD_FAILURE() << "expected message never shown: "
                      << (stap.willekeurig ? "<any>" : stap.tekst);
    }
    script_.clear();
    meldingen.clear();
}

Antwoord CMeldingRecorder::Toon(const std::string& tekst, Knoppen knoppen,
                                const std::string& titel) {
    meldingen.push_back({tekst, knoppen, titel});
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message: " << tekst;
        return StandaardAntwoord(knoppen);
    }
    Stap stap = script_.front();
    script_.pop_front();
    if (!stap.willekeurig) {
        EXPECT_EQ(stap.tekst, tekst) << "a different message than expected";
    }
    return stap.antwoord;
}
