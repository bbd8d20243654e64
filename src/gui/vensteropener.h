#pragma once
// The one seam through which a window opens what waits for the user: a
// nested modal window, a file dialog and the print dialog. The program runs
// them; tests install an opener that answers from a script, so nothing blocks.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

enum class EBestandKeuze { Openen, Bewaren };

class CVensterOpener {
public:
    virtual ~CVensterOpener() = default;

    // Shows `venster` modally: QDialog::Accepted or QDialog::Rejected.
    virtual int Open(QDialog& venster);
    // A file to open or to save as, or an empty text when the user cancels.
    virtual QString KiesBestand(QWidget* ouder, EBestandKeuze keuze, const QString& titel,
                                const QString& map, const QString& filter);
    // The print dialog for `printer`, without page range or selection; the
    // choice to print to a PDF file stays. True when the user chose to print.
    virtual bool KiesPrinter(QPrinter& printer, QWidget* ouder);
};

// The opener installed now.
CVensterOpener& VensterOpener();

// Installs `opener` (not owned) and returns the previous one; nullptr
// restores the one that runs the real dialogs.
CVensterOpener* ZetVensterOpener(CVensterOpener* opener);
