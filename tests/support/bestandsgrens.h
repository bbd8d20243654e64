#pragma once
// While it lives, a write to a regular file beyond `bytes` fails as on a full
// disk (EFBIG, "File too large"); the signal that would end the test is ignored.

#include <csignal>
#include <sys/resource.h>

class CBestandsGrens {
public:
    explicit CBestandsGrens(rlim_t bytes) : vorigSignaal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &vorige_);
        rlimit grens = vorige_;
        grens.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~CBestandsGrens() {
        ::setrlimit(RLIMIT_FSIZE, &vorige_);
        std::signal(SIGXFSZ, vorigSignaal_);
    }
    CBestandsGrens(const CBestandsGrens&) = delete;
    CBestandsGrens& operator=(const CBestandsGrens&) = delete;

private:
    rlimit vorige_{};
    void (*vorigSignaal_)(int);
};
