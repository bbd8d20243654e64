#pragma once
// Buttons whose text is a sign, such as "-->", "<--", "+/-" and "?". A
// screen reader cannot say a sign, so each gets the name it says, a tooltip
// with that name and the key that presses it.

#include <QKeySequence>

class QPushButton;
class QVBoxLayout;

struct CTekenKnop {
    const char* tekst;   // the sign
    const char* naam;    // the object name
    const char* toegang; // what the button does, in a few words
    // The key that presses it, or the key of the head that does the same;
    // empty for none.
    QKeySequence toets = {};
    bool eigenToets = false; // the key belongs to this button
};

QPushButton* MaakTekenKnop(const CTekenKnop& knop);
// "-->", "<--" and "+/-" in a column, centred between two lists.
QVBoxLayout* PijlKolom(QPushButton* toevoegen, QPushButton* verwijderen, QPushButton* wissel);
