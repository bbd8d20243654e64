// Reading a large competition: 2,000 players and 500 rounds of 50 games.

#include "data/competitie.h"
#include "stille_melder.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string MaakGroteDataFile() {
    std::string pad = "/tmp/morvel-bench-XXXXXX";
    int fd = ::mkstemp(pad.data());
    ::close(fd);
    std::string inhoud = "versie=2\r\n\r\n[Spelers]\r\n";
    char regel[128];
    for (int s = 1; s <= 2000; ++s) {
        std::snprintf(regel, sizeof regel, "%d \"Speler nummer %d\" %d J J J\r\n", s, s,
                      100 + s % 200);
        inhoud += regel;
    }
    inhoud += "\r\n[Uitslagen]\r\n";
    unsigned toestand = 12345;
    for (int r = 1; r <= 500; ++r) {
        std::snprintf(regel, sizeof regel, "{ronde %d}\r\n", r);
        inhoud += regel;
        for (int u = 0; u < 50; ++u) {
            toestand = toestand * 1103515245u + 12345u;
            int a = static_cast<int>(toestand % 2000) + 1;
            int b = static_cast<int>((toestand / 2000) % 2000) + 1;
            std::snprintf(regel, sizeof regel, "%d %d %c\r\n", a, b, "+-0"[u % 3]);
            inhoud += regel;
        }
    }
    std::FILE* f = std::fopen(pad.c_str(), "wb");
    std::fwrite(inhoud.data(), 1, inhoud.size(), f);
    std::fclose(f);
    return pad;
}

void BM_LeesGroteCompetitie(benchmark::State& state) {
    CStilleMelder stil;
    Melder* vorige = ZetMelder(&stil);
    std::string pad = MaakGroteDataFile();
    CCompetitie competitie;
    competitie.datafile = pad;
    for (auto _ : state) {
        if (competitie.Lees() != 0 || competitie.rondes.Aantal() != 500) {
            state.SkipWithError("the data file was not read");
        }
    }
    std::remove(pad.c_str());
    ZetMelder(vorige);
}
BENCHMARK(BM_LeesGroteCompetitie)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
