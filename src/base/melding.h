#pragma once
// The one seam through which the core shows a message and asks a question.
// The GUI installs message boxes, the command line standard error, and the
// tests a recorder; core code never talks to Qt or the terminal itself.

#include <string>
#include <vector>

enum class Knoppen {
    Ok,          // a plain message
    OkAnnuleren, // OK preselected
    JaNee,       // Yes preselected
    JaNeeStdNee, // No preselected
    OpnieuwAnnuleren,
};

enum class Antwoord { Ok, Annuleren, Ja, Nee, Opnieuw };

// Title of a message box that names none of its own.
inline constexpr const char* kStandaardTitel = "Morvel";

class Melder {
public:
    virtual ~Melder() = default;
    // `tekst` and `titel` are Windows-1252 text.
    virtual Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) = 0;
};

// Shows a message through the installed melder and returns the answer.
Antwoord Meld(const std::string& tekst, Knoppen knoppen = Knoppen::Ok,
              const std::string& titel = kStandaardTitel);

// Installs `melder` (not owned) and returns the previous one; nullptr restores
// the standard error melder.
Melder* ZetMelder(Melder* melder);

// The answer a non-interactive user gives: OK, Cancel or No.
Antwoord StandaardAntwoord(Knoppen knoppen);

// Writes every message to standard error in UTF-8, one block followed by an
// empty line, and answers with the default. Used by the command line.
class StderrMelder : public Melder {
public:
    Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) override;
};

// Counts the messages shown while it lives and passes them on to the melder
// that was installed before it.
class CMeldingTeller : public Melder {
public:
    CMeldingTeller() : vorige_(ZetMelder(this)) {}
    ~CMeldingTeller() override { ZetMelder(vorige_); }
    CMeldingTeller(const CMeldingTeller&) = delete;
    CMeldingTeller& operator=(const CMeldingTeller&) = delete;

    Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) override {
        ++aantal;
        return vorige_->Toon(tekst, knoppen, titel);
    }

    int aantal = 0;

private:
    Melder* vorige_;
};

// Keeps every message shown while it lives instead of showing it, answering
// each with the default, for work whose messages are reported in another way.
class CMeldingVanger : public Melder {
public:
    CMeldingVanger() : vorige_(ZetMelder(this)) {}
    ~CMeldingVanger() override { ZetMelder(vorige_); }
    CMeldingVanger(const CMeldingVanger&) = delete;
    CMeldingVanger& operator=(const CMeldingVanger&) = delete;

    Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string&) override {
        meldingen.push_back(tekst);
        return StandaardAntwoord(knoppen);
    }

    std::vector<std::string> meldingen;

private:
    Melder* vorige_;
};
