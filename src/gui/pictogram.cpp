#include "gui/pictogram.h"

#include <QString>

// The resource lives in a static library, so it is registered before its first
// use; Q_INIT_RESOURCE must stand outside any namespace.
static bool LaadBronnen() {
    Q_INIT_RESOURCE(morvel);
    return true;
}

QIcon MorvelPictogram() {
    static const bool geladen = LaadBronnen();
    (void)geladen;
    QIcon pictogram;
    for (int maat : {16, 32, 64, 256}) {
        pictogram.addFile(QStringLiteral(":/pictogram/morvel-%1.png").arg(maat), QSize(maat, maat));
    }
    return pictogram;
}
