// The published pairing and the pairs that are always blocked of the open
// competition, each in a file of its own beside the data file.

#include "app/bijbestanden.h"
#include "app/morvelapp.h"
#include "base/formatteer.h"
#include "base/melding.h"
#include "pairing/indelingsbestand.h"

namespace {

const CBijbestandSoort kIndelingSoort{
    "Gepubliceerde indeling", kIndelingsBestandKop,
    [](const std::vector<CEigenRegel>& regels, std::string& fout) {
        CIndeling indeling;
        return LeesIndelingsBestand(regels, indeling, fout);
    }};

const CBijbestandSoort kBlokkadeSoort{
    "Altijd geblokkeerde paren", kBlokkadeBestandKop,
    [](const std::vector<CEigenRegel>& regels, std::string& fout) {
        CBlijvendeBlokkades blokkades;
        return LeesBlokkadeBestand(regels, blokkades, fout);
    }};

// "12 (Jan Jansen)" for every player of the pairing who is not in the register.
std::string OnbekendeSpelers(const CIndeling& indeling, const CSpelers& spelers) {
    std::string namen;
    for (const CIndItem& item : indeling.Items()) {
        for (auto [nummer, naam] :
             {std::pair{item.zwartNummer, &item.zwart}, std::pair{item.witNummer, &item.wit}}) {
            if (nummer != 0 && !spelers.Zoek(nummer)) {
                namen += Formatteer("\n  %d (%s)", nummer, naam->c_str());
            }
        }
    }
    return namen;
}

} // namespace

std::string CMorvelApp::IndelingPad() const {
    return BijDataFile(competitie.datafile, ".indeling");
}

std::string CMorvelApp::BlokkadesPad() const {
    return BijDataFile(competitie.datafile, ".blokkades");
}

void CMorvelApp::LeesIndeling() {
    indeling.Clear();
    bool aanwezig = false;
    std::string pad = IndelingPad();
    if (pad.empty() || LeesBijbestand(
                           pad, kIndelingSoort,
                           [this](const std::vector<CEigenRegel>& regels, std::string& fout) {
                               return LeesIndelingsBestand(regels, indeling, fout);
                           },
                           aanwezig) != 0) {
        return;
    }
    std::string onbekend = OnbekendeSpelers(indeling, competitie.spelers);
    if (!onbekend.empty()) {
        Meld(Formatteer("Gepubliceerde indeling: de indeling van %s noemt spelers die niet meer "
                        "in de ledenlijst staan:%s\nHun partijen worden niet als ronde "
                        "overgenomen.",
                        TijdstipTekst(indeling.gepubliceerd).c_str(), onbekend.c_str()));
    }
}

void CMorvelApp::LeesBlokkades() {
    blokkades.Clear();
    bool aanwezig = false;
    std::string pad = BlokkadesPad();
    if (!pad.empty()) {
        LeesBijbestand(
            pad, kBlokkadeSoort,
            [this](const std::vector<CEigenRegel>& regels, std::string& fout) {
                return LeesBlokkadeBestand(regels, blokkades, fout);
            },
            aanwezig);
    }
}

namespace {

int Bewaar(const CMorvelApp& app, const std::string& pad, const CBijbestandSoort& soort,
           const std::string& inhoud) {
    if (!app.MagWijzigen()) {
        return -1;
    }
    if (pad.empty()) {
        Meld(Formatteer("%s: er is geen competitie met een datafile geopend; er is niets bewaard.",
                        soort.naam));
        return -1;
    }
    return SchrijfBijbestand(pad, soort, inhoud);
}

} // namespace

int CMorvelApp::BewaarIndeling() {
    return Bewaar(*this, IndelingPad(), kIndelingSoort, IndelingsBestandTekst(indeling));
}

int CMorvelApp::BewaarBlokkades() {
    return Bewaar(*this, BlokkadesPad(), kBlokkadeSoort, BlokkadeBestandTekst(blokkades));
}
