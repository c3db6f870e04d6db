// Reads the bridge model of a generated 5,000-span viaduct (20 m T-beam spans, every pier with its cap,
// columns, tie beam and piles sized in the member tables, a joint every fifth pier, 10,000 ground points);
// in the same run the sqlite3 shell dumps the same tables as CSV. Prints "model: ours=<s> reference=<s>
// ratio=<ours/reference>" (target: ours <= 1 s, ratio <= 3). An optional argument scales the span count.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "bridge/bridge_model.h"
#include "platform/dao/database.h"
#include "viaduct_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr double kSpan = 20;

void Generate(const fs::path& path, int spans) { bench::GenerateViaduct(path, spans, kSpan); }

using bench::Seconds;

double Ours(const fs::path& project, std::size_t& solids, std::map<std::string, int>& findings) {
    auto db = dao::Database::Open(project.string(), true);
    auto start = std::chrono::steady_clock::now();
    const bridge::Bridge b = bridge::ReadBridge(*db);
    double seconds = Seconds(start);
    solids = b.solids.size();
    for (const auto& f : b.findings) ++findings[f.code];
    return seconds;
}

double Reference(const fs::path& project, const fs::path& dir) {
    return bench::SqliteDumpSeconds(project, dir, {std::begin(bench::kViaductTables), std::end(bench::kViaductTables)}, "model");
}

}  // namespace

int main(int argc, char** argv) {
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    const int spans = static_cast<int>(5000 * scale);
    fs::path dir = fs::temp_directory_path() / ("veltra-bench-model-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Generate(dir / "viaduct.vlt", spans);
    std::size_t solids = 0;
    std::map<std::string, int> findings;
    const double ours = Ours(dir / "viaduct.vlt", solids, findings);
    const double reference = Reference(dir / "viaduct.vlt", dir);
    std::printf("model: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    // The generated columns are all 15 m whatever the profile: the chain misses are found at most piers.
    std::printf("model: spans=%d solids=%zu findings:", spans, solids);
    for (const auto& [code, count] : findings) std::printf(" %s=%d", code.c_str(), count);
    std::printf("\n");
    fs::remove_all(dir);
    return 0;
}
