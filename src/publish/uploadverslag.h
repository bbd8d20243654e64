#pragma once
// The log of an upload run as rows of a text and a status ("OK", "MISLUKT",
// "Mislukt" or empty). A step adds its row before it starts and sets its
// status when it ends; error texts and hints are rows without a status.

#include "publish/uploadlog.h"

#include <functional>
#include <string>
#include <vector>

struct CUploadRegel {
    std::string tekst;
    std::string status;
};

class CUploadVerslag : public CUploadLog {
public:
    void VoegRegelToe(const std::string& regel) override;
    // The row added last: the step that runs now. -1 when there is none.
    int Laatste() const { return static_cast<int>(regels_.size()) - 1; }
    void ZetStatus(int rij, const std::string& status);
    void ZetTekst(int rij, const std::string& tekst);
    const std::vector<CUploadRegel>& Regels() const { return regels_; }
    // Every row as its text, a tab and its status.
    std::vector<std::string> Teksten() const;

    // Called with the row that was added or changed.
    std::function<void(int rij)> gewijzigd;

private:
    void Wijzig(int rij, std::string CUploadRegel::*veld, const std::string& waarde);

    std::vector<CUploadRegel> regels_;
};
