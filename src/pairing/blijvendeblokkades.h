#pragma once
// Pairs that must never be played in a competition ("Altijd geblokkeerd": a
// parent and a child, a couple), by the players' numbers, with the names they
// had when they were blocked. Kept in a file of their own beside the data
// file:
//
//   Morvel altijd geblokkeerde paren
//   versie=1
//   paar=3<tab>7<tab>Anna Aal<tab>Bert Bos

#include "base/eigenbestand.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kBlokkadeBestandKop = "Morvel altijd geblokkeerde paren";

struct CBlokkade {
    int32_t een = 0;
    int32_t twee = 0;
    std::string naamEen;
    std::string naamTwee;

    bool Noemt(int32_t a, int32_t b) const {
        return (een == a && twee == b) || (een == b && twee == a);
    }
    bool operator==(const CBlokkade&) const = default;
};

class CBlijvendeBlokkades {
public:
    const std::vector<CBlokkade>& Lijst() const { return lijst_; }
    bool Leeg() const { return lijst_.empty(); }
    void Clear() { lijst_.clear(); }
    // The pair of `a` and `b`, in either order; nullptr when it is not blocked.
    const CBlokkade* Zoek(int32_t a, int32_t b) const;
    // Appends the pair; false when it is there already or names one player twice.
    bool VoegToe(CBlokkade blokkade);
    // Forgets the pair of `a` and `b`; false when it was not there.
    bool Verwijder(int32_t a, int32_t b);

    bool operator==(const CBlijvendeBlokkades&) const = default;

private:
    std::vector<CBlokkade> lijst_;
};

std::string BlokkadeBestandTekst(const CBlijvendeBlokkades& blokkades);

// The lines after the first one into `blokkades`: 0, or -1 with `fout`
// naming the first line that cannot be read and why (the list is then
// empty). A pair that is there already is passed over.
int LeesBlokkadeBestand(const std::vector<CEigenRegel>& regels, CBlijvendeBlokkades& blokkades,
                        std::string& fout);
