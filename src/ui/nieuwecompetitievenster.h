#pragma once
// The window "Nieuwe competitie": the name of the next competition and
// whether it starts with an empty register or with the players of an old one.

#include "app/morvelapp.h"

#include <string>
#include <vector>

inline constexpr const char* kNieuweCompetitieTitel = "Nieuwe competitie";

class CNieuweCompetitieVenster {
public:
    // The competitions of the data directory, the current one chosen, the
    // rounded end classes chosen, and the empty register.
    explicit CNieuweCompetitieVenster(CMorvelApp& app);

    void ZetIdentificatie(const std::string& tekst) { identificatie_ = tekst; }
    const std::string& Identificatie() const { return identificatie_; }
    // "OK" is enabled for a name that can be a new competition.
    bool OkAan() const { return OkReden().empty(); }
    // Why "OK" is disabled, shown under the field (empty while it is enabled):
    // no name yet, a forbidden character or an existing competition.
    std::string OkReden() const { return NieuweNaamFout(identificatie_, oudeCompetities_); }

    // "Beginnen met een lege deelnemerslijst" or "Kopieer deelnemerslijst uit
    // oude competitie"; the group "Oude competitie" only with the second.
    bool Leeg() const { return leeg_; }
    void KiesLeeg(bool leeg) { leeg_ = leeg; }
    bool OudeCompetitieAan() const { return !leeg_; }

    const std::vector<std::string>& OudeCompetities() const { return oudeCompetities_; }
    int OudeCompetitie() const { return oudeCompetitie_; }
    void KiesOudeCompetitie(int index);
    // "Beginklasse oude competitie", "Einde oude competitie", "Einde oude competitie - afgerond".
    static const std::vector<std::string>& BeginKlasseKeuzes();
    int BeginKlasse() const { return beginKlasse_; }
    void KiesBeginKlasse(int index);

    // "OK": makes the competition. 0 when made; -1 after a message. The
    // window closes after OK unless the name was refused.
    int Ok();
    bool SluitNaOk() const { return sluitNaOk_; }

private:
    CMorvelApp& app_;
    std::string identificatie_;
    bool leeg_ = true;
    std::vector<std::string> oudeCompetities_;
    int oudeCompetitie_ = -1;
    int beginKlasse_ = static_cast<int>(EBeginKlasse::Afgerond);
    bool sluitNaOk_ = false;
};
