#pragma once
// The Dutch lines with which an upload reports a failure, shared by the FTP
// and the SFTP run. Each says what went wrong and what to do; the library's
// own text may follow in brackets. Texts are Windows-1252.

#include "base/netwerk.h"

#include <string>

// `tekst`, followed by " (" + `bron` + ")" when the library gave a text of
// its own (UTF-8).
std::string MetBron(const std::string& tekst, const std::string& bron);

// The server did not answer in time.
std::string TijdOmTekst(long seconden);
// The connection could not be made: name unknown, refused, unreachable or
// no answer in time.
std::string NetFoutTekst(const CNetFout& fout, const std::string& server, const std::string& poort,
                         long seconden);
// The connection was lost half way.
std::string VerbrokenTekst();
// The server refused the user name or the password.
std::string WachtwoordFoutTekst(const std::string& gebruiker);
// The file `naam` could not be stored: `vol` for a full disk, otherwise
// a directory without write permission (or either, when the server cannot
// tell them apart: `vol` and `alleenLezen` both set).
std::string OpslagFoutTekst(const std::string& naam, bool vol, bool alleenLezen);
// The name under which a file is sent before it replaces the old one.
std::string TijdelijkeNaam(const std::string& naam);
