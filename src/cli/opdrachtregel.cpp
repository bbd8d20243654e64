#include "cli/opdrachtregel.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/versie.h"
#include "base/witruimte.h"
#include "cli/opdrachten.h"
#include "settings/profielplaats.h"

#include <cstdio>

namespace {

const COptie* ZoekOptie(const COpdracht& opdracht, const std::string& naam) {
    for (const COptie& o : opdracht.opties) {
        if (naam == o.naam) {
            return &o;
        }
    }
    return nullptr;
}

bool IsHulp(const std::string& woord) {
    return woord == "--help" || woord == "-h" || woord == "help";
}

} // namespace

int Gebruiksfout(const std::string& tekst) {
    std::fprintf(stderr, "%s\nZie 'morvel --help'.\n", Cp1252NaarUtf8(tekst).c_str());
    return kGebruiksFout;
}

bool LeesNummerPaar(const std::string& tekst, int32_t& een, int32_t& twee) {
    auto streep = tekst.find('-', 1);
    return streep != std::string::npos && LeesGeheelGetal(tekst.substr(0, streep), een) &&
           LeesGeheelGetal(tekst.substr(streep + 1), twee);
}

std::string CArgumenten::Waarde(const std::string& optie, const std::string& standaard) const {
    auto it = opties.find(optie);
    return (it == opties.end() || it->second.empty()) ? standaard : it->second.back();
}

const std::vector<std::string>& CArgumenten::Waarden(const std::string& optie) const {
    static const std::vector<std::string> geen;
    auto it = opties.find(optie);
    return it == opties.end() ? geen : it->second;
}

std::string HulpTekst() {
    std::string tekst =
        "Morvel Competitie Beheer " MORVEL_VERSIE "\n"
        "\n"
        "Gebruik:\n"
        "  morvel [--profiel PAD]                  opent het hoofdvenster\n"
        "  morvel [--profiel PAD] OPDRACHT ...     voert een opdracht uit zonder venster\n"
        "\n"
        "Opdrachten:\n";
    for (const COpdracht& o : Opdrachten()) {
        tekst += std::string("  ") + o.naam + " " + o.gebruik + "\n      " + o.omschrijving + "\n";
    }
    tekst += "\n"
             "Algemene optie:\n"
             "  --profiel PAD   het instellingenprofiel; zonder deze optie het .ini-bestand naast "
             "het\n"
             "                  programma als dat bestaat, anders "
             "$XDG_CONFIG_HOME/morvel/morvel.ini\n"
             "                  (~/.config/morvel/morvel.ini)\n"
             "\n";
    CProfielPlaats plaats;
    if (ProfielPlaatsVanDitProgramma(plaats)) {
        tekst += Formatteer("Profiel zonder --profiel: %s\n"
                            "Map \".\" van de gegevens:  %s\n\n",
                            plaats.profiel.c_str(), plaats.werkMap.c_str());
    }
    tekst += "Uitslag: 0 gelukt, 1 er is iets geweigerd of gemeld, 2 het bestand kon niet gelezen "
             "worden,\n"
             "3 de instellingen konden niet opgezet worden, 64 de opdrachtregel is onjuist.\n";
    return tekst;
}

void SchrijfUit(const std::string& tekst) {
    std::string uit = Cp1252NaarUtf8(tekst);
    std::fwrite(uit.data(), 1, uit.size(), stdout);
    std::fflush(stdout);
}

CAlgemeneOpties LeesAlgemeneOpties(const std::vector<std::string>& argumenten) {
    CAlgemeneOpties algemeen;
    bool alleenWoorden = false;
    for (size_t i = 0; i < argumenten.size(); ++i) {
        alleenWoorden = alleenWoorden || argumenten[i] == "--";
        if (alleenWoorden || argumenten[i] != "--profiel") {
            algemeen.rest.push_back(argumenten[i]);
        } else if (i + 1 < argumenten.size()) {
            algemeen.profiel = Utf8NaarCp1252(argumenten[++i]);
        } else {
            algemeen.geldig = false;
        }
    }
    return algemeen;
}

bool IsOpdrachtregel(const std::vector<std::string>& argumenten) {
    CAlgemeneOpties algemeen = LeesAlgemeneOpties(argumenten);
    return !algemeen.geldig || !algemeen.rest.empty();
}

int VoerOpdrachtregelUit(const std::vector<std::string>& alle) {
    CAlgemeneOpties algemeen = LeesAlgemeneOpties(alle);
    if (!algemeen.geldig) {
        return Gebruiksfout("De optie --profiel verwacht een pad.");
    }
    const std::vector<std::string>& ruw = algemeen.rest;
    CArgumenten argumenten;
    argumenten.profiel = algemeen.profiel;
    const COpdracht* opdracht = nullptr;
    bool alleenWoorden = false;
    for (size_t i = 0; i < ruw.size(); ++i) {
        std::string woord = Utf8NaarCp1252(ruw[i]);
        if (!alleenWoorden && IsHulp(woord)) {
            SchrijfUit(HulpTekst());
            return 0;
        }
        if (!alleenWoorden && woord == "--") {
            alleenWoorden = true;
            continue;
        }
        bool isOptie = !alleenWoorden && woord.size() > 2 && woord.compare(0, 2, "--") == 0;
        if (isOptie) {
            const COptie* optie = opdracht ? ZoekOptie(*opdracht, woord) : nullptr;
            if (!optie) {
                return Gebruiksfout("Onbekende optie '" + woord + "'.");
            }
            std::string waarde;
            if (optie->heeftWaarde) {
                if (i + 1 >= ruw.size()) {
                    return Gebruiksfout("De optie " + woord + " verwacht een waarde.");
                }
                waarde = Utf8NaarCp1252(ruw[++i]);
            }
            argumenten.opties[woord].push_back(waarde);
            continue;
        }
        if (!opdracht) {
            opdracht = ZoekOpdracht(woord);
            if (!opdracht) {
                return Gebruiksfout("Onbekende opdracht '" + woord + "'.");
            }
            continue;
        }
        argumenten.woorden.push_back(woord);
    }
    if (!opdracht) {
        SchrijfUit(HulpTekst());
        return 0;
    }
    if (argumenten.woorden.size() < opdracht->minWoorden ||
        argumenten.woorden.size() > opdracht->maxWoorden) {
        return Gebruiksfout(std::string("Gebruik: morvel ") + opdracht->naam + " " +
                            opdracht->gebruik);
    }
    ZetMelder(nullptr); // messages of the core go to standard error
    return opdracht->uitvoeren(argumenten);
}
