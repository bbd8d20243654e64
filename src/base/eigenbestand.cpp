#include "base/eigenbestand.h"

#include "base/formatteer.h"
#include "base/getal.h"
#include "base/platform.h"
#include "base/regellezer.h"

namespace {

// The line without its line end.
std::string_view ZonderEinde(const std::string& regel) {
    std::string_view tekst = regel;
    if (!tekst.empty() && tekst.back() == '\n') {
        tekst.remove_suffix(1);
    }
    return tekst;
}

} // namespace

std::string EigenBestandTekst(std::string_view kop,
                              const std::vector<std::pair<std::string, std::string>>& regels) {
    std::string tekst(kop);
    tekst += "\r\n";
    for (const auto& [sleutel, waarde] : regels) {
        tekst += sleutel;
        tekst += '=';
        tekst += waarde;
        tekst += "\r\n";
    }
    return tekst;
}

bool SplitsEigenBestand(std::string_view inhoud, std::string_view kop,
                        std::vector<CEigenRegel>& regels) {
    regels.clear();
    CRegelLezer lezer(inhoud);
    std::string regel;
    if (!lezer.VolgendeRegel(regel) || ZonderEinde(regel) != kop) {
        return false;
    }
    while (lezer.VolgendeRegel(regel)) {
        std::string_view tekst = ZonderEinde(regel);
        if (tekst.empty()) {
            continue;
        }
        size_t is = tekst.find('=');
        CEigenRegel r;
        r.nummer = lezer.RegelNummer();
        if (is == std::string_view::npos) {
            r.waarde = tekst;
        } else {
            r.sleutel = tekst.substr(0, is);
            r.waarde = tekst.substr(is + 1);
        }
        regels.push_back(std::move(r));
    }
    return true;
}

std::string VersieFout(const std::string& waarde, int hoogste) {
    int32_t versie = 0;
    if (!LeesGeheelGetal(waarde, versie) || versie < 1) {
        return "de versie is geen getal";
    }
    if (versie > hoogste) {
        return Formatteer("gemaakt door een nieuwere versie van Morvel (versie %d)", versie);
    }
    return "";
}

std::string RegelFout(const CEigenRegel& regel, const std::string& reden) {
    return Formatteer("regel %d: %s", regel.nummer, reden.c_str());
}

std::string VeldenWaarde(const std::vector<std::string>& velden) {
    std::string waarde;
    for (size_t i = 0; i < velden.size(); ++i) {
        if (i > 0) {
            waarde += '\t';
        }
        for (char c : velden[i]) {
            switch (c) {
            case '\\':
                waarde += "\\\\";
                break;
            case '\t':
                waarde += "\\t";
                break;
            case '\r':
                waarde += "\\r";
                break;
            case '\n':
                waarde += "\\n";
                break;
            default:
                waarde += c;
            }
        }
    }
    return waarde;
}

std::vector<std::string> LeesVelden(std::string_view waarde) {
    std::vector<std::string> velden(1);
    for (size_t i = 0; i < waarde.size(); ++i) {
        char c = waarde[i];
        if (c == '\t') {
            velden.emplace_back();
            continue;
        }
        if (c == '\\' && i + 1 < waarde.size()) {
            char volgend = waarde[i + 1];
            const char* vervanging = volgend == '\\'  ? "\\"
                                     : volgend == 't' ? "\t"
                                     : volgend == 'r' ? "\r"
                                     : volgend == 'n' ? "\n"
                                                      : nullptr;
            if (vervanging) {
                velden.back() += vervanging;
                ++i;
                continue;
            }
        }
        // A backslash before anything else was written by hand: it stays.
        velden.back() += c;
    }
    return velden;
}

EEigenLezen LeesEigenBestand(const std::string& pad, std::string_view kop,
                             std::vector<CEigenRegel>& regels, int& fout) {
    regels.clear();
    std::string inhoud;
    switch (LeesGewoonBestand(pad, kMaxEigenBestand, inhoud, fout)) {
    case LeesUitkomst::Gelezen:
        break;
    case LeesUitkomst::Afwezig:
        return EEigenLezen::Afwezig;
    case LeesUitkomst::GeenBestand:
    case LeesUitkomst::TeGroot:
        return EEigenLezen::Vreemd;
    case LeesUitkomst::Fout:
        return EEigenLezen::Onleesbaar;
    }
    return SplitsEigenBestand(inhoud, kop, regels) ? EEigenLezen::Gelezen : EEigenLezen::Vreemd;
}
