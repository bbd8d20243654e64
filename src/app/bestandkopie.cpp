#include "app/bestandkopie.h"

#include "base/formatteer.h"
#include "base/mappen.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"

int FileCopy(const std::string& bron, const std::string& doel) {
    MaakMappen(doel, true);
    int fout = 0;
    switch (KopieerBestand(bron, doel, fout)) {
    case KopieUitkomst::Gelukt:
        return 0;
    case KopieUitkomst::BronNietOpen:
        Meld("FileCopy\nKan het source bestand niet openen om te lezen.\n'" + bron + "'\n(" +
             SysteemFoutTekst(fout) + ")");
        break;
    case KopieUitkomst::DoelNietOpen:
        Meld("FileCopy\nKan het target bestand niet openen om te schrijven.\n'" + doel + "'\n(" +
             SysteemFoutTekst(fout) + ")");
        break;
    case KopieUitkomst::SchrijfFout:
        Meld("FileCopy\nSchrijffout!\n(" + SysteemFoutTekst(fout) + ")");
        break;
    case KopieUitkomst::LeesFout:
        // A read error would otherwise pass for the end of the file and leave
        // a shortened copy that looks complete.
        Meld("FileCopy\nLeesfout!\n(" + SysteemFoutTekst(fout) + ")");
        break;
    }
    return -1;
}

int MaakBackup(const std::string& datafile, int makeBackup, const std::string& backupPad) {
    if (makeBackup != 1) {
        return 0;
    }
    if (backupPad.empty()) {
        // Without a folder the copy would land in the root of the file system.
        Meld(Formatteer("Er is geen backup directory opgegeven; van '%s' is geen backup gemaakt.\n"
                        "Geef een backup directory op via het configuratiescherm, optie Paden.",
                        datafile.c_str()));
        return -1;
    }
    return FileCopy(datafile, PadSamen(backupPad, LaatsteDeel(datafile)));
}
