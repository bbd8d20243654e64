#include "ui/padeninstellingen.h"

#include "app/morvelapp.h"
#include "base/mappen.h"
#include "base/melding.h"
#include "settings/profiel.h"
#include "settings/settings.h"

#include <algorithm>

namespace {

std::string Genormaliseerd(const std::string& veld) {
    std::string pad = veld.substr(0, kMaxTekstLengte);
    return NormaliseerPad(pad);
}

// Offers to make the folder `pad` (as seen from the program's folder, as the
// program uses it) when it is missing, and reports when that did not work.
void BiedMapAan(const std::string& pad, const char* vraag, const char* mislukt) {
    const std::string map = VanafProgrammaMap(pad);
    if (IsMap(map)) {
        return;
    }
    if (Meld(vraag, Knoppen::JaNee) != Antwoord::Ja) {
        return;
    }
    MaakMappen(map, false);
    if (!IsMap(map)) {
        Meld(mislukt);
    }
}

} // namespace

CPadenInvoer LeesPaden(const CSettings& settings) {
    return {settings.DataPad(), settings.MakeBackup() != 0, settings.BackupPad(),
            settings.SpreadSheet(), std::clamp(settings.Geschiedenis(), 0, kMaxGeschiedenis)};
}

void BewaarPaden(CSettings& settings, const CPadenInvoer& invoer) {
    const std::string dataPad = Genormaliseerd(invoer.dataPad);
    if (dataPad != settings.DataPad()) {
        Meld("Waarschuwing:\nHet aanpassen van de datadirectory heeft niet automatisch het "
             "verplaatsen van de betreffende bestanden tot gevolg!");
        // An empty data path is the program's folder, as ".".
        BiedMapAan(dataPad.empty() ? "." : dataPad, "De Data Directory bestaat niet, aanmaken?",
                   "Kan de gespecificeerde Data Directory niet aanmaken");
        settings.SetDataPad(dataPad);
    }
    settings.SetMakeBackup(invoer.makeBackup ? 1 : 0);
    const std::string backupPad = Genormaliseerd(invoer.backupPad);
    settings.SetBackupPad(backupPad);
    if (invoer.makeBackup) {
        // An empty backup path names no folder: it is asked about and cannot be made.
        BiedMapAan(backupPad, "De Backup Directory bestaat niet, aanmaken?",
                   "Kan de gespecificeerde Backup Directory niet aanmaken");
    }
    settings.SetSpreadSheet(Genormaliseerd(invoer.spreadSheet));
    settings.SetGeschiedenis(std::clamp(invoer.geschiedenis, 0, kMaxGeschiedenis));
}
