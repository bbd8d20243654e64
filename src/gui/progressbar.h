#pragma once
// A progress bar over a range of any size, for searches that count millions
// of steps: positions are real numbers, and setting one is cheap, since the
// bar moves (and repaints) only when it reaches the next of its steps.

#include <QProgressBar>

class CProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit CProgressBar(QWidget* ouder = nullptr);

    // The bar spans `laag` to `hoog` and stands at `laag`. With `hoog` at or
    // below `laag` there is no bar: it stays empty whatever the position.
    void ZetBereik(double laag, double hoog);
    // Moves the bar to `positie`, kept within the range.
    void ZetPositie(double positie);
    bool HeeftBalk() const { return hoog_ > laag_; }

    // The number of steps the bar shows.
    static constexpr int kStappen = 1000;

private:
    double laag_ = 0;
    double hoog_ = 0;
};
