#pragma once
// One project table read into memory for the model: values by field name, numbers that are not numbers
// told as findings (never taken as 0 silently), a table that cannot be read told once.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bridge/bridge_model.h"
#include "platform/dao/value.h"
#include "projectdb/table_snapshot.h"

namespace bridge {

class TableRows {
public:
    // Reads `table` (optionally ordered by a numeric field). A missing table is empty and not a fault; one
    // that cannot be read is empty with a finding.
    TableRows(dao::Database& db, std::string table, std::vector<Finding>& findings, const char* orderBy = nullptr);

    const std::string& name() const { return name_; }
    bool present() const { return present_; }
    std::size_t size() const { return order_.size(); }
    bool empty() const { return order_.empty(); }
    bool HasField(std::string_view field) const { return Index(field) >= 0; }

    // A numeric value; `fallback` for a missing field or an empty value. Text that is not a number is a
    // finding naming the record, and `fallback` is used.
    double Number(std::size_t row, std::string_view field, double fallback = 0) const;
    std::string Text(std::size_t row, std::string_view field) const;
    // The row of a record in the table's grid window (0 = first; the grid orders by the first field), for a
    // window to jump to.
    int Record(std::size_t row) const { return positions_[row]; }
    // The first row whose `field` equals `key` as a number; -1 when none.
    int Find(std::string_view field, double key) const;
    // The first row whose `field` holds exactly `key`; -1 when none.
    int FindText(std::string_view field, const std::string& key) const;

private:
    int Index(std::string_view field) const { return snapshot_.position(field); }
    // The value of a row's field; nullptr for a field the table lacks or a row past the end.
    const dao::Value* Cell(std::size_t row, int field) const;

    std::string name_;
    bool present_ = false;
    projectdb::TableSnapshot snapshot_;
    std::vector<std::size_t> order_;  // the records in the order asked for
    std::vector<int> positions_;
    mutable std::unordered_map<int, std::unordered_map<long long, int>> keyIndex_;
    std::vector<Finding>& findings_;
};

}  // namespace bridge
