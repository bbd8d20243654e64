#include "pairing/blijvendeblokkades.h"

#include "base/formatteer.h"
#include "base/getal.h"

#include <algorithm>

namespace {

constexpr int32_t kVersie = 1;

} // namespace

const CBlokkade* CBlijvendeBlokkades::Zoek(int32_t a, int32_t b) const {
    auto gevonden = std::find_if(lijst_.begin(), lijst_.end(),
                                 [&](const CBlokkade& blokkade) { return blokkade.Noemt(a, b); });
    return gevonden == lijst_.end() ? nullptr : &*gevonden;
}

bool CBlijvendeBlokkades::VoegToe(CBlokkade blokkade) {
    if (blokkade.een == blokkade.twee || Zoek(blokkade.een, blokkade.twee)) {
        return false;
    }
    lijst_.push_back(std::move(blokkade));
    return true;
}

bool CBlijvendeBlokkades::Verwijder(int32_t a, int32_t b) {
    return std::erase_if(lijst_, [&](const CBlokkade& blokkade) { return blokkade.Noemt(a, b); }) >
           0;
}

std::string BlokkadeBestandTekst(const CBlijvendeBlokkades& blokkades) {
    std::vector<std::pair<std::string, std::string>> regels = {
        {"versie", Formatteer("%d", kVersie)}};
    for (const CBlokkade& b : blokkades.Lijst()) {
        regels.emplace_back("paar", VeldenWaarde({Formatteer("%d", b.een), Formatteer("%d", b.twee),
                                                  b.naamEen, b.naamTwee}));
    }
    return EigenBestandTekst(kBlokkadeBestandKop, regels);
}

int LeesBlokkadeBestand(const std::vector<CEigenRegel>& regels, CBlijvendeBlokkades& blokkades,
                        std::string& fout) {
    blokkades.Clear();
    bool versie = false;
    for (const CEigenRegel& regel : regels) {
        std::string reden;
        if (regel.sleutel == "versie" && !versie) {
            versie = true;
            reden = VersieFout(regel.waarde, kVersie);
        } else if (regel.sleutel == "paar") {
            std::vector<std::string> velden = LeesVelden(regel.waarde);
            CBlokkade b;
            if (velden.size() != 4) {
                reden = "een paar heeft vier velden, gescheiden door tabs";
            } else if (!LeesGeheelGetal(velden[0], b.een) || !LeesGeheelGetal(velden[1], b.twee) ||
                       b.een < 1 || b.twee < 1 || b.een == b.twee) {
                reden = "de spelersnummers zijn geen nummers van twee verschillende spelers";
            } else {
                b.naamEen = std::move(velden[2]);
                b.naamTwee = std::move(velden[3]);
                blokkades.VoegToe(std::move(b));
            }
        } else {
            reden = kOnbekendeRegel;
        }
        if (!reden.empty()) {
            fout = RegelFout(regel, reden);
            blokkades.Clear();
            return -1;
        }
    }
    if (!versie) {
        fout = "de regel versie= ontbreekt";
        return -1;
    }
    return 0;
}
