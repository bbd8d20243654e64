// The source folders are layers: a file includes only headers of its own
// folder and of the folders below it, and only src/gui/ (and main.cpp) may
// include Qt. Read from the #include lines of every source file.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

// The rank of each folder: a folder may include those of a lower rank.
const std::map<std::string, int> kLagen = {
    {"base", 0},    {"data", 1}, {"formule", 1}, {"settings", 2}, {"rating", 3}, {"pairing", 4},
    {"publish", 5}, {"app", 6},  {"ui", 7},      {"cli", 7},      {"gui", 8},
};
constexpr int kMain = 9;

std::string BronMap() {
    return fs::weakly_canonical(fs::path(MORVEL_FIXTURES) / ".." / ".." / "src").string();
}

TEST(Lagen, IncludesPointDownAndQtStaysInTheGuiFolder) {
    const std::regex eigen(R"(^\s*#\s*include\s+"([a-z]+)/[^"]+")");
    const std::regex qt(R"(^\s*#\s*include\s+<Q[A-Za-z]*[>/])");
    int bestanden = 0;
    for (const auto& ingang : fs::recursive_directory_iterator(BronMap())) {
        std::string extensie = ingang.path().extension().string();
        if (!ingang.is_regular_file() || (extensie != ".h" && extensie != ".cpp")) {
            continue;
        }
        std::string relatief = fs::relative(ingang.path(), BronMap()).string();
        std::string map = relatief.substr(0, relatief.find('/'));
        bool isMain = relatief == "main.cpp";
        ASSERT_TRUE(isMain || kLagen.count(map)) << relatief << ": a folder outside the layers";
        int rang = isMain ? kMain : kLagen.at(map);
        ++bestanden;

        std::ifstream in(ingang.path());
        std::string regel;
        for (int nummer = 1; std::getline(in, regel); ++nummer) {
            std::smatch gevonden;
            if (std::regex_search(regel, gevonden, eigen)) {
                std::string doel = gevonden[1];
                ASSERT_TRUE(kLagen.count(doel)) << relatief << ":" << nummer << ": " << regel;
                bool toegestaan = doel == map || kLagen.at(doel) < rang;
                EXPECT_TRUE(toegestaan) << relatief << ":" << nummer << " includes " << doel
                                        << "/, which is not below " << map << "/";
            }
            if (std::regex_search(regel, qt)) {
                EXPECT_TRUE(map == "gui" || isMain)
                    << relatief << ":" << nummer << " includes Qt outside src/gui/";
            }
        }
    }
    EXPECT_GT(bestanden, 100); // the sources were found at all
}

} // namespace
