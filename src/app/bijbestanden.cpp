#include "app/bijbestanden.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"

#include <ctime>

namespace {

void MeldVreemd(const std::string& pad, const CBijbestandSoort& soort) {
    Meld(Formatteer("%s: '%s' is geen bestand van Morvel (of geen gewoon bestand).\nHet wordt "
                    "niet gelezen en niet overschreven.",
                    soort.naam, pad.c_str()));
}

void MeldOnleesbaar(const std::string& pad, const CBijbestandSoort& soort, int fout) {
    Meld(Formatteer("%s: het bestand '%s' kan niet gelezen worden.\nDe reden: '%s'", soort.naam,
                    pad.c_str(), SysteemFoutTekst(fout).c_str()));
}

} // namespace

std::string WijzigingsTijdTekst(const std::string& pad, const char* vorm) {
    int64_t seconden = 0;
    if (!WijzigingsTijd(pad, seconden)) {
        return "?";
    }
    auto tijd = static_cast<std::time_t>(seconden);
    std::tm tm{};
    ::localtime_r(&tijd, &tm);
    char tekst[64];
    std::strftime(tekst, sizeof tekst, vorm, &tm);
    return tekst;
}

std::string BijDataFile(const std::string& datafile, const std::string& achtervoegsel) {
    if (datafile.empty()) {
        return "";
    }
    return PadSamen(MapVanPad(datafile), "." + LaatsteDeel(datafile) + achtervoegsel);
}

std::string ZetOpzij(const std::string& pad) {
    std::string basis = pad + "-" + WijzigingsTijdTekst(pad, "%Y%m%d-%H%M%S");
    std::string naam = basis;
    int fout = 0;
    for (int volgnummer = 2; !HernoemBestand(pad, naam, fout); ++volgnummer) {
        if (volgnummer == 100) {
            return pad;
        }
        naam = Formatteer("%s-%d", basis.c_str(), volgnummer);
    }
    return naam;
}

namespace {

// Reads the lines of the file at `pad`: false after a message when it is not
// ours or cannot be read; `aanwezig` tells whether there was one.
bool LeesRegels(const std::string& pad, const CBijbestandSoort& soort,
                std::vector<CEigenRegel>& regels, bool& aanwezig) {
    int fout = 0;
    aanwezig = false;
    switch (LeesEigenBestand(pad, soort.kop, regels, fout)) {
    case EEigenLezen::Afwezig:
        return true;
    case EEigenLezen::Vreemd:
        MeldVreemd(pad, soort);
        return false;
    case EEigenLezen::Onleesbaar:
        MeldOnleesbaar(pad, soort, fout);
        return false;
    case EEigenLezen::Gelezen:
        break;
    }
    aanwezig = true;
    return true;
}

} // namespace

int LeesBijbestand(const std::string& pad, const CBijbestandSoort& soort,
                   const CBijbestandLezer& lees, bool& aanwezig) {
    std::vector<CEigenRegel> regels;
    if (!LeesRegels(pad, soort, regels, aanwezig)) {
        return -1;
    }
    std::string reden;
    if (aanwezig && lees(regels, reden) != 0) {
        aanwezig = false;
        Meld(Formatteer("%s: het bestand '%s' is beschadigd (%s) en is niet gelezen.\nHet blijft "
                        "bewaard; de datafile is niet aangeraakt.",
                        soort.naam, pad.c_str(), reden.c_str()));
        return -1;
    }
    return 0;
}

int SchrijfBijbestand(const std::string& pad, const CBijbestandSoort& soort,
                      const std::string& inhoud) {
    std::vector<CEigenRegel> regels;
    bool aanwezig = false;
    if (!LeesRegels(pad, soort, regels, aanwezig)) {
        return -1;
    }
    // A dangling link is not nothing.
    if (!aanwezig && IsGeenGewoonBestand(pad)) {
        MeldVreemd(pad, soort);
        return -1;
    }
    std::string reden;
    if (aanwezig && soort.controleer(regels, reden) != 0) {
        std::string opzij = ZetOpzij(pad);
        if (opzij == pad) {
            Meld(Formatteer("%s: het beschadigde bestand '%s' kan niet opzij gezet worden en "
                            "wordt niet overschreven.",
                            soort.naam, pad.c_str()));
            return -1;
        }
        Meld(Formatteer("%s: het beschadigde bestand '%s' is bewaard als '%s'.", soort.naam,
                        pad.c_str(), opzij.c_str()));
    }
    int fout = 0;
    if (!SchrijfBestandVeilig(pad, inhoud, fout)) {
        Meld(Formatteer("%s: het bestand '%s' kan niet geschreven worden.\nDe reden: '%s'",
                        soort.naam, pad.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    return 0;
}
