#pragma once
// Rounds and their entries: games with results, byes and class settings.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CRondes;

// The longest round identification whose line ("Speeldag " or the braces
// around it) the data file holds whole.
inline constexpr size_t kLangsteIdentificatie = 1013;
// An identification the administrator enters: 0, or -1 after a message when
// it is too long for its line.
int ControleerIdentificatie(const std::string& identificatie);
// The identification of a new or changed round as it is stored: white space
// normalised, then 0, or -1 after a message when it is empty or too long.
int NormaliseerIdentificatie(std::string& identificatie);

enum SoortUitslag : int32_t {
    partij = 0,
    uitgeloot = 1,
    klasseregel = 2,
};

// One entry of a round.
struct CUitslag {
    int32_t soort = partij;
    int32_t speler1 = 0;
    int32_t speler2 = 0;      // games only
    char resultaat = '?';     // games only: '+', '-', '0' or '?', seen from speler1
    int32_t nieuweKlasse = 0; // class settings only
};

// The display text of a stored result code: "1 - 0", "0 - 1", "jigo", "niet genoteerd".
const char* UitslagTekst(char resultaat);
inline constexpr const char* kUitgelootTekst = "uitgeloot";

class CRonde {
public:
    // A round belongs to a round list, whose register and modified flag its
    // operations use, also while the round is still being filled in a window.
    explicit CRonde(CRondes& rondes) : rondes_(&rondes) {}

    int VoegToe(int32_t speler1, int32_t speler2, char resultaat); // a game; '\0' means '?'
    int VoegToe(int32_t speler1);                                  // a bye
    int VoegToeKlasse(int32_t speler1, int32_t nieuweKlasse);      // a class setting
    int Verwijder(const CUitslag* uitslag);
    void Leeg() { uitslagen_.clear(); }
    int VoegCommentaarToe(const std::string& regel);
    void KopieerVan(const CRonde& ander);
    int Betrokkenheid(int32_t volgnummer) const;
    int AantalUitgeloot(int32_t volgnummer) const;
    void SchrijfLijst(std::vector<std::string>& regels, int formaat) const;
    // Whether the old layout can hold this round whole: games with a result
    // and byes only, no class settings, no games without a result, no comments.
    bool PastInOudFormaat() const;

    std::string identificatie;
    const std::vector<CUitslag>& Uitslagen() const { return uitslagen_; }
    const std::vector<std::string>& Commentaar() const { return commentaar_; }

private:
    CRondes* rondes_;
    std::vector<CUitslag> uitslagen_;
    std::vector<std::string> commentaar_;
};

class CRondes {
public:
    explicit CRondes(const class CSpelers& spelers) : spelers_(spelers) {}
    ~CRondes();
    CRondes(const CRondes&) = delete;
    CRondes& operator=(const CRondes&) = delete;

    void Clear();
    int VoegRondeToe(std::unique_ptr<CRonde> ronde);
    int Verwijder(int positie); // counted from 1
    int Aantal() const { return static_cast<int>(lijst_.size()); }
    CRonde& Ronde(int positie) const { return *lijst_.at(static_cast<size_t>(positie)); }
    int Betrokkenheid(int32_t volgnummer) const;
    int AantalUitgeloot(int32_t volgnummer) const;
    int VoegToe(const std::string& regel, int formaat);
    void SchrijfLijst(std::vector<std::string>& regels, int formaat) const;
    bool PastInOudFormaat() const;

    bool IsGewijzigd() const { return gewijzigd_; }
    void ZetGewijzigd() { gewijzigd_ = true; }
    void WisGewijzigd() { gewijzigd_ = false; }

    const class CSpelers& Spelers() const { return spelers_; }

    // Iteration from the first round to the last; rbegin/rend walk back.
    auto begin() const { return lijst_.begin(); }
    auto end() const { return lijst_.end(); }
    auto rbegin() const { return lijst_.rbegin(); }
    auto rend() const { return lijst_.rend(); }

private:
    int VoegToeFormaat2(const std::string& regel);
    int VoegToeFormaat0(const std::string& regel);

    const class CSpelers& spelers_;
    std::vector<std::unique_ptr<CRonde>> lijst_;
    bool gewijzigd_ = false;
};
