#include "ui/afdrukvoorkeur.h"

#include "base/formatteer.h"
#include "base/witruimte.h"
#include "settings/settings.h"

#include <algorithm>

std::vector<std::string> VasteBreedteLettertypen(const std::vector<CLettertypeFamilie>& families) {
    std::vector<std::string> namen;
    for (const CLettertypeFamilie& familie : families) {
        if (familie.vasteBreedte) {
            namen.push_back(familie.naam);
        }
    }
    auto ervoor = [](const std::string& a, const std::string& b) {
        return VergelijkZonderHoofdletters(a, b) < 0;
    };
    auto gelijk = [](const std::string& a, const std::string& b) {
        return GelijkZonderHoofdletters(a, b);
    };
    std::stable_sort(namen.begin(), namen.end(), ervoor);
    namen.erase(std::unique(namen.begin(), namen.end(), gelijk), namen.end());
    return namen;
}

std::string GrootteTekst(int32_t tienden) {
    return Formatteer("%d.%d", tienden / 10, tienden % 10);
}

CAfdrukvoorkeurVenster::CAfdrukvoorkeurVenster(const CSettings& settings,
                                               const std::vector<CLettertypeFamilie>& families,
                                               const std::string& gebruikt)
    : standOpNieuwePagina_(settings.StandOpNieuwePagina() != 0),
      indelingOpNieuwePagina_(settings.IndelingOpNieuwePagina() != 0),
      lettertypen_(VasteBreedteLettertypen(families)) {
    for (int32_t i = 0; i < kAantalGroottes; ++i) {
        groottes_.push_back(GrootteTekst(kKleinsteGrootte + i));
    }
    const std::string& gekozen = settings.Lettertype();
    for (size_t i = 0; i < lettertypen_.size(); ++i) {
        if (BegintMetZonderHoofdletters(lettertypen_[i].c_str(), gekozen.c_str())) {
            lettertype_ = static_cast<int>(i);
            break;
        }
    }
    if (lettertype_ < 0 && !gebruikt.empty()) {
        auto plaats = std::find_if(lettertypen_.begin(), lettertypen_.end(),
                                   [&gebruikt](const std::string& naam) {
                                       return VergelijkZonderHoofdletters(naam, gebruikt) >= 0;
                                   });
        if (plaats == lettertypen_.end() || !GelijkZonderHoofdletters(*plaats, gebruikt)) {
            plaats = lettertypen_.insert(plaats, gebruikt);
        }
        lettertype_ = static_cast<int>(plaats - lettertypen_.begin());
        // A stored font that is installed without calling itself monospaced
        // is the one printing uses: nothing to say then.
        if (!BegintMetZonderHoofdletters(gebruikt.c_str(), gekozen.c_str())) {
            opmerking_ = Formatteer("'%s' is niet ge\xEFnstalleerd; het afdrukken gebruikt '%s'.",
                                    gekozen.c_str(), plaats->c_str());
        }
    }
    const int32_t grootte = settings.LetterGrootte();
    if (grootte >= kKleinsteGrootte && grootte < kKleinsteGrootte + kAantalGroottes) {
        grootte_ = grootte - kKleinsteGrootte;
    }
}

void CAfdrukvoorkeurVenster::KiesLettertype(int index) {
    lettertype_ = index >= 0 && index < static_cast<int>(lettertypen_.size()) ? index : -1;
}

void CAfdrukvoorkeurVenster::KiesGrootte(int index) {
    grootte_ = index >= 0 && index < kAantalGroottes ? index : -1;
}

std::string CAfdrukvoorkeurVenster::GekozenLettertype() const {
    return lettertype_ >= 0 ? lettertypen_[static_cast<size_t>(lettertype_)] : std::string();
}

int32_t CAfdrukvoorkeurVenster::GekozenGrootte() const {
    return grootte_ >= 0 ? kKleinsteGrootte + grootte_ : 0;
}

int CAfdrukvoorkeurVenster::Ok(CSettings& settings) const {
    if (!OkAan()) {
        return -1;
    }
    settings.SetStandOpNieuwePagina(standOpNieuwePagina_ ? 1 : 0);
    settings.SetIndelingOpNieuwePagina(indelingOpNieuwePagina_ ? 1 : 0);
    settings.SetLettertype(GekozenLettertype());
    settings.SetLetterGrootte(GekozenGrootte());
    return 0;
}
