// The history of a large competition: 2,000 players and 500 rounds of 50
// games. Listing 100 generations with what changed since each, and what
// keeping a generation adds to a write of the data file.

#include "app/versies.h"
#include "grote_competitie.h"
#include "stille_melder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

// The large competition with its data file in a folder of its own.
struct CGroteMap {
    explicit CGroteMap(const char* naam) : app(MaakGroteApp(50)) {
        map = fs::temp_directory_path() / naam;
        fs::remove_all(map);
        fs::create_directories(map);
        app->settings.SetMakeBackup(0);
        app->competitie.competitieMap = map.string();
        app->competitie.datafile = (map / "groot.txt").string();
        app->competitie.spelers.ZetGewijzigd();
        app->competitie.Schrijf();
    }
    ~CGroteMap() {
        app->competitie.Sluit();
        app.reset();
        fs::remove_all(map);
    }
    // A change of one starting class, written.
    int Schrijf(int keer) {
        CSpeler& speler = *app->competitie.spelers.Zoek(1 + keer % kGroteSpelers);
        speler.beginKlasse = speler.beginKlasse == 100 ? 101 : 100;
        app->competitie.spelers.ZetGewijzigd();
        return app->competitie.Schrijf();
    }

    fs::path map;
    std::unique_ptr<CMorvelApp> app;
};

void LijstHonderdGeneraties(benchmark::State& state) {
    CStilleMelder stil;
    Melder* vorige = ZetMelder(&stil);
    CGroteMap groot("morvel-bench-geschiedenis");
    CRondes& rondes = groot.app->competitie.rondes;
    // Rounds deleted and players changed along the way, so that every line differs.
    for (int keer = 0; keer < 100; ++keer) {
        if (keer % 3 == 0) {
            rondes.Verwijder(rondes.Aantal());
        }
        groot.Schrijf(keer);
    }
    size_t regels = 0;
    for (auto _ : state) {
        std::vector<CVersie> versies = Versies(groot.app->competitie);
        regels = versies.size();
        benchmark::DoNotOptimize(versies.data());
    }
    if (regels != 100) {
        state.SkipWithError("not 100 generations");
    }
    ZetMelder(vorige);
}
BENCHMARK(LijstHonderdGeneraties)->Unit(benchmark::kMillisecond);

// A write of the data file with the history at `state.range(0)` generations
// (0: off); the history is full, so that each write also removes the oldest.
void SchrijfMetGeschiedenis(benchmark::State& state) {
    CStilleMelder stil;
    Melder* vorige = ZetMelder(&stil);
    CGroteMap groot("morvel-bench-schrijven");
    groot.app->settings.SetGeschiedenis(static_cast<int32_t>(state.range(0)));
    int keer = 0;
    for (; keer < state.range(0); ++keer) {
        groot.Schrijf(keer);
    }
    for (auto _ : state) {
        if (groot.Schrijf(keer++) != 0) {
            state.SkipWithError("not written");
            break;
        }
    }
    ZetMelder(vorige);
}
BENCHMARK(SchrijfMetGeschiedenis)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
