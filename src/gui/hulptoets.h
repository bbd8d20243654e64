#pragma once
// F1 in every window: the manual opens at the section of that window. Every
// window class has its section in one table here; a part of a window may
// name a section of its own with the property "handleiding".

#include <QObject>
#include <string>

class QWidget;

// The section of the window class of `venster` (or of a class it derives
// from); empty when it has none.
std::string VensterAnker(const QWidget& venster);

// The section for F1 on `widget`: the nearest "handleiding" property from
// the widget up to its window, else its window's section, else that of the
// window it was opened from; empty when none has one.
std::string HandleidingAnker(const QWidget* widget);

// While it lives, F1 in any window of the application opens the manual at
// that window's section (a help window that has the focus goes to the
// section on help).
class CHulpToets : public QObject {
    Q_OBJECT

public:
    CHulpToets();
    ~CHulpToets() override;

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;
};
