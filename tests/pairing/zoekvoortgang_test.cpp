#include "pairing/zoekvoortgang.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class CTellendeVoortgang : public CZoekVoortgang {
public:
    using CZoekVoortgang::CZoekVoortgang;
    int verversingen = 0;

protected:
    void Ververs() override { ++verversingen; }
};

TEST(Zoekvoortgang, BereikZetDeToestandTerug) {
    CTellendeVoortgang v;
    v.ZetBereik(0, 10);
    v.ZetPositie(7);
    v.NieuweBeste(-1234);
    v.VraagStop();
    EXPECT_TRUE(v.HeeftBalk());
    EXPECT_EQ(v.CombinatiesTekst(), "7");
    EXPECT_EQ(v.BesteWaardeTekst(), "-1234");
    EXPECT_EQ(v.BesteGedurendeTekst(), "0:00:00");
    v.ZetBereik(0, 0);
    EXPECT_FALSE(v.HeeftBalk());
    EXPECT_FALSE(v.StopGevraagd());
    EXPECT_EQ(v.Teller(), 0);
    EXPECT_EQ(v.Beste(), 0);
    v.ZetPositie(2027025);
    EXPECT_EQ(v.CombinatiesTekst(), "2027025");
}

TEST(Zoekvoortgang, VerverstHoogstensElke250Ms) {
    CTellendeVoortgang v(1);
    v.ZetBereik(0, 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(260));
    v.ZetPositie(1);
    EXPECT_EQ(v.verversingen, 1);
    for (int i = 2; i < 1000; ++i) {
        v.ZetPositie(i); // well within 250 ms of the refresh
    }
    EXPECT_EQ(v.verversingen, 1);
}

TEST(Zoekvoortgang, KijktAlleenElkIntervalNaarDeKlok) {
    CTellendeVoortgang v(100);
    v.ZetBereik(0, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(260));
    v.ZetPositie(1); // the first position after a new range looks
    EXPECT_EQ(v.verversingen, 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(260));
    for (int i = 2; i <= 100; ++i) {
        v.ZetPositie(i);
    }
    EXPECT_EQ(v.verversingen, 1);
    v.ZetPositie(101);
    EXPECT_EQ(v.verversingen, 2);
    EXPECT_EQ(v.Teller(), 101);
}

} // namespace
