#pragma once
// A moment in UTC as text, for the time stamps written into exchange files.
#include <ctime>
#include <string>

namespace text {

// strftime on `moment` in UTC, e.g. "%Y-%m-%dT%H:%M:%S".
inline std::string FormatUtc(std::time_t moment, const char* format) {
    std::tm utc{};
    gmtime_r(&moment, &utc);
    char buffer[64];
    return std::string(buffer, std::strftime(buffer, sizeof buffer, format, &utc));
}

}  // namespace text
