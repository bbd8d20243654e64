#pragma once
// TCP connections with a deadline, for the upload: the name lookup and the
// connect never wait past the deadline, and a socket can be shut down from
// any thread so that a call blocked on it returns at once.

#include <chrono>
#include <string>

using CTijdstip = std::chrono::steady_clock::time_point;

// How an attempt to connect ended.
enum class NetUitkomst { Verbonden, NietGevonden, Geweigerd, TijdOm, Onbereikbaar };

struct CNetFout {
    NetUitkomst uitkomst = NetUitkomst::Verbonden;
    std::string tekst; // the system's own text (UTF-8), empty when it has none
};

// Connects to `server` (a name or an address) on `poort` (a number or a
// service name), trying every address the name has, and gives up at
// `deadline`. Returns the socket (close-on-exec, non-blocking), or -1 with
// `fout`.
int VerbindTcp(const std::string& server, const std::string& poort, CTijdstip deadline,
               CNetFout& fout);

// Shuts the connection of `socket` down in both directions: every call that
// waits on it, in any thread, returns. The descriptor stays open.
void OnderbreekSocket(int socket);
// Closes a descriptor that VerbindTcp or KopieerSocket gave.
void SluitSocket(int socket);
// A second descriptor of the same socket (close-on-exec), or -1.
int KopieerSocket(int socket);
// A write to a connection that is gone fails with EPIPE in the calling
// thread instead of ending the program.
void NegeerSigpipeInDezeDraad();
