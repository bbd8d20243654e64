// Commands that publish the open competition: the HTML include files and the
// spreadsheet exports. The command line never starts a spreadsheet.

#include "base/formatteer.h"
#include "base/melding.h"
#include "app/morvelapp.h"
#include "cli/opdrachten.h"
#include "cli/opdrachtstart.h"
#include "app/publiceren.h"

#include <ctime>
#include <optional>

namespace {

bool IsSchrikkeljaar(int jaar) {
    return (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
}

// Reads one run of at most `maxCijfers` digits; false when there is none.
bool LeesGetal(const char*& p, int maxCijfers, int& getal) {
    getal = 0;
    int cijfers = 0;
    while (*p >= '0' && *p <= '9' && cijfers < maxCijfers) {
        getal = getal * 10 + (*p++ - '0');
        ++cijfers;
    }
    return cijfers > 0;
}

// A date written D-M-JJJJ, checked against the calendar.
std::optional<CDatum> LeesDatum(const std::string& tekst) {
    CDatum datum{};
    const char* p = tekst.c_str();
    if (!LeesGetal(p, 2, datum.dag) || *p++ != '-' || !LeesGetal(p, 2, datum.maand) ||
        *p++ != '-' || !LeesGetal(p, 4, datum.jaar) || *p != '\0') {
        return std::nullopt;
    }
    static const int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (datum.jaar < 1970 || datum.maand < 1 || datum.maand > 12 || datum.dag < 1) {
        return std::nullopt;
    }
    int lengte = kDagen[datum.maand - 1] + (datum.maand == 2 && IsSchrikkeljaar(datum.jaar));
    if (datum.dag > lengte) {
        return std::nullopt;
    }
    return datum;
}

CDatum Vandaag() {
    std::time_t nu = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&nu, &tm);
    return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

} // namespace

int OpdrachtHtml(const CArgumenten& argumenten) {
    const bool alle = argumenten.Heeft("--alle");
    return MetCompetitie(argumenten, [alle](CMorvelApp& app) {
        SchrijfRondeHtml(app, alle);
        return kGelukt;
    });
}

int OpdrachtKlassenverloop(const CArgumenten& argumenten) {
    return MetCompetitie(argumenten, [](CMorvelApp& app) {
        SchrijfKlassenverloop(app);
        return kGelukt;
    });
}

int OpdrachtInschrijflijst(const CArgumenten& argumenten) {
    CDatum eerste = Vandaag();
    if (argumenten.Heeft("--datum")) {
        std::string tekst = argumenten.Waarde("--datum");
        std::optional<CDatum> datum = LeesDatum(tekst);
        if (!datum) {
            return Gebruiksfout("De datum '" + tekst +
                                "' is geen bestaande datum; schrijf hem als D-M-JJJJ, "
                                "bijvoorbeeld 6-3-2026.");
        }
        eerste = *datum;
    }
    return MetCompetitie(argumenten, [&eerste](CMorvelApp& app) {
        SchrijfInschrijflijst(app, eerste);
        return kGelukt;
    });
}
