#include "gui/focusterug.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

CFocusTerug::CFocusTerug() {
    qApp->installEventFilter(this);
}

CFocusTerug::~CFocusTerug() {
    qApp->removeEventFilter(this);
}

bool CFocusTerug::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (gebeurtenis->type() != QEvent::Hide || !object->isWidgetType()) {
        return false;
    }
    auto* venster = static_cast<QWidget*>(object);
    if (!venster->isWindow() || !venster->parentWidget() || !venster->windowHandle() ||
        venster->windowHandle() != QGuiApplication::focusWindow()) {
        return false;
    }
    // Asked once the hiding is done, so that a window the window manager
    // or the program activates in the meantime keeps the focus.
    QPointer<QWidget> ouder = venster->parentWidget()->window();
    QTimer::singleShot(0, ouder, [ouder] {
        const QWindow* focus = QGuiApplication::focusWindow();
        if (ouder && ouder->isVisible() && (!focus || !focus->isVisible())) {
            ouder->activateWindow();
        }
    });
    return false;
}
