#include "app/morvelapp.h"

#include "app/bestandkopie.h"
#include "app/competitiemap.h"
#include "base/melding.h"
#include "base/pad.h"
#include "base/platform.h"

CMorvelApp::CMorvelApp(const std::string& profielPad) : settings(profielPad) {
    competitie.naSchrijven = [this](const std::string& datafile) {
        MaakBackup(datafile, settings.MakeBackup(), VanafProgrammaMap(settings.BackupPad()));
    };
}

std::string CMorvelApp::DataMap() const {
    const std::string& dataPad = settings.DataPad();
    return VanafProgrammaMap(dataPad.empty() ? "." : dataPad);
}

std::vector<std::string> CMorvelApp::Competities() const {
    return CompetitieNamen(DataMap());
}

int CMorvelApp::BewaardeCompetitie(const std::vector<std::string>& namen) const {
    return ZoekCompetitie(namen, settings.HuidigePeriode());
}

int CMorvelApp::KiesCompetitie(const std::string& naam) {
    if (competitie.Schrijf() != 0) {
        // Opening another competition would throw the unwritten changes away.
        return -1;
    }
    VoerUploadsUit();
    competitie.competitieMap = PadSamen(DataMap(), naam);
    competitie.datafile = EersteDataFile(competitie.competitieMap);
    settings.SetHuidigePeriode(naam);
    geopend_ = naam;
    gelezen_ = competitie.Lees() == 0;
    return gelezen_ ? 0 : -1;
}

bool CMorvelApp::SluitAf(bool vragen) {
    if (afgesloten_) {
        return true;
    }
    if (competitie.Schrijf() != 0 && vragen &&
        Meld("De wijzigingen in de competitie zijn niet opgeslagen.\n"
             "Toch afsluiten? De wijzigingen gaan dan verloren.",
             Knoppen::JaNeeStdNee) != Antwoord::Ja) {
        return false;
    }
    afgesloten_ = true;
    VoerUploadsUit();
    return true;
}

void CMorvelApp::VoerUploadsUit() {
    // The HTML files marked for upload are sent from here once the upload
    // exists; until then no file is ever marked.
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
    std::string map = MapVanPad(programma);
    if (pad == ".") {
        return map;
    }
    return PadSamen(map, pad.compare(0, 2, "./") == 0 ? pad.substr(2) : pad);
}
