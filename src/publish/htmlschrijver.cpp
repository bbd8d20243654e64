#include "publish/htmlschrijver.h"

#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"

const char* HtmlBestandsNaam(HtmlBestand bestand) {
    switch (bestand) {
    case HtmlBestand::Uitslag:
        return "uitslag.inc";
    case HtmlBestand::Uitslagen:
        return "uitslagen.inc";
    case HtmlBestand::Stand:
        return "stand.inc";
    case HtmlBestand::Indeling:
        return "indeling.inc";
    case HtmlBestand::Klassenverloop:
        return "klassenverloop.svg";
    }
    return "";
}

CHtmlSchrijver::CHtmlSchrijver(const std::string& competitieMap, HtmlBestand bestand, int modus,
                               CUploadNodig& uploadNodig)
    : pad_(PadSamen(competitieMap, HtmlBestandsNaam(bestand))), soort_(bestand), modus_(modus),
      uploadNodig_(uploadNodig) {}

bool CHtmlSchrijver::Open() {
    if (modus_ < kHtmlAanmaken) {
        return false;
    }
    while (!bestand_.Open(pad_)) {
        Antwoord antwoord =
            Meld("Kan het html bestand '" + pad_ + "' niet openen om te schrijven.\n(" +
                     SysteemFoutTekst(bestand_.Fout()) + ")",
                 Knoppen::OpnieuwAnnuleren);
        if (antwoord != Antwoord::Opnieuw) {
            return false;
        }
    }
    return true;
}

void CHtmlSchrijver::Sluit(bool uploaden) {
    if (!bestand_.Sluit()) {
        Meld("Het html bestand '" + pad_ + "' kon niet volledig geschreven worden.\n(" +
             SysteemFoutTekst(bestand_.Fout()) + ")");
        return;
    }
    if (uploaden && modus_ == kHtmlUploaden) {
        uploadNodig_.Zet(soort_);
    }
}
