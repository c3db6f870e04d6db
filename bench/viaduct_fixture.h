#pragma once
// The generated viaduct the model and IFC benchmarks share (see viaduct_fixture.cpp).
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

inline constexpr int kViaductTableCount = 15;
// The tables GenerateViaduct writes, as a user's project holds them after the design modules ran.
extern const char* const kViaductTables[kViaductTableCount];

// A project of `spans` T-beam spans of `spanLength` metres from stake 1000.
void GenerateViaduct(const std::filesystem::path& path, int spans, double spanLength);

// The reference the reading benchmarks are measured against: the sqlite3 shell dumping `tables` of `project`
// as CSV into `dir`, timed as a whole process. A failing shell is reported on standard error under `label`.
double SqliteDumpSeconds(const std::filesystem::path& project, const std::filesystem::path& dir,
                         const std::vector<const char*>& tables, const std::string& label);

}  // namespace bench
