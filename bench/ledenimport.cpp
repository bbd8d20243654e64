// Reading a member list of 2,000 rows as a spreadsheet saves it, with the
// rows of its preview, into a register of 2,000 players.

#include "app/ledenimport.h"
#include "grote_competitie.h"
#include "stille_melder.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void LeesLedenlijstMetVoorbeeld(benchmark::State& state) {
    CStilleMelder stil;
    Melder* vorige = ZetMelder(&stil);
    CMorvelApp& app = GroteApp();
    std::string inhoud = "Naam;Klasse;Aktief\r\n";
    for (int i = 1; i <= 2000; ++i) {
        // Half of them in the register already, as "Speler N".
        inhoud += (i % 2 ? "Speler " : "Nieuw lid ") + std::to_string(i) + ";" +
                  std::to_string(i % 30) + " kyu;" + (i % 5 ? "ja" : "nee") + "\r\n";
    }
    size_t nieuw = 0;
    for (auto _ : state) {
        CLedenImport import;
        BekijkLedenlijst(inhoud, "leden.csv", app.competitie.spelers, import);
        std::vector<std::string> rijen = ImportRijen(import);
        nieuw = import.AantalNieuw();
        benchmark::DoNotOptimize(rijen.data());
    }
    state.counters["nieuw"] = static_cast<double>(nieuw);
    ZetMelder(vorige);
}
BENCHMARK(LeesLedenlijstMetVoorbeeld)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
