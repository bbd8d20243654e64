#pragma once
// A text file written anew, in text mode: every line feed is written as CR LF.

#include <cstdio>
#include <string>
#include <string_view>

class CTekstBestand {
public:
    CTekstBestand() = default;
    ~CTekstBestand();
    CTekstBestand(const CTekstBestand&) = delete;
    CTekstBestand& operator=(const CTekstBestand&) = delete;

    // Creates the file at `pad` (Windows-1252), truncating an older one. False
    // with Fout() set when it cannot be opened, or when MagOverschrijven refuses
    // what stands there.
    bool Open(const std::string& pad);
    // Writes `tekst` with every "\n" as "\r\n". A failure is remembered.
    void Schrijf(std::string_view tekst);
    // Closes the file. False with Fout() set when a write or the close failed.
    bool Sluit();

    bool IsOpen() const { return bestand_ != nullptr; }
    // errno of the first failure, 0 when none.
    int Fout() const { return fout_; }

private:
    std::FILE* bestand_ = nullptr;
    int fout_ = 0;
};
