#pragma once
// The commands of the command line, one function each. The table that names
// them, with their options, is in opdrachtregel.cpp.

#include "cli/opdrachtregel.h"

#include <functional>
#include <string>

class CMorvelApp;

int OpdrachtControleer(const CArgumenten& argumenten);
int OpdrachtHerschrijf(const CArgumenten& argumenten);
int OpdrachtFormule(const CArgumenten& argumenten);
int OpdrachtHtml(const CArgumenten& argumenten);
int OpdrachtKlassenverloop(const CArgumenten& argumenten);
int OpdrachtInschrijflijst(const CArgumenten& argumenten);
int OpdrachtStand(const CArgumenten& argumenten);
int OpdrachtUitslag(const CArgumenten& argumenten);
int OpdrachtRonde(const CArgumenten& argumenten);
int OpdrachtVoorgift(const CArgumenten& argumenten);
int OpdrachtIndeling(const CArgumenten& argumenten);
int OpdrachtAfdruk(const CArgumenten& argumenten);
int OpdrachtNieuw(const CArgumenten& argumenten);
int OpdrachtUpload(const CArgumenten& argumenten);
int OpdrachtGrafiek(const CArgumenten& argumenten);
int OpdrachtImporteer(const CArgumenten& argumenten);
int OpdrachtGeschiedenis(const CArgumenten& argumenten);
int OpdrachtTerugzetten(const CArgumenten& argumenten);

// What a listing command does with its listing (Windows-1252): write it to
// standard output, or print it into a PDF file. Returns the exit status.
using LijstUitvoer = std::function<int(CMorvelApp& app, const std::string& lijst)>;
// Writes the listing to standard output.
int NaarStandaardUitvoer(CMorvelApp& app, const std::string& lijst);

// The listings of `stand`, `uitslag` and `indeling`, composed from the same
// arguments and handed to `uitvoer`. They return the command's exit status.
int OpdrachtStandNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer);
int OpdrachtUitslagNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer);
int OpdrachtIndelingNaar(const CArgumenten& argumenten, const LijstUitvoer& uitvoer);
