// The table of the commands: name, arguments and one line for the help, the
// options, the number of words and the function that runs it.

#include "cli/opdrachten.h"
#include "cli/opdrachtregel.h"
#include "cli/schrijfcontrole.h"

namespace {

std::vector<COptie> IndelingOpties() {
    return {{"--deelnemers", true}, {"--blokkeer", true},   {"--vast", true},
            {"--methode", true},    {"--zaad", true},       {"--seconden", true},
            {"--log", false},       {"--publiceer", false}, {"--alle", false}};
}

std::vector<COptie> MetIndelingOpties(std::vector<COptie> eigen) {
    std::vector<COptie> indeling = IndelingOpties();
    eigen.insert(eigen.end(), indeling.begin(), indeling.end());
    return eigen;
}

} // namespace

const std::vector<COpdracht>& Opdrachten() {
    static const std::vector<COpdracht> opdrachten = {
        {.naam = "controleer",
         .gebruik = "BESTAND",
         .omschrijving = "leest een databestand en meldt wat er niet klopt; uitvoer: formaat F, "
                         "S spelers, R rondes",
         .opties = {},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtControleer},
        {.naam = "herschrijf",
         .gebruik = "BESTAND [--formaat 2] [--toch]",
         .omschrijving = "leest een databestand en schrijft het opnieuw weg, eventueel in een "
                         "hoger formaat; met regels die niet gelezen konden worden alleen met "
                         "--toch",
         .opties = {{"--formaat", true}, kTochOptie},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtHerschrijf},
        {.naam = "formule",
         .gebruik = "TEKST [W V J P R K]",
         .omschrijving = "berekent een formule met de gegeven waarden (ontbrekende zijn 0); "
                         "uitvoer: de waarde",
         .opties = {},
         .minWoorden = 1,
         .maxWoorden = 7,
         .uitvoeren = OpdrachtFormule},
        {.naam = "html",
         .gebruik = "MAP [--alle]",
         .omschrijving = "schrijft uitslag.inc, uitslagen.inc en stand.inc in de competitiemap, "
                         "elk volgens zijn html-instelling, met --alle alle drie; en de grafiek "
                         "klassenverloop.svg volgens zijn eigen instelling",
         .opties = {{"--alle", false}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtHtml},
        {.naam = "upload",
         .gebruik = "MAP [--alle]",
         .omschrijving = "schrijft de html-bestanden die op uploaden staan (met --alle "
                         "uitslag.inc, uitslagen.inc en stand.inc) en zendt ze naar de server "
                         "van de html-instellingen; uitvoer: het verslag, per regel de tekst, "
                         "een tab en de status",
         .opties = {{"--alle", false}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtUpload},
        {.naam = "klassenverloop",
         .gebruik = "MAP",
         .omschrijving = "schrijft het klassenverloop als .csv-bestand naast het databestand",
         .opties = {},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtKlassenverloop},
        {.naam = "grafiek",
         .gebruik = "MAP [--spelers N,N,...] [--ronde ID] (--png|--svg|--pdf) BESTAND "
                    "[--breedte PX --hoogte PX]",
         .omschrijving = "tekent het klassenverloop als grafiek in een PNG-, SVG- of "
                         "PDF-bestand, zonder scherm: de spelers met de nummers N (standaard de "
                         "eerste acht van de stand) na elke ronde tot en met ronde ID, op een "
                         "vlak van PX beeldpunten (standaard 1200 bij 800)",
         .opties = {{"--spelers", true},
                    {"--ronde", true},
                    {"--png", true},
                    {"--svg", true},
                    {"--pdf", true},
                    {"--breedte", true},
                    {"--hoogte", true}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtGrafiek},
        {.naam = "inschrijflijst",
         .gebruik = "MAP [--datum D-M-JJJJ]",
         .omschrijving = "schrijft de inschrijflijst vanaf de datum (standaard vandaag) als "
                         ".csv-bestand naast het databestand, met de lijstparameters uit het "
                         "profiel",
         .opties = {{"--datum", true}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtInschrijflijst},
        {.naam = "importeer",
         .gebruik = "MAP BESTAND [--proef] [--toch]",
         .omschrijving = "leest een ledenlijst uit een CSV-bestand (naam, klasse en eventueel "
                         "de drie vlaggen) en voegt de nieuwe leden toe zoals het ledenvenster; "
                         "uitvoer: per regel wat er gebeurt; met --proef wordt niets geschreven; "
                         "met regels die niet gelezen konden worden alleen met --toch",
         .opties = {{"--proef", false}, kTochOptie},
         .minWoorden = 2,
         .maxWoorden = 2,
         .uitvoeren = OpdrachtImporteer},
        {.naam = "stand",
         .gebruik = "MAP [--ronde ID]",
         .omschrijving = "de stand na de ronde ID (standaard de laatste ronde), zoals het "
                         "standvenster hem afdrukt",
         .opties = {{"--ronde", true}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtStand},
        {.naam = "uitslag",
         .gebruik = "MAP [--ronde N]",
         .omschrijving = "de uitslagen van ronde N, geteld vanaf 1 (standaard de laatste ronde)",
         .opties = {{"--ronde", true}},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtUitslag},
        {.naam = "ronde",
         .gebruik = "MAP ID [--uit-indeling] [--partij ZWART-WIT[=R]]... [--vrij N]... "
                    "[--klasse N=K]... [--toch]",
         .omschrijving = "voegt de ronde ID toe zoals het uitslagenvenster: partijen met hun "
                         "uitslag R (+ - 0 ?, standaard ?), uitgelote spelers en nieuwe klassen "
                         "(K in tienden); --uit-indeling begint met de partijen van de "
                         "gepubliceerde indeling, --partij geeft er de uitslag van; schrijft de "
                         "datafile en de html-bestanden; uitvoer: de uitslagen van de ronde",
         .opties = {{"--uit-indeling", false},
                    {"--partij", true},
                    {"--vrij", true},
                    {"--klasse", true},
                    kTochOptie},
         .minWoorden = 2,
         .maxWoorden = 2,
         .uitvoeren = OpdrachtRonde},
        {.naam = "voorgift",
         .gebruik = "KLASSE KLASSE",
         .omschrijving = "voorgift en komi met de aktieve voorgiftformule; klassen in tienden "
                         "(125 is 12.5); uitvoer: klasse zwart, klasse wit, voorgift",
         .opties = {},
         .minWoorden = 2,
         .maxWoorden = 2,
         .uitvoeren = OpdrachtVoorgift},
        {.naam = "indeling",
         .gebruik = "MAP [--deelnemers N,N,...] [--blokkeer N-N]... [--vast N-N]... "
                    "[--methode volledig|random|exact] [--zaad S] [--seconden T] [--log] "
                    "[--publiceer [--alle]]",
         .omschrijving = "deelt de volgende ronde in zoals het indelingsvenster en drukt het "
                         "indelingsblad af; N is een spelersnummer, --vast speelt buiten de "
                         "berekening om, --methode kiest de berekening in plaats van de "
                         "indelingsparameters, --log toont de berekening, --publiceer schrijft "
                         "indeling.inc volgens zijn html-instelling (met --alle altijd)",
         .opties = IndelingOpties(),
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtIndeling},
        {.naam = "nieuw",
         .gebruik = "NAAM [--van MAP] [--klassen begin|einde|afgerond] [--toch]",
         .omschrijving = "maakt de nieuwe competitie NAAM in de datamap, zoals het venster "
                         "Nieuwe competitie: met een lege deelnemerslijst, of met de spelers van "
                         "MAP en hun beginklasse, klasse aan het einde of afgeronde klasse aan "
                         "het einde (standaard); uitvoer: het nieuwe databestand; --toch ook "
                         "als MAP regels heeft die niet gelezen konden worden",
         .opties = {{"--van", true}, {"--klassen", true}, kTochOptie},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtNieuw},
        {.naam = "geschiedenis",
         .gebruik = "MAP",
         .omschrijving = "de bewaarde versies van de competitie, de nieuwste eerst; uitvoer: per "
                         "versie het nummer, de tijd, spelers, rondes en wat er sindsdien "
                         "veranderde",
         .opties = {},
         .minWoorden = 1,
         .maxWoorden = 1,
         .uitvoeren = OpdrachtGeschiedenis},
        {.naam = "terugzetten",
         .gebruik = "MAP NUMMER [--toch]",
         .omschrijving = "maakt versie NUMMER van 'geschiedenis' weer de competitie, zoals het "
                         "venster Geschiedenis; de huidige stand wordt eerst als versie bewaard; "
                         "met regels die niet gelezen konden worden alleen met --toch",
         .opties = {kTochOptie},
         .minWoorden = 2,
         .maxWoorden = 2,
         .uitvoeren = OpdrachtTerugzetten},
        {.naam = "afdruk",
         .gebruik = "stand|uitslag|indeling MAP [--ronde ID|N] [de opties van indeling] --pdf "
                    "BESTAND",
         .omschrijving = "drukt de stand, de uitslagen of het indelingsblad af in een "
                         "PDF-bestand, met dezelfde bladzijden als het afdrukvenster; de opties "
                         "zoals bij stand, uitslag en indeling",
         .opties = MetIndelingOpties({{"--pdf", true}, {"--ronde", true}}),
         .minWoorden = 2,
         .maxWoorden = 2,
         .uitvoeren = OpdrachtAfdruk},
    };
    return opdrachten;
}

const COpdracht* ZoekOpdracht(const std::string& naam) {
    for (const COpdracht& o : Opdrachten()) {
        if (naam == o.naam) {
            return &o;
        }
    }
    return nullptr;
}
