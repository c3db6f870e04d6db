#pragma once
// The generated viaduct the model and IFC benchmarks share (see viaduct_fixture.cpp).
#include <filesystem>

namespace bench {

inline constexpr int kViaductTableCount = 15;
// The tables GenerateViaduct writes, as a user's project holds them after the design modules ran.
extern const char* const kViaductTables[kViaductTableCount];

// A project of `spans` T-beam spans of `spanLength` metres from stake 1000.
void GenerateViaduct(const std::filesystem::path& path, int spans, double spanLength);

}  // namespace bench
