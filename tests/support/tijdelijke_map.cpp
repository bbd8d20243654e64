#include "tijdelijke_map.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

CTijdelijkeMap::CTijdelijkeMap() {
    std::string sjabloon = (std::filesystem::temp_directory_path() / "morvel-test-XXXXXX").string();
    std::vector<char> naam(sjabloon.begin(), sjabloon.end());
    naam.push_back('\0');
    if (!::mkdtemp(naam.data())) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    pad_ = naam.data();
}

CTijdelijkeMap::~CTijdelijkeMap() {
    std::error_code fout;
    std::filesystem::remove_all(pad_, fout);
}

std::string LeesAlles(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream uit;
    uit << in.rdbuf();
    return uit.str();
}

void SchrijfAlles(const std::string& pad, const std::string& inhoud) {
    std::ofstream uit(pad, std::ios::binary | std::ios::trunc);
    uit << inhoud;
    if (!uit) {
        ADD_FAILURE() << "cannot write " << pad;
    }
}

std::string FixturePad(const std::string& naam) {
    return std::string(MORVEL_FIXTURES) + "/" + naam;
}

std::string Fixture(const std::string& naam) {
    return LeesAlles(FixturePad(naam));
}
