#pragma once
// The commands of the command line, one function each. The table that names
// them, with their options, is in opdrachtregel.cpp.

#include "cli/opdrachtregel.h"

int OpdrachtControleer(const CArgumenten& argumenten);
int OpdrachtHerschrijf(const CArgumenten& argumenten);
int OpdrachtFormule(const CArgumenten& argumenten);
int OpdrachtHtml(const CArgumenten& argumenten);
int OpdrachtKlassenverloop(const CArgumenten& argumenten);
int OpdrachtInschrijflijst(const CArgumenten& argumenten);
int OpdrachtStand(const CArgumenten& argumenten);
int OpdrachtUitslag(const CArgumenten& argumenten);
int OpdrachtVoorgift(const CArgumenten& argumenten);
int OpdrachtIndeling(const CArgumenten& argumenten);
