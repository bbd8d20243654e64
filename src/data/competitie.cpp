#include "data/competitie.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/platform.h"
#include "base/regellezer.h"
#include "base/witruimte.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

namespace {

constexpr int kHoogsteFormaat = 2;

bool IsKop(const std::string& regel, const char* naam) {
    // "[spelers" or "[ spelers", "[uitslag" or "[ uitslag", in any case.
    return BegintMetZonderHoofdletters(regel.c_str(), (std::string("[") + naam).c_str()) ||
           BegintMetZonderHoofdletters(regel.c_str(), (std::string("[ ") + naam).c_str());
}

// A line of the data file as the section readers want it: OEM converted, and
// for the "versie" layout with its white space normalised.
void Bewerk(std::string& regel, bool normaliseer) {
    OemNaarAnsiInPlaats(regel);
    if (normaliseer) {
        NormaliseerWitruimte(regel);
    }
}

// A line longer than a buffered reader takes is read whole here; saying so
// shows where a file was made or changed by something else.
void MeldLangeRegels(const std::string& inhoud, const std::string& pad) {
    CRegelLezer lezer(inhoud);
    std::string regel;
    while (lezer.VolgendeRegel(regel)) {
        if (lezer.TeLang()) {
            Meld(Formatteer("Regel %d van de datafile '%s' is langer dan %zu tekens; hij is als "
                            "\xE9\xE9n regel gelezen.",
                            lezer.RegelNummer(), pad.c_str(), CRegelLezer::kLangsteRegel));
        }
    }
}

} // namespace

int CCompetitie::Lees() {
    spelers.Clear();
    rondes.Clear();
    if (datafile.empty()) {
        return -1;
    }
    std::string inhoud;
    int fout = 0;
    if (!LeesBestand(datafile, inhoud, fout)) {
        Meld(Formatteer("CMorvelApp::Lees()\nDe datafile '%s' kan niet geopend worden!\nDe reden: "
                        "'%s'",
                        datafile.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    MeldLangeRegels(inhoud, datafile);
    CRegelLezer lezer(inhoud);
    std::string eerste;
    if (!lezer.VolgendeRegel(eerste)) {
        return -1;
    }
    NormaliseerWitruimte(eerste);
    formaat_ = 0;
    if (BegintMetZonderHoofdletters(eerste.c_str(), "versie")) {
        const char* p = eerste.c_str();
        while (*p && !IsCijfer(*p)) {
            ++p;
        }
        LeesGetal(p, formaat_);
        if (formaat_ == 1) {
            formaat_ = 2;
        }
        if (formaat_ > kHoogsteFormaat) {
            Meld(Formatteer(
                "Om deze data bestanden te kunnen lezen, dient u versie %d (of hoger) van "
                "dit programma te gebruiken",
                formaat_));
            gewijzigd_ = false;
            return -1;
        }
        LeesFormaat2(lezer);
    } else {
        LeesFormaat0(lezer);
    }
    gewijzigd_ = false;
    spelers.WisGewijzigd();
    rondes.WisGewijzigd();
    return 0;
}

void CCompetitie::LeesFormaat2(CRegelLezer& lezer) {
    std::string regel;
    bool gevonden = false;
    while (!gevonden && lezer.VolgendeRegel(regel)) {
        Bewerk(regel, true);
        gevonden = IsKop(regel, "spelers");
    }
    if (!gevonden) {
        return;
    }
    bool sectieEinde = false;
    while (lezer.VolgendeRegel(regel)) {
        Bewerk(regel, true);
        if (regel.empty()) {
            continue;
        }
        if (regel[0] == '[' || regel[0] == '{') {
            sectieEinde = true;
            break;
        }
        spelers.VoegToe(regel, formaat_);
    }
    if (!sectieEinde) {
        return;
    }
    // From the line that ended the players, look for the results header. The
    // lines passed over are lost at the next write, so they are reported.
    int nietGelezen = 0;
    bool kop = IsKop(regel, "uitslag");
    while (!kop) {
        nietGelezen += regel.empty() ? 0 : 1;
        if (!lezer.VolgendeRegel(regel)) {
            break;
        }
        Bewerk(regel, true);
        kop = IsKop(regel, "uitslag");
    }
    if (nietGelezen > 0) {
        std::string aantal = nietGelezen == 1 ? "1 regel" : Formatteer("%d regels", nietGelezen);
        Meld(kop ? Formatteer("De datafile '%s' bevat %s tussen de spelers en de kop "
                              "[Uitslagen]; die zijn niet gelezen.",
                              datafile.c_str(), aantal.c_str())
                 : Formatteer("De datafile '%s' heeft geen kop [Uitslagen]; %s na de spelers "
                              "zijn niet gelezen.",
                              datafile.c_str(), aantal.c_str()));
    }
    if (!kop) {
        return;
    }
    while (lezer.VolgendeRegel(regel)) {
        Bewerk(regel, true);
        if (!regel.empty()) {
            rondes.VoegToe(regel, formaat_);
        }
    }
}

void CCompetitie::LeesFormaat0(CRegelLezer& lezer) {
    std::string regel;
    lezer.VolgendeRegel(regel); // the empty line after the header
    while (lezer.VolgendeRegel(regel)) {
        Bewerk(regel, false);
        if (regel.empty() || regel[0] == '\r' || regel[0] == '\n' || regel[0] == '\0') {
            break;
        }
        spelers.VoegToe(regel, 0);
    }
    while (lezer.VolgendeRegel(regel)) {
        Bewerk(regel, false);
        rondes.VoegToe(regel, 0);
    }
}

int CCompetitie::Schrijf() {
    if (!IsGewijzigd()) {
        return 0;
    }
    if (formaat_ != 0 && formaat_ != 2) {
        Meld("CMorvelApp::Schrijf\nInterne programma fout: Het formaat is onbekend.");
        return -1;
    }
    int fout = 0;
    if (datafile.empty() || !SchrijfBestandVeilig(datafile, Inhoud(), fout)) {
        Meld(Formatteer("CMorvelApp::Schrijf()\nDe datafile '%s' kan niet geopend worden!",
                        datafile.c_str()));
        return -1;
    }
    if (naSchrijven) {
        naSchrijven(datafile);
    }
    gewijzigd_ = false;
    spelers.WisGewijzigd();
    rondes.WisGewijzigd();
    return 0;
}

int CCompetitie::SchrijfKopie(const std::string& pad, int& fout) const {
    if (formaat_ != 0 && formaat_ != 2) {
        fout = EINVAL;
        return -1;
    }
    return SchrijfBestandVeilig(pad, Inhoud(), fout) ? 0 : -1;
}

std::string CCompetitie::Inhoud() const {
    std::vector<std::string> regels;
    if (formaat_ == 0) {
        regels.emplace_back("Brom' implementatie");
        regels.emplace_back("");
        spelers.SchrijfLijst(regels, 0);
        regels.emplace_back("");
        rondes.SchrijfLijst(regels, 0);
    } else {
        regels.push_back(Formatteer("versie=%d", 2));
        regels.emplace_back("");
        regels.emplace_back("[Spelers]");
        spelers.SchrijfLijst(regels, 2);
        regels.emplace_back("");
        regels.emplace_back("[Uitslagen]");
        rondes.SchrijfLijst(regels, 2);
    }
    std::string inhoud;
    for (std::string& regel : regels) {
        AnsiNaarOemInPlaats(regel);
        inhoud += regel;
        inhoud += "\r\n";
    }
    return inhoud;
}

void CCompetitie::SetFormaat(int f) {
    if (f < 0 || f > kHoogsteFormaat) {
        Meld("CMorvelApp::SetFormaat\nInterne programma fout: onbekend formaat");
        return;
    }
    if (f <= formaat_) {
        return;
    }
    formaat_ = f == 1 ? 2 : f;
    gewijzigd_ = true;
}
