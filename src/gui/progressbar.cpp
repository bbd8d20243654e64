#include "gui/progressbar.h"

#include <cmath>

CProgressBar::CProgressBar(QWidget* ouder) : QProgressBar(ouder) {
    setRange(0, kStappen);
    ZetBereik(0, 0);
}

void CProgressBar::ZetBereik(double laag, double hoog) {
    laag_ = laag;
    hoog_ = hoog;
    setEnabled(HeeftBalk());
    setTextVisible(HeeftBalk());
    setValue(0);
}

void CProgressBar::ZetPositie(double positie) {
    if (!HeeftBalk()) {
        return;
    }
    const double deel = (positie - laag_) / (hoog_ - laag_);
    int stap = 0;
    if (deel >= 1) {
        stap = kStappen;
    } else if (deel > 0) { // also false for NaN
        stap = static_cast<int>(std::floor(deel * kStappen));
    }
    if (stap != value()) {
        setValue(stap);
    }
}
