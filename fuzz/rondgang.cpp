#include "rondgang.h"

#include "app/competitieslot.h"
#include "app/ledenimport.h"
#include "base/eigenbestand.h"
#include "base/formatteer.h"
#include "data/competitie.h"
#include "data/geschiedenis.h"
#include "pairing/blijvendeblokkades.h"
#include "pairing/indelingsbestand.h"
#include "settings/profiel.h"
#include "settings/settings.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

// `tekst` in brackets, with every byte outside printable ASCII as \xNN.
std::string Zichtbaar(const std::string& tekst) {
    std::string uit = "[";
    for (char c : tekst) {
        auto u = static_cast<unsigned char>(c);
        uit += (u >= 0x20 && u < 0x7F && c != '\\') ? std::string(1, c) : Formatteer("\\x%02X", u);
    }
    return uit + "]";
}

// Everything a data file holds of a competition, one line per record.
std::string Beschrijf(const CCompetitie& competitie) {
    std::ostringstream uit;
    uit << "formaat " << competitie.Formaat() << "\n";
    for (const CSpeler& s : competitie.spelers) {
        uit << "speler " << s.volgnummer << " " << Zichtbaar(s.naam) << " " << s.beginKlasse << " "
            << s.aktief << s.standaardIndelen << s.uitlotenToegestaan << "\n";
    }
    for (const auto& ronde : competitie.rondes) {
        uit << "ronde " << Zichtbaar(ronde->identificatie) << "\n";
        for (const CUitslag& u : ronde->Uitslagen()) {
            uit << "  uitslag " << u.soort << " " << u.speler1 << " " << u.speler2 << " "
                << Zichtbaar(std::string(1, u.resultaat)) << " " << u.nieuweKlasse << "\n";
        }
        for (const std::string& regel : ronde->Commentaar()) {
            uit << "  commentaar " << Zichtbaar(regel) << "\n";
        }
    }
    return uit.str();
}

// The first line where `a` and `b` differ, for the report.
std::string Verschil(const std::string& a, const std::string& b) {
    std::istringstream ina(a);
    std::istringstream inb(b);
    std::string ra;
    std::string rb;
    for (int regel = 1;; ++regel) {
        bool meerA = static_cast<bool>(std::getline(ina, ra));
        bool meerB = static_cast<bool>(std::getline(inb, rb));
        if (!meerA && !meerB) {
            return "";
        }
        if (!meerA || !meerB || ra != rb) {
            return Formatteer("line %d: %s\n    then: %s", regel, meerA ? ra.c_str() : "(none)",
                              meerB ? rb.c_str() : "(none)");
        }
    }
}

// The settings that a profile gives, one line per setting.
std::string Beschrijf(const CSettings& s) {
    std::ostringstream uit;
#define MORVEL_BESCHRIJF_TEKST(naam, sectie, sleutel, standaard)                                   \
    uit << #naam << " " << Zichtbaar(s.naam()) << "\n";
#define MORVEL_BESCHRIJF_GETAL(naam, sectie, sleutel, standaard)                                   \
    uit << #naam << " " << s.naam() << "\n";
    MORVEL_INSTELLINGEN(MORVEL_BESCHRIJF_TEKST, MORVEL_BESCHRIJF_GETAL)
#undef MORVEL_BESCHRIJF_TEKST
#undef MORVEL_BESCHRIJF_GETAL
    uit << "Puntenformule " << Zichtbaar(s.PuntenformuleTekst()) << " " << s.Middelen() << "\n";
    uit << "KlasseNaWinst " << Zichtbaar(s.KlasseNaWinstTekst()) << "\n";
    uit << "KlasseNaVerlies " << Zichtbaar(s.KlasseNaVerliesTekst()) << "\n";
    uit << "KlasseNaJigo " << Zichtbaar(s.KlasseNaJigoTekst()) << "\n";
    return uit.str();
}

// The profile `inhoud` without the value of its password, which a write
// scrambles anew each time, as text for comparing.
std::string ZonderWachtwoord(const std::string& inhoud) {
    std::istringstream in(inhoud);
    std::string uit;
    std::string regel;
    while (std::getline(in, regel)) {
        uit += regel.rfind("Wachtwoord=", 0) == 0 ? "Wachtwoord=..." : regel;
        uit += '\n';
    }
    return uit;
}

// Read, write, read for a file of our own of kind `kop`, whose reader fills a `T`.
template <typename T, typename Lees, typename Schrijf>
std::string EigenBestandRondgangFout(const std::string& inhoud, const char* kop, Lees lees,
                                     Schrijf schrijf) {
    std::vector<CEigenRegel> regels;
    std::string fout;
    T eerste;
    if (!SplitsEigenBestand(inhoud, kop, regels) || lees(regels, eerste, fout) != 0) {
        return "";
    }
    std::string geschreven = schrijf(eerste);
    T tweede;
    if (!SplitsEigenBestand(geschreven, kop, regels) || lees(regels, tweede, fout) != 0) {
        return "the written file is not read: " + fout;
    }
    if (!(eerste == tweede)) {
        return "read, write, read changed what the file holds";
    }
    std::string opnieuw = schrijf(tweede);
    return opnieuw == geschreven
               ? ""
               : "a second write gives other bytes at " + Verschil(geschreven, opnieuw);
}

} // namespace

std::string IndelingsBestandRondgangFout(const std::string& inhoud) {
    return EigenBestandRondgangFout<CIndeling>(inhoud, kIndelingsBestandKop, LeesIndelingsBestand,
                                               IndelingsBestandTekst);
}

std::string BlokkadeBestandRondgangFout(const std::string& inhoud) {
    return EigenBestandRondgangFout<CBlijvendeBlokkades>(inhoud, kBlokkadeBestandKop,
                                                         LeesBlokkadeBestand, BlokkadeBestandTekst);
}

std::string DataFileRondgangFout(const std::string& inhoud) {
    CCompetitie eerste;
    eerste.datafile = "rondgang.txt";
    if (eerste.LeesInhoud(inhoud) != 0) {
        return "";
    }
    std::string geschreven = eerste.Inhoud();
    CCompetitie tweede;
    tweede.datafile = "rondgang.txt";
    if (tweede.LeesInhoud(geschreven) != 0) {
        return "the written file is not read";
    }
    if (tweede.OnleesbareRegels() != 0) {
        return Formatteer("the written file has %d lines that are not read",
                          tweede.OnleesbareRegels());
    }
    std::string verschil = Verschil(Beschrijf(eerste), Beschrijf(tweede));
    if (!verschil.empty()) {
        return "read, write, read changed the competition at " + verschil;
    }
    std::string opnieuw = tweede.Inhoud();
    if (opnieuw != geschreven) {
        return "a second write gives other bytes at " + Verschil(geschreven, opnieuw);
    }
    return "";
}

std::string ProfielRondgangFout(const std::string& inhoud) {
    CProfiel eerste("rondgang.ini");
    if (eerste.LeesInhoud(inhoud) != 0) {
        return "";
    }
    CSettings gelezen(eerste);
    gelezen.SchrijfIn(eerste);
    std::string geschreven = eerste.Inhoud();
    CProfiel tweede("rondgang.ini");
    if (tweede.LeesInhoud(geschreven) != 0) {
        return "the written profile is refused";
    }
    CSettings opnieuw(tweede);
    std::string verschil = Verschil(Beschrijf(gelezen), Beschrijf(opnieuw));
    if (!verschil.empty()) {
        return "read, write, read changed the settings at " + verschil;
    }
    opnieuw.SchrijfIn(tweede);
    std::string a = ZonderWachtwoord(geschreven);
    std::string b = ZonderWachtwoord(tweede.Inhoud());
    if (a != b) {
        return "a second write gives other bytes at " + Verschil(a, b);
    }
    return "";
}

std::string LedenlijstImportFout(const std::string& inhoud) {
    CCompetitie competitie;
    competitie.datafile = "import.txt";
    // The layout of a new competition; the old one keeps no flags of an inactive player.
    competitie.SetFormaat(2);
    CLedenImport import;
    if (BekijkLedenlijst(inhoud, "import.csv", competitie.spelers, import) != 0) {
        return "";
    }
    CStilleMelder stil;
    const CImportTelling telling = VoegLedenToe(import, competitie.spelers);
    if (stil.aantal != 0 || telling.toegevoegd != static_cast<int>(import.AantalNieuw())) {
        return Formatteer("the register added %d of %zu new rows, with %d messages",
                          telling.toegevoegd, import.AantalNieuw(), stil.aantal);
    }
    std::string verwacht;
    for (const CImportRij& rij : import.rijen) {
        if (rij.Nieuw()) {
            verwacht +=
                Formatteer("speler %ld %s %ld %ld%ld%ld\n", static_cast<long>(rij.volgnummer),
                           Zichtbaar(rij.naam).c_str(), static_cast<long>(rij.klasse),
                           static_cast<long>(rij.aktief), static_cast<long>(rij.standaardIndelen),
                           static_cast<long>(rij.uitlotenToegestaan));
        }
    }
    const std::string geschreven = competitie.Inhoud();
    CCompetitie terug;
    terug.datafile = "import.txt";
    if (terug.LeesInhoud(geschreven) != 0 || terug.OnleesbareRegels() != 0) {
        return "the data file written with the members is not read whole";
    }
    std::string gelezen = Beschrijf(terug);
    gelezen = gelezen.substr(gelezen.find('\n') + 1); // without the format
    const std::string verschil = Verschil(verwacht, gelezen);
    if (!verschil.empty()) {
        return "the members added are not the members read back, at " + verschil;
    }
    return DataFileRondgangFout(geschreven);
}

int FuzzRondgang(const uint8_t* data, size_t size, std::string (*controle)(const std::string&),
                 const char* wat) {
    CStilleMelder stil;
    std::string fout = controle(std::string(reinterpret_cast<const char*>(data), size));
    if (!fout.empty()) {
        std::fprintf(stderr, "%s round trip: %s\n", wat, fout.c_str());
        std::abort();
    }
    return 0;
}

std::string SlotRondgangFout(const std::string& inhoud) {
    CSlotHouder eerste;
    if (!LeesSlotTekst(inhoud, eerste)) {
        return "";
    }
    const std::string geschreven = SlotTekst(eerste);
    CSlotHouder tweede;
    if (!LeesSlotTekst(geschreven, tweede)) {
        return "the written lock is refused: " + Zichtbaar(geschreven);
    }
    if (!(eerste == tweede)) {
        return "read, write, read changed the lock: " + Zichtbaar(geschreven);
    }
    if (SlotTekst(tweede) != geschreven) {
        return "a second write gives other bytes: " + Zichtbaar(SlotTekst(tweede));
    }
    return "";
}

std::string GeneratieNaamRondgangFout(const std::string& naam) {
    int64_t tijd = 0;
    int volgnummer = 0;
    if (!LeesGeneratieNaam(naam, tijd, volgnummer)) {
        return "";
    }
    if (GeneratieNaam(tijd, volgnummer) != naam) {
        return "read as another name: " + Zichtbaar(GeneratieNaam(tijd, volgnummer));
    }
    int64_t weer = 0;
    int nummer = 0;
    if (!LeesGeneratieNaam(GeneratieNaam(tijd, volgnummer), weer, nummer) || weer != tijd ||
        nummer != volgnummer) {
        return "the name Morvel gives does not read back";
    }
    return "";
}
