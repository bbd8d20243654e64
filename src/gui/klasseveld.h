#pragma once
// The class field of the results window: a free text with up and down arrows
// that its window steps. Its number is its value for the accessibility
// interface, so a screen reader says 170 when the field shows 170, and a
// value set there, like a text typed or put in, reaches the window.

#include <QAbstractSpinBox>
#include <functional>
#include <string>

class CKlasseVeld : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ Waarde WRITE ZetWaarde)
    Q_PROPERTY(int minimum READ Minimum CONSTANT)
    Q_PROPERTY(int maximum READ Maximum CONSTANT)

public:
    CKlasseVeld();

    // The program's own text: not reported as an edit.
    void ZetTekst(const std::string& tekst);
    QString Tekst() const;
    // The leading number of the text, 0 without one.
    int Waarde() const;
    void ZetWaarde(int waarde);
    int Minimum() const;
    int Maximum() const;

    void stepBy(int stappen) override;

    // Every change of the text by the user, and every step of the arrows.
    std::function<void(const QString&)> bewerkt;
    std::function<void(int)> stap;

protected:
    StepEnabled stepEnabled() const override;
};
