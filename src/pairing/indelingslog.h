#pragma once
// The pairing log: a header with the parameters of the search, then one block
// for every better pairing the search found, the chosen one last. Lines are
// tab-separated Windows-1252 text, as the log window shows them in columns.

#include <string>
#include <vector>

class CKostenModel;

class CIndelingsLog {
public:
    // Empties the log and writes the header of the search `naam`.
    void Start(const std::string& naam, const CKostenModel& model);
    // Appends the block of the pairing `v` (register indices in pairing order).
    void LogIndeling(const CKostenModel& model, const int* v);
    void Leeg() { regels_.clear(); }

    const std::vector<std::string>& Regels() const { return regels_; }

private:
    void Streep(char teken);

    std::vector<std::string> regels_;
};
