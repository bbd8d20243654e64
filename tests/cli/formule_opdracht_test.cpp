// `morvel formule` run as a program: its output and exit status.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct CUitkomst {
    std::string uit;
    int status;
};

// Runs the built program with `argumenten` (already quoted for the shell); stderr is dropped.
CUitkomst Voer(const std::string& argumenten) {
    std::string opdracht =
        std::string("'") + MORVEL_BINARY + "' formule " + argumenten + " 2>/dev/null";
    FILE* pijp = popen(opdracht.c_str(), "r");
    CUitkomst uitkomst{"", -1};
    if (!pijp) {
        return uitkomst;
    }
    char buffer[256];
    size_t gelezen = 0;
    while ((gelezen = std::fread(buffer, 1, sizeof buffer, pijp)) > 0) {
        uitkomst.uit.append(buffer, gelezen);
    }
    int status = pclose(pijp);
    uitkomst.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return uitkomst;
}

TEST(FormuleOpdracht, UitvoerEnUitslag) {
    struct {
        const char* argumenten;
        const char* uit;
        int status;
    } gevallen[] = {
        {"'V * 2 + K' 0 21 0 0 0 3", "45\n", 0},
        {"'W + V + J + P + R + K' 1 2 3 4 5 6", "21\n", 0},
        {"'V + 1'", "1\n", 0},
        {"'3 +'", "fout op positie 3: Formule is niet compleet.\n", 1},
        {"'10 / W' 0", "fout op positie 6: Deling door nul.\n", 1},
        {"-- 'W + V' -5 -2", "-7\n", 0},
        {"'W * 2' -3", "-6\n", 0},
        {"V x", "", 64},
        {"V 1.5", "", 64},
        {"V 2147483648", "", 64},
        {"V 1 2 3 4 5 6 7", "", 64},
    };
    for (const auto& g : gevallen) {
        CUitkomst uitkomst = Voer(g.argumenten);
        EXPECT_EQ(uitkomst.uit, g.uit) << g.argumenten;
        EXPECT_EQ(uitkomst.status, g.status) << g.argumenten;
    }
}

TEST(FormuleOpdracht, GrenswaardenVanDeArgumenten) {
    EXPECT_EQ(Voer("W -2147483648").uit, "-2147483648\n");
    EXPECT_EQ(Voer("W 2147483647").uit, "2147483647\n");
    EXPECT_EQ(Voer("W -2147483649").status, 64);
}

} // namespace
