// The class chart on a competition of 60 players and 100 rounds (everybody
// plays every round): opening the window "Klassenverloop" offscreen, with the
// first eight and with every player shown, and the work of `morvel grafiek`
// from the competition to the PNG file. And the preview of a member list of
// 2,000 rows opening.

#include "app/ledenimport.h"
#include "grote_competitie.h"
#include "gui/grafiektekening.h"
#include "gui/importdlg.h"
#include "gui/klassenverloopdlg.h"
#include "publish/grafiekschrijver.h"
#include "publish/klassengrafiek.h"
#include "publish/klassenhistorie.h"
#include "rating/actieveformules.h"
#include "vensterbench.h"

#include <filesystem>
#include <string>

namespace {

CMorvelApp& Club() {
    static std::unique_ptr<CMorvelApp> app = MaakBenchApp(60, 100, 30);
    return *app;
}

void OpenKlassenverloopVenster(benchmark::State& state) {
    CMorvelApp& app = Club();
    for (auto _ : state) {
        CKlassenverloopDlg venster(app, "");
        if (state.range(0) != 0) {
            venster.Model().AlleSpelers();
        }
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenKlassenverloopVenster)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("alle")
    ->Unit(benchmark::kMillisecond);

// As `morvel grafiek MAP --png BESTAND`: the history, the chart of the first
// eight and the file of 1200 x 800 pixels.
void GrafiekNaarPng(benchmark::State& state) {
    CMorvelApp& app = Club();
    ZetGrafiekTekenaar(TekenGrafiekBestand);
    const std::string pad =
        (std::filesystem::temp_directory_path() / "morvel-bench-grafiek.png").string();
    for (auto _ : state) {
        CStandFormules formules = ActieveStandFormules(app.settings);
        CKlassenverloop verloop =
            BerekenKlassenverloop(app.competitie.spelers, app.competitie.rondes, formules);
        CKlassenGrafiek grafiek = MaakKlassenGrafiek(verloop, verloop.StandaardKeuze(), "Club");
        if (SchrijfGrafiek(grafiek, EGrafiekFormaat::Png, 1200, 800, pad) != 0) {
            state.SkipWithError("the PNG file was not written");
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pad));
    std::filesystem::remove(pad);
}
BENCHMARK(GrafiekNaarPng)->Unit(benchmark::kMillisecond);

std::string Ledenlijst(int rijen) {
    std::string tekst = "\xEF\xBB\xBFNaam;Klasse;Aktief;Standaard indelen;Uitloten toegestaan\r\n";
    for (int i = 1; i <= rijen; ++i) {
        tekst += "\"Lid " + std::to_string(i) + "\";" + std::to_string(i % 30) + "," +
                 std::to_string(i % 10) + ";J;" + (i % 3 ? "J" : "N") + ";ja\r\n";
    }
    return tekst;
}

void OpenImportVoorbeeld(benchmark::State& state) {
    CMorvelApp& app = Club();
    const std::string inhoud = Ledenlijst(2000);
    for (auto _ : state) {
        CLedenImport import;
        BekijkLedenlijst(inhoud, "leden.csv", app.competitie.spelers, import);
        CImportDlg venster(app, "leden.csv", std::move(import));
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenImportVoorbeeld)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
