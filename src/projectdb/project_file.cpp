#include "projectdb/project_file.h"

#include <sqlite3.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/dao/new_database_file.h"
#include "projectdb/record_access.h"

namespace projectdb {
namespace {

// A project is written to a file, never to nothing or over a folder (which the database layer would remove).
void RefuseUnusablePath(const std::string& path) {
    if (path.empty()) throw dao::DaoException(dao::kErrIo, "没有给出项目文件名。");
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw dao::DaoException(dao::kErrIo, "'" + path + "' 是一个文件夹，不能用作项目文件。");
}

// The source is read in one read transaction, so that a program writing to it meanwhile cannot give the copy
// some tables from before its change and some from after. A connection already inside a transaction of its
// own reads its own state and is left alone.
class ReadSnapshot {
public:
    explicit ReadSnapshot(dao::Database& db) : db_(db.handle()) {
        if (db_ && sqlite3_get_autocommit(db_))
            active_ = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // COMMIT, not ROLLBACK: nothing was written, and a rollback would abort record sets the windows have
    // open.
    ~ReadSnapshot() {
        if (active_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    sqlite3* db_;
    bool active_ = false;
};

// Unlike CopyTable, which ends a copy silently, every failure here is raised with the table's name: a Save As
// that lost a table must not look like one that succeeded.
void CopyWholeTable(dao::Database& source, dao::Database& target, const std::string& table) {
    try {
        target.CreateTableDef(source.GetTableDef(table));
        CopyRecords(source, table, target, table);
    } catch (const dao::DaoException& e) {
        throw dao::DaoException(e.m_lErrorCode,
                                "表 '" + table + "' 不能复制到新项目文件：" + e.m_strDescription);
    }
}

}  // namespace

std::unique_ptr<dao::NewDatabaseFile> BeginProjectFile(const std::string& path) {
    RefuseUnusablePath(path);
    return std::make_unique<dao::NewDatabaseFile>(path, "项目文件");
}

std::unique_ptr<dao::Database> CreateProjectFile(const std::string& path) {
    BeginProjectFile(path)->Commit();
    return dao::Database::Open(path);
}

std::unique_ptr<dao::Database> CopyProjectTo(dao::Database& project, const std::string& path,
                                             const CopyProgress& progress) {
    RefuseUnusablePath(path);
    if (IsSameFile(path, project.GetName()))
        throw dao::DaoException(dao::kErrIo, "文件 '" + path + "' 是当前打开的项目，不能用作另存为的目标。");

    ReadSnapshot snapshot(project);
    std::vector<std::string> tables;
    for (const auto& table : project.GetTableDefs())
        if (!table.isSystem()) tables.push_back(table.m_strName);
    // One transaction: the copy is written once, not synced to disk table by table.
    dao::NewDatabaseFile copy(path, "项目文件");
    KillHereIfTestAsks(0);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        CopyWholeTable(project, copy.db(), tables[i]);
        KillHereIfTestAsks(i + 1);
        if (progress) progress(i + 1, tables.size());
    }
    copy.Commit();
    return dao::Database::Open(path);
}

bool IsSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

std::string FileNameOf(const std::string& path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void KillHereIfTestAsks(std::size_t tablesWritten) {
    const char* after = std::getenv("VELTRA_TEST_KILL_AFTER_TABLES");
    if (!after || !*after) return;
    char* end = nullptr;
    unsigned long n = std::strtoul(after, &end, 10);
    if (*end == '\0' && n == tablesWritten) std::raise(SIGKILL);
}

}  // namespace projectdb
