// Exports a 2,000-span viaduct as IFC: 30 m T-beam spans, every pier with its cap, two columns, a tie beam and
// two piles sized in the member tables (some 14,000 elements with their bodies), on a straight route with a
// wavy profile; in the same run the same bridge is written as the 3D-model interface file, the other export
// of every member.
// Prints "ifc-export: ours=<s> reference=<s> ratio=<ours/reference>" (target: ours <= 3 s) and the file's size.
// With a path argument the IFC is kept there, to compare the output of two versions of the writer.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "exchange/ifc_export.h"
#include "viaduct_fixture.h"
#include "exchange/interface_writer.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace {

namespace fs = std::filesystem;

constexpr double kSpan = 30;

void Generate(const fs::path& path, int spans) { bench::GenerateViaduct(path, spans, kSpan); }

using bench::Seconds;

}  // namespace

int main(int argc, char** argv) {
    const fs::path dir = fs::temp_directory_path() / ("veltra-bench-ifc-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Generate(dir / "viaduct.vlt", 2000);
    auto db = dao::Database::Open((dir / "viaduct.vlt").string());
    ui::ScriptedPrompter prompter;
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};

    auto start = std::chrono::steady_clock::now();
    if (!exchange::ExportIfc(*db, (dir / "viaduct.ifc").string(), interaction))
        std::fprintf(stderr, "ifc-export: failed: %s\n", prompter.texts().empty() ? "" : prompter.texts().back().c_str());
    const double ours = Seconds(start);
    start = std::chrono::steady_clock::now();
    exchange::WriteArvo3dFile(*db, (dir / "viaduct.bri").string(), prompter);
    const double reference = Seconds(start);
    std::printf("ifc-export: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::printf("ifc-export: file=%.1f MB\n", static_cast<double>(fs::file_size(dir / "viaduct.ifc")) / 1e6);
    if (argc > 1) fs::copy_file(dir / "viaduct.ifc", argv[1], fs::copy_options::overwrite_existing);
    fs::remove_all(dir);
    return 0;
}
