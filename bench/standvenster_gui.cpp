// The standings window on a competition of 2,000 players and 500 rounds in
// which everybody plays every round: opening it offscreen, and composing the
// standings it prints after the last round.

#include "app/morvelapp.h"
#include "base/melding.h"
#include "gui/standdlg.h"
#include "ui/standvenster.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kSpelers = 2000;
constexpr int kRondes = 500;

// Answers every message with its default, without showing it.
class CStil : public Melder {
public:
    Antwoord Toon(const std::string&, Knoppen k, const std::string&) override {
        return StandaardAntwoord(k);
    }
};

// The application object on a profile with one points and one class set.
std::unique_ptr<CMorvelApp> GroteApp() {
    std::string profiel =
        (std::filesystem::temp_directory_path() / "morvel-bench-stand.ini").string();
    if (FILE* f = std::fopen(profiel.c_str(), "wb")) {
        std::fputs("[Morvel]\r\nAantalScoreFormules=1\r\nHuidigeScoreFormule=1\r\n"
                   "AantalKlasseAanpassingsFormules=1\r\nHuidigeKlasseAanpassingsFormule=1\r\n"
                   "[Opmerkingen]\r\nIndelingSneller=1\r\nOneindigeRandomIndeling=1\r\n"
                   "HtmlUitvoer=1\r\n[ScoreFormule 1]\r\nFormule=2 * W + J\r\nMiddelen=0\r\n"
                   "[KlasseBerekening 1]\r\nKlasseNaWinst=max(K - 1, 1)\r\n"
                   "KlasseNaVerlies=K + 1\r\nKlasseNaJigo=K\r\n",
                   f);
        std::fclose(f);
    }
    auto app = std::make_unique<CMorvelApp>(profiel);
    std::filesystem::remove(profiel);
    CCompetitie& competitie = app->competitie;
    competitie.competitieMap = "/tmp/Benchmark";
    for (int32_t nr = 1; nr <= kSpelers; ++nr) {
        std::string naam = "Speler " + std::to_string(nr);
        competitie.spelers.VoegToe(nr, naam, 50 + nr % 250, 1, 1, 1);
    }
    const char uitslagen[] = {'+', '-', '0', '+', '-', '?'};
    for (int r = 1; r <= kRondes; ++r) {
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        ronde->identificatie = "Ronde " + std::to_string(r);
        // Player i meets the player r + 1 places further on in a circle.
        for (int32_t i = 1; i <= kSpelers / 2; ++i) {
            int32_t tegen = (i - 1 + (r % (kSpelers / 2)) + kSpelers / 2) % kSpelers + 1;
            ronde->VoegToe(i, tegen, uitslagen[(i + r) % 6]);
        }
        competitie.rondes.VoegRondeToe(std::move(ronde));
    }
    competitie.spelers.WisGewijzigd();
    competitie.rondes.WisGewijzigd();
    return app;
}

CMorvelApp& App() {
    static std::unique_ptr<CMorvelApp> app = GroteApp();
    return *app;
}

void OpenStandvenster(benchmark::State& state) {
    CMorvelApp& app = App();
    for (auto _ : state) {
        CStandDlg venster(app);
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenStandvenster)->Unit(benchmark::kMillisecond);

void StandNaLaatsteRonde(benchmark::State& state) {
    CMorvelApp& app = App();
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication toepassing(argc, argv);
    CStil stil;
    ZetMelder(&stil);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ZetMelder(nullptr);
    return 0;
}
