#pragma once
// The keyboard focus back to the window a closed window was opened from.

#include <QObject>

// While it lives, a window of the application that is closed or hidden
// while no other window takes the focus hands the focus to the window it
// was opened from. A window manager does so by itself; without one (a bare
// X display, some kiosk and remote sessions) the keys would otherwise go
// nowhere until the mouse clicked a window, and the mnemonics of the main
// window would do nothing after every nested window.
class CFocusTerug : public QObject {
    Q_OBJECT

public:
    CFocusTerug();
    ~CFocusTerug() override;

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;
};
