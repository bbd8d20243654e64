// Writing the recovery copy of a competition of 2,000 players and 500 rounds
// of 50 games (the size the data file benchmark reads): composed in the data
// file's layout and written safely, synced included.

#include "grote_competitie.h"
#include "stille_melder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

void SchrijfHerstelkopie(benchmark::State& state) {
    CStilleMelder stil;
    Melder* vorige = ZetMelder(&stil);
    std::unique_ptr<CMorvelApp> groot = MaakGroteApp(50);
    CMorvelApp& app = *groot;
    std::filesystem::path map = std::filesystem::temp_directory_path() / "morvel-bench-herstel";
    std::filesystem::create_directories(map);
    app.competitie.competitieMap = map.string();
    app.competitie.datafile = (map / "groot.txt").string();
    app.competitie.spelers.ZetGewijzigd();
    for (auto _ : state) {
        if (app.BewaarHerstel() != 0) {
            state.SkipWithError("the copy could not be written");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(app.HerstelPad())));
    app.competitie.spelers.WisGewijzigd();
    std::filesystem::remove_all(map);
    ZetMelder(vorige);
}
BENCHMARK(SchrijfHerstelkopie)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
