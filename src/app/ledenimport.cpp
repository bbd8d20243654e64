#include "app/ledenimport.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "base/platform.h"
#include "base/witruimte.h"
#include "data/klassetekst.h"
#include "data/speler.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace {

// Column heads as a spreadsheet may write them, reduced to letters and digits
// in lower case.
constexpr struct {
    const char* kop;
    int CImportKolommen::*kolom;
} kKoppen[] = {
    {"naam", &CImportKolommen::naam},
    {"name", &CImportKolommen::naam},
    {"speler", &CImportKolommen::naam},
    {"spelersnaam", &CImportKolommen::naam},
    {"spelernaam", &CImportKolommen::naam},
    {"naamspeler", &CImportKolommen::naam},
    {"lid", &CImportKolommen::naam},
    {"lidnaam", &CImportKolommen::naam},
    {"volledigenaam", &CImportKolommen::naam},
    {"voornaam", &CImportKolommen::voornaam},
    {"roepnaam", &CImportKolommen::voornaam},
    {"firstname", &CImportKolommen::voornaam},
    {"tussenvoegsel", &CImportKolommen::tussenvoegsel},
    {"tussenvoegsels", &CImportKolommen::tussenvoegsel},
    {"achternaam", &CImportKolommen::achternaam},
    {"familienaam", &CImportKolommen::achternaam},
    {"lastname", &CImportKolommen::achternaam},
    {"surname", &CImportKolommen::achternaam},
    {"klasse", &CImportKolommen::klasse},
    {"beginklasse", &CImportKolommen::klasse},
    {"class", &CImportKolommen::klasse},
    {"sterkte", &CImportKolommen::klasse},
    {"rang", &CImportKolommen::klasse},
    {"graad", &CImportKolommen::klasse},
    {"grade", &CImportKolommen::klasse},
    {"rank", &CImportKolommen::klasse},
    {"niveau", &CImportKolommen::klasse},
    {"aktief", &CImportKolommen::aktief},
    {"actief", &CImportKolommen::aktief},
    {"active", &CImportKolommen::aktief},
    {"standaardindelen", &CImportKolommen::standaardIndelen},
    {"indelen", &CImportKolommen::standaardIndelen},
    {"uitlotentoegestaan", &CImportKolommen::uitlotenToegestaan},
    {"uitloten", &CImportKolommen::uitlotenToegestaan},
    {"bye", &CImportKolommen::uitlotenToegestaan},
};

// A member list of a hundred thousand members stays far below this.
constexpr size_t kMaxLedenlijst = 16 * 1024 * 1024;

constexpr const char* kJa[] = {"j", "ja", "y", "yes", "1", "waar", "true"};
constexpr const char* kNee[] = {"n", "nee", "no", "0", "onwaar", "false"};

// A cell with its white space normalised; a control character, which the
// data file could not hold, counts as a blank.
std::string Kaal(std::string tekst) {
    std::replace_if(tekst.begin(), tekst.end(), IsStuurteken, ' ');
    NormaliseerWitruimte(tekst);
    return tekst;
}

std::string Sleutel(const std::string& cel) {
    std::string sleutel;
    for (char c : KleineLetters(cel)) {
        if ((c >= 'a' && c <= 'z') || IsCijfer(c)) {
            sleutel += c;
        }
    }
    return sleutel;
}

// A flag cell: 1 or 0, the default 1 when it is empty, none when unreadable.
std::optional<int32_t> LeesVlag(const std::string& cel) {
    const std::string woord = KleineLetters(Kaal(cel));
    if (woord.empty()) {
        return 1;
    }
    for (const char* ja : kJa) {
        if (woord == ja) {
            return 1;
        }
    }
    for (const char* nee : kNee) {
        if (woord == nee) {
            return 0;
        }
    }
    return std::nullopt;
}

bool HeeftLetter(const std::string& cel) {
    for (char c : cel) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0xC0) {
            return true;
        }
    }
    return false;
}

const std::string& Cel(const std::vector<std::string>& rij, int kolom) {
    static const std::string leeg;
    return kolom >= 0 && static_cast<size_t>(kolom) < rij.size() ? rij[static_cast<size_t>(kolom)]
                                                                 : leeg;
}

// The columns named by a header row; false when it names none.
bool KolommenUitKop(const std::vector<std::string>& kop, CImportKolommen& kolommen) {
    bool iets = false;
    for (size_t c = 0; c < kop.size(); ++c) {
        const std::string sleutel = Sleutel(kop[c]);
        for (const auto& k : kKoppen) {
            int& kolom = kolommen.*k.kolom;
            if (sleutel == k.kop && kolom < 0) {
                kolom = static_cast<int>(c);
                iets = true;
            }
        }
    }
    return iets;
}

// What the cells of each column look like, over `rijen` from `eerste` on.
struct CKolomInhoud {
    size_t gevuld = 0;
    size_t namen = 0;
    size_t klassen = 0;
    size_t vlaggen = 0;
};

std::vector<CKolomInhoud> Inhoud(const std::vector<std::vector<std::string>>& rijen,
                                 size_t eerste) {
    std::vector<CKolomInhoud> inhoud;
    for (size_t r = eerste; r < rijen.size(); ++r) {
        if (rijen[r].size() > inhoud.size()) {
            inhoud.resize(rijen[r].size());
        }
        for (size_t c = 0; c < rijen[r].size(); ++c) {
            const std::string cel = Kaal(rijen[r][c]);
            if (cel.empty()) {
                continue;
            }
            CKolomInhoud& k = inhoud[c];
            ++k.gevuld;
            const bool klasse = LeesKlasse(cel).has_value();
            const bool vlag = LeesVlag(cel).has_value();
            k.klassen += klasse;
            k.vlaggen += vlag;
            k.namen += !klasse && !vlag && HeeftLetter(cel);
        }
    }
    return inhoud;
}

// Fills in from the contents what a header did not name: the name is the
// first column of mostly names, the class the nearest column of classes after
// it (or else before it), the flags the columns of flags after the class.
void KolommenUitInhoud(const std::vector<CKolomInhoud>& inhoud, CImportKolommen& k) {
    const int aantal = static_cast<int>(inhoud.size());
    auto isNaam = [&](int c) {
        return inhoud[c].gevuld > 0 && inhoud[c].namen * 2 > inhoud[c].gevuld;
    };
    auto isKlasse = [&](int c) {
        return inhoud[c].gevuld > 0 && inhoud[c].klassen * 5 >= inhoud[c].gevuld * 4;
    };
    const bool naamBekend = k.naam >= 0 || k.achternaam >= 0;
    if (!naamBekend) {
        for (int c = 0; c < aantal && k.naam < 0; ++c) {
            if (c != k.klasse && isNaam(c)) {
                k.naam = c;
            }
        }
    }
    const int naam = k.naam >= 0 ? k.naam : k.achternaam;
    if (k.klasse < 0) {
        for (int c = naam + 1; c < aantal && k.klasse < 0; ++c) {
            if (isKlasse(c)) {
                k.klasse = c;
            }
        }
        // A header may name a column that no row reaches.
        for (int c = std::min(naam, aantal) - 1; c >= 0 && k.klasse < 0; --c) {
            if (isKlasse(c)) {
                k.klasse = c;
            }
        }
    }
    if (naamBekend || k.klasse < 0 || k.aktief >= 0 || k.standaardIndelen >= 0 ||
        k.uitlotenToegestaan >= 0) {
        return; // flags only without a header
    }
    int* vlaggen[] = {&k.aktief, &k.standaardIndelen, &k.uitlotenToegestaan};
    size_t volgende = 0;
    for (int c = k.klasse + 1; c < aantal && volgende < 3; ++c) {
        if (c != naam && inhoud[c].gevuld > 0 && inhoud[c].vlaggen == inhoud[c].gevuld) {
            *vlaggen[volgende++] = c;
        }
    }
}

std::string Naam(const std::vector<std::string>& rij, const CImportKolommen& k) {
    if (k.naam >= 0) {
        return Kaal(Cel(rij, k.naam));
    }
    return Kaal(Cel(rij, k.voornaam) + " " + Cel(rij, k.tussenvoegsel) + " " +
                Cel(rij, k.achternaam));
}

CImportRij LeesRij(const std::vector<std::string>& rij, int regel, const CImportKolommen& k) {
    CImportRij uit;
    uit.regel = regel;
    // As the data file will hold it, so that the preview shows what is stored.
    uit.naam = AlsInOem(Naam(rij, k));
    uit.klasseTekst = Kaal(Cel(rij, k.klasse));
    if (uit.naam.empty()) {
        uit.uitkomst = EImportUitkomst::NaamOntbreekt;
        return uit;
    }
    if (!NaamWeigering(uit.naam).empty()) {
        uit.uitkomst = EImportUitkomst::NaamOngeldig;
        return uit;
    }
    std::optional<int32_t> klasse = LeesKlasse(uit.klasseTekst);
    if (!klasse) {
        uit.uitkomst = EImportUitkomst::KlasseOnleesbaar;
        return uit;
    }
    uit.klasse = *klasse;
    const std::pair<int, int32_t*> vlaggen[] = {{k.aktief, &uit.aktief},
                                                {k.standaardIndelen, &uit.standaardIndelen},
                                                {k.uitlotenToegestaan, &uit.uitlotenToegestaan}};
    for (const auto& [kolom, vlag] : vlaggen) {
        std::optional<int32_t> waarde = LeesVlag(Cel(rij, kolom));
        if (!waarde) {
            uit.uitkomst = EImportUitkomst::VlagOnleesbaar;
            return uit;
        }
        *vlag = *waarde;
    }
    return uit;
}

void KolomTekst(std::string& tekst, const char* wat, int kolom) {
    if (kolom >= 0) {
        tekst += Formatteer("%s%s %d", tekst.empty() ? "" : ", ", wat, kolom + 1);
    }
}

const char* JN(int32_t vlag) {
    return vlag ? "J" : "N";
}

std::string Klasse(const CImportRij& rij) {
    if (rij.uitkomst == EImportUitkomst::KlasseOnleesbaar || rij.klasse < 1) {
        return rij.klasseTekst;
    }
    return Formatteer("%s = %ld (%s)", rij.klasseTekst.c_str(), static_cast<long>(rij.klasse),
                      KlasseTekst(rij.klasse).c_str());
}

} // namespace

std::string CImportRij::UitkomstTekst() const {
    switch (uitkomst) {
    case EImportUitkomst::Nieuw:
        return Formatteer("nieuw, nummer %ld", static_cast<long>(volgnummer));
    case EImportUitkomst::BestaatAl:
        return "bestaat al: overgeslagen";
    case EImportUitkomst::DubbelInBestand:
        return "dubbel in het bestand: overgeslagen";
    case EImportUitkomst::NaamOntbreekt:
        return "naam ontbreekt: overgeslagen";
    case EImportUitkomst::NaamOngeldig:
        return "naam ongeldig: overgeslagen";
    case EImportUitkomst::KlasseOnleesbaar:
        return "klasse onleesbaar: overgeslagen";
    case EImportUitkomst::VlagOnleesbaar:
        return "vlag onleesbaar: overgeslagen";
    }
    return "";
}

size_t CLedenImport::AantalNieuw() const {
    size_t aantal = 0;
    for (const CImportRij& rij : rijen) {
        aantal += rij.Nieuw();
    }
    return aantal;
}

std::string CLedenImport::Samenvatting() const {
    std::string kolomTekst;
    KolomTekst(kolomTekst, "naam", kolommen.naam);
    KolomTekst(kolomTekst, "voornaam", kolommen.voornaam);
    KolomTekst(kolomTekst, "tussenvoegsel", kolommen.tussenvoegsel);
    KolomTekst(kolomTekst, "achternaam", kolommen.achternaam);
    KolomTekst(kolomTekst, "klasse", kolommen.klasse);
    KolomTekst(kolomTekst, "aktief", kolommen.aktief);
    KolomTekst(kolomTekst, "standaard indelen", kolommen.standaardIndelen);
    KolomTekst(kolomTekst, "uitloten toegestaan", kolommen.uitlotenToegestaan);
    return Formatteer("Scheidingsteken %s, tekenset %s, %s; kolommen: %s.",
                      ScheidingNaam(scheiding), CoderingNaam(codering),
                      kopregel ? "met kopregel" : "zonder kopregel", kolomTekst.c_str());
}

std::vector<std::string> ImportRijen(const CLedenImport& import) {
    std::vector<std::string> rijen;
    rijen.reserve(import.rijen.size());
    for (const CImportRij& rij : import.rijen) {
        const bool vlaggen = rij.uitkomst != EImportUitkomst::VlagOnleesbaar &&
                             rij.uitkomst != EImportUitkomst::KlasseOnleesbaar &&
                             rij.uitkomst != EImportUitkomst::NaamOntbreekt &&
                             rij.uitkomst != EImportUitkomst::NaamOngeldig;
        rijen.push_back(
            Formatteer("%d\t%s\t%s\t%s\t%s", rij.regel, rij.naam.c_str(), Klasse(rij).c_str(),
                       vlaggen ? Formatteer("%s %s %s", JN(rij.aktief), JN(rij.standaardIndelen),
                                            JN(rij.uitlotenToegestaan))
                                     .c_str()
                               : "",
                       rij.UitkomstTekst().c_str()));
    }
    return rijen;
}

int BekijkLedenlijst(std::string_view inhoud, const std::string& bron, const CSpelers& spelers,
                     CLedenImport& import) {
    import = CLedenImport{};
    const CCsvTabel tabel = LeesCsv(inhoud);
    import.codering = tabel.codering;
    import.scheiding = tabel.scheiding;
    if (!tabel.tekst) {
        Meld("Het bestand '" + bron + "' is geen ledenlijst: het bevat geen tekst.");
        return -1;
    }
    CImportKolommen& k = import.kolommen;
    import.kopregel = !tabel.rijen.empty() && KolommenUitKop(tabel.rijen.front(), k);
    if (!import.kopregel && tabel.rijen.size() > 1) {
        // A first row whose cell in the column of classes is no class names the columns too.
        CImportKolommen proef;
        KolommenUitInhoud(Inhoud(tabel.rijen, 1), proef);
        const std::string kop = Kaal(Cel(tabel.rijen.front(), proef.klasse));
        import.kopregel = proef.klasse >= 0 && !kop.empty() && !LeesKlasse(kop);
    }
    const size_t eerste = import.kopregel ? 1 : 0;
    if (tabel.rijen.size() <= eerste) {
        Meld("Het bestand '" + bron + "' bevat geen leden.");
        return -1;
    }
    KolommenUitInhoud(Inhoud(tabel.rijen, eerste), k);
    if (k.naam < 0 && k.achternaam < 0) {
        Meld("In het bestand '" + bron + "' is geen kolom met namen gevonden.");
        return -1;
    }
    if (k.klasse < 0) {
        Meld("In het bestand '" + bron +
             "' is geen kolom met klassen gevonden.\nGeef de klasse in tienden (125), als "
             "klasse (12,5) of als graad (3 kyu, 2 dan).");
        return -1;
    }
    std::unordered_set<std::string> bestaand;
    for (const CSpeler& speler : spelers) {
        bestaand.insert(KleineLetters(speler.naam));
    }
    std::unordered_set<std::string> nieuw;
    int32_t volgnummer = spelers.HoogsteNummer();
    for (size_t r = eerste; r < tabel.rijen.size(); ++r) {
        CImportRij rij = LeesRij(tabel.rijen[r], tabel.regels[r], k);
        const std::string sleutel = KleineLetters(rij.naam);
        if (rij.Nieuw() && bestaand.count(sleutel)) {
            rij.uitkomst = EImportUitkomst::BestaatAl;
        } else if (rij.Nieuw() && !nieuw.insert(sleutel).second) {
            rij.uitkomst = EImportUitkomst::DubbelInBestand;
        } else if (rij.Nieuw()) {
            rij.volgnummer = ++volgnummer;
        }
        import.rijen.push_back(std::move(rij));
    }
    return 0;
}

int LeesLedenlijst(const std::string& pad, const CSpelers& spelers, CLedenImport& import) {
    std::string inhoud;
    int fout = 0;
    switch (LeesGewoonBestand(pad, kMaxLedenlijst, inhoud, fout)) {
    case LeesUitkomst::Gelezen:
        return BekijkLedenlijst(inhoud, pad, spelers, import);
    case LeesUitkomst::Afwezig:
        Meld("Het bestand '" + pad + "' bestaat niet.");
        return -1;
    case LeesUitkomst::GeenBestand:
        Meld("'" + pad +
             "' is geen gewoon bestand (maar een map, apparaat of pijp) en wordt niet "
             "gelezen.");
        return -1;
    case LeesUitkomst::TeGroot:
        Meld(Formatteer("Het bestand '%s' is groter dan %zu MB en is dus geen ledenlijst.",
                        pad.c_str(), kMaxLedenlijst / (1024 * 1024)));
        return -1;
    case LeesUitkomst::Fout:
        break;
    }
    Meld("Het bestand '" + pad + "' kan niet gelezen worden, om de volgende reden:\r" +
         SysteemFoutTekst(fout));
    return -1;
}

CImportTelling VoegLedenToe(const CLedenImport& import, CSpelers& spelers) {
    CImportTelling telling;
    for (const CImportRij& rij : import.rijen) {
        std::string naam = rij.naam;
        if (rij.Nieuw() &&
            spelers.VoegToe(spelers.HoogsteNummer() + 1, naam, rij.klasse, rij.aktief,
                            rij.standaardIndelen, rij.uitlotenToegestaan) == 0) {
            ++telling.toegevoegd;
        } else {
            ++telling.overgeslagen;
        }
    }
    return telling;
}

std::string ImportSlotTekst(const CImportTelling& telling) {
    const std::string leden = Formatteer("%d %s toegevoegd", telling.toegevoegd,
                                         telling.toegevoegd == 1 ? "lid" : "leden");
    if (telling.overgeslagen == 0) {
        return leden + ".";
    }
    return Formatteer("%s, %d overgeslagen.", leden.c_str(), telling.overgeslagen);
}
