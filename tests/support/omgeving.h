#pragma once
// Sets an environment variable, or removes it, for the life of the object.

#include <cstdlib>
#include <optional>
#include <string>

class COmgeving {
public:
    COmgeving(const char* naam, const char* waarde) : naam_(naam) {
        if (const char* oud = std::getenv(naam)) {
            oud_ = oud;
        }
        waarde ? ::setenv(naam, waarde, 1) : ::unsetenv(naam);
    }
    ~COmgeving() { oud_ ? ::setenv(naam_, oud_->c_str(), 1) : ::unsetenv(naam_); }
    COmgeving(const COmgeving&) = delete;
    COmgeving& operator=(const COmgeving&) = delete;

private:
    const char* naam_;
    std::optional<std::string> oud_;
};
