#include "base/formatteer.h"
#include "pairing/indeling.h"
#include "publish/lijsten.h"
#include "publish/lijstopmaak.h"

void LijstIndeling(const CIndeling& indeling, const std::string& periode, bool kop,
                   std::string& uit) {
    if (kop) {
        SchrijfGecentreerd(LijstTitel(periode), uit);
        uit += '\n';
    }
    SchrijfStreep(uit);
    uit += std::string("\t") + kKopIndeling + "\n";
    SchrijfStreep(uit);
    uit += '\n';
    uit += Formatteer(" %-22s %-22s %-9s %-9s %s\n", "Zwart", "Wit", "Voorgift", "Komi", "Uitslag");
    uit += " " + std::string(22, '=') + " " + std::string(22, '=') + " " + std::string(18, '=') +
           "  " + std::string(7, '=') + "\n\n";
    for (int i = 0; i < indeling.Aantal(); ++i) {
        uit += Formatteer(" %-22.22s %-22.22s %s\n\n", indeling.Zwart(i).c_str(),
                          indeling.Wit(i).c_str(), indeling.Tekst(i).c_str());
    }
    SchrijfStreep(uit);
    uit += "  Extra partijen hieronder noteren:\n";
}
