#include "publish/uploadwachter.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// How often the waiting thread handles events.
constexpr std::chrono::milliseconds kTik{40};

} // namespace

CWachter::~CWachter() {
    SluitSocket(socket_);
}

void CWachter::ZetSocket(int socket) {
    SluitSocket(socket_);
    socket_ = KopieerSocket(socket);
}

void CWachter::Verleng() {
    deadline_ = (std::chrono::steady_clock::now() + limiet_).time_since_epoch().count();
}

void VoerOpHulpdraad(const std::function<void()>& stap, const std::function<void()>& tik) {
    std::mutex slot;
    std::condition_variable klaar;
    bool gedaan = false;
    std::thread helper([&] {
        NegeerSigpipeInDezeDraad();
        stap();
        std::lock_guard<std::mutex> vast(slot);
        gedaan = true;
        klaar.notify_all();
    });
    std::unique_lock<std::mutex> vast(slot);
    while (!klaar.wait_for(vast, kTik, [&] { return gedaan; })) {
        vast.unlock();
        tik();
        vast.lock();
    }
    vast.unlock();
    helper.join();
}

bool CWachter::Voer(const std::function<void()>& stap, CTijdstip deadline) {
    if (verlopen_) {
        return false;
    }
    deadline_ = deadline.time_since_epoch().count();
    VoerOpHulpdraad(stap, [this] {
        if (verwerk_) {
            verwerk_();
        }
        auto nu = std::chrono::steady_clock::now().time_since_epoch().count();
        if (!verlopen_ && nu >= deadline_.load()) {
            // The call returns once its socket is gone.
            verlopen_ = true;
            OnderbreekSocket(socket_);
        }
    });
    return !verlopen_;
}
