#include "app/platform.h"

#include "app/formatteer.h"
#include "data/codering.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string MapVan(const std::string& pad) {
    auto schuine = pad.find_last_of('/');
    if (schuine == std::string::npos) {
        return ".";
    }
    return schuine == 0 ? "/" : pad.substr(0, schuine);
}

bool SchrijfAlles(int fd, std::string_view tekst) {
    while (!tekst.empty()) {
        ssize_t n = ::write(fd, tekst.data(), tekst.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        tekst.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t NieuweBestandsModus() {
    mode_t masker = ::umask(0);
    ::umask(masker);
    return 0666 & ~masker;
}

} // namespace

std::string SysteemFoutTekst(long code) {
    if (code > 0 && code < 4096) {
        char buffer[1024];
        // The GNU variant returns the text, which may or may not be in the buffer.
        const char* tekst = ::strerror_r(static_cast<int>(code), buffer, sizeof buffer);
        if (tekst && *tekst && std::strncmp(tekst, "Unknown error", 13) != 0) {
            return tekst;
        }
    }
    return Formatteer("Deze Windowsversie kent geen text bij de opgetreden fout '%ld'", code);
}

bool LeesBestand(const std::string& pad, std::string& inhoud, int& fout) {
    std::FILE* f = std::fopen(Cp1252NaarUtf8(pad).c_str(), "rb");
    if (!f) {
        fout = errno;
        return false;
    }
    inhoud.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        inhoud.append(buffer, n);
    }
    bool goed = !std::ferror(f);
    fout = goed ? 0 : errno;
    std::fclose(f);
    return goed;
}

bool SchrijfBestandVeilig(const std::string& pad1252, const std::string& inhoud, int& fout) {
    std::string pad = Cp1252NaarUtf8(pad1252);
    std::string sjabloon = pad + ".XXXXXX";
    std::vector<char> naam(sjabloon.begin(), sjabloon.end());
    naam.push_back('\0');
    int fd = ::mkstemp(naam.data());
    if (fd < 0) {
        fout = errno;
        return false;
    }
    struct stat oud {};
    mode_t modus = ::stat(pad.c_str(), &oud) == 0 ? (oud.st_mode & 07777) : NieuweBestandsModus();
    bool goed = ::fchmod(fd, modus) == 0 && SchrijfAlles(fd, inhoud) && ::fsync(fd) == 0;
    fout = goed ? 0 : errno;
    if (::close(fd) != 0 && goed) {
        goed = false;
        fout = errno;
    }
    if (goed && ::rename(naam.data(), pad.c_str()) != 0) {
        goed = false;
        fout = errno;
    }
    if (!goed) {
        ::unlink(naam.data());
        return false;
    }
    // Make the rename itself durable.
    int map = ::open(MapVan(pad).c_str(), O_RDONLY | O_DIRECTORY);
    if (map >= 0) {
        ::fsync(map);
        ::close(map);
    }
    return true;
}
