#pragma once
// The print choice window "Wat afdrukken?" of the pairing window: the results
// of the last round and the standings as chosen; the pairing sheet always.

#include <QDialog>

class QCheckBox;

inline constexpr const char* kAfdrukSelectieTitel = "Wat afdrukken?";

class CAfdrukSelectie : public QDialog {
    Q_OBJECT

public:
    CAfdrukSelectie(bool uitslag, bool stand, QWidget* ouder = nullptr);

    bool Uitslag() const;
    bool Stand() const;

private:
    QCheckBox* uitslag_;
    QCheckBox* stand_;
};
