#include "data/geschiedenis.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/mappen.h"
#include "base/pad.h"
#include "base/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kExtensie = ".generatie";
constexpr int kMaxVolgnummer = 999;

bool Cijfers(const std::string& tekst, size_t begin, size_t aantal, int& waarde) {
    waarde = 0;
    for (size_t i = begin; i < begin + aantal; ++i) {
        if (i >= tekst.size() || tekst[i] < '0' || tekst[i] > '9') {
            return false;
        }
        waarde = waarde * 10 + (tekst[i] - '0');
    }
    return true;
}

bool ZelfdeInhoud(const std::string& pad, const std::string& inhoud) {
    int64_t grootte = 0;
    int64_t tijd = 0;
    if (!BestandsInfo(pad, grootte, tijd) || grootte != static_cast<int64_t>(inhoud.size())) {
        return false;
    }
    std::string daar;
    int fout = 0;
    return LeesBestand(pad, daar, fout) && daar == inhoud;
}

} // namespace

std::string GeneratieNaam(int64_t tijd, int volgnummer) {
    auto t = static_cast<std::time_t>(tijd);
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char tekst[32];
    std::strftime(tekst, sizeof tekst, "%Y%m%dT%H%M%SZ", &tm);
    std::string naam = tekst;
    if (volgnummer > 1) {
        naam += Formatteer("-%d", volgnummer);
    }
    return naam + kExtensie;
}

bool LeesGeneratieNaam(const std::string& naam, int64_t& tijd, int& volgnummer) {
    const std::string extensie = kExtensie;
    if (naam.size() < 16 + extensie.size() ||
        naam.compare(naam.size() - extensie.size(), extensie.size(), extensie) != 0 ||
        naam[8] != 'T' || naam[15] != 'Z') {
        return false;
    }
    std::tm tm{};
    int jaar = 0;
    int maand = 0;
    if (!Cijfers(naam, 0, 4, jaar) || !Cijfers(naam, 4, 2, maand) ||
        !Cijfers(naam, 6, 2, tm.tm_mday) || !Cijfers(naam, 9, 2, tm.tm_hour) ||
        !Cijfers(naam, 11, 2, tm.tm_min) || !Cijfers(naam, 13, 2, tm.tm_sec)) {
        return false;
    }
    tm.tm_year = jaar - 1900;
    tm.tm_mon = maand - 1;
    std::string rest = naam.substr(16, naam.size() - extensie.size() - 16);
    volgnummer = 1;
    if (!rest.empty()) {
        if (rest.size() < 2 || rest.size() > 4 || rest[0] != '-' ||
            !Cijfers(rest, 1, rest.size() - 1, volgnummer) || volgnummer < 2 || rest[1] == '0') {
            return false;
        }
    }
    tijd = static_cast<int64_t>(::timegm(&tm));
    // Only the one spelling of each time is Morvel's.
    return GeneratieNaam(tijd, volgnummer) == naam;
}

std::string GeschiedenisMap(const std::string& datafile) {
    return PadSamen(MapVanPad(datafile), "." + LaatsteDeel(datafile) + ".geschiedenis");
}

std::vector<CGeneratie> Generaties(const std::string& datafile) {
    std::vector<CGeneratie> generaties;
    std::error_code fout;
    const std::string map = GeschiedenisMap(datafile);
    for (fs::directory_iterator it(NaarFsPad(map), fout), eind; !fout && it != eind;
         it.increment(fout)) {
        std::string naam = Utf8NaarCp1252(it->path().filename().string());
        CGeneratie generatie;
        std::error_code soort;
        if (LeesGeneratieNaam(naam, generatie.tijd, generatie.volgnummer) &&
            it->symlink_status(soort).type() == fs::file_type::regular) {
            generatie.pad = PadSamen(map, naam);
            generaties.push_back(generatie);
        }
    }
    std::sort(generaties.begin(), generaties.end(), [](const CGeneratie& a, const CGeneratie& b) {
        return a.tijd != b.tijd ? a.tijd > b.tijd : a.volgnummer > b.volgnummer;
    });
    return generaties;
}

int BewaarGeneratie(const std::string& datafile, const std::string& inhoud, int64_t tijd,
                    int& fout) {
    const std::string map = GeschiedenisMap(datafile);
    std::error_code mapFout;
    fs::create_directory(NaarFsPad(map), mapFout);
    if (!IsMap(map)) {
        fout = mapFout ? mapFout.value() : ENOTDIR;
        return -1;
    }
    std::vector<CGeneratie> bestaande = Generaties(datafile);
    if (!bestaande.empty() && ZelfdeInhoud(bestaande.front().pad, inhoud)) {
        return 0;
    }
    // Always named after the newest one, even when the clock went back or a
    // name of this second was freed by the limit.
    int volgnummer = 1;
    if (!bestaande.empty() && tijd <= bestaande.front().tijd) {
        tijd = bestaande.front().tijd;
        volgnummer = bestaande.front().volgnummer + 1;
    }
    for (int poging = 0; poging < 2 * kMaxVolgnummer; ++poging, ++volgnummer) {
        if (volgnummer > kMaxVolgnummer) {
            ++tijd;
            volgnummer = 1;
        }
        const std::string pad = PadSamen(map, GeneratieNaam(tijd, volgnummer));
        if (MaakHardeKoppeling(datafile, pad, fout) ||
            (fout != EEXIST && MaakBestandExclusief(pad, inhoud, fout))) {
            fout = 0;
            return 0;
        }
        if (fout != EEXIST) {
            return -1;
        }
    }
    fout = EEXIST;
    return -1;
}

void RuimGeneratiesOp(const std::string& datafile, int bewaren) {
    std::vector<CGeneratie> generaties = Generaties(datafile);
    for (size_t i = static_cast<size_t>(std::max(bewaren, 0)); i < generaties.size(); ++i) {
        VerwijderBestand(generaties[i].pad);
    }
}

std::string GeneratieTijd(const CGeneratie& generatie) {
    auto t = static_cast<std::time_t>(generatie.tijd);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char tekst[32];
    std::strftime(tekst, sizeof tekst, "%d-%m-%Y %H:%M:%S", &tm);
    return tekst;
}
