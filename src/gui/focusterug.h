#pragma once
// The keyboard focus back to the window a closed window was opened from.

#include <QObject>

// While it lives, the window of the application that has the focus, when it
// is closed or hidden and no other window takes the focus, hands it to the
// window it was opened from. A window manager does so by itself; without one
// (a bare X display, some kiosk and remote sessions) the keys would otherwise
// go nowhere until the mouse clicked a window, and the mnemonics of the main
// window would do nothing after every nested window. A tooltip, or a window
// closing while the user works in another program, hands on nothing.
class CFocusTerug : public QObject {
    Q_OBJECT

public:
    CFocusTerug();
    ~CFocusTerug() override;

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;
};
