#include "app/morvelapp.h"
#include "settings/profielplaats.h"

#include <gtest/gtest.h>

namespace {

TEST(VanafProgrammaMap, ARelativePathLiesBelowTheChosenWorkFolder) {
    ZetWerkMap("/home/a/.local/share/morvel");
    EXPECT_EQ("/home/a/.local/share/morvel", VanafProgrammaMap("."));
    EXPECT_EQ("/home/a/.local/share/morvel/competities", VanafProgrammaMap("competities"));
    EXPECT_EQ("/home/a/.local/share/morvel/club/backup", VanafProgrammaMap("./club/backup"));
    EXPECT_EQ("/srv/morvel", VanafProgrammaMap("/srv/morvel"));
    ZetWerkMap("");
}

} // namespace
