#pragma once
// The application object: owns everything the program keeps for a whole run.
// Members are made in this order and destroyed in the reverse one.

#include "app/competitieslot.h"
#include "data/competitie.h"
#include "data/geschiedenis.h"
#include "pairing/blijvendeblokkades.h"
#include "pairing/indeling.h"
#include "publish/upload.h"
#include "publish/uploadnodig.h"
#include "settings/settings.h"

#include <functional>
#include <string>
#include <vector>

// How the players of an old competition start in a new one: with their
// starting class, their class at its end, or that class rounded to a whole one.
enum class EBeginKlasse { Begin = 0, Einde = 1, Afgerond = 2 };

// Why a name cannot be a new competition: empty when it can. `bestaande` are
// the competitions of the data directory, compared ignoring case; '/', ':',
// '\' and unprintable characters are refused.
std::string NieuweNaamFout(const std::string& naam, const std::vector<std::string>& bestaande);

class CMorvelApp {
public:
    // Reads the settings from the profile at `profielPad` (empty: the profile
    // next to the program), with their start-up messages. When
    // settings.Fataal() the program must end. Every write of the data file is
    // followed by the backup copy when backups are on.
    explicit CMorvelApp(const std::string& profielPad);
    CMorvelApp(const CMorvelApp&) = delete;
    CMorvelApp& operator=(const CMorvelApp&) = delete;

    // The data directory ("DataPad"); a relative one is taken from the
    // program's folder, the working directory of the main window. An empty
    // one is that folder itself, as ".".
    std::string DataMap() const;

    // The competitions of the data directory in the order of the main
    // window's list, and the position in it of the saved one
    // ("HuidigePeriode": the first name that begins with it), or -1.
    std::vector<std::string> Competities() const;
    int BewaardeCompetitie(const std::vector<std::string>& namen) const;

    // Switches to the competition folder `naam` of the data directory: writes
    // the open competition first, and when that fails keeps it open and
    // returns -1. Otherwise runs the pending uploads, remembers `naam` as
    // "HuidigePeriode", takes the lock of the new competition and reads its
    // data file: 0 when it was read, -1 when not (the competition's commands
    // are then unavailable). When another program has it open, says who and
    // since when and offers to open it read-only; No leaves it unread.
    int KiesCompetitie(const std::string& naam);
    // The competition chosen last, empty when none; and whether it was read.
    const std::string& GeopendeNaam() const { return geopend_; }
    bool CompetitieGelezen() const { return gelezen_; }

    // The end of the run: writes the open competition, gives its lock back
    // and runs the pending uploads, once. When the write fails and `vragen`
    // is set, asks whether to close all the same; false when the
    // administrator stays.
    bool SluitAf(bool vragen);

    // The open competition is open to read only, since another program has
    // it open: nothing is changed or written.
    bool AlleenLezen() const { return alleenLezen_; }
    // Whether the open competition may be changed; false after a message
    // when it is open read-only.
    bool MagWijzigen() const;
    // For the commands that write: takes the lock of the open competition.
    // 0, or -1 after a message that says who has it open. A lock file that
    // cannot be made is passed over: the write then reports its own failure.
    int NeemSlot();

    // How many generations the history of a competition keeps: the setting
    // "Geschiedenis", 0 for none.
    int32_t GeneratiesTeBewaren() const;
    // Makes the generation `generatie` of the open competition's history the
    // open competition: the current state, unsaved changes included, is kept
    // as a generation first, so that a restore can be undone; then the data
    // file gets the generation's bytes and is read again, and the include
    // files are written by their modes and marked for upload as after any
    // change. 0, or -1 after a message (a generation that cannot be read is
    // refused and nothing is written).
    int ZetTerug(const CGeneratie& generatie);
    // Sends the HTML files that wait for their upload, from the open
    // competition's folder to its sub-directory, through `uploadVenster`
    // (without one the run has no window); the flags of the files that failed
    // stay set for the next run.
    void VoerUploadsUit();
    // Shows an upload run and runs it: the windows install their progress window.
    std::function<void(CUploadRun& run)> uploadVenster;

    // The recovery copy: after every change a window accepts, the whole open
    // competition is written beside its data file under a hidden name, so
    // that a crash loses nothing. A normal write of the data file, or leaving
    // a competition without changes, removes it.
    std::string HerstelPad() const;
    // Writes the recovery copy when the competition has unwritten changes:
    // 0, or -1 after a message.
    int BewaarHerstel();
    void VerwijderHerstel();
    // After the data file was read: when a recovery copy is there, asks
    // whether to take its unsaved changes back. Yes reads it and marks the
    // competition changed; No, or a copy that cannot be read, puts the copy
    // aside under a name with its date.
    void BiedHerstelAan();
    // For the commands: mentions a recovery copy, without touching it.
    void MeldHerstel() const;

    // The published pairing and the pairs that are always blocked, each in a
    // hidden file of its own beside the data file, written at once.
    std::string IndelingPad() const;
    std::string BlokkadesPad() const;
    // Read when a competition is opened. A file that cannot be read is
    // reported and read as empty (it stays as it is), and so is a pairing
    // that names a player who is no longer in the register; the data file is
    // never touched.
    void LeesIndeling();
    void LeesBlokkades();
    // Write them: 0, or -1 after a message (what is in memory stays).
    int BewaarIndeling();
    int BewaarBlokkades();

    // Makes the competition `naam` in a new folder of the data directory and
    // opens it: the open competition is written first; the register is empty,
    // or, with `bronMap` (a competition folder), the register of that
    // competition with its classes as `klassen` says, and its pairs that are
    // always blocked; there are no rounds, and
    // the new data file is written in format 2. An existing data file is never
    // overwritten. 0 when made, -1 after a message (nothing changed when the
    // name was refused or the open competition could not be written). When
    // the new data file cannot be written, the folder made for it is removed
    // again and no competition is open.
    int MaakNieuweCompetitie(const std::string& naam, const std::string& bronMap,
                             EBeginKlasse klassen);

    // Opens the competition that a command names (see ::OpenCompetitie): a
    // folder, its data file, or the name of a folder in the data directory.
    // A recovery copy beside the data file is mentioned, never touched.
    int OpenCompetitie(const std::string& map);
    // The name of the open competition as listings show it: its folder's name.
    std::string PeriodeNaam() const;

    CSettings settings;
    // The register, the round list and the state of the open competition.
    CCompetitie competitie;
    CIndeling indeling;            // the pairing last published
    CBlijvendeBlokkades blokkades; // pairs that are always blocked
    CUploadNodig uploadNodig;      // include files written for upload and not uploaded yet

private:
    // Writes the open competition before it is left; 0 to go on. When the
    // administrator declined to overwrite another program's version, the
    // changes go to the recovery copy and the competition stays open once;
    // the next time it is left with both versions kept.
    int VerlaatCompetitie();
    // Before every write of the data file: refused while open read-only;
    // otherwise the lock must be ours.
    int SchrijfToegang();

    std::string geopend_;
    bool gelezen_ = false;
    bool afgesloten_ = false;
    CCompetitieSlot slot_;
    bool alleenLezen_ = false;
    std::string bezet_; // who has the competition open, while it is open read-only
    bool geweigerd_ =
        false; // overwriting another version was declined; the recovery copy holds ours
};

// `pad` as seen from the folder that "." means (WerkMap in
// settings/profielplaats.h, by default the program's folder): an absolute path
// as it is, a relative one below that folder ("." is the folder itself).
std::string VanafProgrammaMap(const std::string& pad);
