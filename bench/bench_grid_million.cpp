// Opens a table of 1,000,000 records × 20 fields in the grid editor, shown in a window, and prints
// "grid-1m: first-screen=<s> scroll-end=<s> memory-growth-mb=<MB>": the time from Load to the first screen
// painted, the time to show the last row and paint it (once the whole order has been read beside), and how much the process grew (resident set) from
// before the load to after the scroll. Run by bench/grid_million.sh (under Xvfb when there is one).
#include <sqlite3.h>

#include <QApplication>
#include <QEventLoop>
#include <QTableView>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "browse/grid_source.h"
#include "browse/ui/bri_form_view.h"
#include "grid_bench_host.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

using grid_bench::BenchHost;
using grid_bench::Seconds;

constexpr int kRecords = 1000000;
constexpr int kFields = 20;
const char* const kTable = "地面线表";

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The records go in through SQLite directly: building the file is not what is measured.
void MakeTable(dao::Database& db) {
    dao::TableDef def;
    def.m_strName = kTable;
    std::string values = "x";
    for (int i = 0; i < kFields; ++i) {
        dao::FieldInfo f;
        f.m_strName = "Field" + std::to_string(i);
        f.m_nType = i % 4 == 0 ? dao::dbLong : i % 4 == 1 ? dao::dbText : dao::dbDouble;
        def.fields.push_back(f);
        if (i == 0) continue;
        values += i % 4 == 0 ? ", x % 97" : i % 4 == 1 ? ", '桩号 K' || x" : ", x * 0.125 + " + std::to_string(i);
    }
    db.CreateTableDef(def);
    const std::string sql = "BEGIN; WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM c WHERE x < " +
                            std::to_string(kRecords - 1) + ") INSERT INTO [" + kTable + "] SELECT " + values +
                            " FROM c; COMMIT;";
    char* error = nullptr;
    if (sqlite3_exec(db.handle(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "building the table failed: %s\n", error ? error : "");
        sqlite3_free(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string path = (std::filesystem::temp_directory_path() / "bench_grid_million.vlt").string();
    std::filesystem::remove(path);
    {
        auto db = dao::Database::Create(path);
        MakeTable(*db);
    }
    auto db = dao::Database::Open(path);
    BenchHost host(db.get());
    browse::CBriFormView view(host);
    view.resize(1000, 700);
    view.show();
    app.processEvents();
    const double before = ResidentMegabytes();

    auto start = std::chrono::steady_clock::now();
    view.Load(kTable);
    view.repaint();
    app.processEvents();
    const double firstScreen = Seconds(start);

    // The whole order is read beside while the first screen shows; scrolling far waits for it, so the scroll
    // is measured once it is in (how long that took goes to stderr).
    start = std::chrono::steady_clock::now();
    while (view.Source() && view.Source()->orderPending()) app.processEvents(QEventLoop::WaitForMoreEvents);
    std::fprintf(stderr, "grid-1m: whole order in %.3f s after the first screen\n", Seconds(start));

    sheet::Spreadsheet& grid = view.Grid();
    if (grid.rowCount() != kRecords) std::fprintf(stderr, "grid holds %d rows\n", grid.rowCount());
    start = std::chrono::steady_clock::now();
    grid.setCurrentCell(grid.rowCount(), 1);
    view.repaint();
    app.processEvents();
    const double scrollEnd = Seconds(start);
    if (grid.textUtf8(grid.rowCount(), 1) != std::to_string(kRecords - 1))
        std::fprintf(stderr, "last row shows %s\n", grid.textUtf8(grid.rowCount(), 1).c_str());

    std::printf("grid-1m: first-screen=%.3f scroll-end=%.3f memory-growth-mb=%.0f\n", firstScreen, scrollEnd,
                ResidentMegabytes() - before);
    db->Close();
    std::filesystem::remove(path);
    return 0;
}
