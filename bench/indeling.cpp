// The pairing search: the full search of 16 and of 17 participants, the tries
// per second of the random search with 40 participants, the exact search from
// 16 to 1,000 participants, and how far the random search's best after a
// million tries stays above the exact total.

#include "data/competitie.h"
#include "pairing/indelingslog.h"
#include "pairing/indelingzoeker.h"
#include "pairing/kostenmodel.h"
#include "pairing/zoekvoortgang.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A competition of `aantal` players of varied classes with six rounds of games
// and a few byes, so that the costs differ and the search improves often.
class CCompetitieMetRondes {
public:
    explicit CCompetitieMetRondes(int aantal) {
        for (int i = 0; i < aantal; ++i) {
            std::string naam = "Speler " + std::to_string(i + 1);
            competitie.spelers.VoegToe(i + 1, naam, 100 + (i * 37) % 150, 1, 1, i % 5 == 0 ? 0 : 1);
        }
        for (int r = 0; r < 6; ++r) {
            auto ronde = std::make_unique<CRonde>(competitie.rondes);
            for (int i = 0; i + 1 < aantal; i += 2) {
                ronde->VoegToe((i + r) % aantal + 1, (i + 3 * r + 1) % aantal + 1, '+');
            }
            ronde->VoegToe(r % aantal + 1);
            competitie.rondes.VoegRondeToe(std::move(ronde));
        }
        for (CSpeler& s : competitie.spelers) {
            deelnemers.push_back(&s);
        }
    }
    ~CCompetitieMetRondes() {
        competitie.spelers.WisGewijzigd();
        competitie.rondes.WisGewijzigd();
    }

    CCompetitie competitie;
    std::vector<CSpeler*> deelnemers;
};

// A competition of `aantal` players with its cost model, progress and log.
struct CZoekOpstelling {
    CZoekOpstelling(int aantal, const CIndelingsParameters& p)
        : c(aantal), model(c.deelnemers, c.competitie.rondes, p) {}

    CCompetitieMetRondes c;
    CKostenModel model;
    CZoekVoortgang voortgang;
    CIndelingsLog log;
};

void VolledigeZoektocht(benchmark::State& state) {
    CIndelingsParameters p;
    p.MaximaalAantalVoorVolledig = 9;
    CZoekOpstelling z(static_cast<int>(state.range(0)), p);
    double combinaties = 0;
    for (auto _ : state) {
        CIndelingZoeker zoeker(z.model, z.voortgang, z.log);
        benchmark::DoNotOptimize(zoeker.ZoekVolledig());
        combinaties = zoeker.Combinaties();
    }
    state.counters["pairings"] = combinaties;
    state.counters["log"] = static_cast<double>(z.log.Regels().size());
}
BENCHMARK(VolledigeZoektocht)->Arg(16)->Arg(17)->Unit(benchmark::kMillisecond);

void RandomZoektocht(benchmark::State& state) {
    constexpr int kPogingen = 2000000;
    CIndelingsParameters p;
    p.AantalRandomPairings = kPogingen;
    CZoekOpstelling z(40, p);
    uint32_t zaad = 1;
    for (auto _ : state) {
        CIndelingZoeker zoeker(z.model, z.voortgang, z.log);
        benchmark::DoNotOptimize(zoeker.ZoekRandom(zaad++));
    }
    state.counters["pogingen/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPogingen, benchmark::Counter::kIsRate);
}
BENCHMARK(RandomZoektocht)->Unit(benchmark::kMillisecond);

void ExacteZoektocht(benchmark::State& state) {
    CZoekOpstelling z(static_cast<int>(state.range(0)), {});
    int64_t totaal = 0;
    for (auto _ : state) {
        CIndelingZoeker zoeker(z.model, z.voortgang, z.log);
        benchmark::DoNotOptimize(zoeker.ZoekExact());
        totaal = zoeker.Beste();
    }
    state.counters["totaal"] = static_cast<double>(totaal);
}
BENCHMARK(ExacteZoektocht)
    ->Arg(16)
    ->Arg(40)
    ->Arg(100)
    ->Arg(400)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// One run of a million random tries against the exact search on the same
// competition; the counters give both totals and the difference.
void RandomTegenExact(benchmark::State& state) {
    CIndelingsParameters p;
    p.AantalRandomPairings = 1000000;
    CZoekOpstelling z(static_cast<int>(state.range(0)), p);
    CIndelingZoeker exact(z.model, z.voortgang, z.log);
    exact.ZoekExact();
    int64_t random = 0;
    for (auto _ : state) {
        CIndelingZoeker zoeker(z.model, z.voortgang, z.log);
        benchmark::DoNotOptimize(zoeker.ZoekRandom(1));
        random = zoeker.Beste();
    }
    state.counters["exact"] = static_cast<double>(exact.Beste());
    state.counters["random"] = static_cast<double>(random);
    state.counters["verschil"] = static_cast<double>(random - exact.Beste());
}
BENCHMARK(RandomTegenExact)->Arg(40)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
