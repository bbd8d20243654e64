// The pairing search: the full search of 16 and of 17 participants, and the
// tries per second of the random search with 40 participants.

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

void VolledigeZoektocht(benchmark::State& state) {
    CCompetitieMetRondes c(static_cast<int>(state.range(0)));
    CIndelingsParameters p;
    p.MaximaalAantalVoorVolledig = 9;
    CKostenModel model(c.deelnemers, c.competitie.rondes, p);
    CZoekVoortgang voortgang;
    CIndelingsLog log;
    double combinaties = 0;
    for (auto _ : state) {
        CIndelingZoeker zoeker(model, voortgang, log);
        benchmark::DoNotOptimize(zoeker.ZoekVolledig());
        combinaties = zoeker.Combinaties();
    }
    state.counters["pairings"] = combinaties;
    state.counters["log"] = static_cast<double>(log.Regels().size());
}
BENCHMARK(VolledigeZoektocht)->Arg(16)->Arg(17)->Unit(benchmark::kMillisecond);

void RandomZoektocht(benchmark::State& state) {
    constexpr int kPogingen = 2000000;
    CCompetitieMetRondes c(40);
    CIndelingsParameters p;
    p.AantalRandomPairings = kPogingen;
    CKostenModel model(c.deelnemers, c.competitie.rondes, p);
    CZoekVoortgang voortgang;
    CIndelingsLog log;
    uint32_t zaad = 1;
    for (auto _ : state) {
        CIndelingZoeker zoeker(model, voortgang, log);
        benchmark::DoNotOptimize(zoeker.ZoekRandom(zaad++));
    }
    state.counters["pogingen/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPogingen, benchmark::Counter::kIsRate);
}
BENCHMARK(RandomZoektocht)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
