#include "app/morvelapp.h"

#include "app/bestandkopie.h"
#include "app/competitiemap.h"
#include "base/platform.h"

CMorvelApp::CMorvelApp(const std::string& profielPad) : settings(profielPad) {
    competitie.naSchrijven = [this](const std::string& datafile) {
        MaakBackup(datafile, settings.MakeBackup(), VanafProgrammaMap(settings.BackupPad()));
    };
}

std::string CMorvelApp::DataMap() const {
    return VanafProgrammaMap(settings.DataPad());
}

int CMorvelApp::OpenCompetitie(const std::string& map) {
    return ::OpenCompetitie(competitie, map, DataMap());
}

std::string CMorvelApp::PeriodeNaam() const {
    return MapNaam(competitie.competitieMap);
}

std::string VanafProgrammaMap(const std::string& pad) {
    std::string programma;
    if (pad.empty() || pad[0] == '/' || !ProgrammaPad(programma)) {
        return pad;
    }
    std::string map = programma.substr(0, programma.find_last_of('/'));
    if (map.empty()) {
        map = "/";
    }
    if (pad == ".") {
        return map;
    }
    return (map == "/" ? "" : map) + "/" + (pad.compare(0, 2, "./") == 0 ? pad.substr(2) : pad);
}
