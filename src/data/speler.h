#pragma once
// The player register: the members who take part in the open competition.

#include "data/stand.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CCompetitie;

// The longest name a players line holds whole in the data file.
inline constexpr size_t kLangsteNaam = 992;
class CRondes;

class CSpeler {
public:
    // Sets the standings counters to 0 and the current class to the starting class.
    void Reset();
    void ZetKlasse(int32_t nieuweKlasse) { klasse = nieuweKlasse; }
    // Number of byes this player received over all rounds.
    int AantalKeerUitgeloot(const CRondes& rondes) const;

    int32_t volgnummer = -1;
    std::string naam;
    int32_t aktief = -1;
    int32_t standaardIndelen = -1;
    int32_t uitlotenToegestaan = -1;
    int32_t beginKlasse = -1;
    int32_t klasse = -1;
    int32_t meedoen = 0;     // owned by the pairing window, never stored
    int32_t rondeTeller = 0; // owned by the results window, never stored
    CStand stand;
};

class CSpelers {
public:
    explicit CSpelers(CCompetitie& competitie) : competitie_(competitie) {}
    ~CSpelers();
    CSpelers(const CSpelers&) = delete;
    CSpelers& operator=(const CSpelers&) = delete;

    void Clear();
    // A new player entered by the administrator; `naam` is normalised in place.
    int VoegToe(int32_t volgnummer, std::string& naam, int32_t beginKlasse, int32_t aktief,
                int32_t standaardIndelen, int32_t uitlotenToegestaan);
    int PasAan(int32_t volgnummer, std::string& naam, int32_t beginKlasse, int32_t klasse,
               int32_t aktief, int32_t standaardIndelen, int32_t uitlotenToegestaan);
    void Verwijder(int32_t volgnummer);
    int32_t HoogsteNummer() const;
    int Bestaat(int32_t volgnummer, bool melden) const;
    CSpeler* Zoek(int32_t volgnummer) const;
    CSpeler* ZoekNaam(const std::string& naam) const;

    // One line of the players section of the data file.
    int VoegToe(const std::string& regel, int formaat);
    // Appends the players section, one line per player; the data file writer
    // converts every line to the OEM code page.
    void SchrijfLijst(std::vector<std::string>& regels, int formaat) const;

    bool IsGewijzigd() const { return gewijzigd_; }
    void ZetGewijzigd() { gewijzigd_ = true; }
    void WisGewijzigd() { gewijzigd_ = false; }

    size_t Aantal() const { return lijst_.size(); }
    bool Leeg() const { return lijst_.empty(); }

    // Iteration over the records in register order.
    class Iterator {
    public:
        explicit Iterator(std::vector<std::unique_ptr<CSpeler>>::const_iterator it) : it_(it) {}
        CSpeler& operator*() const { return **it_; }
        CSpeler* operator->() const { return it_->get(); }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const Iterator& ander) const = default;

    private:
        std::vector<std::unique_ptr<CSpeler>>::const_iterator it_;
    };
    Iterator begin() const { return Iterator(lijst_.begin()); }
    Iterator end() const { return Iterator(lijst_.end()); }

private:
    void VoegRecordToe(std::unique_ptr<CSpeler> speler);
    void HerbouwIndex();
    bool NaamInGebruik(const std::string& naam, const CSpeler* behalve) const;
    // Checks shared by adding and changing: quotes, a name in use (other than
    // `zelf`), and raising the old layout for a long name.
    int ControleerNaam(const std::string& naam, const CSpeler* zelf);
    static int ControleerKlasse(int32_t klasse);
    int VoegToeFormaat2(const std::string& regel);
    int VoegToeFormaat0(const std::string& regel);
    // A player read from a line of the data file: numbers that were too
    // large and double quotes in the name are reported and mended.
    int VoegGelezenToe(std::unique_ptr<CSpeler> speler, const std::string& regel,
                       bool getallenPassen);

    CCompetitie& competitie_;
    std::vector<std::unique_ptr<CSpeler>> lijst_;
    // First record with each number, so that reading a large file stays linear.
    std::unordered_map<int32_t, CSpeler*> index_;
    bool gewijzigd_ = false;
};

// Why the data file cannot hold the name `naam` (normalised): a double quote
// in it, or more than kLangsteNaam characters. The message, or empty.
std::string NaamWeigering(const std::string& naam);

// The name of the player with `volgnummer`, as the results show it; a number
// that is missing from the register shows as "onbekende speler N".
std::string SpelerNaam(const CSpelers& spelers, int32_t volgnummer);
