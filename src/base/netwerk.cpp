#include "base/netwerk.h"

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// The name lookup runs on a thread of its own that nobody waits for past the
// deadline; what it finds is handed over through this shared record, which
// the last of the two to let go frees.
struct COpzoeking {
    std::mutex slot;
    std::condition_variable klaar;
    bool gedaan = false;
    int code = 0;
    addrinfo* adressen = nullptr;
    ~COpzoeking() {
        if (adressen) {
            ::freeaddrinfo(adressen);
        }
    }
};

std::shared_ptr<COpzoeking> ZoekOp(const std::string& server, const std::string& poort) {
    auto opzoeking = std::make_shared<COpzoeking>();
    std::thread([opzoeking, server, poort] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* adressen = nullptr;
        int code = ::getaddrinfo(server.c_str(), poort.c_str(), &hints, &adressen);
        std::lock_guard<std::mutex> slot(opzoeking->slot);
        opzoeking->code = code;
        opzoeking->adressen = code == 0 ? adressen : nullptr;
        opzoeking->gedaan = true;
        opzoeking->klaar.notify_all();
    }).detach();
    return opzoeking;
}

int Milliseconden(CTijdstip deadline) {
    auto over = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return over.count() < 0 ? 0 : static_cast<int>(over.count());
}

// One address: 0 and the socket in `socket`, or the errno of the failure.
int ProbeerAdres(const addrinfo& adres, CTijdstip deadline, int& socket) {
    int s = ::socket(adres.ai_family, adres.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                     adres.ai_protocol);
    if (s < 0) {
        return errno;
    }
    int fout = 0;
    if (::connect(s, adres.ai_addr, adres.ai_addrlen) != 0) {
        fout = errno;
        if (fout == EINPROGRESS) {
            pollfd wacht{s, POLLOUT, 0};
            int n;
            do {
                n = ::poll(&wacht, 1, Milliseconden(deadline));
            } while (n < 0 && errno == EINTR);
            socklen_t lengte = sizeof fout;
            if (n == 0) {
                fout = ETIMEDOUT;
            } else if (n < 0 || ::getsockopt(s, SOL_SOCKET, SO_ERROR, &fout, &lengte) != 0) {
                fout = errno;
            }
        }
    }
    if (fout != 0) {
        ::close(s);
        return fout;
    }
    socket = s;
    return 0;
}

} // namespace

int VerbindTcp(const std::string& server, const std::string& poort, CTijdstip deadline,
               CNetFout& fout) {
    std::shared_ptr<COpzoeking> opzoeking = ZoekOp(server, poort);
    {
        std::unique_lock<std::mutex> slot(opzoeking->slot);
        if (!opzoeking->klaar.wait_until(slot, deadline, [&] { return opzoeking->gedaan; })) {
            fout = {NetUitkomst::TijdOm, ""};
            return -1;
        }
    }
    if (opzoeking->code != 0) {
        fout.uitkomst =
            opzoeking->code == EAI_SYSTEM ? NetUitkomst::Onbereikbaar : NetUitkomst::NietGevonden;
        fout.tekst = ::gai_strerror(opzoeking->code);
        return -1;
    }
    int laatste = EHOSTUNREACH;
    for (const addrinfo* a = opzoeking->adressen; a; a = a->ai_next) {
        int socket = -1;
        laatste = ProbeerAdres(*a, deadline, socket);
        if (laatste == 0) {
            fout = {};
            return socket;
        }
        if (laatste == ETIMEDOUT) {
            break;
        }
    }
    fout.uitkomst = laatste == ETIMEDOUT      ? NetUitkomst::TijdOm
                    : laatste == ECONNREFUSED ? NetUitkomst::Geweigerd
                                              : NetUitkomst::Onbereikbaar;
    fout.tekst = std::strerror(laatste);
    return -1;
}

void OnderbreekSocket(int socket) {
    if (socket >= 0) {
        ::shutdown(socket, SHUT_RDWR);
    }
}

void SluitSocket(int socket) {
    if (socket >= 0) {
        ::close(socket);
    }
}

int KopieerSocket(int socket) {
    return socket < 0 ? -1 : ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
}

void NegeerSigpipeInDezeDraad() {
    // A SIGPIPE caused by this thread stays pending for it and goes with it.
    sigset_t pijp;
    sigemptyset(&pijp);
    sigaddset(&pijp, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pijp, nullptr);
}
