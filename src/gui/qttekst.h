#pragma once
// The one crossing between the program's Windows-1252 text and Qt's strings.

#include "base/codering.h"

#include <QString>
#include <string>

inline QString NaarQString(const std::string& tekst) {
    return QString::fromStdString(Cp1252NaarUtf8(tekst));
}

inline std::string VanQString(const QString& tekst) {
    return Utf8NaarCp1252(tekst.toStdString());
}
