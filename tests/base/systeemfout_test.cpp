#include "base/platform.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

TEST(SysteemFoutTekst, KentSysteemEnInternetfouten) {
    EXPECT_EQ(std::strerror(ENOENT), SysteemFoutTekst(ENOENT));
    EXPECT_EQ("De naam van de server kan niet gevonden worden.", SysteemFoutTekst(12007));
    EXPECT_EQ("Het wachtwoord is onjuist.", SysteemFoutTekst(12014));
}

TEST(SysteemFoutTekst, ZonderTekstDeVasteMelding) {
    for (long code : {0L, -5L, 3999L, 2150L, 12345L, 99999L}) {
        EXPECT_EQ("Deze Windowsversie kent geen text bij de opgetreden fout '" +
                      std::to_string(code) + "'",
                  SysteemFoutTekst(code));
    }
}
