#pragma once
// The few calls that depend on the operating system, kept in one place.
// Paths are Windows-1252 text like every other text of the program; these
// functions convert them to the file system's UTF-8.

#include <cstdint>
#include <string>
#include <vector>

// The system's text for an error number (errno), or the fallback text when it has none.
std::string SysteemFoutTekst(long code);

// Reasons of the program's own why a file is refused, in place of an errno;
// SysteemFoutTekst gives their Dutch texts.
inline constexpr int kFoutGeenGewoonBestand = 13001; // a pipe, a device or a socket
inline constexpr int kFoutTeGroot = 13002;           // above kMaxBestandsGrootte
inline constexpr int kFoutAlleenLezen = 13003;       // made read-only by the user
// The largest file that is read whole: far above any real data file or profile.
inline constexpr int64_t kMaxBestandsGrootte = int64_t{64} * 1024 * 1024;

// Reads a whole file. Returns false and sets `fout` (errno or one of the codes
// above) when it cannot be read: only a regular file (a link to one is fine)
// of at most kMaxBestandsGrootte bytes is read, so a folder, a pipe or a
// device is refused at once and nothing waits on it.
bool LeesBestand(const std::string& pad, std::string& inhoud, int& fout);

// How reading a file that must be a regular one ended.
enum class LeesUitkomst {
    Gelezen,
    Afwezig,     // nothing at `pad`
    GeenBestand, // a folder, device, FIFO or socket: never opened
    TeGroot,     // more than the maximum: not read
    Fout,        // `fout` (errno) says why
};
// Reads the file at `pad` (a symbolic link to one is followed) when it is a
// regular file of at most `maximum` bytes; nothing else is ever opened, so a
// FIFO or a device cannot make the program wait.
LeesUitkomst LeesGewoonBestand(const std::string& pad, size_t maximum, std::string& inhoud,
                               int& fout);
// Something exists at `pad` that is not a regular file (a symbolic link to
// one counts as one).
bool IsGeenGewoonBestand(const std::string& pad);
// Whether a write may replace what stands at `pad` (links followed): nothing
// yet, or a regular file that the user has not made read-only and that this
// process may write. False with `fout` set (EISDIR, kFoutGeenGewoonBestand,
// kFoutAlleenLezen, or the errno of the check) otherwise. Every writer of the
// program calls it before it replaces or empties a file.
bool MagOverschrijven(const std::string& pad, int& fout);

// The time of the last change of the file at `pad`, in seconds since 1970.
bool WijzigingsTijd(const std::string& pad, int64_t& seconden);
// A regular file exists at `pad`.
bool BestaatBestand(const std::string& pad);
// Gives the file `van` the name `naar`, which must not exist yet.
bool HernoemBestand(const std::string& van, const std::string& naar, int& fout);
// Makes a new folder in `basis` whose name is `voorvoegsel` followed by six
// characters of its own, accessible by the owner only from the moment it
// exists (mkdtemp). Its path goes to `map`; false with `fout` (errno).
bool MaakPriveMap(const std::string& basis, const std::string& voorvoegsel, std::string& map,
                  int& fout);
// Removes the file at `pad`; true when it is gone (or was never there).
bool VerwijderBestand(const std::string& pad);

// Replaces the file at `pad` by `inhoud` without ever leaving it half written:
// the text goes to a temporary file in the same folder, is flushed and synced,
// and is then renamed over the old file. Its name begins with a hidden prefix
// of its own for `pad`, and temporary files of `pad` that an interrupted
// write left behind are removed first. A symbolic link is written through. A new file gets the
// permissions the process would give it; an existing file keeps its own; with `prive` the file
// is readable and writable by its owner only (0600) from the moment its text is written. What
// MagOverschrijven refuses is left alone. Returns false and sets `fout` (errno or a code above)
// on any failure, leaving the old file untouched.
bool SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, int& fout,
                          bool prive = false);

// How a file copy ended; `fout` (errno) tells why when it did not succeed.
enum class KopieUitkomst { Gelukt, BronNietOpen, DoelNietOpen, SchrijfFout, LeesFout };

// Copies the file `bron` to `doel` in blocks of 16384 bytes. While it copies
// the source holds a shared lock (no writer that locks may change it) and the
// target an exclusive one; a target that another process holds locked, or
// that is the source itself, is refused before anything of it is emptied, and
// so is a source or a target that is not a regular file (MagOverschrijven).
KopieUitkomst KopieerBestand(const std::string& bron, const std::string& doel, int& fout);

// Starts `programma` as a process of its own with `argumenten`, each handed over
// as one argument as it is (no shell, nothing split or quoted). A name without
// '/' is looked up in PATH. The process gets the current directory and
// environment and none of the open files, and nobody waits for it. Returns
// false and sets `fout` (errno) when it could not be started.
bool StartProgramma(const std::string& programma, const std::vector<std::string>& argumenten,
                    int& fout);

// The full path of the running program file. False when it cannot be found or
// cannot be written as Windows-1252 text.
bool ProgrammaPad(std::string& pad);

// The size and the time of the last change (in nanoseconds since 1970) of the
// file at `pad`. False when there is no such file.
bool BestandsInfo(const std::string& pad, int64_t& grootte, int64_t& nanoseconden);

// Makes the file `pad` with `inhoud`, only when no file of that name exists:
// the text goes to a temporary file in the same folder, is synced, and then
// gets the name by a link, which never replaces anything. False with `fout`
// set (EEXIST when the name is taken).
bool MaakBestandExclusief(const std::string& pad, const std::string& inhoud, int& fout);
// Gives the file that `bestaand` names (through symbolic links) the extra
// name `nieuw`, which must not exist yet: both names then show the same file.
// False with `fout` set, e.g. EXDEV when the names lie on different file systems.
bool MaakHardeKoppeling(const std::string& bestaand, const std::string& nieuw, int& fout);

// This process's number, the computer's name, the user's login name and the
// name of this program as the system lists its processes.
int64_t ProcesNummer();
std::string ComputerNaam();
std::string GebruikersNaam();
std::string ProcesProgramma();
// Whether process `nummer` runs on this computer; `programma` gets its
// program name as ProcesProgramma gives it, or is empty when unknown.
bool ProcesLeeft(int64_t nummer, std::string& programma);

// Holds an exclusive advisory lock on the folder `map` while it lives, so that
// programs that lock the same folder take turns. Where the file system has no
// such locks nothing is held.
class CMapVergrendeling {
public:
    explicit CMapVergrendeling(const std::string& map);
    ~CMapVergrendeling();
    CMapVergrendeling(const CMapVergrendeling&) = delete;
    CMapVergrendeling& operator=(const CMapVergrendeling&) = delete;

private:
    int fd_ = -1;
};
