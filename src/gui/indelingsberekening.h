#pragma once
// The log window "Indelingsberekeningen": the lines of the pairing log of the
// last search in seven columns under five heads.

#include <QDialog>
#include <string>
#include <vector>

inline constexpr const char* kIndelingsBerekeningTitel = "Indelingsberekeningen";

class CIndelingsBerekening : public QDialog {
    Q_OBJECT

public:
    CIndelingsBerekening(const std::vector<std::string>& regels, QWidget* ouder = nullptr);
};
