#pragma once
// A window opener for tests: answers every nested window, file dialog and
// print dialog from a script, so that nothing waits for a user. A dialog the
// script does not expect fails the test (and is cancelled), and so does an
// expected one that never came.

#include "gui/vensteropener.h"

#include <QDialog>
#include <QPrinter>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>

class CVensterScript : public CVensterOpener {
public:
    CVensterScript() : vorige_(ZetVensterOpener(this)) {}
    ~CVensterScript() override {
        ZetVensterOpener(vorige_);
        EXPECT_TRUE(stappen_.empty()) << stappen_.size() << " expected dialog(s) never came";
    }
    CVensterScript(const CVensterScript&) = delete;
    CVensterScript& operator=(const CVensterScript&) = delete;

    // The next nested window: `stap` runs on it (it is shown first) and gives
    // the result, QDialog::Accepted or QDialog::Rejected.
    CVensterScript& VerwachtVenster(std::function<int(QDialog&)> stap) {
        stappen_.push_back({Soort::Venster, std::move(stap), {}});
        return *this;
    }
    // The next file dialog answers `pad` (empty: cancelled).
    CVensterScript& VerwachtBestand(QString pad) {
        stappen_.push_back({Soort::Bestand, {}, std::move(pad)});
        return *this;
    }
    // The next print dialog chooses PDF output into `pad`, or is cancelled
    // when `pad` is empty.
    CVensterScript& VerwachtPrinter(QString pad) {
        stappen_.push_back({Soort::Printer, {}, std::move(pad)});
        return *this;
    }

    int Open(QDialog& venster) override {
        Stap stap;
        if (!Volgende(Soort::Venster, stap)) {
            return QDialog::Rejected;
        }
        venster.show();
        int resultaat = stap.venster(venster);
        venster.hide();
        return resultaat;
    }

    QString KiesBestand(QWidget*, EBestandKeuze, const QString& titel, const QString&,
                        const QString&) override {
        Stap stap;
        bestandTitels.push_back(titel);
        return Volgende(Soort::Bestand, stap) ? stap.pad : QString();
    }

    bool KiesPrinter(QPrinter& printer, QWidget*) override {
        Stap stap;
        documentNamen.push_back(printer.docName());
        pdfVoorstellen.push_back(printer.outputFileName());
        if (!Volgende(Soort::Printer, stap) || stap.pad.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(stap.pad);
        return true;
    }

    bool Klaar() const { return stappen_.empty(); }

    QStringList bestandTitels;  // the title of every file dialog
    QStringList documentNamen;  // the document name of every printer offered
    QStringList pdfVoorstellen; // the file each offers for the PDF choice

private:
    enum class Soort { Venster, Bestand, Printer };
    struct Stap {
        Soort soort = Soort::Venster;
        std::function<int(QDialog&)> venster;
        QString pad;
    };

    bool Volgende(Soort soort, Stap& stap) {
        if (stappen_.empty() || stappen_.front().soort != soort) {
            ADD_FAILURE() << "a dialog opened that the script does not expect";
            return false;
        }
        stap = std::move(stappen_.front());
        stappen_.pop_front();
        return true;
    }

    std::deque<Stap> stappen_;
    CVensterOpener* vorige_;
};
