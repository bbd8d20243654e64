#pragma once
// The settings of the program, held in memory for the whole run and kept in
// the INI profile. Construction reads every setting, creates the default
// handicap sets when there are none and checks the active formulas. Every setter marks the store
// changed when the value differs; when changed, destruction writes every setting back. The formula
// set sections are written by their own windows, not here.

#include "formule/formule.h"

#include <array>
#include <cstdint>
#include <string>

class CProfiel;

// Every setting, in the order in which it is read and written:
//   TEKST(name, section, key, default)  a text setting (std::string)
//   GETAL(name, section, key, default)  an integer setting (int32_t, default as text)
// Each row gives CSettings a getter `name()` and a setter `Setname(value)`.
// Keys that occur in several sections carry their section in the name.
#define MORVEL_INSTELLINGEN(TEKST, GETAL)                                                          \
    TEKST(DataPad, "Morvel", "DataPad", ".")                                                       \
    TEKST(HuidigePeriode, "Morvel", "HuidigePeriode", "")                                          \
    GETAL(MakeBackup, "Morvel", "MakeBackup", "0")                                                 \
    TEKST(BackupPad, "Morvel", "BackupPad", "")                                                    \
    TEKST(SpreadSheet, "Morvel", "SpreadSheet", "xdg-open")                                        \
    GETAL(Geschiedenis, "Morvel", "Geschiedenis", "100")                                           \
    TEKST(Lettertype, "Morvel", "Lettertype", "Courier New")                                       \
    GETAL(LetterGrootte, "Morvel", "LetterGrootte", "120")                                         \
    GETAL(StandOpNieuwePagina, "Morvel", "StandOpNieuwePagina", "0")                               \
    GETAL(IndelingOpNieuwePagina, "Morvel", "IndelingOpNieuwePagina", "0")                         \
    GETAL(LedenToonAlleenAktieveSpelers, "Leden dialoog", "ToonAlleenAktieveSpelers", "1")         \
    GETAL(LedenSorteerSleutel, "Leden dialoog", "SorteerSleutel", "0")                             \
    GETAL(UitslagToonAlleenAktieveSpelers, "Uitslag dialoog", "ToonAlleenAktieveSpelers", "1")     \
    GETAL(UitslagVerbergVerwerkteSpelers, "Uitslag dialoog", "VerbergVerwerkteSpelers", "1")       \
    GETAL(UitslagSorteerSleutel, "Uitslag dialoog", "SorteerSleutel", "0")                         \
    GETAL(IndelingToonAlleenAktieveSpelers, "Indeling dialoog", "ToonAlleenAktieveSpelers", "1")   \
    GETAL(IndelingSorteerSleutel, "Indeling dialoog", "SorteerSleutel", "0")                       \
    GETAL(UitslagLaatsteRonde, "Afdruk selektie", "UitslagLaatsteRonde", "1")                      \
    GETAL(HuidigeStand, "Afdruk selektie", "HuidigeStand", "1")                                    \
    GETAL(AantalScoreFormules, "Morvel", "AantalScoreFormules", "0")                               \
    GETAL(HuidigeScoreFormule, "Morvel", "HuidigeScoreFormule", "0")                               \
    GETAL(AantalKlasseAanpassingsFormules, "Morvel", "AantalKlasseAanpassingsFormules", "0")       \
    GETAL(HuidigeKlasseAanpassingsFormule, "Morvel", "HuidigeKlasseAanpassingsFormule", "0")       \
    GETAL(MaximaalAantalVoorVolledig, "Indeling Parameters", "MaximaalAantalVoorVolledig", "8")    \
    GETAL(AantalRandomPairings, "Indeling Parameters", "AantalRandomPairings", "0")                \
    GETAL(PenaltyUitgeloot, "Indeling Parameters", "PenaltyUitgeloot", "1000")                     \
    GETAL(PenaltyMagNietUitgeloot, "Indeling Parameters", "PenaltyMagNietUitgeloot", "20000")      \
    GETAL(PenaltyKlasseVerschilGrens, "Indeling Parameters", "PenaltyKlasseVerschilGrens", "17")   \
    GETAL(PenaltyKlasseVerschilLaag, "Indeling Parameters", "PenaltyKlasseVerschilLaag", "10")     \
    GETAL(PenaltyKlasseVerschilHoog, "Indeling Parameters", "PenaltyKlasseVerschilHoog", "20")     \
    GETAL(PenaltyNietZoIngedeeldGrens, "Indeling Parameters", "PenaltyNietZoIngedeeldGrens", "0")  \
    GETAL(PenaltyNietZoIngedeeldLaag, "Indeling Parameters", "PenaltyNietZoIngedeeldLaag", "400")  \
    GETAL(PenaltyNietZoIngedeeldHoog, "Indeling Parameters", "PenaltyNietZoIngedeeldHoog", "0")    \
    GETAL(ExacteIndeling, "Indeling Parameters", "ExacteIndeling", "1")                            \
    GETAL(IndelingsLijstMethode, "IndelingsLijst", "Methode", "1")                                 \
    GETAL(AantalDagen, "IndelingsLijst", "AantalDagen", "7")                                       \
    GETAL(WeekNummers, "IndelingsLijst", "WeekNummers", "5")                                       \
    GETAL(AantalKolommen, "IndelingsLijst", "AantalKolommen", "17")                                \
    GETAL(IndelingSneller, "Opmerkingen", "IndelingSneller", "0")                                  \
    GETAL(OneindigeRandomIndeling, "Opmerkingen", "OneindigeRandomIndeling", "0")                  \
    GETAL(HtmlUitvoer, "Opmerkingen", "HtmlUitvoer", "0")                                          \
    GETAL(HtmlUitslag, "Html", "Uitslag", "0")                                                     \
    GETAL(HtmlUitslagen, "Html", "Uitslagen", "0")                                                 \
    GETAL(HtmlStand, "Html", "Stand", "0")                                                         \
    GETAL(HtmlIndeling, "Html", "Indeling", "0")                                                   \
    GETAL(HtmlKlassenverloop, "Html", "Klassenverloop", "0")                                       \
    TEKST(Server, "Html", "Server", "")                                                            \
    TEKST(Poort, "Html", "Poort", "21")                                                            \
    GETAL(FtpModePassief, "Html", "FtpModePassief", "1")                                           \
    TEKST(Gebruikersnaam, "Html", "Gebruikersnaam", "")                                            \
    TEKST(Wachtwoord, "Html", "Wachtwoord", "")                                                    \
    TEKST(RemoteDirectory, "Html", "RemoteDirectory", "")                                          \
    GETAL(CompetitieIdAanPadToevoegen, "Html", "CompetitieIdAanPadToevoegen", "1")                 \
    GETAL(AutomatischAfsluiten, "Html", "AutomatischAfsluiten", "0")                               \
    TEKST(HtmlMethode, "Html", "Methode", "FTP")                                                   \
    TEKST(HtmlCertificaat, "Html", "CertificaatBestand", "")                                       \
    GETAL(AantalVoorgiftFormules, "Morvel", "AantalVoorgiftFormules", "0")                         \
    GETAL(HuidigeVoorgiftFormule, "Morvel", "HuidigeVoorgiftFormule", "0")

enum class EInstelling {
#define MORVEL_INSTELLING_NAAM(naam, sectie, sleutel, standaard) naam,
    MORVEL_INSTELLINGEN(MORVEL_INSTELLING_NAAM, MORVEL_INSTELLING_NAAM)
#undef MORVEL_INSTELLING_NAAM
        Aantal
};

inline constexpr size_t kAantalInstellingen = static_cast<size_t>(EInstelling::Aantal);

// Section names of the formula sets: the prefix followed by the set number.
inline constexpr const char* kScoreFormuleSectie = "ScoreFormule ";
inline constexpr const char* kKlasseFormuleSectie = "KlasseBerekening ";
inline constexpr const char* kVoorgiftFormuleSectie = "VoorgiftEnKomi ";

// A handicap formula set as stored in the profile.
struct CVoorgiftSet {
    int32_t nummer = 0; // 0 or less: no set is active
    std::string naam;
    std::string voorgift = "0"; // stones formula
    std::string komi = "6";     // komi formula
    bool extraHalfKomi = true;
};

class CSettings {
public:
    // Reads the profile at `profielPad`, or, when that is empty, the profile
    // next to the program file. Shows the start-up messages.
    explicit CSettings(const std::string& profielPad = "");
    // Reads every setting from `profiel` as it is held in memory, as the
    // construction above does (the default handicap sets go into `profiel`),
    // without the start-up check; nothing is read from or written to disk, at
    // destruction neither. For checks that a profile reads back as written.
    explicit CSettings(CProfiel& profiel);
    // Writes every setting to the profile when the store was changed.
    ~CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // The profile path could not be found: a fatal message was shown and the
    // program must end at once. Nothing is read or written.
    bool Fataal() const { return fataal_; }
    bool Gewijzigd() const { return gewijzigd_; }
    const std::string& ProfielPad() const { return profielPad_; }

#define MORVEL_TEKST_TOEGANG(naam, sectie, sleutel, standaard)                                     \
    const std::string& naam() const {                                                              \
        return teksten_[Index(EInstelling::naam)];                                                 \
    }                                                                                              \
    void Set##naam(const std::string& waarde) {                                                    \
        ZetTekst(EInstelling::naam, waarde);                                                       \
    }
#define MORVEL_GETAL_TOEGANG(naam, sectie, sleutel, standaard)                                     \
    int32_t naam() const {                                                                         \
        return getallen_[Index(EInstelling::naam)];                                                \
    }                                                                                              \
    void Set##naam(int32_t waarde) {                                                               \
        ZetGetal(EInstelling::naam, waarde);                                                       \
    }
    MORVEL_INSTELLINGEN(MORVEL_TEKST_TOEGANG, MORVEL_GETAL_TOEGANG)
#undef MORVEL_TEKST_TOEGANG
#undef MORVEL_GETAL_TOEGANG

    // Makes set `nummer` the active points set (or class set): sets its
    // number, reads its formulas from the profile as it is now, and marks the
    // store changed. A number without a section gives empty formulas.
    void SelecteerScoreFormule(int32_t nummer);
    void SelecteerKlasseFormule(int32_t nummer);

    // The active points formula and its "Middelen" flag (true: points per game
    // averaged over the rounds).
    CFormule& Puntenformule() {
        return puntenformule_;
    }
    const std::string& PuntenformuleTekst() const {
        return puntenformule_.Tekst();
    }
    bool Middelen() const {
        return middelen_;
    }

    // The active class formulas after a win, a loss and a jigo.
    CFormule& KlasseFormuleNaWinst() {
        return klasseNaWinst_;
    }
    CFormule& KlasseFormuleNaVerlies() {
        return klasseNaVerlies_;
    }
    CFormule& KlasseFormuleNaJigo() {
        return klasseNaJigo_;
    }
    const std::string& KlasseNaWinstTekst() const {
        return klasseNaWinst_.Tekst();
    }
    const std::string& KlasseNaVerliesTekst() const {
        return klasseNaVerlies_.Tekst();
    }
    const std::string& KlasseNaJigoTekst() const {
        return klasseNaJigo_.Tekst();
    }

    // The active handicap set ("HuidigeVoorgiftFormule"), read from the
    // profile as it is now: its stones and komi formula texts and its
    // half-point flag. Missing keys give "0", "6" and true.
    CVoorgiftSet ActieveVoorgiftSet() const;

    // Shows the release notices not yet dismissed, each with OK (not again)
    // and Cancel (again at the next start). Only the main window shows them:
    // nobody can answer them on the command line.
    void ToonReleaseMededelingen();

    // Writes every setting when the store was changed. Returns 0, or -1 after
    // a message (the store then stays changed). A profile that existed but
    // could not be read at start is left alone.
    int SchrijfProfiel();
    // Puts every setting into `profiel`, as SchrijfProfiel writes them.
    void SchrijfIn(CProfiel& profiel) const;

private:
    static constexpr size_t Index(EInstelling i) {
        return static_cast<size_t>(i);
    }
    void ZetTekst(EInstelling i, const std::string& waarde);
    void ZetGetal(EInstelling i, int32_t waarde);

    void ZetStandaarden();
    bool BepaalProfielPad(const std::string& gegeven);
    // Reads every setting; true when the default handicap sets were made in `profiel`.
    bool LeesAlles(CProfiel& profiel);
    void LeesWachtwoord(const CProfiel& profiel);
    void KiesScoreFormule(const CProfiel& profiel, int32_t nummer);
    void KiesKlasseFormule(const CProfiel& profiel, int32_t nummer);
    void MaakStandaardVoorgiftSets(CProfiel& profiel);
    void ControleerFormules();

    std::string profielPad_;
    bool fataal_ = false;
    bool inGeheugen_ = false; // read from a profile in memory: never written
    bool gewijzigd_ = false;
    bool profielGelezen_ = false;          // false: the profile exists but could not be read
    bool wachtwoordOnversleuteld_ = false; // the profile held the password in plain text
    std::array<std::string, kAantalInstellingen> teksten_;
    std::array<int32_t, kAantalInstellingen> getallen_{};
    CFormule puntenformule_;
    bool middelen_ = false;
    CFormule klasseNaWinst_;
    CFormule klasseNaVerlies_;
    CFormule klasseNaJigo_;
};
