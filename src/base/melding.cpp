#include "base/melding.h"

#include "base/codering.h"

#include <cstdio>

namespace {
StderrMelder standaardMelder;
Melder* huidigeMelder = &standaardMelder;
} // namespace

Antwoord Meld(const std::string& tekst, Knoppen knoppen, const std::string& titel) {
    return huidigeMelder->Toon(tekst, knoppen, titel);
}

Melder* ZetMelder(Melder* melder) {
    Melder* vorige = huidigeMelder;
    huidigeMelder = melder ? melder : &standaardMelder;
    return vorige;
}

Antwoord StandaardAntwoord(Knoppen knoppen) {
    switch (knoppen) {
    case Knoppen::Ok:
        return Antwoord::Ok;
    case Knoppen::JaNee:
    case Knoppen::JaNeeStdNee:
        return Antwoord::Nee;
    case Knoppen::OkAnnuleren:
    case Knoppen::OpnieuwAnnuleren:
        break;
    }
    return Antwoord::Annuleren;
}

Antwoord StderrMelder::Toon(const std::string& tekst, Knoppen knoppen, const std::string&) {
    // Message texts use "\r\n" as well as "\n"; the terminal wants plain line feeds.
    std::string regels;
    regels.reserve(tekst.size());
    for (char c : tekst) {
        if (c != '\r') {
            regels += c;
        }
    }
    std::string uit = Cp1252NaarUtf8(regels);
    std::fprintf(stderr, "%s\n\n", uit.c_str());
    std::fflush(stderr);
    return StandaardAntwoord(knoppen);
}
