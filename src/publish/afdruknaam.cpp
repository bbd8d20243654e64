#include "publish/afdruknaam.h"

#include "base/witruimte.h"
#include "publish/lijstopmaak.h"

#include <cstring>
#include <string_view>

namespace {

// The heads of a listing: the lines that begin with a tab.
bool IsKop(std::string_view regel, const char* kop, std::string& rest) {
    const size_t lengte = std::strlen(kop);
    if (regel.size() <= lengte || regel[0] != '\t' || regel.substr(1, lengte) != kop) {
        return false;
    }
    rest = std::string(regel.substr(1 + lengte));
    NormaliseerWitruimte(rest);
    // "'17 maart'" is the round "17 maart".
    if (rest.size() >= 2 && rest.front() == '\'' && rest.back() == '\'') {
        rest = rest.substr(1, rest.size() - 2);
    }
    return true;
}

std::string MetId(const char* woord, const std::string& id) {
    return id.empty() ? std::string(woord) : std::string(woord) + " " + id;
}

// The name after the first head that names a listing; empty when there is none.
std::string NaamNaKop(std::string_view regel, const CDatum& vandaag) {
    std::string rest;
    if (IsKop(regel, kKopIndeling, rest)) {
        return "Indeling " + DagEnMaand(vandaag);
    }
    if (IsKop(regel, kKopStand, rest)) {
        return MetId(kKopStand, rest);
    }
    if (IsKop(regel, kKopUitslag, rest)) {
        return MetId("Uitslagen", rest);
    }
    if (IsKop(regel, kKopGeenUitslagen, rest)) {
        return "Uitslagen";
    }
    if (IsKop(regel, kKopBeginstand, rest)) {
        return kKopBeginstand;
    }
    return "";
}

} // namespace

std::string AfdrukNaam(const std::string& lijst, const CDatum& vandaag) {
    std::string naam;
    const std::string_view tekst(lijst);
    for (size_t begin = 0; begin < tekst.size();) {
        size_t eind = tekst.find('\n', begin);
        if (eind == std::string_view::npos) {
            eind = tekst.size();
        }
        const std::string gevonden = NaamNaKop(tekst.substr(begin, eind - begin), vandaag);
        // The pairing window prints the pairing after the results and the
        // standings: the pairing names the whole.
        if (!gevonden.empty() && (naam.empty() || gevonden.rfind("Indeling ", 0) == 0)) {
            naam = gevonden;
        }
        begin = eind + 1;
    }
    return naam.empty() ? "Overzicht" : naam;
}

std::string BestandsNaamVan(std::string naam) {
    for (char& c : naam) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || std::strchr("/\\:*?\"<>|", c)) {
            c = '-';
        }
    }
    return naam;
}
