#include "programma.h"

#include "tijdelijke_map.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

CProgrammaUitvoer VoerMorvelUit(const std::vector<std::string>& argumenten,
                                const std::vector<std::pair<std::string, std::string>>& omgeving) {
    return VoerProgrammaUit(MORVEL_BINARY, argumenten, omgeving);
}

CProgrammaUitvoer
VoerProgrammaUit(const std::string& programma, const std::vector<std::string>& argumenten,
                 const std::vector<std::pair<std::string, std::string>>& omgeving) {
    CTijdelijkeMap map;
    std::string uitPad = map.Bestand("uit");
    std::string foutPad = map.Bestand("fout");
    std::vector<std::string> alle{programma};
    alle.insert(alle.end(), argumenten.begin(), argumenten.end());
    std::vector<char*> argv;
    for (std::string& a : alle) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    CProgrammaUitvoer uitvoer;
    pid_t kind = ::fork();
    if (kind == 0) {
        int uit = ::open(uitPad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int fout = ::open(foutPad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int niets = ::open("/dev/null", O_RDONLY);
        ::dup2(uit, 1);
        ::dup2(fout, 2);
        ::dup2(niets, 0);
        for (const auto& [naam, waarde] : omgeving) {
            ::setenv(naam.c_str(), waarde.c_str(), 1);
        }
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (kind < 0 || ::waitpid(kind, &status, 0) < 0) {
        ADD_FAILURE() << "cannot run " << programma;
        return uitvoer;
    }
    uitvoer.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    uitvoer.uit = LeesAlles(uitPad);
    uitvoer.fout = LeesAlles(foutPad);
    return uitvoer;
}
