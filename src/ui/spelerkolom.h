#pragma once
// The player column of the windows that pick players (members, results,
// pairing): the heads that sort, the list of players, "Zoek:" and the check
// boxes that filter the list. Each window configures what the first column
// shows, what each head sorts by and whom each filter hides; the column keeps
// the rows, the selection, the search text, the order and the filters.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CSpeler;
class CSpelers;

class CSpelerKolom {
public:
    // What a head sorts by; Geen: a head that is a title only.
    enum class EVeld { Geen, Nummer, Naam };

    struct CFilter {
        // True for a player that the checked filter hides.
        std::function<bool(const CSpeler&)> verbergt;
        bool aan = true;
    };

    // `eersteKolom` is the text before the name of each row; `koppen` says per
    // head what it sorts by. The list is empty until the first Vul.
    CSpelerKolom(const CSpelers& spelers, std::function<std::string(const CSpeler&)> eersteKolom,
                 std::vector<EVeld> koppen, std::vector<CFilter> filters);

    // One row per listed player: the first column, a tab and the name.
    const std::vector<std::string>& Rijen() const { return rijen_; }
    int Selectie() const { return selectie_; }
    // Selects row `rij`; -1 or a row that does not exist selects none.
    void Selecteer(int rij);
    // The player of row `rij` (nullptr for none, or for a row without one).
    CSpeler* Speler(int rij) const;
    CSpeler* GeselecteerdeSpeler() const { return Speler(selectie_); }
    // Selects the row of `speler`; none when he is not listed.
    void SelecteerSpeler(const CSpeler* speler);

    // "Zoek:": every change selects the best-matching row (ZoekInLijst); an
    // empty text selects none. While the column is not in use the text is
    // kept and the selection stays.
    void Zoek(const std::string& tekst);
    const std::string& ZoekTekst() const { return zoekTekst_; }

    const std::vector<EVeld>& Koppen() const { return koppen_; }
    EVeld SorteerVeld() const { return veld_; }
    bool Oplopend() const { return oplopend_; }
    // The head that shows the arrow of the order, -1 for none.
    int SorteerKop() const;
    // Sets the order without refilling (the window's stored setting).
    void ZetSortering(EVeld veld, bool oplopend);
    // A sorting head was clicked: the other direction when its field already
    // sorts ascending, ascending otherwise. The selected player stays selected.
    void KlikKop(int kop);

    size_t AantalFilters() const { return filters_.size(); }
    bool FilterAan(size_t filter) const { return filters_[filter].aan; }
    // A filter checked or cleared: the list is refilled and the selected
    // player stays selected while he is listed.
    void ZetFilter(size_t filter, bool aan);

    // Whether the user may search, sort and filter now (a window that edits
    // a player holds its list still meanwhile).
    bool InGebruik() const { return inGebruik_; }
    void ZetInGebruik(bool aan) { inGebruik_ = aan; }

    // Fills the list from the register in the order and with the filters in
    // use; equal keys keep register order. Nothing is selected afterwards.
    void Vul();
    // Fills the list again; the player who was selected stays selected.
    void VulEnHerstel();
    // Renews the texts of the rows, in the same order.
    void VernieuwRijen();
    // A row for a player who is not in the register yet, at the end and
    // selected; the next Vul removes it, and so does VerwijderExtraRij.
    void VoegExtraRijToe(const std::string& rij);
    void VerwijderExtraRij();

private:
    std::string Rij(const CSpeler& speler) const;
    bool Verborgen(const CSpeler& speler) const;

    const CSpelers& spelers_;
    std::function<std::string(const CSpeler&)> eersteKolom_;
    std::vector<EVeld> koppen_;
    std::vector<CFilter> filters_;
    std::vector<std::string> rijen_;
    std::vector<CSpeler*> rijSpelers_; // the player of each row; nullptr for the extra row
    int selectie_ = -1;
    std::string zoekTekst_;
    EVeld veld_ = EVeld::Naam;
    bool oplopend_ = true;
    bool inGebruik_ = true;
};
