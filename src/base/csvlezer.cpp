#include "base/csvlezer.h"

#include "base/codering.h"

#include <algorithm>
#include <map>

namespace {

constexpr size_t kProefRijen = 50;
constexpr char kScheidingen[] = {'\t', ';', ','};

bool IsUtf8(std::string_view tekst) {
    size_t i = 0;
    while (i < tekst.size()) {
        const auto c = static_cast<unsigned char>(tekst[i]);
        // The number of continuation bytes that the lead byte announces.
        size_t volg = 0;
        if (c >= 0xC2 && c < 0xE0) {
            volg = 1;
        } else if (c >= 0xE0 && c < 0xF0) {
            volg = 2;
        } else if (c >= 0xF0 && c < 0xF5) {
            volg = 3;
        } else if (c >= 0x80) {
            return false;
        }
        if (i + volg >= tekst.size() && volg > 0) {
            return false;
        }
        for (size_t k = 1; k <= volg; ++k) {
            if ((static_cast<unsigned char>(tekst[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += volg + 1;
    }
    return true;
}

// The text in Windows-1252, with the character set it was found in.
std::string Decodeer(std::string_view inhoud, ECsvCodering& codering) {
    if (inhoud.starts_with("\xEF\xBB\xBF")) {
        codering = ECsvCodering::Utf8MetBom;
        return Utf8NaarCp1252(inhoud.substr(3));
    }
    if (inhoud.starts_with("\xFF\xFE") || inhoud.starts_with("\xFE\xFF")) {
        codering = ECsvCodering::Utf16;
        return Utf16NaarCp1252(inhoud.substr(2), inhoud[0] == '\xFE');
    }
    if (IsUtf8(inhoud)) {
        codering = ECsvCodering::Utf8;
        return Utf8NaarCp1252(inhoud);
    }
    codering = ECsvCodering::Windows1252;
    return std::string(inhoud);
}

// Splits `tekst` into rows of cells at `scheiding`, at most `maxRijen` rows
// (0: all), with the line where each begins. Rows without any text are left out.
void Splits(const std::string& tekst, char scheiding, size_t maxRijen, CCsvTabel& tabel) {
    std::vector<std::string> rij;
    std::string cel;
    bool aanhalen = false; // inside a quoted field
    bool celBegin = true;  // nothing of the cell read yet
    int regel = 1;
    int rijBegin = 1;
    auto sluitRij = [&] {
        rij.push_back(std::move(cel));
        cel.clear();
        const bool iets = std::any_of(rij.begin(), rij.end(), [](const std::string& c) {
            return c.find_first_not_of(" \t") != std::string::npos;
        });
        if (iets) {
            tabel.rijen.push_back(std::move(rij));
            tabel.regels.push_back(rijBegin);
        }
        rij.clear();
        celBegin = true;
    };
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (maxRijen != 0 && tabel.rijen.size() >= maxRijen) {
            return;
        }
        const char c = tekst[i];
        if (aanhalen) {
            if (c == '"' && i + 1 < tekst.size() && tekst[i + 1] == '"') {
                cel += '"';
                ++i;
            } else if (c == '"') {
                aanhalen = false;
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= tekst.size() || tekst[i + 1] != '\n'))) {
                    ++regel;
                }
                cel += c;
            }
            continue;
        }
        if (c == '"' && celBegin) {
            aanhalen = true;
            celBegin = false;
        } else if (c == scheiding) {
            rij.push_back(std::move(cel));
            cel.clear();
            celBegin = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') {
                ++i;
            }
            sluitRij();
            ++regel;
            rijBegin = regel;
        } else {
            cel += c;
            celBegin = false;
        }
    }
    if (!cel.empty() || !rij.empty()) {
        sluitRij();
    }
}

// How well `scheiding` splits the first rows: the number of rows that have
// the most common number of cells, when that number is above one.
size_t Score(const std::string& tekst, char scheiding) {
    CCsvTabel proef;
    Splits(tekst, scheiding, kProefRijen, proef);
    std::map<size_t, size_t> aantallen;
    for (const auto& rij : proef.rijen) {
        ++aantallen[rij.size()];
    }
    size_t beste = 0;
    for (const auto& [cellen, rijen] : aantallen) {
        if (cellen > 1) {
            beste = std::max(beste, rijen);
        }
    }
    return beste;
}

} // namespace

const char* CoderingNaam(ECsvCodering codering) {
    switch (codering) {
    case ECsvCodering::Utf8:
        return "UTF-8";
    case ECsvCodering::Utf8MetBom:
        return "UTF-8 met BOM";
    case ECsvCodering::Utf16:
        return "UTF-16";
    case ECsvCodering::Windows1252:
        return "Windows-1252";
    }
    return "";
}

const char* ScheidingNaam(char scheiding) {
    return scheiding == '\t' ? "tab" : scheiding == ',' ? "komma" : "puntkomma";
}

CCsvTabel LeesCsv(std::string_view inhoud) {
    CCsvTabel tabel;
    const std::string tekst = Decodeer(inhoud, tabel.codering);
    if (tekst.find('\0') != std::string::npos) {
        tabel.tekst = false;
        return tabel;
    }
    size_t besteScore = 0;
    for (char scheiding : kScheidingen) {
        const size_t score = Score(tekst, scheiding);
        if (score > besteScore) {
            besteScore = score;
            tabel.scheiding = scheiding;
        }
    }
    Splits(tekst, tabel.scheiding, 0, tabel);
    return tabel;
}
