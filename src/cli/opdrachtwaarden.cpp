#include "cli/opdrachtwaarden.h"

#include "base/getal.h"
#include "data/ronde.h"
#include "rating/standberekening.h"

int RondesTot(const CRondes& rondes, const std::string& id) {
    for (int i = 0; i < rondes.Aantal(); ++i) {
        if (rondes.Ronde(i).identificatie == id) {
            return i + 1;
        }
    }
    return RondesTotEnMet(rondes, id);
}

bool LeesNummerLijst(const std::string& lijst, std::vector<int32_t>& nummers, std::string& fout) {
    size_t begin = 0;
    while (true) {
        size_t komma = lijst.find(',', begin);
        std::string woord = lijst.substr(begin, komma - begin);
        int32_t nummer = 0;
        if (!LeesGeheelGetal(woord, nummer)) {
            fout = woord;
            return false;
        }
        nummers.push_back(nummer);
        if (komma == std::string::npos) {
            return true;
        }
        begin = komma + 1;
    }
}
