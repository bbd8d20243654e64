// The results window on the large competition of 2,000 players and 500
// rounds, offscreen: opening it on a copy of a round of 100 games, one "-->"
// that refills the player list because processed players are hidden, and
// "&Toevoegen" with "Ja" on a published pairing of 1,000 pairs.

#include "app/indelingovername.h"
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

// A pairing of every player of the large competition: 1,000 pairs.
CIndeling DuizendParen() {
    CIndeling indeling;
    for (int32_t i = 1; i < kGroteSpelers; i += 2) {
        indeling.VoegToe(i, i + 1, "Speler " + std::to_string(i), "Speler " + std::to_string(i + 1),
                         "2 stenen, 0,5 komi");
    }
    indeling.gepubliceerd = {{3, 3, 2025}, 20, 15, 0};
    return indeling;
}

// "Ja" on the question: the round filled from the pairing and the results
// window opened on it, up to its first paint. With the argument 0 only the
// round is filled, without the replay of the rounds that opening the window does.
void IndelingOvernemen(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    const CIndeling indeling = DuizendParen();
    CRondes& rondes = app.competitie.rondes;
    const bool venster = state.range(0) != 0;
    for (auto _ : state) {
        CRonde ronde(rondes);
        VulRondeUitIndeling(indeling, rondes, ronde);
        if (!venster) {
            benchmark::DoNotOptimize(ronde.Uitslagen().data());
            continue;
        }
        CRondeDlg dialoog(app, ronde, nullptr, true);
        dialoog.show();
        QApplication::processEvents();
        if (dialoog.Model().UitslagRijen().size() != 1000) {
            state.SkipWithError("the pairing was not taken over");
            break;
        }
    }
}
BENCHMARK(IndelingOvernemen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
