#pragma once
// The HTML include files and the spreadsheet exports of the open competition,
// as the windows and the command line ask for them: each reads its mode, its
// list parameters and its formulas from the settings of the application.

#include "publish/csvexport.h"

class CMorvelApp;

// Writes "uitslag.inc" for the round at `ronde` (from 0; the last when
// negative), "uitslagen.inc" and "stand.inc" as their modes ask. With `alle`
// every file is written, also one whose mode is 0.
void SchrijfUitslagHtml(CMorvelApp& app, int ronde, bool alle = false);
void SchrijfUitslagenHtml(CMorvelApp& app, bool alle = false);
void SchrijfStandHtml(CMorvelApp& app, bool alle = false);
// "klassenverloop.svg" as its mode asks, titled with the competition and today's date.
void SchrijfKlassenverloopSvg(CMorvelApp& app);
// The three files above, in that order, and then "klassenverloop.svg", after a
// round was added, changed or deleted. `alle` writes the three whatever their
// mode; the chart always follows its own.
void SchrijfRondeHtml(CMorvelApp& app, bool alle = false);
// Writes "indeling.inc" from the published pairing, dated with the day it was published.
void SchrijfIndelingHtml(CMorvelApp& app, bool alle = false);
// After a pairing was published: "indeling.inc" as above, and the pairing
// kept in its file beside the data file.
void PubliceerIndeling(CMorvelApp& app, bool alle = false);

// The export file of the open competition: its data file as ".csv".
std::string CsvBestand(const CMorvelApp& app);
// Writes the class history, or the sign-on sheet from `eerste` with the list
// parameters of the settings, next to the data file: 0, or -1 after a message.
int SchrijfKlassenverloop(CMorvelApp& app);
int SchrijfInschrijflijst(CMorvelApp& app, const CDatum& eerste);
// The sign-on sheet command of the main window: the export, then the offer to
// open it in the spreadsheet program of the settings.
void ExporteerInschrijflijst(CMorvelApp& app, const CDatum& eerste);
