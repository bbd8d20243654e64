// Laying out a 30-page listing in the listing font and printing it into a PDF
// (in memory), on the offscreen platform.

#include "gui/afdrukken.h"
#include "vensterbench.h"

#include <QBuffer>
#include <QPdfWriter>
#include <cstdio>
#include <string>

namespace {

constexpr int kPaginas = 30;
// 12 points on the printable part of A4 hold 58 lines.
constexpr int kRegelsPerPagina = 58;

// A standings listing of full 80-column lines, tabs and a long line that wraps.
std::string Lijst() {
    std::string tekst = "\n\n\n                    Morvel Competitie Beheer - Benchmark\n\n";
    char regel[128];
    for (int i = 1; i <= kPaginas * kRegelsPerPagina - 5; ++i) {
        if (i % 50 == 0) {
            tekst += "\tStand na ronde 'Ronde " + std::to_string(i / 50) + "'\n";
            continue;
        }
        std::snprintf(regel, sizeof regel, " %-25.25s %4.1f   %3d %3d %3d %3d  %c%2d  %3d %8d\n",
                      ("Speler nummer " + std::to_string(i)).c_str(), 10.0 + i % 200 / 10.0, i % 30,
                      i % 20, i % 3, i % 53, '+', i % 10, i % 100, i * 3);
        tekst += regel;
    }
    return tekst;
}

void LijstVanDertigPaginas(benchmark::State& state) {
    const std::string lijst = Lijst();
    const QFont lettertype = LijstLettertype("DejaVu Sans Mono", 120);
    int paginas = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        paginas = DrukPaginas(lijst, lettertype, pdf);
        benchmark::DoNotOptimize(paginas);
    }
    state.counters["paginas"] = paginas;
    state.counters["per_pagina"] = benchmark::Counter(
        paginas, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(LijstVanDertigPaginas)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
