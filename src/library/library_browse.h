#pragma once
// What the library dialogs show: the tables of a library under the tree root "当前构件库", the entry list
// of a table with its captions and widths, the table overview at the root, and the box cross-sections the
// chooser offers for an elevation.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/interaction.h"

namespace library {

inline constexpr const char* kLibraryRoot = "当前构件库";
inline constexpr const char* kSelectOneRow = "请在列表中选择一项。";
inline constexpr int kColumnWidth = 72;

// Which tables a dialog lists: the view leaves out the box cross-sections, the chooser shows only them.
enum class TableSelection { View, Manager, Chooser };

struct EntryColumn {
    std::string caption;
    int width = kColumnWidth;
};

struct EntryList {
    std::vector<EntryColumn> columns;
    std::vector<std::vector<std::string>> rows;  // one text per field
};

// Opens the library a dialog works on. A file that is no library is told as "<path> 不是合法的构件库文件"
// and gives nullptr.
std::unique_ptr<dao::Database> OpenLibraryForBrowsing(const std::string& path, ui::Prompter& prompt);

// "<caption> - [<path>]": a library dialog's title names the file it shows.
std::string LibraryTitle(const std::string& caption, const std::string& path);

// The tables a dialog lists under the root, system tables left out, sorted by name.
std::vector<std::string> LibraryTables(dao::Database& db, TableSelection selection);

// The query that lists a table's entries: a family in the order of its names, any other table as stored.
// A list row is found again as the record at the same position of this query.
std::string EntryQuery(const std::string& table);

// The entry list of a table: a family's (and in the chooser a cross-section table's) captioned columns,
// else the field names. A read that fails halfway leaves the rows read so far.
EntryList ReadEntries(dao::Database& db, const std::string& table, TableSelection selection);

// An overview of `tables` under `columns`: one row per table, its name and the number `count` finds in its
// records (given the table opened). A table that cannot be read is left out rather than shown with a wrong count.
EntryList CountOverview(dao::Database& db, const std::vector<std::string>& tables, std::vector<EntryColumn> columns,
                        const std::function<long(dao::Recordset&)>& count);

// What a substructure code stands for, in the names the member-type choices give its four members:
// "1类墩帽、圆形截面柱式墩身、系梁、单排桩基础" for "1221"; a position without a member ("无") is left
// out. Empty for a table that is no code.
std::string SubstructureCodeNames(const std::string& table);

// The root's overview: "构件类型" and "构件个数", one row per listed table with its record count, and
// "构件组成" naming the members of a substructure code beside it (the code itself stays the table's name).
EntryList TableOverview(dao::Database& db, const std::vector<std::string>& tables);

}  // namespace library
