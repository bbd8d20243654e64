#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>

class CTijdelijkeMap {
public:
    CTijdelijkeMap();
    ~CTijdelijkeMap();
    CTijdelijkeMap(const CTijdelijkeMap&) = delete;
    CTijdelijkeMap& operator=(const CTijdelijkeMap&) = delete;

    const std::string& Pad() const { return pad_; }
    // The path of `naam` inside the folder.
    std::string Bestand(const std::string& naam) const { return pad_ + "/" + naam; }

private:
    std::string pad_;
};

// Whole-file helpers for tests (binary, no conversion).
std::string LeesAlles(const std::string& pad);
void SchrijfAlles(const std::string& pad, const std::string& inhoud);
// The contents of a file below tests/fixtures.
std::string Fixture(const std::string& naam);
std::string FixturePad(const std::string& naam);
