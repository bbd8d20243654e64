#pragma once
// The watchdog around the blocking network calls of an upload. A call runs on
// a helper thread while the calling thread keeps handling window events;
// when the call has not ended at its deadline, the watchdog shuts the
// connection's socket down, so the call returns at once with an error and
// the step is reported as timed out. Only one call runs at a time, and every
// call has ended when Voer returns, so the library's session is never used
// by two threads at once.

#include "base/netwerk.h"

#include <atomic>
#include <chrono>
#include <functional>

// Runs `stap` on a helper thread and calls `tik` on this thread every few
// hundredths of a second until the step has ended.
void VoerOpHulpdraad(const std::function<void()>& stap, const std::function<void()>& tik);

class CWachter {
public:
    // `limiet`: the time a call may take; `verwerk`: handles pending events.
    CWachter(std::chrono::milliseconds limiet, std::function<void()> verwerk)
        : limiet_(limiet), verwerk_(std::move(verwerk)) {}
    ~CWachter();
    CWachter(const CWachter&) = delete;
    CWachter& operator=(const CWachter&) = delete;

    // The socket to shut down at a deadline: the watchdog keeps a descriptor
    // of its own, so the library may close its one whenever it likes.
    void ZetSocket(int socket);

    // Runs `stap` within the limit. False when the deadline passed (the
    // socket was shut down; the session is of no more use).
    bool Voer(const std::function<void()>& stap) { return Voer(stap, Deadline()); }
    // The same with a deadline of its own, for a step of several calls.
    bool Voer(const std::function<void()>& stap, CTijdstip deadline);
    // Called by a step that makes progress (a piece written): the deadline
    // starts again. Safe from the helper thread.
    void Verleng();

    // The deadline for a step that keeps its own time, such as the connect.
    CTijdstip Deadline() const { return std::chrono::steady_clock::now() + limiet_; }
    bool Verlopen() const { return verlopen_; }
    long Seconden() const {
        return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(
                                     limiet_ + std::chrono::milliseconds(999))
                                     .count());
    }

private:
    std::chrono::milliseconds limiet_;
    std::function<void()> verwerk_;
    int socket_ = -1;
    std::atomic<std::chrono::steady_clock::rep> deadline_{0};
    bool verlopen_ = false;
};
