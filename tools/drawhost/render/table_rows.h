#pragma once
// A project table read whole, for drawing: every record as field values by name. A table the project lacks
// is no data; a table that is there but cannot be read is an error the drawing cannot go on without.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/value.h"

namespace dao {
class Database;
}

namespace drawhost {

class TableRow {
public:
    TableRow(std::string table, long record, std::map<std::string, dao::Value> values)
        : table_(std::move(table)), record_(record), values_(std::move(values)) {}

    // None for a missing field or an empty value; a field holding text that is no number raises
    // std::runtime_error naming the table, record and field.
    std::optional<double> Number(const std::string& field) const;
    double Number(const std::string& field, double fallback) const { return Number(field).value_or(fallback); }
    std::string Text(const std::string& field) const;  // empty for a missing field or an empty value

private:
    std::string table_;
    long record_;
    std::map<std::string, dao::Value> values_;
};

// The records of `table` in stored order, or ordered by `orderBy` (a field name). None when the project has
// no such table. A database error is raised as std::runtime_error "不能读取“<table>”：<reason>".
std::optional<std::vector<TableRow>> ReadTableRows(dao::Database& db, const std::string& table,
                                                   const std::string& orderBy = "");

}  // namespace drawhost
