// Cleans a T-beam library table of 100,000 entries of which 20 % repeat an earlier one; in the same run the
// sqlite3 shell deletes the same repeats from a copy with one DELETE ... WHERE rowid NOT IN (SELECT min(rowid)
// ... GROUP BY every field). Prints "library-clean: ours=<s> reference=<s> ratio=<ours/reference>" (target:
// <= 3). An optional argument scales the count.
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "library/library_clean.h"
#include "library/library_schema.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/interaction.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTable = "简支T梁";

void Generate(const fs::path& path, int entries) {
    auto db = dao::Database::Create(path.string());
    const dao::TableDef def = library::LibraryTableDef(kTable);
    db->CreateTableDef(def);
    std::string sql = "INSERT INTO " + dao::QuoteIdentifier(kTable) + " VALUES (?";
    for (std::size_t i = 1; i < def.fields.size(); ++i) sql += ", ?";
    sql += ")";
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db->handle(), sql.c_str(), -1, &insert, nullptr);
    dao::Transaction all(*db);
    const int unique = entries - entries / 5;
    unsigned seed = 7;
    for (int e = 0; e < entries; ++e) {
        // The first 80 % are distinct; each of the rest repeats one of them.
        int member = e;
        if (e >= unique) {
            seed = seed * 1103515245u + 12345u;
            member = static_cast<int>((seed >> 8) % static_cast<unsigned>(unique));
        }
        sqlite3_reset(insert);
        for (std::size_t f = 0; f < def.fields.size(); ++f) {
            const int param = static_cast<int>(f) + 1;
            if (def.fields[f].m_nType == dao::dbText) {
                std::string text = "T" + std::to_string(member);
                sqlite3_bind_text(insert, param, text.c_str(), -1, SQLITE_TRANSIENT);
            } else if (def.fields[f].m_nType == dao::dbLong) {
                sqlite3_bind_int(insert, param, member % 12);
            } else {
                // Thousandths as a user types them: each is the double nearest its decimal, so it prints back
                // to itself with six decimals and stays comparable.
                sqlite3_bind_double(insert, param,
                                    static_cast<double>(250 * static_cast<int>(f) + member % 1000) / 1000.0);
            }
        }
        sqlite3_step(insert);
    }
    sqlite3_finalize(insert);
    all.Commit();
}

using bench::Seconds;

long Count(const fs::path& path) {
    auto db = dao::Database::Open(path.string(), true);
    dao::Recordset set(*db);
    set.Open("Select Count(*) From " + dao::QuoteIdentifier(kTable));
    return set.GetFieldValue(0).toLong();
}

double Ours(const fs::path& path) {
    ui::SilentProgress progress;
    auto start = std::chrono::steady_clock::now();
    library::CleanLibrary(path.string(), progress);
    return Seconds(start);
}

double Reference(const fs::path& path, const fs::path& dir) {
    std::string columns;
    for (const auto& field : library::LibraryTableDef(kTable).fields)
        columns += (columns.empty() ? "" : ", ") + dao::QuoteIdentifier(field.m_strName);
    const std::string table = dao::QuoteIdentifier(kTable);
    std::ofstream script(dir / "clean.sql");
    script << "DELETE FROM " << table << " WHERE rowid NOT IN (SELECT min(rowid) FROM " << table << " GROUP BY "
           << columns << ");\n";
    script.close();
    return bench::SqliteScriptSeconds(path, dir / "clean.sql", "library-clean");
}

}  // namespace

int main(int argc, char** argv) {
    double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    const int entries = static_cast<int>(100000 * scale);
    fs::path dir = fs::temp_directory_path() / ("veltra-bench-library-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path ours = dir / "OURS.BCL", reference = dir / "REFERENCE.BCL";
    Generate(ours, entries);
    fs::copy_file(ours, reference);
    double oursSeconds = Ours(ours);
    double referenceSeconds = Reference(reference, dir);
    long left = Count(ours), referenceLeft = Count(reference);
    if (left != referenceLeft)
        std::fprintf(stderr, "library-clean: ours left %ld entries, the reference %ld\n", left, referenceLeft);
    std::printf("library-clean: ours=%.3f reference=%.3f ratio=%.2f\n", oursSeconds, referenceSeconds,
                oursSeconds / referenceSeconds);
    std::printf("library-clean: entries=%d left=%ld\n", entries, left);
    fs::remove_all(dir);
    return left == referenceLeft ? 0 : 1;
}
