#pragma once
// Runs the built `morvel` program, or another one, for command-line tests.

#include <string>
#include <utility>
#include <vector>

struct CProgrammaUitvoer {
    int status = -1;  // exit status
    std::string uit;  // standard output
    std::string fout; // standard error
};

// Runs `morvel` with `argumenten` (each passed as one argument, no shell) and
// collects its output. `omgeving` sets environment variables for that run.
CProgrammaUitvoer
VoerMorvelUit(const std::vector<std::string>& argumenten,
              const std::vector<std::pair<std::string, std::string>>& omgeving = {});

// The same for any program, such as an installed copy of `morvel` or a tool
// (a name without '/' is looked up in PATH).
CProgrammaUitvoer
VoerProgrammaUit(const std::string& programma, const std::vector<std::string>& argumenten,
                 const std::vector<std::pair<std::string, std::string>>& omgeving = {});
