#pragma once
// The main of a benchmark program that opens windows: Qt on the offscreen
// platform, and every message answered with its default without being shown.

#include "base/melding.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <string>

class CZonderMeldingen : public Melder {
public:
    Antwoord Toon(const std::string&, Knoppen knoppen, const std::string&) override {
        return StandaardAntwoord(knoppen);
    }
};

inline int VoerVensterBenchmarksUit(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication toepassing(argc, argv);
    CZonderMeldingen stil;
    Melder* vorige = ZetMelder(&stil);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ZetMelder(vorige);
    return 0;
}
