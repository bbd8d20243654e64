#include "data/competitie.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/getal.h"
#include "base/melding.h"
#include "base/platform.h"
#include "base/regellezer.h"
#include "base/witruimte.h"
#include "data/geschiedenis.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string_view>
#include <vector>

namespace {

constexpr int kHoogsteFormaat = 2;

bool IsKop(const std::string& regel, const char* naam) {
    // "[spelers" or "[ spelers", "[uitslag" or "[ uitslag", in any case.
    return BegintMetZonderHoofdletters(regel.c_str(), (std::string("[") + naam).c_str()) ||
           BegintMetZonderHoofdletters(regel.c_str(), (std::string("[ ") + naam).c_str());
}

// A line that holds nothing but white space: refusing it loses nothing.
bool IsLeeg(const std::string& regel) {
    return std::all_of(regel.begin(), regel.end(), [](char c) { return IsWitruimte(c); });
}

// "1 regel" or "N regels".
std::string Regels(int aantal) {
    return aantal == 1 ? "1 regel" : Formatteer("%d regels", aantal);
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

// The whole file `pad`; false after a message when it cannot be read.
bool LeesOfMeld(const std::string& pad, std::string& inhoud) {
    int fout = 0;
    if (LeesBestand(pad, inhoud, fout)) {
        return true;
    }
    Meld(Formatteer("CMorvelApp::Lees()\nDe datafile '%s' kan niet geopend worden!\nDe reden: '%s'",
                    pad.c_str(), SysteemFoutTekst(fout).c_str()));
    return false;
}

} // namespace

// The lines of one read of a data file, handed to the section readers, with
// what the read found on the way.
class CLeesStand {
public:
    CLeesStand(const std::string& inhoud, const std::string& pad) : lezer_(inhoud), pad_(pad) {}
    ~CLeesStand() { MeldStuurtekens(); }
    CLeesStand(const CLeesStand&) = delete;
    CLeesStand& operator=(const CLeesStand&) = delete;

    // The next line as it stands in the file, with its line feed.
    bool Volgende(std::string& regel) { return lezer_.VolgendeRegel(regel); }
    // The line last handed out as the section readers want it: control
    // characters blanked, OEM converted, and for the "versie" layout with its
    // white space normalised.
    void Bewerk(std::string& regel, bool normaliseer) {
        bool gevonden = false;
        for (char& c : regel) {
            if (IsStuurteken(c)) {
                c = ' ';
                gevonden = true;
            }
        }
        if (gevonden) {
            stuurtekens_.push_back(lezer_.RegelNummer());
        }
        OemNaarAnsiInPlaats(regel);
        if (normaliseer) {
            NormaliseerWitruimte(regel);
        }
    }
    const std::string& Pad() const { return pad_; }

private:
    // One message for all lines with control characters, naming the first ten.
    void MeldStuurtekens() const {
        if (stuurtekens_.empty()) {
            return;
        }
        constexpr size_t kGenoemd = 10;
        std::string nummers;
        for (size_t i = 0; i < stuurtekens_.size() && i < kGenoemd; ++i) {
            nummers += (i == 0 ? "" : ", ") + std::to_string(stuurtekens_[i]);
        }
        if (stuurtekens_.size() > kGenoemd) {
            nummers += Formatteer(" en nog %zu andere", stuurtekens_.size() - kGenoemd);
        }
        Meld(Formatteer("De datafile '%s' bevat stuurtekens (zoals NUL) in regel %s; die zijn "
                        "als spatie gelezen en de rest van de regel is bewaard.",
                        pad_.c_str(), nummers.c_str()));
    }

    CRegelLezer lezer_;
    const std::string& pad_;
    std::vector<int> stuurtekens_;
};

CCompetitie::~CCompetitie() {
    if (schrijfFoutGemeld_) {
        spelers.WisGewijzigd();
        rondes.WisGewijzigd();
    }
}

CCompetitie::CBestandsStaat CCompetitie::Staat(const std::string& pad, bool bestaat,
                                               const std::string& inhoud) {
    CBestandsStaat staat;
    staat.pad = pad;
    staat.bestaat = bestaat;
    if (bestaat) {
        staat.grootte = static_cast<int64_t>(inhoud.size());
        staat.hash = std::hash<std::string_view>{}(inhoud);
    }
    return staat;
}

int CCompetitie::Lees() {
    spelers.Clear();
    rondes.Clear();
    onleesbaar_ = 0;
    gelezen_ = {};
    if (datafile.empty()) {
        return -1;
    }
    std::string inhoud;
    if (!LeesOfMeld(datafile, inhoud)) {
        return -1;
    }
    gelezen_ = Staat(datafile, true, inhoud);
    return LeesInhoud(inhoud, datafile);
}

int CCompetitie::LeesKopie(const std::string& pad) {
    spelers.Clear();
    rondes.Clear();
    onleesbaar_ = 0;
    std::string inhoud;
    if (!LeesOfMeld(pad, inhoud)) {
        return -1;
    }
    return LeesInhoud(inhoud, pad);
}

int CCompetitie::LeesInhoud(const std::string& inhoud) {
    return LeesInhoud(inhoud, datafile);
}

int CCompetitie::LeesInhoud(const std::string& inhoud, const std::string& pad) {
    spelers.Clear();
    rondes.Clear();
    onleesbaar_ = 0;
    schrijfFoutGemeld_ = false;
    MeldLangeRegels(inhoud, pad);
    CLeesStand stand(inhoud, pad);
    std::string eerste;
    if (!stand.Volgende(eerste)) {
        return -1;
    }
    stand.Bewerk(eerste, true);
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
        LeesFormaat2(stand);
    } else {
        LeesFormaat0(stand);
    }
    gewijzigd_ = false;
    spelers.WisGewijzigd();
    rondes.WisGewijzigd();
    VerhoogFormaatVoorNummers(pad);
    return 0;
}

void CCompetitie::LeesFormaat2(CLeesStand& stand) {
    std::string regel;
    bool gevonden = false;
    int nietGelezen = 0;
    while (!gevonden && stand.Volgende(regel)) {
        stand.Bewerk(regel, true);
        gevonden = IsKop(regel, "spelers");
        nietGelezen += gevonden || regel.empty() ? 0 : 1;
    }
    // Lines before the header are passed over as a header of their own; a
    // file without it has nothing of a competition that was read.
    if (!gevonden && nietGelezen > 0) {
        onleesbaar_ += nietGelezen;
        Meld(Formatteer("De datafile '%s' heeft geen kop [Spelers]; niet gelezen: %s.",
                        stand.Pad().c_str(), Regels(nietGelezen).c_str()));
    }
    if (!gevonden) {
        return;
    }
    bool sectieEinde = false;
    while (stand.Volgende(regel)) {
        stand.Bewerk(regel, true);
        if (regel.empty()) {
            continue;
        }
        if (regel[0] == '[' || regel[0] == '{') {
            sectieEinde = true;
            break;
        }
        if (spelers.VoegToe(regel, formaat_) != 0) {
            ++onleesbaar_;
        }
    }
    if (!sectieEinde) {
        return;
    }
    // From the line that ended the players, look for the results header. The
    // lines passed over are lost at the next write, so they are reported.
    nietGelezen = 0;
    bool kop = IsKop(regel, "uitslag");
    while (!kop) {
        nietGelezen += regel.empty() ? 0 : 1;
        if (!stand.Volgende(regel)) {
            break;
        }
        stand.Bewerk(regel, true);
        kop = IsKop(regel, "uitslag");
    }
    if (nietGelezen > 0) {
        onleesbaar_ += nietGelezen;
        Meld(kop ? Formatteer("De datafile '%s' bevat %s tussen de spelers en de kop "
                              "[Uitslagen]; die zijn niet gelezen.",
                              stand.Pad().c_str(), Regels(nietGelezen).c_str())
                 : Formatteer("De datafile '%s' heeft geen kop [Uitslagen]; %s na de spelers "
                              "zijn niet gelezen.",
                              stand.Pad().c_str(), Regels(nietGelezen).c_str()));
    }
    if (!kop) {
        return;
    }
    while (stand.Volgende(regel)) {
        stand.Bewerk(regel, true);
        if (!regel.empty() && rondes.VoegToe(regel, formaat_) != 0) {
            ++onleesbaar_;
        }
    }
}

void CCompetitie::LeesFormaat0(CLeesStand& stand) {
    std::string regel;
    stand.Volgende(regel); // the empty line after the header
    while (stand.Volgende(regel)) {
        // An empty line ends the players, judged as the line stands in the file.
        if (regel.empty() || regel[0] == '\r' || regel[0] == '\n' || regel[0] == '\0') {
            break;
        }
        stand.Bewerk(regel, false);
        if (spelers.VoegToe(regel, 0) != 0 && !IsLeeg(regel)) {
            ++onleesbaar_;
        }
    }
    while (stand.Volgende(regel)) {
        stand.Bewerk(regel, false);
        if (rondes.VoegToe(regel, 0) != 0 && !IsLeeg(regel)) {
            ++onleesbaar_;
        }
    }
}

void CCompetitie::VerhoogFormaatVoorNummers(const std::string& pad) {
    constexpr int32_t kHoogsteNummerFormaat0 = 99; // two digits in the old layout
    if (formaat_ != 0 || spelers.HoogsteNummer() <= kHoogsteNummerFormaat0) {
        return;
    }
    SetFormaat(2);
    Meld(Formatteer("De datafile '%s' heeft spelers met een nummer boven %d, dat het oude "
                    "formaat niet kan bevatten. Hij wordt bij de volgende keer opslaan in het "
                    "nieuwe formaat (versie=2) geschreven, zodat er geen partij verloren gaat.",
                    pad.c_str(), kHoogsteNummerFormaat0));
}

void CCompetitie::VerhoogFormaatVoorRondes() {
    if (formaat_ != 0 || rondes.PastInOudFormaat()) {
        return;
    }
    SetFormaat(2);
    Meld(Formatteer("De competitie '%s' bevat klasse-instellingen, partijen zonder uitslag of "
                    "commentaarregels, die het oude formaat niet kan bevatten. De datafile wordt "
                    "daarom in het nieuwe formaat (versie=2) geschreven, zodat er niets verloren "
                    "gaat.",
                    datafile.c_str()));
}

int CCompetitie::Schrijf() {
    if (!IsGewijzigd()) {
        return 0;
    }
    if (formaat_ != 0 && formaat_ != 2) {
        Meld("CMorvelApp::Schrijf\nInterne programma fout: Het formaat is onbekend.");
        return -1;
    }
    VerhoogFormaatVoorRondes();
    if (SchrijfInhoud(Inhoud()) != 0) {
        return -1;
    }
    gewijzigd_ = false;
    spelers.WisGewijzigd();
    rondes.WisGewijzigd();
    return 0;
}

int CCompetitie::SchrijfInhoud(const std::string& inhoud, bool altijdBewaren) {
    overschrijvenGeweigerd_ = false;
    // Every refusal below has said why: the lists need not warn again.
    schrijfFoutGemeld_ = true;
    if (voorSchrijven && voorSchrijven() != 0) {
        return -1;
    }
    std::string oud;
    int fout = 0;
    const bool bestaat =
        !datafile.empty() && BestaatBestand(datafile) && LeesBestand(datafile, oud, fout);
    // Another program changed the file since it was read or written here (a
    // file gone since then loses nothing when it is written again).
    const CBestandsStaat nu = Staat(datafile, bestaat, oud);
    const bool andereVersie =
        gelezen_.pad == datafile && nu.bestaat &&
        (!gelezen_.bestaat || nu.grootte != gelezen_.grootte || nu.hash != gelezen_.hash);
    if (andereVersie && !MagOverschrijven()) {
        return -1;
    }
    const int32_t bewaren = generaties ? generaties() : 0;
    if (bestaat && !oud.empty() && oud != inhoud &&
        (bewaren > 0 || andereVersie || altijdBewaren)) {
        BewaarInGeschiedenis(oud);
    }
    fout = datafile.empty() ? ENOENT : 0;
    if (datafile.empty() || !SchrijfBestandVeilig(datafile, inhoud, fout)) {
        Meld(Formatteer("CMorvelApp::Schrijf()\nDe datafile '%s' kan niet geopend worden!\nDe "
                        "reden: '%s'",
                        datafile.c_str(), SysteemFoutTekst(fout).c_str()));
        return -1;
    }
    schrijfFoutGemeld_ = false;
    gelezen_ = Staat(datafile, true, inhoud);
    if (naSchrijven) {
        naSchrijven(datafile);
    }
    if (bewaren > 0) {
        RuimGeneratiesOp(datafile, bewaren);
    }
    return 0;
}

bool CCompetitie::MagOverschrijven() {
    if (Meld(Formatteer("De datafile '%s' is door een ander programma gewijzigd nadat Morvel hem "
                        "gelezen heeft.\n\nOverschrijven met de gegevens van Morvel? De andere "
                        "versie wordt eerst in de geschiedenis bewaard.\nBij Nee wordt er niets "
                        "geschreven.",
                        datafile.c_str()),
             Knoppen::JaNeeStdNee, "Morvel: datafile gewijzigd") == Antwoord::Ja) {
        return true;
    }
    overschrijvenGeweigerd_ = true;
    return false;
}

void CCompetitie::BewaarInGeschiedenis(const std::string& oud) {
    int fout = 0;
    if (BewaarGeneratie(datafile, oud, static_cast<int64_t>(std::time(nullptr)), fout) != 0) {
        Meld(Formatteer("De vorige versie van de datafile '%s' kan niet in de geschiedenis '%s' "
                        "bewaard worden.\nDe reden: '%s'\nDe datafile wordt wel geschreven.",
                        datafile.c_str(), GeschiedenisMap(datafile).c_str(),
                        SysteemFoutTekst(fout).c_str()));
    }
}

void CCompetitie::VergeetWijzigingen() {
    gewijzigd_ = false;
    schrijfFoutGemeld_ = false;
    spelers.WisGewijzigd();
    rondes.WisGewijzigd();
}

void CCompetitie::Sluit() {
    VergeetWijzigingen();
    onleesbaar_ = 0;
    spelers.Clear();
    rondes.Clear();
    competitieMap.clear();
    datafile.clear();
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
    // What the old layout cannot hold is never dropped: such a competition is
    // written in the new layout (a recovery copy too).
    if (formaat_ == 0 && rondes.PastInOudFormaat()) {
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
