#pragma once
// A large competition for the benchmarks: 2,000 players and 500 rounds (in
// which everybody plays every round, unless fewer games a round are asked
// for), on a profile with one points set and one class set.

#include "app/morvelapp.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

inline constexpr int kGroteSpelers = 2000;
inline constexpr int kGroteRondes = 500;

// A competition of `spelers` players and `rondes` rounds with
// `partijenPerRonde` games each (at most half the players).
inline std::unique_ptr<CMorvelApp> MaakBenchApp(int32_t spelers, int rondes,
                                                int32_t partijenPerRonde) {
    std::string profiel =
        (std::filesystem::temp_directory_path() / "morvel-bench-groot.ini").string();
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
    for (int32_t nr = 1; nr <= spelers; ++nr) {
        std::string naam = "Speler " + std::to_string(nr);
        competitie.spelers.VoegToe(nr, naam, 50 + nr % 250, 1, 1, 1);
    }
    const char uitslagen[] = {'+', '-', '0', '+', '-', '?'};
    const int32_t helft = spelers / 2;
    for (int r = 1; r <= rondes; ++r) {
        auto ronde = std::make_unique<CRonde>(competitie.rondes);
        ronde->identificatie = "Ronde " + std::to_string(r);
        // Player i meets the player r + 1 places further on in a circle.
        for (int32_t i = 1; i <= partijenPerRonde; ++i) {
            int32_t tegen = (i - 1 + (r % helft) + helft) % spelers + 1;
            ronde->VoegToe(i, tegen, uitslagen[(i + r) % 6]);
        }
        competitie.rondes.VoegRondeToe(std::move(ronde));
    }
    competitie.spelers.WisGewijzigd();
    competitie.rondes.WisGewijzigd();
    return app;
}

inline std::unique_ptr<CMorvelApp> MaakGroteApp(int32_t partijenPerRonde = kGroteSpelers / 2) {
    return MaakBenchApp(kGroteSpelers, kGroteRondes, partijenPerRonde);
}

// The one large competition of a benchmark program.
inline CMorvelApp& GroteApp() {
    static std::unique_ptr<CMorvelApp> app = MaakGroteApp();
    return *app;
}
