#include "settings/settings.h"

#include "base/formatteer.h"
#include "base/melding.h"
#include "base/platform.h"
#include "settings/profiel.h"
#include "settings/profielplaats.h"
#include "settings/wachtwoord.h"

namespace {

struct CSleutel {
    const char* sectie;
    const char* sleutel;
    const char* standaard;
    bool isGetal;
};

constexpr CSleutel kSleutels[] = {
#define MORVEL_TEKST_SLEUTEL(naam, sectie, sleutel, standaard) {sectie, sleutel, standaard, false},
#define MORVEL_GETAL_SLEUTEL(naam, sectie, sleutel, standaard) {sectie, sleutel, standaard, true},
    MORVEL_INSTELLINGEN(MORVEL_TEKST_SLEUTEL, MORVEL_GETAL_SLEUTEL)
#undef MORVEL_TEKST_SLEUTEL
#undef MORVEL_GETAL_SLEUTEL
};
static_assert(std::size(kSleutels) == kAantalInstellingen);

// The font size is held in tenths of a point. A value below 20 in the
// profile is in whole points (12 means 120), as older versions wrote it; so a
// size below 2 points is written in whole points too, to read back the same.
constexpr int32_t kKleinsteTienden = 20;
int32_t InTienden(int32_t grootte) {
    return grootte < kKleinsteTienden ? grootte * 10 : grootte;
}
int32_t VoorProfiel(int32_t tienden) {
    return tienden < kKleinsteTienden ? tienden / 10 : tienden;
}

// The number at the start of a port text (optional sign, digits; none is 0)
// must lie in 1..65535; any other port becomes "21".
std::string GeldigePoort(const std::string& poort) {
    size_t i = 0;
    bool negatief = false;
    if (i < poort.size() && (poort[i] == '+' || poort[i] == '-')) {
        negatief = poort[i] == '-';
        ++i;
    }
    long getal = 0;
    for (; i < poort.size() && poort[i] >= '0' && poort[i] <= '9' && getal <= 65535; ++i) {
        getal = getal * 10 + (poort[i] - '0');
    }
    return (negatief || getal < 1 || getal > 65535) ? "21" : poort;
}

} // namespace

CSettings::CSettings(const std::string& profielPad) {
    ZetStandaarden();
    if (!BepaalProfielPad(profielPad)) {
        fataal_ = true;
        return;
    }
    CProfiel profiel(profielPad_);
    profielGelezen_ = profiel.Lees() == 0;
    if (LeesAlles(profiel)) {
        profiel.Schrijf();
    }
    // What was read counts as unchanged; a password found in plain text is
    // scrambled at the next write.
    gewijzigd_ = wachtwoordOnversleuteld_;
    ControleerFormules();
}

CSettings::CSettings(CProfiel& profiel) : profielPad_(profiel.Pad()), inGeheugen_(true) {
    ZetStandaarden();
    profielGelezen_ = true;
    LeesAlles(profiel);
    gewijzigd_ = wachtwoordOnversleuteld_;
}

CSettings::~CSettings() {
    if (!inGeheugen_) {
        SchrijfProfiel();
    }
}

void CSettings::ZetStandaarden() {
    for (size_t i = 0; i < kAantalInstellingen; ++i) {
        if (kSleutels[i].isGetal) {
            getallen_[i] = EersteGetal(kSleutels[i].standaard);
        } else {
            teksten_[i] = kSleutels[i].standaard;
        }
    }
}

bool CSettings::BepaalProfielPad(const std::string& gegeven) {
    if (!gegeven.empty()) {
        profielPad_ = gegeven;
        ZetWerkMap("");
        return true;
    }
    std::string programma;
    if (!ProgrammaPad(programma)) {
        Meld("CSettings::CSettings()\nFatale interne fout\nDe bestandsnaam van het programma kan "
             "niet gelezen worden.");
        return false;
    }
    CProfielPlaats plaats;
    if (!KiesProfielPlaats(programma, HuidigeGebruikersMappen(), plaats)) {
        Meld("CSettings::CSettings()\nFatale interne fout\nDe bestandsnaam bevat geen extensie.");
        return false;
    }
    profielPad_ = plaats.profiel;
    ZetWerkMap(plaats.werkMap);
    if (!plaats.naastProgramma) {
        BereidEersteStartVoor(plaats, VoorbeeldMap(programma));
    }
    return true;
}

bool CSettings::LeesAlles(CProfiel& profiel) {
    bool standaardSets = false;
    for (size_t i = 0; i < kAantalInstellingen; ++i) {
        auto instelling = static_cast<EInstelling>(i);
        const CSleutel& s = kSleutels[i];
        if (instelling == EInstelling::HuidigeVoorgiftFormule &&
            getallen_[Index(EInstelling::AantalVoorgiftFormules)] <= 0 && profielGelezen_) {
            MaakStandaardVoorgiftSets(profiel);
            standaardSets = true;
        }
        if (s.isGetal) {
            getallen_[i] = profiel.Getal(s.sectie, s.sleutel, s.standaard);
        } else {
            teksten_[i] = profiel.Tekst(s.sectie, s.sleutel, s.standaard);
        }
        switch (instelling) {
        case EInstelling::LetterGrootte:
            getallen_[i] = InTienden(getallen_[i]);
            break;
        case EInstelling::Poort:
            teksten_[i] = GeldigePoort(teksten_[i]);
            break;
        case EInstelling::Wachtwoord:
            LeesWachtwoord(profiel);
            break;
        case EInstelling::HuidigeScoreFormule:
            KiesScoreFormule(profiel, getallen_[i]);
            break;
        case EInstelling::HuidigeKlasseAanpassingsFormule:
            KiesKlasseFormule(profiel, getallen_[i]);
            break;
        default:
            break;
        }
    }
    return standaardSets;
}

void CSettings::LeesWachtwoord(const CProfiel& profiel) {
    std::string& wachtwoord = teksten_[Index(EInstelling::Wachtwoord)];
    // A value written unquoted keeps its edge spaces only in the raw line.
    std::string ruw;
    if (profiel.RuweWaarde("Html", "Wachtwoord", ruw) && OntsleutelWachtwoord(ruw, wachtwoord)) {
        return;
    }
    std::string opgeslagen = profiel.Tekst("Html", "Wachtwoord", "");
    if (opgeslagen.empty() || OntsleutelWachtwoord(opgeslagen, wachtwoord)) {
        return;
    }
    // Typed into the profile by hand: the value is the password itself, as far
    // as a scrambled value can hold it, which is what the next write keeps.
    size_t nul = opgeslagen.find('\0');
    if (nul != std::string::npos) {
        opgeslagen.resize(nul);
        Meld(Formatteer("Het wachtwoord in het instellingenbestand '%s' bevat een NUL-teken; "
                        "alleen het deel daarvoor wordt gebruikt en bewaard.",
                        profiel.Pad().c_str()));
    }
    if (opgeslagen.size() > kMaxWachtwoordLengte) {
        opgeslagen.resize(kMaxWachtwoordLengte);
        Meld(Formatteer("Het wachtwoord in het instellingenbestand '%s' is langer dan %zu tekens; "
                        "alleen de eerste %zu worden gebruikt en bewaard.",
                        profiel.Pad().c_str(), kMaxWachtwoordLengte, kMaxWachtwoordLengte));
    }
    wachtwoord = opgeslagen;
    wachtwoordOnversleuteld_ = true;
}

void CSettings::KiesScoreFormule(const CProfiel& profiel, int32_t nummer) {
    getallen_[Index(EInstelling::HuidigeScoreFormule)] = nummer;
    std::string sectie = Formatteer("%s%d", kScoreFormuleSectie, nummer);
    puntenformule_ = CFormule(profiel.Tekst(sectie, "Formule", ""));
    middelen_ = profiel.Getal(sectie, "Middelen", "0") != 0;
    gewijzigd_ = true;
}

void CSettings::KiesKlasseFormule(const CProfiel& profiel, int32_t nummer) {
    getallen_[Index(EInstelling::HuidigeKlasseAanpassingsFormule)] = nummer;
    std::string sectie = Formatteer("%s%d", kKlasseFormuleSectie, nummer);
    klasseNaWinst_ = CFormule(profiel.Tekst(sectie, "KlasseNaWinst", ""));
    klasseNaVerlies_ = CFormule(profiel.Tekst(sectie, "KlasseNaVerlies", ""));
    klasseNaJigo_ = CFormule(profiel.Tekst(sectie, "KlasseNaJigo", ""));
    gewijzigd_ = true;
}

void CSettings::SelecteerScoreFormule(int32_t nummer) {
    CProfiel profiel(profielPad_);
    profiel.Lees();
    KiesScoreFormule(profiel, nummer);
}

void CSettings::SelecteerKlasseFormule(int32_t nummer) {
    CProfiel profiel(profielPad_);
    profiel.Lees();
    KiesKlasseFormule(profiel, nummer);
}

CVoorgiftSet CSettings::ActieveVoorgiftSet() const {
    CVoorgiftSet set;
    set.nummer = HuidigeVoorgiftFormule();
    if (set.nummer <= 0 || fataal_) {
        return set;
    }
    CProfiel profiel(profielPad_);
    profiel.Lees();
    std::string sectie = Formatteer("%s%d", kVoorgiftFormuleSectie, set.nummer);
    set.naam = profiel.Tekst(sectie, "Naam", "");
    set.voorgift = profiel.Tekst(sectie, "Voorgift", "0");
    set.komi = profiel.Tekst(sectie, "Komi", "6");
    set.extraHalfKomi = profiel.Getal(sectie, "ExtraHalfKomi", "1") != 0;
    return set;
}

void CSettings::ZetTekst(EInstelling i, const std::string& waarde) {
    std::string& huidig = teksten_[Index(i)];
    if (huidig != waarde) {
        huidig = waarde;
        gewijzigd_ = true;
    }
}

void CSettings::ZetGetal(EInstelling i, int32_t waarde) {
    int32_t& huidig = getallen_[Index(i)];
    if (huidig != waarde) {
        huidig = waarde;
        gewijzigd_ = true;
    }
}

int CSettings::SchrijfProfiel() {
    // A profile that exists but could not be read is never overwritten.
    if (!gewijzigd_ || fataal_ || !profielGelezen_) {
        return 0;
    }
    CProfiel profiel(profielPad_);
    if (profiel.Lees() != 0) {
        return -1;
    }
    SchrijfIn(profiel);
    if (profiel.Schrijf() != 0) {
        return -1;
    }
    gewijzigd_ = false;
    return 0;
}

void CSettings::SchrijfIn(CProfiel& profiel) const {
    for (size_t i = 0; i < kAantalInstellingen; ++i) {
        const CSleutel& s = kSleutels[i];
        auto instelling = static_cast<EInstelling>(i);
        if (instelling == EInstelling::LetterGrootte) {
            profiel.ZetGetal(s.sectie, s.sleutel, VoorProfiel(getallen_[i]));
        } else if (s.isGetal) {
            profiel.ZetGetal(s.sectie, s.sleutel, getallen_[i]);
        } else if (instelling == EInstelling::Wachtwoord && !teksten_[i].empty()) {
            // Quoted, so that a scrambled text with a space at either end reads back whole.
            profiel.ZetAangehaaldeTekst(s.sectie, s.sleutel,
                                        VersleutelWachtwoord(teksten_[i], NieuwWachtwoordZaad()));
        } else {
            profiel.ZetTekst(s.sectie, s.sleutel, teksten_[i]);
        }
    }
}
