// The results window on the large competition of 2,000 players and 500
// rounds, offscreen: opening it on a copy of a round of 100 games, and one
// "-->" that refills the player list because processed players are hidden.

#include "grote_competitie.h"
#include "gui/multilinelistbox.h"
#include "gui/rondedlg.h"
#include "ui/rondevenster.h"
#include "vensterbench.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr size_t kPartijen = 100;

// What "&Wijzigen" hands the window: a copy of a round, here of the first
// 100 games of the last round.
std::unique_ptr<CRonde> RondeVanHonderdPartijen(CMorvelApp& app) {
    CRondes& rondes = app.competitie.rondes;
    const CRonde& laatste = rondes.Ronde(rondes.Aantal() - 1);
    auto kopie = std::make_unique<CRonde>(rondes);
    kopie->identificatie = laatste.identificatie;
    for (size_t i = 0; i < kPartijen; ++i) {
        const CUitslag& u = laatste.Uitslagen()[i];
        kopie->VoegToe(u.speler1, u.speler2, u.resultaat);
    }
    rondes.WisGewijzigd();
    return kopie;
}

void OpenUitslagenVenster(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    auto kopie = RondeVanHonderdPartijen(app);
    for (auto _ : state) {
        CRondeDlg venster(app, *kopie);
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenUitslagenVenster)->Unit(benchmark::kMillisecond);

void SpelerToevoegen(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    auto kopie = RondeVanHonderdPartijen(app);
    CRondeDlg venster(app, *kopie);
    venster.show();
    QApplication::processEvents();
    auto* spelers = venster.findChild<CMultiLineListBox*>("spelers");
    auto* terug = venster.findChild<QPushButton*>("verwijderen");
    const CRondeVenster& model = venster.Model();
    for (auto _ : state) {
        // A double click on a player in the middle of the list, as "-->" after choosing him.
        emit spelers->gekozen(static_cast<int>(model.SpelerRijen().size()) / 2);
        QApplication::processEvents();
        state.PauseTiming();
        if (model.UitslagRijen().size() != kPartijen + 1) {
            state.SkipWithError("the player was not added");
            break;
        }
        terug->click(); // the incomplete entry goes again, so that every round is the same
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["spelers"] = static_cast<double>(model.SpelerRijen().size());
}
BENCHMARK(SpelerToevoegen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
