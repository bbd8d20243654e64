#pragma once
// A melder for tests: records every message and answers from a script. A
// message that the script does not expect fails the test, and so does an
// expected message that never came.

#include "base/melding.h"

#include <deque>
#include <string>
#include <vector>

struct CMelding {
    std::string tekst;
    Knoppen knoppen;
    std::string titel;
};

class CMeldingRecorder : public Melder {
public:
    CMeldingRecorder();
    ~CMeldingRecorder() override;
    CMeldingRecorder(const CMeldingRecorder&) = delete;
    CMeldingRecorder& operator=(const CMeldingRecorder&) = delete;

    // The next message must have this text; it is answered with `antwoord`.
    CMeldingRecorder& Verwacht(const std::string& tekst, Antwoord antwoord = Antwoord::Ok);
    // The next message may have any text; it is answered with `antwoord`.
    CMeldingRecorder& VerwachtWillekeurig(Antwoord antwoord = Antwoord::Ok);
    // Every expected message has come.
    bool Klaar() const { return script_.empty(); }
    // Checks that every expected message came and empties the record.
    void Controleer();

    Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) override;

    std::vector<CMelding> meldingen;

private:
    struct Stap {
        bool willekeurig;
        std::string tekst;
        Antwoord antwoord;
    };
    std::deque<Stap> script_;
    Melder* vorige_;
};
