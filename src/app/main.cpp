// The program: without a command the main window, with one the command line.

#include "app/opdrachtregel.h"

#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> argumenten(argv + 1, argv + argc);
    // The main window comes later; until then the program shows its help.
    return VoerOpdrachtregelUit(argumenten);
}
