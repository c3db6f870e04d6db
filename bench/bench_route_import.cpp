// Imports a route reference file with 1,000,000 ground-line points, 20,000 plan elements, 2,000 vertical
// turning points and 200,000 road design records, all sections over the whole range, into a new project;
// in the same run the sqlite3 shell loads the same rows from CSV files with .import into an empty database
// with the same tables. Prints "route-import: ours=<s> reference=<s> ratio=<ours/reference>" (target: <= 2)
// and the peak memory of this process. An optional argument scales the record counts (memory stays flat).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "exchange/route_import.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace {

namespace fs = std::filesystem;

constexpr double kRouteLength = 10000.0;

struct Files {
    std::FILE* brf;
    std::FILE* ground;
    std::FILE* plan;
    std::FILE* vert;
    std::FILE* deck;
};

// Stakes run over the whole route in every section, so that each ends exactly at the range end.
double StakeOf(long i, long count) { return kRouteLength * static_cast<double>(i) / static_cast<double>(count - 1); }

void Generate(const fs::path& dir, long groundPoints, long planElements, long vertPoints, long deckRecords) {
    Files f{std::fopen((dir / "route.BRF").c_str(), "wb"), std::fopen((dir / "ground.csv").c_str(), "wb"),
            std::fopen((dir / "plan.csv").c_str(), "wb"), std::fopen((dir / "vert.csv").c_str(), "wb"),
            std::fopen((dir / "deck.csv").c_str(), "wb")};
    std::fputs("Route design output\r\n", f.brf);

    std::fprintf(f.brf, "**PROFILE**\r\n%ld\r\n", groundPoints);
    for (long i = 0; i < groundPoints; ++i) {
        double stake = StakeOf(i, groundPoints), elevation = 120.0 + (i % 997) * 0.0137;
        std::fprintf(f.brf, "%.4f %.4f\r\n", stake, elevation);
        std::fprintf(f.ground, "%.3f,%.3f\n", stake, elevation);
    }

    std::fprintf(f.brf, "**PLAN**\r\n%ld\r\n", planElements);
    static const char* const kTypes[] = {"直线", "圆曲线", "缓和曲线"};
    for (long i = 0; i < planElements; ++i) {
        double stake = StakeOf(i, planElements), y = 3400000.0 + i * 0.37, x = 512000.0 + i * 0.41;
        double angle = 1.234567 + i * 1e-5, radius = (i % 3) * 800.0, length = kRouteLength / planElements;
        int direction = i % 2 ? 1 : -1, type = static_cast<int>(i % 3) + 1;
        std::fprintf(f.brf, "%.6f %.6f %.6f %.3f %.6f %.6f %.6f %.3f %.6f %.3f %.6f %d %d\r\n", y, x, angle, radius,
                     y + 1, x + 1, angle, radius, length, 300.0, stake, direction, type);
        std::fprintf(f.plan, "%ld,%s,%s,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf\n", i + 1, kTypes[type - 1],
                     direction < 0 ? "左偏" : "右偏", stake, x, y, angle, radius, x + 1, y + 1, angle, radius, length,
                     300.0);
    }

    std::fprintf(f.brf, "**VERT**\r\n%ld\r\n", vertPoints);
    for (long i = 0; i < vertPoints; ++i) {
        double stake = StakeOf(i, vertPoints), elevation = 130.0 + (i % 7) * 1.5, radius = 8000.0;
        std::fprintf(f.brf, "JD%ld %.3f %.3f %.1f\r\n", i + 1, stake, elevation, radius);
        std::fprintf(f.vert, "%lf,%lf,%lf\n", stake, elevation, radius);
    }

    std::fputs("**DECK**\r\n", f.brf);
    for (long i = 0; i < deckRecords; ++i) {
        double stake = StakeOf(i, deckRecords);
        std::fprintf(f.brf, "%.3f %.3f", stake, 131.25);
        std::fprintf(f.deck, "%lf,%lf", stake, 131.25);
        for (int k = 1; k <= 8; ++k) {
            std::fprintf(f.brf, " %.3f %.3f", k * 1.5, 131.25 - k * 0.02);
            std::fprintf(f.deck, ",%lf,%lf", k * 1.5, 131.25 - k * 0.02);
        }
        std::fputs("\r\n", f.brf);
        std::fputs("\n", f.deck);
    }
    for (std::FILE* file : {f.brf, f.ground, f.plan, f.vert, f.deck}) std::fclose(file);
}

using bench::Seconds;

long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

double Ours(const fs::path& dir, long expected) {
    auto db = projectdb::CreateProjectFile((dir / "ours.vlt").string());
    ui::ScriptedPrompter prompter;
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};
    auto start = std::chrono::steady_clock::now();
    auto result = exchange::ImportRoute(*db, (dir / "route.BRF").string(), {0, kRouteLength},
                                        exchange::RouteSections{}, interaction);
    double seconds = Seconds(start);
    long written = result.groundLine.written + result.horizontal.written + result.vertical.written + result.deck.written;
    if (written != expected || !prompter.texts().empty())
        std::fprintf(stderr, "route-import: wrote %ld records of %ld, %zu messages\n", written, expected,
                     prompter.texts().size());
    return seconds;
}

double Reference(const fs::path& dir) {
    fs::path target = dir / "reference.vlt";
    {
        auto db = projectdb::CreateProjectFile(target.string());
        for (const auto& table : projectdb::RouteTables()) projectdb::EnsureTable(*db, table);
    }
    std::ofstream script(dir / "import.sql");
    script << ".import --csv '" << (dir / "ground.csv").string() << "' 地形资料表\n"
           << ".import --csv '" << (dir / "plan.csv").string() << "' 平曲线资料表\n"
           << ".import --csv '" << (dir / "vert.csv").string() << "' 竖曲线资料表\n"
           << ".import --csv '" << (dir / "deck.csv").string() << "' 路基设计表\n";
    script.close();
    return bench::SqliteScriptSeconds(target, dir / "import.sql", "route-import");
}

}  // namespace

int main(int argc, char** argv) {
    double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    long ground = static_cast<long>(1000000 * scale), plan = static_cast<long>(20000 * scale),
         vert = static_cast<long>(2000 * scale), deck = static_cast<long>(200000 * scale);
    fs::path dir = fs::temp_directory_path() / ("veltra-bench-route-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Generate(dir, ground, plan, vert, deck);
    long before = PeakKilobytes();
    double ours = Ours(dir, ground + plan + vert + deck);
    double reference = Reference(dir);
    std::printf("route-import: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::printf("route-import: file=%.1f MB peak memory before import=%ld kB after=%ld kB\n",
                static_cast<double>(fs::file_size(dir / "route.BRF")) / 1e6, before, PeakKilobytes());
    fs::remove_all(dir);
    return 0;
}
