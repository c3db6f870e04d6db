// Appends 200,000 records of a 20-field table through dao::Recordset inside one transaction, and the same
// rows through a raw prepared SQLite statement, in one run: three times each, in turn, so that a machine shared
// with other work slows both alike; the fastest run of each counts. Prints
// "dao-append: ours=<s> reference=<s> ratio=<ours/reference>" (target: ratio <= 1.1).
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"

namespace {

constexpr int kRecords = 200000;
constexpr int kFields = 20;

dao::TableDef Definition() {
    dao::TableDef def;
    def.m_strName = "下构布置信息表";
    for (int i = 0; i < kFields; ++i) {
        dao::FieldInfo f;
        f.m_strName = "Field" + std::to_string(i);
        f.m_nType = i % 4 == 0 ? dao::dbLong : i % 4 == 1 ? dao::dbText : dao::dbDouble;
        def.fields.push_back(f);
    }
    return def;
}

const std::string kText = "圆形截面柱式墩身";

using bench::Seconds;

double Ours(const std::string& path) {
    auto db = dao::Database::Create(path);
    db->CreateTableDef(Definition());
    auto start = std::chrono::steady_clock::now();
    dao::Transaction transaction(*db);
    dao::Recordset rs(*db);
    rs.Open("下构布置信息表");
    for (int r = 0; r < kRecords; ++r) {
        rs.AddNew();
        for (int i = 0; i < kFields; ++i) {
            if (i % 4 == 0) rs.SetFieldValue(i, dao::Value::Long(r));
            else if (i % 4 == 1) rs.SetFieldValue(i, dao::Value::Text(kText));
            else rs.SetFieldValue(i, dao::Value::Double(r * 0.5 + i));
        }
        rs.Update();
    }
    transaction.Commit();
    return Seconds(start);
}

double Reference(const std::string& path) {
    {
        auto db = dao::Database::Create(path);
        db->CreateTableDef(Definition());
    }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    auto start = std::chrono::steady_clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    std::string sql = "INSERT INTO [下构布置信息表] VALUES (?";
    for (int i = 1; i < kFields; ++i) sql += ",?";
    sql += ")";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    for (int r = 0; r < kRecords; ++r) {
        for (int i = 0; i < kFields; ++i) {
            if (i % 4 == 0) sqlite3_bind_int64(stmt, i + 1, r);
            else if (i % 4 == 1) sqlite3_bind_text(stmt, i + 1, kText.c_str(), static_cast<int>(kText.size()), SQLITE_TRANSIENT);
            else sqlite3_bind_double(stmt, i + 1, r * 0.5 + i);
        }
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    double seconds = Seconds(start);
    sqlite3_close(db);
    return seconds;
}

}  // namespace

int main() {
    auto dir = std::filesystem::temp_directory_path() / "veltra-bench-dao";
    std::filesystem::create_directories(dir);
    double reference = 1e9, ours = 1e9;
    for (int run = 0; run < 3; ++run) {
        std::filesystem::remove(dir / "reference.vlt");
        std::filesystem::remove(dir / "ours.vlt");
        reference = std::min(reference, Reference((dir / "reference.vlt").string()));
        ours = std::min(ours, Ours((dir / "ours.vlt").string()));
    }
    std::printf("dao-append: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    std::filesystem::remove_all(dir);
    return 0;
}
