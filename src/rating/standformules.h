#pragma once
// The active rules of the standings: the points formula with its mode and the
// three class formulas. Filled from the active formula sets.

#include "formule/formule.h"

struct CStandFormules {
    CFormule punten;
    // true: points are computed per game and averaged; false: once from the totals.
    bool middelen = false;
    CFormule klasseNaWinst;
    CFormule klasseNaVerlies;
    CFormule klasseNaJigo;
};
