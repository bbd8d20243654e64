#pragma once
// A test server for the upload, started from tests/support/uploadserver.py on
// 127.0.0.1 on a free port and stopped when the object goes. The server also
// stops by itself when its standard input closes, so it never outlives the test.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class CUploadServer {
public:
    // `soort` "ftp" (root, user, password), "sftp" (root, user, password,
    // host key file) or "stil" (no arguments).
    CUploadServer(const std::string& soort, const std::vector<std::string>& argumenten) {
        std::string script = std::string(MORVEL_FIXTURES) + "/../support/uploadserver.py";
        std::vector<std::string> alle{"/usr/bin/python3", script, soort};
        alle.insert(alle.end(), argumenten.begin(), argumenten.end());
        std::vector<char*> argv;
        for (std::string& a : alle) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        int invoer[2];
        int uitvoer[2];
        if (::pipe(invoer) != 0 || ::pipe(uitvoer) != 0) {
            ADD_FAILURE() << "no pipe for the test server";
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(invoer[0], 0);
            ::dup2(uitvoer[1], 1);
            ::close(invoer[1]);
            ::close(uitvoer[0]);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(invoer[0]);
        ::close(uitvoer[1]);
        invoer_ = invoer[1];
        std::FILE* lezer = ::fdopen(uitvoer[0], "r");
        if (lezer && std::fscanf(lezer, "%d", &poort_) != 1) {
            poort_ = 0;
        }
        if (lezer) {
            std::fclose(lezer);
        }
        if (poort_ == 0) {
            ADD_FAILURE() << "the " << soort << " test server did not start";
        }
    }
    ~CUploadServer() { Stop(); }
    CUploadServer(const CUploadServer&) = delete;
    CUploadServer& operator=(const CUploadServer&) = delete;

    int Poort() const { return poort_; }
    std::string PoortTekst() const { return std::to_string(poort_); }

    void Stop() {
        if (invoer_ >= 0) {
            ::close(invoer_);
            invoer_ = -1;
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int invoer_ = -1;
    int poort_ = 0;
};
