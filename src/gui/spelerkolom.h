#pragma once
// The player column of the windows that pick players: the column heads, the
// list, "Zoek:" with its field, and the check boxes that filter the list.

#include <vector>

class CKolomKoppen;
class CMultiLineListBox;
class QLineEdit;
class QVBoxLayout;
class QWidget;

// The column in a new layout; the label `zoekLabel` (UTF-8) is the field's buddy.
QVBoxLayout* SpelerKolom(CKolomKoppen* koppen, CMultiLineListBox* lijst, QLineEdit* zoek,
                         const std::vector<QWidget*>& filters, const char* zoekLabel = "Zoek:");
