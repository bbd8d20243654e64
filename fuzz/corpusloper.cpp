// Runs a fuzz target once over every file of the corpus folders given, in
// the order of their names, without a fuzzer: what the tests run, so that a
// fault once found stays mended. A failed check aborts.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> bestanden;
    for (int i = 1; i < argc; ++i) {
        for (const auto& ingang : fs::recursive_directory_iterator(argv[i])) {
            if (ingang.is_regular_file()) {
                bestanden.push_back(ingang.path());
            }
        }
    }
    std::sort(bestanden.begin(), bestanden.end());
    for (const fs::path& pad : bestanden) {
        std::ifstream in(pad, std::ios::binary);
        std::string inhoud((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", pad.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhoud.data()), inhoud.size());
    }
    std::printf("%zu inputs\n", bestanden.size());
    return bestanden.empty() ? 1 : 0;
}
