#pragma once
// What a pairing costs: the cost and blocked tables of the participants, the
// bye costs, and the total of a candidate pairing. Built once before a search;
// evaluating a candidate only looks up the tables.

#include "pairing/indelingsparameters.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CRondes;
class CSpeler;

// Marks a pairing that holds a blocked pair, and stands for "nothing found yet".
inline constexpr int64_t kGeenIndeling = 134217727;

// Two names that must not play each other (black and white of a blocked entry).
using CNaamPaar = std::pair<std::string, std::string>;

// The parts of one pair's cost, as the pairing log shows them.
struct CPaarKosten {
    int64_t klasseVerschil = 0; // in tenths
    int64_t klassePenalty = 0;
    int32_t rondes = 0; // rounds since the two last met
    int64_t aftrek = 0; // deduction for those rounds
    int32_t kosten = 0; // klassePenalty - aftrek, the table entry
};

class CKostenModel {
public:
    // `deelnemers` in register order. Blocked pairs that name a player who is
    // not a participant have no effect.
    CKostenModel(std::vector<CSpeler*> deelnemers, const CRondes& rondes,
                 const CIndelingsParameters& parameters,
                 const std::vector<CNaamPaar>& geblokkeerd = {});

    int Aantal() const { return n_; }
    CSpeler& Deelnemer(int i) const { return *deelnemers_[static_cast<size_t>(i)]; }
    const std::vector<CSpeler*>& Deelnemers() const { return deelnemers_; }
    const CIndelingsParameters& Parameters() const { return parameters_; }

    int32_t Kosten(int i, int j) const { return kostenMatrix_[Cel(i, j)]; }
    bool Geblokkeerd(int i, int j) const { return blokkadeMatrix_[Cel(i, j)] != 0; }
    bool HeeftBlokkades() const { return heeftBlokkades_; }

    // The bye as the random search and the log charge it: both terms added.
    int64_t UitlootKosten(int i) const { return uitloot_[static_cast<size_t>(i)]; }
    // The bye as the full search charges it: the penalty for a bye that is not
    // allowed replaces the one for earlier byes.
    int64_t UitlootKostenVolledig(int i) const { return uitlootVolledig_[static_cast<size_t>(i)]; }
    int32_t EerderUitgeloot(int i) const { return eerderUitgeloot_[static_cast<size_t>(i)]; }
    // The part of the bye cost for a bye that is not allowed (0 when it is).
    int64_t MagNietUitlootKosten(int i) const { return magNiet_[static_cast<size_t>(i)]; }

    // The total of the pairing `v` (register indices; pairs (0,1), (2,3), ...,
    // the bye last when the count is odd), or kGeenIndeling when a pair is blocked.
    int64_t TotaleKosten(const int* v) const;

    // The pair cost taken apart, for the log.
    CPaarKosten PaarKosten(int i, int j) const;

    int32_t RondesGrens() const { return rondesGrens_; }      // effective L
    int64_t AftrekBovenGrens() const { return aftrekBoven_; } // effective A

private:
    size_t Cel(int i, int j) const {
        return static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j);
    }
    void BouwRondes(const CRondes& rondes);
    void BouwBlokkades(const std::vector<CNaamPaar>& geblokkeerd);
    int ZoekNaam(const std::string& naam) const;

    std::vector<CSpeler*> deelnemers_;
    CIndelingsParameters parameters_;
    int n_;
    int32_t rondesGrens_;
    int64_t aftrekBoven_;
    std::vector<int32_t> klasse_; // the classes as they were when the tables were built
    std::vector<int32_t> rondes_; // rounds since each pair last met
    std::vector<int32_t> kostenMatrix_;
    std::vector<uint8_t> blokkadeMatrix_;
    bool heeftBlokkades_ = false;
    std::vector<int32_t> eerderUitgeloot_;
    std::vector<int64_t> magNiet_;
    std::vector<int64_t> uitloot_;
    std::vector<int64_t> uitlootVolledig_;
};
