#pragma once
// The published pairing: the pairs last published from the pairing window or
// the command line, with the players' numbers, their names as they were
// printed and the handicap texts. The pairing sheet, the HTML pairing file
// and the results of the next round read it; it is kept in a file of its own
// beside the data file.

#include "base/datum.h"

#include <cstdint>
#include <string>
#include <vector>

struct CIndItem {
    int32_t zwartNummer = 0;
    int32_t witNummer = 0; // 0 for the bye
    std::string zwart;
    std::string wit;   // empty for the bye
    std::string tekst; // the handicap text, or "Uitgeloot" for the bye

    bool IsUitgeloot() const { return witNummer == 0; }
    bool operator==(const CIndItem&) const = default;
};

class CIndeling {
public:
    // Empties the list; the pairing is no longer published nor taken over.
    void Clear();
    void VoegToe(int32_t zwartNummer, int32_t witNummer, std::string zwart, std::string wit,
                 std::string tekst);

    int Aantal() const { return static_cast<int>(items_.size()); }
    bool Leeg() const { return items_.empty(); }
    // The texts of item i (from 0); an empty text for an i outside the list.
    const std::string& Zwart(int i) const;
    const std::string& Wit(int i) const;
    const std::string& Tekst(int i) const;
    const std::vector<CIndItem>& Items() const { return items_; }

    // When the pairing was published, in local time.
    CTijdstip gepubliceerd{};
    // The round (counted from 1) that was made from it, 0 while none is.
    int32_t overgenomen = 0;

    bool operator==(const CIndeling&) const = default;

private:
    const CIndItem* Item(int i) const;

    std::vector<CIndItem> items_;
};
