#pragma once
// The pier calculation file (.phm): a flat little-endian stream of the project's parameters and piers,
// field by field, without tags; and the report (.out) written beside it.
#include <string>

#include "calc/pier_project.h"
#include "platform/interaction/interaction.h"

namespace calc {

// The file's bytes for a project.
std::string PhmBytes(const CProject& project);

// Reads a project from the file's bytes into `project`. A damaged stream (truncated, an unknown section
// type, an absurd pier count, numbers that are not numbers, bytes left over) leaves `project` untouched
// and returns false with the reason in `error`.
bool ParsePhm(const std::string& bytes, CProject& project, std::string& error);

// The report beside a calculation file: the path with its last four characters replaced by ".out".
std::string ReportPathFor(const std::string& phmPath);

// Open: refuses a path without ".phm" ("文件打开错误!", the test respects case) and a file that cannot be
// opened ("数据文件不存在!"); a damaged file is refused with its reason. On success the piers and the
// four parameters are replaced and everything is recalculated; the project is unchanged otherwise.
bool OpenPhm(const std::string& path, CProject& project, ::ui::Prompter& prompt);

// Save: writes the file and then the report beside it, each whole or not at all. False (with a message) when
// the calculation file cannot be written; a report that cannot be written is told ("文件打开错误!") but the
// save stands, and `reportWritten` (when given) says whether the report was written.
bool SavePhm(const std::string& path, const CProject& project, ::ui::Prompter& prompt);
// The same with the report written to `reportPath` instead.
bool SavePhm(const std::string& path, const std::string& reportPath, const CProject& project,
             ::ui::Prompter& prompt, bool* reportWritten = nullptr);

}  // namespace calc
