#include "base/platform.h"

#include "base/codering.h"
#include "base/formatteer.h"
#include "base/pad.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <pwd.h>
#include <signal.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A file descriptor that closes itself; Sluit reports a close error.
class CBestandsNummer {
public:
    explicit CBestandsNummer(int fd) : fd_(fd) {}
    ~CBestandsNummer() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    CBestandsNummer(const CBestandsNummer&) = delete;
    CBestandsNummer& operator=(const CBestandsNummer&) = delete;

    int Nummer() const { return fd_; }
    bool Sluit() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

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

// The file that `pad` finally names when it is a symbolic link (or a chain of
// them), so that a write replaces the target and the link stays; `pad` itself
// when it is no link or does not exist. False with `fout` set for a loop.
bool VolgKoppelingen(const std::string& pad, std::string& doel, int& fout) {
    constexpr int kMaxKoppelingen = 40;
    doel = pad;
    for (int i = 0; i < kMaxKoppelingen; ++i) {
        struct stat info {};
        if (::lstat(doel.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return true;
        }
        std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        ssize_t n = ::readlink(doel.c_str(), buffer.data(), buffer.size());
        if (n < 0 || static_cast<size_t>(n) >= buffer.size()) {
            fout = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        std::string volgende(buffer.data(), static_cast<size_t>(n));
        if (volgende.empty() || volgende[0] != '/') {
            std::string map = MapVanPad(doel);
            volgende = (map == "/" ? "" : map) + "/" + volgende;
        }
        doel = volgende;
    }
    fout = ELOOP;
    return false;
}

// The start of the names of the temporary files of `pad`: hidden, short, and
// one per file name (a 32-bit FNV-1a hash of it).
std::string TijdelijkVoorvoegsel(const std::string& pad) {
    uint32_t hash = 2166136261u;
    for (char c : LaatsteDeel(pad)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, ".morvel-%08x-", hash);
    return tekst;
}

// Removes the files of `map` whose names are `voorvoegsel` and six characters.
void RuimTijdelijkeOp(const std::string& map, const std::string& voorvoegsel) {
    DIR* lijst = ::opendir(map.c_str());
    if (!lijst) {
        return;
    }
    while (dirent* ingang = ::readdir(lijst)) {
        std::string_view naam = ingang->d_name;
        if (naam.size() == voorvoegsel.size() + 6 &&
            naam.substr(0, voorvoegsel.size()) == voorvoegsel) {
            ::unlinkat(::dirfd(lijst), ingang->d_name, 0);
        }
    }
    ::closedir(lijst);
}

mode_t NieuweBestandsModus() {
    mode_t masker = ::umask(0);
    ::umask(masker);
    return 0666 & ~masker;
}

// A new temporary file beside `pad` (UTF-8) under the hidden prefix of `pad`;
// its name goes to `naam`. The descriptor, or -1 with errno set.
int MaakTijdelijkBestand(const std::string& pad, std::vector<char>& naam) {
    std::string sjabloon = PadSamen(MapVanPad(pad), TijdelijkVoorvoegsel(pad) + "XXXXXX");
    naam.assign(sjabloon.begin(), sjabloon.end());
    naam.push_back('\0');
    return ::mkstemp(naam.data());
}

// Gives the open file `fd` the permissions `modus`, writes `inhoud`, syncs and
// closes it. False with `fout` set.
bool VulEnSluit(int fd, mode_t modus, std::string_view inhoud, int& fout) {
    bool goed = ::fchmod(fd, modus) == 0 && SchrijfAlles(fd, inhoud) && ::fsync(fd) == 0;
    fout = goed ? 0 : errno;
    if (::close(fd) != 0 && goed) {
        goed = false;
        fout = errno;
    }
    return goed;
}

// Makes the names in the folder `map` (UTF-8) durable.
void SyncMap(const std::string& map) {
    int mapNummer = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mapNummer >= 0) {
        ::fsync(mapNummer);
        ::close(mapNummer);
    }
}

// The executable that `naam` names: itself when it holds a '/', otherwise the
// first executable file of that name in PATH. Empty with `fout` set when none.
std::string ZoekProgramma(const std::string& naam, int& fout) {
    if (naam.empty()) {
        fout = ENOENT;
        return "";
    }
    if (naam.find('/') != std::string::npos) {
        return naam;
    }
    const char* omgeving = std::getenv("PATH");
    std::string zoekpad = omgeving ? omgeving : "/usr/local/bin:/usr/bin:/bin";
    fout = ENOENT;
    size_t begin = 0;
    while (begin <= zoekpad.size()) {
        size_t eind = zoekpad.find(':', begin);
        if (eind == std::string::npos) {
            eind = zoekpad.size();
        }
        std::string map = zoekpad.substr(begin, eind - begin);
        std::string kandidaat = (map.empty() ? std::string(".") : map) + "/" + naam;
        struct stat info {};
        if (::stat(kandidaat.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            if (::access(kandidaat.c_str(), X_OK) == 0) {
                return kandidaat;
            }
            fout = EACCES;
        }
        begin = eind + 1;
    }
    return "";
}

void SchrijfFoutcode(int pijp, int fout) {
    while (::write(pijp, &fout, sizeof fout) < 0 && errno == EINTR) {
    }
}

} // namespace

namespace {

// Texts for the error codes of the internet client range that the upload
// reports in its log.
struct CInternetFout {
    long code;
    const char* tekst;
};

constexpr CInternetFout kInternetFouten[] = {
    {12001, "Er zijn geen verbindingen meer beschikbaar."},
    {12002, "De bewerking heeft te lang geduurd."},
    {12003, "De server heeft de opdracht geweigerd."},
    {12004, "Er is een interne fout opgetreden."},
    {12005, "Het adres van de server is ongeldig."},
    {12006, "Het protocol van het adres wordt niet herkend."},
    {12007, "De naam van de server kan niet gevonden worden."},
    {12008, "Het gevraagde protocol is niet beschikbaar."},
    {12013, "De gebruikersnaam is onjuist."},
    {12014, "Het wachtwoord is onjuist."},
    {12015, "Het aanmelden bij de server is mislukt."},
    {12017, "De bewerking is afgebroken."},
    {12029, "Er kan geen verbinding met de server gemaakt worden."},
    {12030, "De verbinding met de server is verbroken."},
    {12031, "De verbinding is door de server verbroken."},
    {12110, "Er loopt al een bestandsoverdracht."},
    {12111, "De FTP-sessie is afgebroken."},
    {12112, "De server kent geen passieve mode."},
    {kFoutGeenGewoonBestand, "Het is geen gewoon bestand, maar een pijp (FIFO), een apparaat of "
                             "een socket; Morvel leest en schrijft alleen gewone bestanden."},
    {kFoutTeGroot, "Het bestand is groter dan 64 MB; zo groot is geen bestand van Morvel."},
    {kFoutAlleenLezen, "Het bestand is alleen-lezen gemaakt; Morvel vervangt het niet. Maak het "
                       "eerst weer schrijfbaar als het toch vervangen moet worden."},
};

constexpr size_t kMaxFoutTekst = 1023;

// The user's locale for the texts of the C library (LC_MESSAGES, LANGUAGE),
// made once and never installed globally, so number formats stay as they are.
// A locale that is not installed on the system falls back to C.UTF-8, where
// LANGUAGE still chooses the language.
locale_t GebruikersLocale() {
    static const locale_t locale = [] {
        locale_t l = ::newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
        if (l == static_cast<locale_t>(nullptr)) {
            l = ::newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        }
        return l;
    }();
    return locale;
}

} // namespace

std::string SysteemFoutTekst(long code) {
    std::string tekst;
    // Only numbers the C library knows by name have a text of their own; for
    // others it makes up "Unknown error N" in the user's language.
    if (code > 0 && code < 4096 && ::strerrorname_np(static_cast<int>(code)) != nullptr) {
        locale_t locale = GebruikersLocale();
        char buffer[kMaxFoutTekst + 1];
        // The GNU variant of strerror_r returns the text, which may or may not be in the buffer.
        const char* systeem = locale != static_cast<locale_t>(nullptr)
                                  ? ::strerror_l(static_cast<int>(code), locale)
                                  : ::strerror_r(static_cast<int>(code), buffer, sizeof buffer);
        if (systeem && *systeem) {
            tekst = Utf8NaarCp1252(systeem);
        }
    }
    for (const CInternetFout& fout : kInternetFouten) {
        if (fout.code == code) {
            tekst = fout.tekst;
        }
    }
    if (tekst.empty()) {
        return Formatteer("Deze Windowsversie kent geen text bij de opgetreden fout '%ld'", code);
    }
    if (tekst.size() > kMaxFoutTekst) {
        tekst.resize(kMaxFoutTekst);
    }
    return tekst;
}

bool WijzigingsTijd(const std::string& pad, int64_t& seconden) {
    struct stat info {};
    if (::stat(Cp1252NaarUtf8(pad).c_str(), &info) != 0) {
        return false;
    }
    seconden = static_cast<int64_t>(info.st_mtime);
    return true;
}

bool BestaatBestand(const std::string& pad) {
    struct stat info {};
    return ::stat(Cp1252NaarUtf8(pad).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool HernoemBestand(const std::string& van, const std::string& naar, int& fout) {
    // link and unlink rather than rename, so that an existing `naar` is never replaced.
    if (::link(Cp1252NaarUtf8(van).c_str(), Cp1252NaarUtf8(naar).c_str()) != 0 ||
        ::unlink(Cp1252NaarUtf8(van).c_str()) != 0) {
        fout = errno;
        return false;
    }
    return true;
}

bool MaakPriveMap(const std::string& basis, const std::string& voorvoegsel, std::string& map,
                  int& fout) {
    std::string sjabloon = Cp1252NaarUtf8(PadSamen(basis, voorvoegsel + "XXXXXX"));
    std::vector<char> naam(sjabloon.begin(), sjabloon.end());
    naam.push_back('\0');
    if (::mkdtemp(naam.data()) == nullptr) {
        fout = errno;
        return false;
    }
    map = Utf8NaarCp1252(naam.data());
    return true;
}

bool VerwijderBestand(const std::string& pad) {
    return ::unlink(Cp1252NaarUtf8(pad).c_str()) == 0 || errno == ENOENT;
}

bool LeesBestand(const std::string& pad, std::string& inhoud, int& fout) {
    switch (LeesGewoonBestand(pad, static_cast<size_t>(kMaxBestandsGrootte), inhoud, fout)) {
    case LeesUitkomst::Gelezen:
        return true;
    case LeesUitkomst::GeenBestand: {
        struct stat info {};
        bool map = ::stat(Cp1252NaarUtf8(pad).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        fout = map ? EISDIR : kFoutGeenGewoonBestand;
        return false;
    }
    case LeesUitkomst::TeGroot:
        fout = kFoutTeGroot;
        return false;
    default:
        return false; // `fout` tells why
    }
}

namespace {

// MagOverschrijven for a path in the file system's UTF-8.
bool MagVervangen(const std::string& pad, int& fout) {
    struct stat info {};
    if (::stat(pad.c_str(), &info) != 0) {
        return true; // nothing there yet: the write itself reports a missing folder
    }
    if (!S_ISREG(info.st_mode)) {
        fout = S_ISDIR(info.st_mode) ? EISDIR : kFoutGeenGewoonBestand;
        return false;
    }
    // Without any write bit the file was made read-only on purpose, also for root.
    if ((info.st_mode & 0222) == 0) {
        fout = kFoutAlleenLezen;
        return false;
    }
    // A file this process may not write would otherwise be replaced through its folder.
    if (::access(pad.c_str(), W_OK) != 0) {
        fout = errno;
        return false;
    }
    return true;
}

} // namespace

bool MagOverschrijven(const std::string& pad, int& fout) {
    return MagVervangen(Cp1252NaarUtf8(pad), fout);
}

LeesUitkomst LeesGewoonBestand(const std::string& pad, size_t maximum, std::string& inhoud,
                               int& fout) {
    inhoud.clear();
    fout = 0;
    const std::string utf8 = Cp1252NaarUtf8(pad);
    struct stat info {};
    if (::stat(utf8.c_str(), &info) != 0) {
        fout = errno;
        return errno == ENOENT ? LeesUitkomst::Afwezig : LeesUitkomst::Fout;
    }
    if (!S_ISREG(info.st_mode)) {
        return LeesUitkomst::GeenBestand;
    }
    // Non-blocking, and checked again once open: the name may have changed in between.
    int fd = ::open(utf8.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fout = errno;
        return LeesUitkomst::Fout;
    }
    LeesUitkomst uitkomst = LeesUitkomst::Gelezen;
    if (::fstat(fd, &info) != 0) {
        fout = errno;
        uitkomst = LeesUitkomst::Fout;
    } else if (!S_ISREG(info.st_mode)) {
        uitkomst = LeesUitkomst::GeenBestand;
    }
    char blok[65536];
    while (uitkomst == LeesUitkomst::Gelezen) {
        ssize_t n = ::read(fd, blok, sizeof blok);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fout = errno;
            uitkomst = LeesUitkomst::Fout;
        } else if (n == 0) {
            break;
        } else if (inhoud.size() + static_cast<size_t>(n) > maximum) {
            uitkomst = LeesUitkomst::TeGroot;
        } else {
            inhoud.append(blok, static_cast<size_t>(n));
        }
    }
    ::close(fd);
    if (uitkomst != LeesUitkomst::Gelezen) {
        inhoud.clear();
    }
    return uitkomst;
}

bool IsGeenGewoonBestand(const std::string& pad) {
    struct stat info {};
    if (::stat(Cp1252NaarUtf8(pad).c_str(), &info) == 0) {
        return !S_ISREG(info.st_mode);
    }
    // A dangling or looping link is something all the same.
    return ::lstat(Cp1252NaarUtf8(pad).c_str(), &info) == 0;
}

bool SchrijfBestandVeilig(const std::string& pad1252, const std::string& inhoud, int& fout,
                          bool prive) {
    std::string pad;
    if (!VolgKoppelingen(Cp1252NaarUtf8(pad1252), pad, fout) || !MagVervangen(pad, fout)) {
        return false;
    }
    // A short name of its own, so that a file name of any allowed length can be
    // written, that tells which file it is for: what an interrupted write of
    // this file left behind is removed first.
    std::string map = MapVanPad(pad);
    RuimTijdelijkeOp(map, TijdelijkVoorvoegsel(pad));
    std::vector<char> naam;
    int fd = MaakTijdelijkBestand(pad, naam);
    if (fd < 0) {
        fout = errno;
        return false;
    }
    struct stat oud {};
    mode_t modus = prive                            ? mode_t{0600}
                   : ::stat(pad.c_str(), &oud) == 0 ? (oud.st_mode & 07777)
                                                    : NieuweBestandsModus();
    bool goed = VulEnSluit(fd, modus, inhoud, fout);
    if (goed && ::rename(naam.data(), pad.c_str()) != 0) {
        goed = false;
        fout = errno;
    }
    if (!goed) {
        ::unlink(naam.data());
        return false;
    }
    // Make the rename itself durable.
    SyncMap(map);
    return true;
}

KopieUitkomst KopieerBestand(const std::string& bron, const std::string& doel, int& fout) {
    fout = 0;
    CBestandsNummer in(::open(Cp1252NaarUtf8(bron).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.Nummer() < 0 || ::flock(in.Nummer(), LOCK_SH | LOCK_NB) != 0) {
        fout = errno;
        return KopieUitkomst::BronNietOpen;
    }
    struct stat bronSoort {};
    if (::fstat(in.Nummer(), &bronSoort) != 0) {
        fout = errno;
        return KopieUitkomst::BronNietOpen;
    }
    if (!S_ISREG(bronSoort.st_mode)) {
        fout = S_ISDIR(bronSoort.st_mode) ? EISDIR : kFoutGeenGewoonBestand;
        return KopieUitkomst::BronNietOpen;
    }
    // Opened without emptying it: a target in use elsewhere stays as it is.
    // O_NONBLOCK: a pipe there would otherwise hold the copy up until refused below.
    if (!MagOverschrijven(doel, fout)) {
        return KopieUitkomst::DoelNietOpen;
    }
    CBestandsNummer uit(
        ::open(Cp1252NaarUtf8(doel).c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (uit.Nummer() < 0 || ::flock(uit.Nummer(), LOCK_EX | LOCK_NB) != 0) {
        fout = errno;
        return KopieUitkomst::DoelNietOpen;
    }
    struct stat bronStat {};
    struct stat doelStat {};
    if (::fstat(in.Nummer(), &bronStat) != 0 || ::fstat(uit.Nummer(), &doelStat) != 0) {
        fout = errno;
        return KopieUitkomst::DoelNietOpen;
    }
    if (bronStat.st_dev == doelStat.st_dev && bronStat.st_ino == doelStat.st_ino) {
        fout = EBUSY;
        return KopieUitkomst::DoelNietOpen;
    }
    if (S_ISREG(doelStat.st_mode) && ::ftruncate(uit.Nummer(), 0) != 0) {
        fout = errno;
        return KopieUitkomst::DoelNietOpen;
    }
    char blok[16384];
    for (;;) {
        ssize_t n = ::read(in.Nummer(), blok, sizeof blok);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fout = errno;
            return KopieUitkomst::LeesFout;
        }
        if (n == 0) {
            break;
        }
        if (!SchrijfAlles(uit.Nummer(), std::string_view(blok, static_cast<size_t>(n)))) {
            fout = errno;
            return KopieUitkomst::SchrijfFout;
        }
    }
    if (!uit.Sluit()) {
        fout = errno;
        return KopieUitkomst::SchrijfFout;
    }
    return KopieUitkomst::Gelukt;
}

bool StartProgramma(const std::string& programma1252, const std::vector<std::string>& argumenten,
                    int& fout) {
    std::string pad = ZoekProgramma(Cp1252NaarUtf8(programma1252), fout);
    if (pad.empty()) {
        return false;
    }
    // Everything the children need is made here: between fork and exec only
    // calls that are safe in a multi-threaded program are made.
    std::vector<std::string> woorden{Cp1252NaarUtf8(programma1252)};
    for (const std::string& a : argumenten) {
        woorden.push_back(Cp1252NaarUtf8(a));
    }
    std::vector<char*> argv;
    for (std::string& w : woorden) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through the pipe; a successful exec
    // closes it. The child in between exits at once, so that the started
    // program belongs to init and never lingers as a zombie of ours.
    int pijp[2];
    if (::pipe2(pijp, O_CLOEXEC) != 0) {
        fout = errno;
        return false;
    }
    pid_t kind = ::fork();
    if (kind == 0) {
        ::close(pijp[0]);
        pid_t kleinkind = ::fork();
        if (kleinkind == 0) {
            ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
            ::execve(pad.c_str(), argv.data(), environ);
            SchrijfFoutcode(pijp[1], errno);
            ::_exit(127);
        }
        if (kleinkind < 0) {
            SchrijfFoutcode(pijp[1], errno);
        }
        ::_exit(0);
    }
    ::close(pijp[1]);
    if (kind < 0) {
        fout = errno;
        ::close(pijp[0]);
        return false;
    }
    while (::waitpid(kind, nullptr, 0) < 0 && errno == EINTR) {
    }
    int gemeld = 0;
    ssize_t n;
    while ((n = ::read(pijp[0], &gemeld, sizeof gemeld)) < 0 && errno == EINTR) {
    }
    ::close(pijp[0]);
    if (n == static_cast<ssize_t>(sizeof gemeld)) {
        fout = gemeld;
        return false;
    }
    fout = 0;
    return true;
}

bool ProgrammaPad(std::string& pad) {
    std::vector<char> buffer(4096);
    ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) {
        return false;
    }
    std::string utf8(buffer.data(), static_cast<size_t>(n));
    pad = Utf8NaarCp1252(utf8);
    // A name with characters outside Windows-1252 would name another file.
    return Cp1252NaarUtf8(pad) == utf8;
}

bool BestandsInfo(const std::string& pad, int64_t& grootte, int64_t& nanoseconden) {
    struct stat info {};
    if (::stat(Cp1252NaarUtf8(pad).c_str(), &info) != 0) {
        return false;
    }
    grootte = static_cast<int64_t>(info.st_size);
    nanoseconden = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                   static_cast<int64_t>(info.st_mtim.tv_nsec);
    return true;
}

namespace {

// Creates `pad` (UTF-8) only when it does not exist and writes `inhoud` into it.
bool MaakBestandExclusiefZonderKoppeling(const std::string& pad, const std::string& inhoud,
                                         int& fout) {
    int fd = ::open(pad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NieuweBestandsModus());
    if (fd < 0) {
        fout = errno;
        return false;
    }
    if (!VulEnSluit(fd, NieuweBestandsModus(), inhoud, fout)) {
        ::unlink(pad.c_str());
        return false;
    }
    return true;
}

} // namespace

bool MaakBestandExclusief(const std::string& pad1252, const std::string& inhoud, int& fout) {
    std::string pad = Cp1252NaarUtf8(pad1252);
    std::vector<char> naam;
    int fd = MaakTijdelijkBestand(pad, naam);
    if (fd < 0) {
        fout = errno;
        return false;
    }
    bool goed = VulEnSluit(fd, NieuweBestandsModus(), inhoud, fout);
    bool zonderKoppeling = false;
    if (goed && ::link(naam.data(), pad.c_str()) != 0) {
        goed = false;
        fout = errno;
        // A file system without links (some network shares) gets an exclusive create instead.
        zonderKoppeling = fout == EPERM || fout == ENOTSUP || fout == EOPNOTSUPP || fout == ENOSYS;
    }
    ::unlink(naam.data());
    if (zonderKoppeling) {
        return MaakBestandExclusiefZonderKoppeling(pad, inhoud, fout);
    }
    if (goed) {
        SyncMap(MapVanPad(pad));
    }
    return goed;
}

bool MaakHardeKoppeling(const std::string& bestaand, const std::string& nieuw, int& fout) {
    if (::linkat(AT_FDCWD, Cp1252NaarUtf8(bestaand).c_str(), AT_FDCWD,
                 Cp1252NaarUtf8(nieuw).c_str(), AT_SYMLINK_FOLLOW) != 0) {
        fout = errno;
        return false;
    }
    return true;
}

int64_t ProcesNummer() {
    return static_cast<int64_t>(::getpid());
}

std::string ComputerNaam() {
    char naam[256] = {};
    if (::gethostname(naam, sizeof naam - 1) != 0) {
        return "?";
    }
    return Utf8NaarCp1252(naam);
}

std::string GebruikersNaam() {
    std::vector<char> buffer(16384);
    passwd invoer{};
    passwd* gevonden = nullptr;
    if (::getpwuid_r(::geteuid(), &invoer, buffer.data(), buffer.size(), &gevonden) == 0 &&
        gevonden && gevonden->pw_name) {
        return Utf8NaarCp1252(gevonden->pw_name);
    }
    if (const char* gebruiker = std::getenv("USER")) {
        return Utf8NaarCp1252(gebruiker);
    }
    return Formatteer("%u", static_cast<unsigned>(::geteuid()));
}

namespace {

// The program name of process `proces` ("self" for this one), empty when unknown.
std::string ProgrammaVan(const std::string& proces) {
    std::FILE* f = std::fopen(("/proc/" + proces + "/comm").c_str(), "r");
    if (!f) {
        return "";
    }
    char naam[64] = {};
    size_t n = std::fread(naam, 1, sizeof naam - 1, f);
    std::fclose(f);
    std::string tekst(naam, n);
    while (!tekst.empty() && (tekst.back() == '\n' || tekst.back() == '\r')) {
        tekst.pop_back();
    }
    return Utf8NaarCp1252(tekst);
}

} // namespace

std::string ProcesProgramma() {
    return ProgrammaVan("self");
}

bool ProcesLeeft(int64_t nummer, std::string& programma) {
    programma.clear();
    if (nummer <= 0 || nummer > static_cast<int64_t>(INT32_MAX)) {
        return false;
    }
    if (::kill(static_cast<pid_t>(nummer), 0) != 0 && errno != EPERM) {
        return false;
    }
    programma = ProgrammaVan(Formatteer("%lld", static_cast<long long>(nummer)));
    return true;
}

CMapVergrendeling::CMapVergrendeling(const std::string& map) {
    fd_ = ::open(Cp1252NaarUtf8(map).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

CMapVergrendeling::~CMapVergrendeling() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}
