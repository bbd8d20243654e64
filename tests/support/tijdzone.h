#pragma once
// Sets the local time zone (the TZ variable) for as long as it lives.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class CTijdzone {
public:
    // Central European time with its daylight-saving rules, without a zone database.
    static constexpr const char* kMiddenEuropa = "CET-1CEST,M3.5.0,M10.5.0/3";

    explicit CTijdzone(const char* tz = kMiddenEuropa) {
        if (const char* oud = std::getenv("TZ")) {
            oud_ = oud;
        }
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~CTijdzone() {
        if (oud_) {
            ::setenv("TZ", oud_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    CTijdzone(const CTijdzone&) = delete;
    CTijdzone& operator=(const CTijdzone&) = delete;

private:
    std::optional<std::string> oud_;
};
