#pragma once
// Shows the core's messages as modal message boxes.

#include "base/melding.h"

class QWidget;

class CQtMelder : public Melder {
public:
    explicit CQtMelder(QWidget* ouder = nullptr) : ouder_(ouder) {}
    void ZetOuder(QWidget* ouder) { ouder_ = ouder; }

    Antwoord Toon(const std::string& tekst, Knoppen knoppen, const std::string& titel) override;

private:
    QWidget* ouder_;
};
