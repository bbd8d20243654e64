// Evaluations per second of the default komi formula over the usual class differences.

#include "formule/formule.h"

#include <benchmark/benchmark.h>

static void KomiFormule(benchmark::State& state) {
    CFormule formule("als(V < 18, 6 * ((V + 1) % 2), 5 * (17 - V))");
    int32_t resultaat = 0;
    for (auto _ : state) {
        for (int32_t v = 0; v < 80; ++v) {
            formule.Bereken(v, resultaat);
            benchmark::DoNotOptimize(resultaat);
        }
    }
    state.SetItemsProcessed(state.iterations() * 80);
}
BENCHMARK(KomiFormule);

BENCHMARK_MAIN();
