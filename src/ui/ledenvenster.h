#pragma once
// The members window: the sorted list of the players with a search field, and
// a detail area in which one player is added or changed. The register's own
// rules decide what is accepted; this model collects the input, keeps the
// list, the edit state and the enabled controls, and calls the register.

#include "app/ledenimport.h"
#include "ui/spelerkolom.h"

#include <cstdint>
#include <string>
#include <vector>

class CMorvelApp;

inline constexpr const char* kLedenTitel = "Morvel Competitie Beheer / Leden beheer";

class CLedenVenster {
public:
    enum class EStatus { Bladeren, Wijzigen, Toevoegen };
    // 0 number ascending, 1 number descending, 2 name ascending, 3 name descending.
    enum ESleutel : int32_t { kNummerOp = 0, kNummerAf = 1, kNaamOp = 2, kNaamAf = 3 };
    // Where the keyboard focus goes after an operation.
    enum class EFocus { Zoek, Naam };

    // The texts of the detail area "Wijzigen" and its three check boxes.
    struct CDetail {
        std::string volgnummer;
        std::string naam;
        std::string beginKlasse;
        std::string huidigeKlasse;
        std::string beginKlasseTekst; // the grade beside each class field
        std::string huidigeKlasseTekst;
        bool aktief = false;
        bool standaardIndelen = false;
        bool uitlotenToegestaan = false;
    };

    // Opening: replays all rounds so that the current classes are right, takes
    // the filter and the sort key from the settings, fills the list and browses.
    explicit CLedenVenster(CMorvelApp& app);

    // The player column: the heads "N&r " and "&Naam", the list (one line per
    // player, the number, a tab and the name), "Zoek:" and the filter "Toon
    // alleen aktieve spelers". In use while browsing only.
    CSpelerKolom& Kolom() { return kolom_; }
    const std::vector<std::string>& Rijen() const { return kolom_.Rijen(); }
    int Selectie() const { return kolom_.Selectie(); }
    // Selects row `rij` (-1 or a row that does not exist: none); while
    // browsing the detail area shows it.
    void Selecteer(int rij) { kolom_.Selecteer(rij); }
    // "Zoek:": while browsing every change selects the best-matching line.
    void Zoek(const std::string& tekst) { kolom_.Zoek(tekst); }
    const std::string& ZoekTekst() const { return kolom_.ZoekTekst(); }

    int32_t SorteerSleutel() const;
    bool AlleenAktief() const { return kolom_.FilterAan(0); }
    // "N&r " and "&Naam": the other direction of that head, or ascending.
    void SorteerOpNummer();
    void SorteerOpNaam();
    // "Toon alleen aktieve spelers".
    void ZetAlleenAktief(bool aan);
    EStatus Status() const { return status_; }
    bool Bladeren() const { return status_ == EStatus::Bladeren; }
    // In browsing: the list and its controls, "&Toevoegen" and "&Sluiten";
    // "&Verwijderen" and "&Wijzigen" need a selection. While editing only the
    // detail fields, "Accepteer" and "Afbreken"; "Volgnr:" only when adding.
    bool SelectieKnoppenAan() const { return Bladeren() && Selectie() >= 0; }
    bool VolgnummerAan() const { return status_ == EStatus::Toevoegen; }
    EFocus Focus() const { return focus_; }

    // While browsing the selected player, while editing the typed values.
    CDetail Detail() const;
    void ZetVolgnummer(const std::string& tekst) { detail_.volgnummer = tekst; }
    void ZetNaam(const std::string& tekst) { detail_.naam = tekst; }
    // A typed starting class is copied into the current class, and both
    // grades follow.
    void ZetBeginKlasse(const std::string& tekst);
    void ZetAktief(bool aan) { detail_.aktief = aan; }
    void ZetStandaardIndelen(bool aan) { detail_.standaardIndelen = aan; }
    void ZetUitlotenToegestaan(bool aan) { detail_.uitlotenToegestaan = aan; }

    // "&Toevoegen": the next free number, empty fields, every flag set and a
    // line "(nieuwe speler)" at the end of the list.
    void Toevoegen();
    // "&Wijzigen" and the double click: the selected player is changed.
    void Wijzigen();
    // "Accepteer": adds or changes the player. 0 when done (the list is
    // refilled, his name is in "Zoek:" and his row is selected, none while the
    // filter hides him), -1 when the edit stays open.
    int Accepteer();
    // "Afbreken" and Escape while editing: back to browsing, nothing changed.
    void Afbreken();
    // "&Verwijderen": the selected player, after the question. 0 when removed.
    int Verwijderen();
    // "&Sluiten": stores the filter and the sort key in the settings.
    void Sluiten();
    // The window's close box: while editing, after the question whether the
    // edit may go ("Nee" keeps it), the edit ends as "Afbreken" ends it. True
    // when the window may close; "&Sluiten" follows then.
    bool MagSluiten();

    // "&Importeren", while browsing: reads the member list at `pad` for the
    // preview. 0, or -1 after a message.
    bool ImporterenAan() const { return Bladeren(); }
    // The folder the file dialog opens in: the competition's folder.
    std::string ImportMap() const;
    CMorvelApp& App() const { return app_; }
    int LeesImport(const std::string& pad, CLedenImport& import) const;
    // After the preview added members: the list shows them.
    void NaImport();

private:
    // Refills the list and browses.
    void Vul();
    // Refills the list; the selected player stays selected.
    void VulEnHerstel();
    void ZetStatus(EStatus status);

    CMorvelApp& app_;
    CSpelerKolom kolom_;
    int selectieVoorToevoegen_ = -1;
    EStatus status_ = EStatus::Bladeren;
    EFocus focus_ = EFocus::Zoek;
    CDetail detail_;
};
