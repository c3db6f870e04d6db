#pragma once
// What every benchmark needs around the code it measures: seconds since a start, and the sqlite3 shell run
// on a project as the reference, timed as a whole process.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

inline double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The sqlite3 shell reading `script` against `project`. A failing shell is reported on standard error under
// `label`; the time is returned all the same.
inline double SqliteScriptSeconds(const std::filesystem::path& project, const std::filesystem::path& script,
                                  const std::string& label) {
    const std::string command = "sqlite3 '" + project.string() + "' < '" + script.string() + "'";
    const auto start = std::chrono::steady_clock::now();
    const int rc = std::system(command.c_str());
    const double seconds = Seconds(start);
    if (rc != 0) std::fprintf(stderr, "%s: sqlite3 failed (%d)\n", label.c_str(), rc);
    return seconds;
}

}  // namespace bench
