#pragma once
// Qt without a display, for the command line: while no Qt application runs,
// one on the offscreen platform, and Qt's own notes (such as a missing
// runtime folder) kept off standard error unless they are serious.

#include <QtGlobal>
#include <array>
#include <memory>

class QApplication;

class CZonderScherm {
public:
    CZonderScherm();
    ~CZonderScherm();
    CZonderScherm(const CZonderScherm&) = delete;
    CZonderScherm& operator=(const CZonderScherm&) = delete;

private:
    int argc_ = 0;
    std::array<char*, 4> argv_{};
    std::unique_ptr<QApplication> eigen_; // none when an application already runs
    QtMessageHandler vorige_ = nullptr;
};
