// Replay and ranking of a large competition: 200 players, 100 rounds of 100
// games each, points per game.

#include "data/competitie.h"
#include "rating/standberekening.h"
#include "rating/standtabel.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int kSpelers = 200;
constexpr int kRondes = 100;

class CGroteCompetitie {
public:
    CGroteCompetitie() {
        uint32_t toeval = 12345;
        auto volgende = [&toeval](uint32_t bereik) {
            toeval = toeval * 1103515245u + 12345u;
            return (toeval >> 8) % bereik;
        };
        for (int32_t nr = 1; nr <= kSpelers; ++nr) {
            std::string naam = "Speler " + std::to_string(nr);
            competitie.spelers.VoegToe(nr, naam, static_cast<int32_t>(50 + volgende(250)), 1, 1, 1);
        }
        std::vector<int32_t> volgorde(kSpelers);
        std::iota(volgorde.begin(), volgorde.end(), 1);
        const char resultaten[] = {'+', '-', '+', '-', '0', '?'};
        for (int r = 1; r <= kRondes; ++r) {
            for (size_t i = volgorde.size() - 1; i > 0; --i) {
                std::swap(volgorde[i], volgorde[volgende(static_cast<uint32_t>(i + 1))]);
            }
            auto ronde = std::make_unique<CRonde>(competitie.rondes);
            ronde->identificatie = "Ronde " + std::to_string(r);
            for (size_t i = 0; i + 1 < volgorde.size(); i += 2) {
                ronde->VoegToe(volgorde[i], volgorde[i + 1], resultaten[volgende(6)]);
            }
            competitie.rondes.VoegRondeToe(std::move(ronde));
        }
    }
    ~CGroteCompetitie() {
        competitie.spelers.WisGewijzigd();
        competitie.rondes.WisGewijzigd();
    }

    CCompetitie competitie;
};

void HerberekenEnRangschik(benchmark::State& state) {
    CGroteCompetitie groot;
    CStandFormules formules{CFormule("3 * W + J"), true, CFormule("max(K - 2, 1)"),
                            CFormule("K + 2"), CFormule("K")};
    CStandTabel tabel;
    for (auto _ : state) {
        BerekenStand(groot.competitie.spelers, groot.competitie.rondes, -1, formules);
        tabel.Vul(groot.competitie.spelers, true, formules);
        benchmark::DoNotOptimize(tabel.Regels().data());
    }
    int64_t partijen = 0;
    for (const CStandRegel& regel : tabel.Regels()) {
        partijen += regel.speler->stand.partijen;
    }
    state.counters["partijen"] = static_cast<double>(partijen / 2);
}
BENCHMARK(HerberekenEnRangschik)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
