#include "cli/opdrachtregel.h"

#include "base/codering.h"
#include "base/melding.h"
#include "base/witruimte.h"
#include "cli/opdrachten.h"

#include <cstdio>
#include <limits>

namespace {

const std::vector<COptie>& IndelingOpties() {
    static const std::vector<COptie> opties = {
        {"--deelnemers", true}, {"--blokkeer", true}, {"--vast", true},       {"--zaad", true},
        {"--seconden", true},   {"--log", false},     {"--publiceer", false}, {"--alle", false}};
    return opties;
}

std::vector<COptie> MetOpties(std::vector<COptie> eigen, const std::vector<COptie>& meer) {
    eigen.insert(eigen.end(), meer.begin(), meer.end());
    return eigen;
}

const std::vector<COpdracht>& Opdrachten() {
    static const std::vector<COpdracht> opdrachten = {
        {"controleer",
         "BESTAND",
         "leest een databestand en meldt wat er niet klopt; uitvoer: formaat F, S spelers, R "
         "rondes",
         {},
         1,
         1,
         OpdrachtControleer},
        {"herschrijf",
         "BESTAND [--formaat 2]",
         "leest een databestand en schrijft het opnieuw weg, eventueel in een hoger formaat",
         {{"--formaat", true}},
         1,
         1,
         OpdrachtHerschrijf},
        {"formule",
         "TEKST [W V J P R K]",
         "berekent een formule met de gegeven waarden (ontbrekende zijn 0); uitvoer: de waarde",
         {},
         1,
         7,
         OpdrachtFormule},
        {"html",
         "MAP [--alle]",
         "schrijft uitslag.inc, uitslagen.inc en stand.inc in de competitiemap, elk volgens zijn "
         "html-instelling; met --alle alle drie",
         {{"--alle", false}},
         1,
         1,
         OpdrachtHtml},
        {"klassenverloop",
         "MAP",
         "schrijft het klassenverloop als .csv-bestand naast het databestand",
         {},
         1,
         1,
         OpdrachtKlassenverloop},
        {"inschrijflijst",
         "MAP [--datum D-M-JJJJ]",
         "schrijft de inschrijflijst vanaf de datum (standaard vandaag) als .csv-bestand naast "
         "het databestand, met de lijstparameters uit het profiel",
         {{"--datum", true}},
         1,
         1,
         OpdrachtInschrijflijst},
        {"stand",
         "MAP [--ronde ID]",
         "de stand na de ronde ID (standaard de laatste ronde), zoals het standvenster hem afdrukt",
         {{"--ronde", true}},
         1,
         1,
         OpdrachtStand},
        {"uitslag",
         "MAP [--ronde N]",
         "de uitslagen van ronde N, geteld vanaf 1 (standaard de laatste ronde)",
         {{"--ronde", true}},
         1,
         1,
         OpdrachtUitslag},
        {"voorgift",
         "KLASSE KLASSE",
         "voorgift en komi met de aktieve voorgiftformule; klassen in tienden (125 is 12.5); "
         "uitvoer: klasse zwart, klasse wit, voorgift",
         {},
         2,
         2,
         OpdrachtVoorgift},
        {"indeling",
         "MAP [--deelnemers N,N,...] [--blokkeer N-N]... [--vast N-N]... [--zaad S] [--seconden T] "
         "[--log] [--publiceer [--alle]]",
         "deelt de volgende ronde in zoals het indelingsvenster en drukt het indelingsblad af; N "
         "is "
         "een spelersnummer, --vast speelt buiten de berekening om, --log toont de berekening, "
         "--publiceer schrijft indeling.inc volgens zijn html-instelling (met --alle altijd)",
         IndelingOpties(), 1, 1, OpdrachtIndeling},
        {"nieuw",
         "NAAM [--van MAP] [--klassen begin|einde|afgerond]",
         "maakt de nieuwe competitie NAAM in de datamap, zoals het venster Nieuwe competitie: "
         "met een lege deelnemerslijst, of met de spelers van MAP en hun beginklasse, klasse aan "
         "het einde of afgeronde klasse aan het einde (standaard); uitvoer: het nieuwe "
         "databestand",
         {{"--van", true}, {"--klassen", true}},
         1,
         1,
         OpdrachtNieuw},
        {"afdruk",
         "stand|uitslag|indeling MAP [--ronde ID|N] [de opties van indeling] --pdf BESTAND",
         "drukt de stand, de uitslagen of het indelingsblad af in een PDF-bestand, met dezelfde "
         "bladzijden als het afdrukvenster; de opties zoals bij stand, uitslag en indeling",
         MetOpties({{"--pdf", true}, {"--ronde", true}}, IndelingOpties()), 2, 2, OpdrachtAfdruk},
    };
    return opdrachten;
}

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

const COpdracht* ZoekOpdracht(const std::string& naam) {
    for (const COpdracht& o : Opdrachten()) {
        if (naam == o.naam) {
            return &o;
        }
    }
    return nullptr;
}

int Gebruiksfout(const std::string& tekst) {
    std::fprintf(stderr, "%s\nZie 'morvel --help'.\n", Cp1252NaarUtf8(tekst).c_str());
    return kGebruiksFout;
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
        "Morvel Competitie Beheer\n"
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
             "  --profiel PAD   het instellingenprofiel (standaard het .ini-bestand naast het "
             "programma)\n"
             "\n"
             "Uitslag: 0 gelukt, 1 er is iets geweigerd of gemeld, 2 het bestand kon niet gelezen "
             "worden,\n"
             "3 de instellingen konden niet opgezet worden, 64 de opdrachtregel is onjuist.\n";
    return tekst;
}

void SchrijfUit(const std::string& tekst) {
    std::string uit = Cp1252NaarUtf8(tekst);
    std::fwrite(uit.data(), 1, uit.size(), stdout);
    std::fflush(stdout);
}

std::string ProfielUitArgumenten(const std::vector<std::string>& argumenten) {
    std::string profiel;
    for (size_t i = 0; i + 1 < argumenten.size(); ++i) {
        if (argumenten[i] == "--") {
            break;
        }
        if (argumenten[i] == "--profiel") {
            profiel = Utf8NaarCp1252(argumenten[++i]);
        }
    }
    return profiel;
}

bool IsOpdrachtregel(const std::vector<std::string>& argumenten) {
    for (size_t i = 0; i < argumenten.size(); ++i) {
        if (argumenten[i] == "--profiel") {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

int VoerOpdrachtregelUit(const std::vector<std::string>& ruw) {
    CArgumenten argumenten;
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
        if (isOptie && woord == "--profiel") {
            if (i + 1 >= ruw.size()) {
                return Gebruiksfout("De optie --profiel verwacht een pad.");
            }
            argumenten.profiel = Utf8NaarCp1252(ruw[++i]);
            continue;
        }
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
