// Opening the window "Datum en parameters inschrijflijst", offscreen: the
// model from the settings, the dialog with its lists, shown and laid out.

#include "gui/datumselectiedlg.h"
#include "settings/settings.h"
#include "vensterbench.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string TijdelijkeMap() {
    std::string sjabloon =
        (std::filesystem::temp_directory_path() / "morvel-bench-XXXXXX").string();
    return ::mkdtemp(sjabloon.data()) ? sjabloon : std::string();
}

void DatumVensterOpenen(benchmark::State& state) {
    const std::string map = TijdelijkeMap();
    if (map.empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    {
        CSettings settings(map + "/morvel.ini");
        for (auto _ : state) {
            CDatumSelectie model(settings, {6, 3, 2026});
            DatumSelectieDlg venster(model);
            venster.show();
            QApplication::processEvents();
            benchmark::DoNotOptimize(venster.isVisible());
        }
    }
    std::filesystem::remove_all(map);
}
// The first opening of the run pays for the fonts and the style as well.
BENCHMARK(DatumVensterOpenen)
    ->Name("DatumVensterEersteKeer")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DatumVensterOpenen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
