#include "settings/wachtwoord.h"

#include "settings/random.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr size_t kZaadBytes = 4;
constexpr size_t kMinTekens = 56; // the classic stored value: 60 bytes, 80 characters

// XORs every byte after the seed with the next draw of 1..255.
void Meng(std::vector<uint8_t>& bytes) {
    uint32_t zaad =
        bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    CRandom random;
    random.Seed(zaad);
    for (size_t i = kZaadBytes; i < bytes.size(); ++i) {
        bytes[i] ^= static_cast<uint8_t>(random.NextInt(1, 255));
    }
}

} // namespace

std::string VersleutelWachtwoord(const std::string& wachtwoord, uint32_t zaad) {
    size_t lengte = std::min(wachtwoord.size(), kMaxWachtwoordLengte);
    size_t aantal = kZaadBytes + std::max(lengte, kMinTekens);
    aantal += (3 - aantal % 3) % 3;
    std::vector<uint8_t> bytes(aantal, 0);
    for (size_t i = 0; i < kZaadBytes; ++i) {
        bytes[i] = static_cast<uint8_t>(zaad >> (8 * i));
    }
    for (size_t i = 0; i < lengte; ++i) {
        bytes[kZaadBytes + i] = static_cast<uint8_t>(wachtwoord[i]);
    }
    Meng(bytes);
    std::string tekst;
    for (size_t i = 0; i < aantal; i += 3) {
        uint8_t a = bytes[i], b = bytes[i + 1], c = bytes[i + 2];
        tekst += static_cast<char>((a >> 2) + 32);
        tekst += static_cast<char>((((a & 3) << 4) | (b >> 4)) + 32);
        tekst += static_cast<char>((((b & 15) << 2) | (c >> 6)) + 32);
        tekst += static_cast<char>((c & 63) + 32);
    }
    return tekst;
}

bool OntsleutelWachtwoord(const std::string& tekst, std::string& wachtwoord) {
    if (tekst.size() < (kZaadBytes + kMinTekens) / 3 * 4 || tekst.size() % 4 != 0) {
        return false;
    }
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < tekst.size(); i += 4) {
        uint8_t zes[4];
        for (size_t j = 0; j < 4; ++j) {
            auto c = static_cast<unsigned char>(tekst[i + j]);
            if (c < 32 || c > 95) {
                return false;
            }
            zes[j] = static_cast<uint8_t>(c - 32);
        }
        bytes.push_back(static_cast<uint8_t>((zes[0] << 2) | (zes[1] >> 4)));
        bytes.push_back(static_cast<uint8_t>(((zes[1] & 15) << 4) | (zes[2] >> 2)));
        bytes.push_back(static_cast<uint8_t>(((zes[2] & 3) << 6) | zes[3]));
    }
    // Every writer draws its seed from 0..32767.
    if (bytes[2] != 0 || bytes[3] != 0) {
        return false;
    }
    Meng(bytes);
    auto begin = bytes.begin() + kZaadBytes;
    auto nul = std::find(begin, bytes.end(), 0);
    // The padding decodes to zeros; anything else after the text means this
    // was never a scrambled value.
    if (std::any_of(nul, bytes.end(), [](uint8_t b) { return b != 0; })) {
        return false;
    }
    wachtwoord.assign(begin, nul);
    return true;
}

uint32_t NieuwWachtwoordZaad() {
    static uint32_t vorige = 0x10000; // outside the range: no seed used yet
    static std::random_device bron;
    uint32_t zaad;
    do {
        zaad = bron() % 32768u;
    } while (zaad == vorige);
    vorige = zaad;
    return zaad;
}
