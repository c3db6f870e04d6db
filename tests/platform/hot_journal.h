#pragma once
// A database file as a writer leaves it when it ends in the middle of a transaction: the changed pages are in
// the file and the original ones in a hot rollback journal beside it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace testing_support {

// Runs `sql` in a transaction in a child process that ends without committing. A small page cache makes the
// changes spill into the file, as a large write does. No connection of this process may have the file open.
inline void LeaveHotJournal(const std::string& path, const std::string& sql) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
                  sqlite3_exec(db, ("PRAGMA cache_size = 2; BEGIN; " + sql).c_str(), nullptr, nullptr,
                               nullptr) == SQLITE_OK;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::error_code ec;
    ASSERT_GT(std::filesystem::file_size(path + "-journal", ec), 0u) << "no journal left behind";
}

// SQL that adds enough data to `column` of `table` to spill out of a small cache.
inline std::string ManyRowsInto(const std::string& table, const std::string& column) {
    return "INSERT INTO " + table + " (" + column +
           ") SELECT randomblob(400) FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
           " WHERE i < 1000) SELECT i FROM n);";
}

}  // namespace testing_support
