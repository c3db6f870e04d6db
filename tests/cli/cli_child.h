#pragma once
// Runs veltra-cli as a child process, the way a script or a second user would, and looks at the files it
// leaves: a project's tables and the database's own integrity check.
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace cli_test {

struct ChildRun {
    int status = -1;      // exit status when the child exited
    bool killed = false;  // ended by SIGKILL
    std::string out, err;
};

struct ChildOptions {
    std::vector<std::pair<std::string, std::string>> env;
    long fileSizeLimit = 0;  // RLIMIT_FSIZE in bytes: writes beyond it fail as on a full disk; 0 for none
};

ChildRun RunCli(const std::vector<std::string>& words, const ChildOptions& options = {});

// Every table of a project in the order the project lists them, with its records, one text line each.
using TableRows = std::vector<std::pair<std::string, std::vector<std::string>>>;
TableRows ReadTables(const std::string& path, const std::vector<std::string>& only = {});

// "ok" for a sound database file, otherwise the problems the database reports.
std::string IntegrityCheck(const std::string& path);

// A project made by the product's own code: the central and route tables, each holding `records` records.
void MakeProject(const std::string& path, int records);

// Overwrites the first page of a table's records with bytes that are no page at all.
void DamageTable(const std::string& path, const std::string& table);

// Files in a folder, by name, sorted.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace cli_test
