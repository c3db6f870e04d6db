#pragma once
// Project database files as a whole: creating a new one, and writing the open project into a new file.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/dao/database.h"
#include "platform/dao/new_database_file.h"

namespace projectdb {

inline constexpr const char* kProjectExtension = "vlt";
inline constexpr const char* kProjectFilter = "桥梁CAD项目文件 (*.vlt)|*.vlt|所有文件 (*.*)|*.*||";

// A new project file being built beside `path`, inside one transaction: its Commit moves it onto `path`,
// which until then keeps the old file (see dao::NewDatabaseFile). An empty path and a folder are refused
// with a DaoException.
std::unique_ptr<dao::NewDatabaseFile> BeginProjectFile(const std::string& path);

// A new, empty project database, which replaces an existing file of that name once it is complete. An
// empty path and a folder are refused with a DaoException.
std::unique_ptr<dao::Database> CreateProjectFile(const std::string& path);

// Told after each table of a Save As: tables written so far and the number to write.
using CopyProgress = std::function<void(std::size_t done, std::size_t total)>;

// Save As: writes every table of `project` except the system tables, in the order the project lists them,
// into a new file at `path`, then opens the new file and returns it. The tables go into a file of a unique
// name beside `path`, which replaces the file at `path` only once it is complete and on disk: at every
// moment `path` holds the old file or the whole new project. Any table that cannot be copied fails the whole
// Save As with a DaoException naming it; the old file stays and the half-made one is removed. The open
// project itself, a folder and an empty path are refused.
std::unique_ptr<dao::Database> CopyProjectTo(dao::Database& project, const std::string& path,
                                             const CopyProgress& progress = {});

// True when both paths name the same file (also through links), or are the same text.
bool IsSameFile(const std::string& a, const std::string& b);

// The file name part of a path (the text after its last separator).
std::string FileNameOf(const std::string& path);

// For tests that kill a writer half way: when VELTRA_TEST_KILL_AFTER_TABLES is `tablesWritten`, the process
// ends itself at once with SIGKILL, as a crash or a power cut would end it. Does nothing otherwise.
void KillHereIfTestAsks(std::size_t tablesWritten);

}  // namespace projectdb
