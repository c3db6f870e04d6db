#pragma once
// Project database files as a whole: creating a new one, and writing the open project into a new file.
#include <memory>
#include <string>

#include "platform/dao/database.h"

namespace projectdb {

inline constexpr const char* kProjectExtension = "vlt";
inline constexpr const char* kProjectFilter = "桥梁CAD项目文件 (*.vlt)|*.vlt|所有文件 (*.*)|*.*||";

// A new, empty project database; an existing file of that name is deleted first.
std::unique_ptr<dao::Database> CreateProjectFile(const std::string& path);

// Writes every table of `project` except the system tables, in the order the project lists them, into a new
// file at `path` (replacing one that is there), then opens the new file and returns it.
std::unique_ptr<dao::Database> CopyProjectTo(dao::Database& project, const std::string& path);

// True when both paths name the same file (also through links), or are the same text.
bool IsSameFile(const std::string& a, const std::string& b);

// The file name part of a path (the text after its last separator).
std::string FileNameOf(const std::string& path);

}  // namespace projectdb
