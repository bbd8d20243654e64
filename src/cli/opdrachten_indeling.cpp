// The pairing of the next round from the command line, made and published as
// the pairing window does it.

#include "app/indelingslijst.h"
#include "app/morvelapp.h"
#include "app/publiceren.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "cli/opdrachtwaarden.h"
#include "pairing/indelingzoeker.h"
#include "pairing/zoekvoortgang.h"

#include <limits>
#include <optional>
#include <set>
#include <utility>

namespace {

constexpr int32_t kStandaardSeconden = 10;

using CNummerPaar = std::pair<int32_t, int32_t>;

// Progress without a window: a search without an end (no bar) and the full
// search, whose count grows beyond any wait with the number of players, are
// stopped after the time limit with the best pairing found so far.
class CTijdslimiet : public CZoekVoortgang {
public:
    explicit CTijdslimiet(int64_t limietMs) : limietMs_(limietMs) {}

    void ZetBereik(double laag, double hoog) override {
        CZoekVoortgang::ZetBereik(laag, hoog);
        begin_ = NuMs();
        volledigGestopt_ = false;
    }
    void ZetTitel(const std::string& titel) override {
        CZoekVoortgang::ZetTitel(titel);
        volledig_ = titel == kTitelVolledig;
    }
    // The full search was stopped by the limit before it tried every pairing.
    bool VolledigGestopt() const { return volledigGestopt_; }

protected:
    void Controleer() override {
        if ((!HeeftBalk() || volledig_) && NuMs() - begin_ >= limietMs_) {
            volledigGestopt_ = volledig_;
            VraagStop();
        }
    }

private:
    int64_t limietMs_;
    int64_t begin_ = NuMs();
    bool volledig_ = false;
    bool volledigGestopt_ = false;
};

// The options of the command, read before anything is opened.
struct CIndelingKeuzes {
    std::optional<std::vector<int32_t>> deelnemers;
    std::vector<CNummerPaar> geblokkeerd;
    std::vector<CNummerPaar> vast;
    std::optional<uint32_t> zaad;
    EZoekMethode methode = EZoekMethode::Parameters; // --methode overrides the profile
    int32_t seconden = kStandaardSeconden;
    bool log = false;
    bool publiceer = false; // write "indeling.inc" as its mode asks
    bool alle = false;      // ... and also when its mode is 0
};

// Decimal digits within the range of a seed (0 to 2^32 - 1).
bool LeesZaad(const std::string& tekst, uint32_t& zaad) {
    uint64_t getal = 0;
    for (char c : tekst) {
        if (c < '0' || c > '9') {
            return false;
        }
        getal = getal * 10 + static_cast<uint64_t>(c - '0');
        if (getal > std::numeric_limits<uint32_t>::max()) {
            return false;
        }
    }
    zaad = static_cast<uint32_t>(getal);
    return !tekst.empty();
}

bool LeesMethode(const std::string& tekst, EZoekMethode& methode) {
    static constexpr std::pair<const char*, EZoekMethode> kMethoden[] = {
        {"volledig", EZoekMethode::Volledig},
        {"random", EZoekMethode::Random},
        {"exact", EZoekMethode::Exact}};
    for (auto [naam, waarde] : kMethoden) {
        if (tekst == naam) {
            methode = waarde;
            return true;
        }
    }
    return false;
}

// Reads the options; returns 0, or the exit status of a usage error.
int LeesKeuzes(const CArgumenten& argumenten, CIndelingKeuzes& keuzes) {
    if (argumenten.Heeft("--deelnemers")) {
        keuzes.deelnemers.emplace();
        std::string woord;
        if (!LeesNummerLijst(argumenten.Waarde("--deelnemers"), *keuzes.deelnemers, woord)) {
            return Gebruiksfout("Het spelersnummer '" + woord + "' is geen geheel getal.");
        }
    }
    for (auto [optie, paren] :
         {std::pair{"--blokkeer", &keuzes.geblokkeerd}, std::pair{"--vast", &keuzes.vast}}) {
        for (const std::string& tekst : argumenten.Waarden(optie)) {
            CNummerPaar paar;
            if (!LeesNummerPaar(tekst, paar.first, paar.second)) {
                return Gebruiksfout(
                    Formatteer("De optie %s verwacht twee spelersnummers, zoals 3-7; "
                               "'%s' is dat niet.",
                               optie, tekst.c_str()));
            }
            paren->push_back(paar);
        }
    }
    if (argumenten.Heeft("--zaad")) {
        std::string tekst = argumenten.Waarde("--zaad");
        uint32_t zaad = 0;
        if (!LeesZaad(tekst, zaad)) {
            return Gebruiksfout("Het zaad '" + tekst +
                                "' is geen geheel getal van 0 tot en met 4294967295.");
        }
        keuzes.zaad = zaad;
    }
    if (argumenten.Heeft("--methode")) {
        std::string tekst = argumenten.Waarde("--methode");
        if (!LeesMethode(tekst, keuzes.methode)) {
            return Gebruiksfout("De methode '" + tekst + "' is niet volledig, random of exact.");
        }
    }
    if (argumenten.Heeft("--seconden")) {
        std::string tekst = argumenten.Waarde("--seconden");
        if (!LeesGeheelGetal(tekst, keuzes.seconden) || keuzes.seconden < 1) {
            return Gebruiksfout("Het aantal seconden '" + tekst +
                                "' is geen geheel getal van minstens 1.");
        }
    }
    keuzes.log = argumenten.Heeft("--log");
    keuzes.publiceer = argumenten.Heeft("--publiceer");
    keuzes.alle = argumenten.Heeft("--alle");
    if (keuzes.alle && !keuzes.publiceer) {
        return Gebruiksfout("De optie --alle hoort bij --publiceer.");
    }
    return 0;
}

// Checks the numbers against the register; false after a message.
bool ControleerSpelers(const CSpelers& spelers, const CIndelingKeuzes& keuzes) {
    std::vector<int32_t> alle = keuzes.deelnemers.value_or(std::vector<int32_t>{});
    for (const auto* paren : {&keuzes.geblokkeerd, &keuzes.vast}) {
        for (auto [een, twee] : *paren) {
            alle.push_back(een);
            alle.push_back(twee);
        }
    }
    for (int32_t nummer : alle) {
        if (!spelers.Bestaat(nummer, true)) {
            return false;
        }
    }
    std::set<int32_t> inVastPaar;
    for (const auto* paren : {&keuzes.geblokkeerd, &keuzes.vast}) {
        for (auto [een, twee] : *paren) {
            if (een == twee) {
                Meld("Speler " + spelers.Zoek(een)->naam + " kan niet tegen zichzelf spelen.");
                return false;
            }
        }
    }
    for (auto [een, twee] : keuzes.vast) {
        for (int32_t nummer : {een, twee}) {
            if (!inVastPaar.insert(nummer).second) {
                Meld("Speler " + spelers.Zoek(nummer)->naam + " staat in meer dan een vast paar.");
                return false;
            }
        }
    }
    return true;
}

} // namespace

int OpdrachtIndeling(const CArgumenten& argumenten) {
    return OpdrachtIndelingNaar(argumenten, NaarStandaardUitvoer);
}

int OpdrachtIndelingNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer) {
    CIndelingKeuzes keuzes;
    if (int fout = LeesKeuzes(argumenten, keuzes); fout != 0) {
        return fout;
    }
    return MetCompetitie(argumenten, [&](CMorvelApp& app) {
        CSpelers& spelers = app.competitie.spelers;
        if (!ControleerSpelers(spelers, keuzes)) {
            return kGemeld;
        }
        // Publishing writes beside the data file: not while another program has it open.
        if (keuzes.publiceer && app.NeemSlot() != 0) {
            return kGemeld;
        }
        // The pairs that are always blocked, as the pairing window shows them.
        app.LeesBlokkades();
        CIndelingsLijst lijst(app);
        if (keuzes.deelnemers) {
            for (CSpeler& s : spelers) {
                s.meedoen = 0;
            }
            for (int32_t nummer : *keuzes.deelnemers) {
                spelers.Zoek(nummer)->meedoen = 1;
            }
        }
        for (auto [een, twee] : keuzes.vast) {
            lijst.MaakVast(*spelers.Zoek(een), *spelers.Zoek(twee));
        }
        for (auto [een, twee] : keuzes.geblokkeerd) {
            lijst.Blokkeer(*spelers.Zoek(een), *spelers.Zoek(twee));
        }

        CTijdslimiet voortgang(int64_t{keuzes.seconden} * 1000);
        if (lijst.Genereer(voortgang, keuzes.zaad.value_or(TijdZaad()), keuzes.methode) != 0) {
            return kGemeld;
        }
        if (voortgang.VolledigGestopt()) {
            Meld(Formatteer("De volledige indeling is na %d %s gestopt, voordat alle "
                            "indelingen geprobeerd waren; dit is de beste indeling tot dan. "
                            "Geef meer tijd met --seconden, of kies --methode exact.",
                            keuzes.seconden, keuzes.seconden == 1 ? "seconde" : "seconden"));
        }
        // Without the results and the standings: the pairing sheet with its header.
        std::string uit;
        lijst.Publiceer(CAfdrukKeuzes{}, uit);
        if (keuzes.log) {
            uit += '\n';
            for (const std::string& regel : lijst.Log().Regels()) {
                uit += regel + '\n';
            }
        }
        if (int status = uitvoer(app, uit); status != kGelukt) {
            return status;
        }
        if (keuzes.publiceer) {
            CMeldingTeller teller;
            PubliceerIndeling(app, keuzes.alle);
            if (teller.aantal != 0) {
                return kGemeld;
            }
        }
        return kGelukt;
    });
}
