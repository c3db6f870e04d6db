#pragma once
// What the table tree shows: which tables of a project appear, under which category node, and what the
// refresh of one category lists. Decided here, without windows, so that the tree view only draws it.
#include <functional>
#include <string>
#include <vector>

#include "platform/dao/field.h"
#include "projectdb/schema.h"

namespace browse {

struct TreeEntry {
    std::string table;
    const projectdb::Category* category = nullptr;  // the node the table is shown under
};

// Whether the tree lists a table: system tables and 上构布置信息表 are never shown.
bool ShownInTree(const dao::TableDefInfo& table);

// The tables of a full build, in the order the database lists them, each with its category
// (a table no category names goes under 其它信息).
std::vector<TreeEntry> TreeEntries(const std::vector<dao::TableDefInfo>& tables);

// The tables a refresh of category `number` shows, in the category's list order, keeping those the
// database has (`exists`). Empty for 11 and for numbers outside 1–12; 其它信息 (12) lists only its own
// three tables, so a refresh drops any other table that the full build placed there.
std::vector<std::string> RefreshedTables(int number, const std::function<bool(const std::string&)>& exists);

// The category node that a refresh of `number` rebuilds, or nullptr when the number refreshes nothing.
const projectdb::Category* RefreshedCategory(int number);

// The text of the root item: the database file name (the text after the path's last separator).
std::string RootTextOf(const std::string& databasePath);

}  // namespace browse
