#pragma once
// The pieces the windows are built of: buttons, fields and
// labels with their object names and buddies, and copying texts and checks
// into widgets without reporting them as the user's edits.

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

// A button with `tekst` (UTF-8, '&' before the mnemonic) that Enter does not
// press unless it is made the default.
QPushButton* MaakConfigKnop(const char* tekst, const char* naam);
QLineEdit* MaakConfigVeld(const char* naam, bool alleenLezen = false);
QCheckBox* MaakConfigVak(const char* tekst, const char* naam);
// A row with `knoppen` at its right end.
QHBoxLayout* KnoppenRechts(std::initializer_list<QPushButton*> knoppen);
// A label (UTF-8) whose buddy is `veld`.
QLabel* MaakLabel(const char* tekst, QWidget* veld);

// Hands `wijziging` the new text of `veld` after every change the user makes,
// however it came: typing, pasting, undo, or text put in through the
// accessibility interface (a screen reader's edit, dictation, voice control),
// which Qt reports as a change of the text, never as typing. Text the program
// puts in with ZetVeldTekst is not reported. Stops when `ontvanger` goes.
void BijWijziging(QLineEdit* veld, QObject* ontvanger,
                  std::function<void(const QString&)> wijziging);

// Sets the text or the check only when it differs, without signals: the
// program's own text is never taken for the user's edit.
void ZetVeldTekst(QLineEdit* veld, const std::string& tekst);
void ZetVinkje(QCheckBox* vak, bool aan);
