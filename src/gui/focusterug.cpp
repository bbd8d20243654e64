#include "gui/focusterug.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

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
    if (!venster->isWindow() || !venster->parentWidget()) {
        return false;
    }
    // Asked once the hiding is done, so that a window the window manager
    // or the program activates in the meantime keeps the focus.
    QPointer<QWidget> ouder = venster->parentWidget()->window();
    QTimer::singleShot(0, ouder, [ouder] {
        const QWidget* actief = QApplication::activeWindow();
        if (ouder && ouder->isVisible() && (!actief || !actief->isVisible())) {
            ouder->activateWindow();
        }
    });
    return false;
}
