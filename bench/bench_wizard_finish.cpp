// Creates a project of 5,000 spans through `veltra-cli new --from` (JSON read, pages built, every central
// table written), and, in the same run, makes a project file the same way and writes the same tables and rows
// into it with raw prepared SQLite statements in one transaction. Prints "wizard-finish: ours=<s>
// reference=<s> ratio=<ours/reference>" (target: ratio <= 1.5). The sides run five times each, in turn; the
// fastest run of each counts.
#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "cli/command.h"
#include "platform/dao/database.h"
#include "platform/dao/sql.h"

namespace {

constexpr int kSpans = 5000;
constexpr int kRuns = 5;

using bench::Seconds;

// One section per span, so that every layout table holds thousands of rows and the candidate lists merge.
std::string WizardJson() {
    const char* types[] = {"装配式简支空心板桥", "装配式简支T梁桥"};
    const char* lengths[] = {"16", "20", "25"};
    std::string json =
        R"({"general": {"BridgeName": "五千跨大桥"}, "spans": {"StartStake": "1000", "sections": [)";
    for (int i = 0; i < kSpans; ++i)
        json += std::string(i ? "," : "") + "[\"" + types[i % 2] + "\", \"1\", \"" + lengths[i % 3] + "\"]";
    return json + "]}}";
}

double Ours(const std::string& path, const std::string& jsonPath) {
    for (const auto& command : cli::WizardCommands()) {
        if (command.name != "new") continue;
        auto start = std::chrono::steady_clock::now();
        if (command.run({path, "--from", jsonPath}) != 0) std::exit(1);
        return Seconds(start);
    }
    std::exit(1);
}

struct Table {
    std::string createSql, name;
    int columns = 0;
    std::vector<std::vector<std::string>> rows;  // values as SQLite returns them as text; NULL not used
    std::vector<std::vector<int>> types;
    std::vector<std::vector<double>> reals;
};

// Every table and row of the project `ours` wrote, so that the reference writes exactly the same.
std::vector<Table> ReadProject(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::vector<Table> tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master WHERE type='table' ORDER BY rowid", -1, &list,
                       nullptr);
    while (sqlite3_step(list) == SQLITE_ROW) {
        Table t;
        t.name = reinterpret_cast<const char*>(sqlite3_column_text(list, 0));
        t.createSql = reinterpret_cast<const char*>(sqlite3_column_text(list, 1));
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, ("SELECT * FROM " + dao::QuoteIdentifier(t.name)).c_str(), -1, &rows, nullptr);
        t.columns = sqlite3_column_count(rows);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            std::vector<std::string> texts;
            std::vector<int> types;
            std::vector<double> reals;
            for (int c = 0; c < t.columns; ++c) {
                types.push_back(sqlite3_column_type(rows, c));
                reals.push_back(sqlite3_column_double(rows, c));
                const unsigned char* text = sqlite3_column_text(rows, c);
                texts.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            t.rows.push_back(std::move(texts));
            t.types.push_back(std::move(types));
            t.reals.push_back(std::move(reals));
        }
        sqlite3_finalize(rows);
        tables.push_back(std::move(t));
    }
    sqlite3_finalize(list);
    sqlite3_close(db);
    return tables;
}

double Reference(const std::string& path, const std::vector<Table>& tables) {
    std::filesystem::remove(path);
    auto start = std::chrono::steady_clock::now();
    // The file is made the one way project files are made, as ours makes it; then raw statements fill it.
    dao::Database::Create(path)->Close();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const Table& t : tables) {
        sqlite3_exec(db, t.createSql.c_str(), nullptr, nullptr, nullptr);
        std::string sql = "INSERT INTO " + dao::QuoteIdentifier(t.name) + " VALUES (?";
        for (int c = 1; c < t.columns; ++c) sql += ",?";
        sql += ")";
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            for (int c = 0; c < t.columns; ++c) {
                int type = t.types[r][c];
                if (type == SQLITE_INTEGER)
                    sqlite3_bind_int64(stmt, c + 1, static_cast<sqlite3_int64>(t.reals[r][c]));
                else if (type == SQLITE_FLOAT)
                    sqlite3_bind_double(stmt, c + 1, t.reals[r][c]);
                else
                    sqlite3_bind_text(stmt, c + 1, t.rows[r][c].c_str(),
                                      static_cast<int>(t.rows[r][c].size()), SQLITE_TRANSIENT);
            }
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return Seconds(start);
}

}  // namespace

int main() {
    auto dir = std::filesystem::temp_directory_path() / "veltra-bench-wizard";
    std::filesystem::create_directories(dir);
    // The wizard remembers page values in the settings store: keep them out of the user's.
    setenv("VELTRA_REGISTRY", (dir / "registry.db").c_str(), 1);
    std::string jsonPath = (dir / "wizard.json").string();
    std::ofstream(jsonPath) << WizardJson();

    std::string oursPath = (dir / "ours.vlt").string();
    // The first run of ours makes the project whose tables the reference writes; then the two sides take
    // turns, so that a machine shared with other work slows both alike.
    double ours = Ours(oursPath, jsonPath);
    std::vector<Table> tables = ReadProject(oursPath);
    double reference = Reference((dir / "reference.vlt").string(), tables);
    for (int run = 1; run < kRuns; ++run) {
        ours = std::min(ours, Ours(oursPath, jsonPath));
        reference = std::min(reference, Reference((dir / "reference.vlt").string(), tables));
    }
    std::printf("wizard-finish: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::filesystem::remove_all(dir);
    return 0;
}
