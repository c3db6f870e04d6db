#pragma once
// What a design module did to the project, told from the record counts of its tables before and after the
// call: the command line prints each change and the one-line summary, the application shows the summary in
// its status bar.
#include <map>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace app {

using TableCounts = std::map<std::string, long>;

// Record counts of the project's own tables. A table that cannot be read throws its DaoException.
TableCounts RecordCounts(dao::Database& db);

// "新建表 X：3 条记录", "表 X：1 → 3 条记录", "删除表 X（原有 2 条记录）"; "未改动任何表。" for none.
std::vector<std::string> TableChanges(const TableCounts& before, const TableCounts& after);

// "简支空心板：新建表 X：3 条记录；表 Y：1 → 3 条记录" — the command's name, then every change.
std::string DesignSummary(const std::string& commandName, const TableCounts& before, const TableCounts& after);

}  // namespace app
