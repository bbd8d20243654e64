#pragma once
// Starting the program with its windows.

#include <QTranslator>
#include <string>

// Loads Qt's own Dutch texts (standard buttons such as "Ja", "Nee",
// "Annuleren") into `vertaling` and installs it. False when they are missing.
bool InstalleerNederlands(QTranslator& vertaling);

// Runs the program with its windows: the Qt application in Dutch with the
// program's icon, message boxes for every message, the application object
// with the settings of `profiel` (empty: the profile next to the program),
// and the main window until it closes. Returns the exit status.
int StartVensters(int& argc, char** argv, const std::string& profiel);
