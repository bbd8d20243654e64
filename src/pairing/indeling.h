#pragma once
// The published pairing: the pairs last taken over from the pairing window, in
// memory only. The pairing sheet and the HTML pairing file read it.

#include <string>
#include <vector>

struct CIndItem {
    std::string zwart;
    std::string wit;   // empty for the bye
    std::string tekst; // the handicap text, or "Uitgeloot" for the bye
};

class CIndeling {
public:
    void Clear() { items_.clear(); }
    void VoegToe(std::string zwart, std::string wit, std::string tekst);

    int Aantal() const { return static_cast<int>(items_.size()); }
    // The texts of item i (from 0); an empty text for an i outside the list.
    const std::string& Zwart(int i) const;
    const std::string& Wit(int i) const;
    const std::string& Tekst(int i) const;

private:
    const CIndItem* Item(int i) const;

    std::vector<CIndItem> items_;
};
