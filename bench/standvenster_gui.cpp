// The standings window on a competition of 2,000 players and 500 rounds in
// which everybody plays every round: opening it offscreen, and composing the
// standings it prints after the last round.

#include "grote_competitie.h"
#include "gui/standdlg.h"
#include "ui/standvenster.h"
#include "vensterbench.h"

#include <algorithm>
#include <string>

namespace {

void OpenStandvenster(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    for (auto _ : state) {
        CStandDlg venster(app);
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenStandvenster)->Unit(benchmark::kMillisecond);

void StandNaLaatsteRonde(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    CStandVenster venster(app);
    std::string lijst;
    for (auto _ : state) {
        venster.Afdrukken(lijst);
        benchmark::DoNotOptimize(lijst.data());
    }
    state.counters["regels"] = static_cast<double>(std::count(lijst.begin(), lijst.end(), '\n'));
}
BENCHMARK(StandNaLaatsteRonde)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
