#include "publish/csvbestand.h"

#include "base/melding.h"
#include "base/platform.h"
#include "publish/csvexport.h"

std::string CsvBestandsNaam(const std::string& datafile) {
    size_t punt = datafile.rfind('.');
    size_t scheiding = datafile.find_last_of("/\\");
    if (punt == std::string::npos || (scheiding != std::string::npos && punt < scheiding)) {
        return datafile + ".csv";
    }
    return datafile.substr(0, punt) + ".csv";
}

bool OpenCsvBestand(CTekstBestand& bestand, const std::string& pad) {
    if (bestand.Open(pad)) {
        return true;
    }
    Meld("Het bestand '" + pad +
         "' kon niet geopend worden om te schrijven, om de volgende reden:\r" +
         SysteemFoutTekst(bestand.Fout()));
    return false;
}

int SluitCsvBestand(CTekstBestand& bestand, const std::string& pad) {
    if (bestand.Sluit()) {
        return 0;
    }
    Meld("Het bestand '" + pad + "' kon niet volledig geschreven worden, om de volgende reden:\r" +
         SysteemFoutTekst(bestand.Fout()));
    return -1;
}

void BiedSpreadsheetAan(const std::string& programma, const std::string& pad) {
    if (Meld("Spreadsheet proberen op te starten?", Knoppen::JaNee, "Morvel Competitie Beheer") ==
        Antwoord::Ja) {
        StartSpreadsheet(programma, pad);
    }
}

void StartSpreadsheet(const std::string& programma, const std::string& pad) {
    int fout = 0;
    if (!StartProgramma(programma, {pad}, fout)) {
        Meld("Het databestand '" + pad + "' is geschreven.\rHet spreadsheet programma '" +
             programma + "' kon niet geopend worden, wegens de volgende reden:\r" +
             SysteemFoutTekst(fout));
    }
}
