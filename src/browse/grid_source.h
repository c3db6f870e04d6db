#pragma once
// The records of one table as the rows of a lazy grid: the grid's order (by the first field) is read once,
// as the rowid of each record with its first value; the records themselves are read a page at a time by
// rowid, only when the grid shows or needs them.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/field.h"
#include "platform/spreadsheet/sheet_data.h"

namespace browse {

class TableRowSource : public sheet::RowSource {
public:
    // Reads the order; a database error raises dao::DaoException.
    TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields);

    int rowCount() const override { return static_cast<int>(rowids_.size()); }
    // Each record as the texts of its fields (VariantToText); a record deleted since reads as empty cells.
    sheet::Table read(int first, int count) override;

    const std::string& table() const { return table_; }
    std::int64_t rowid(int position) const { return rowids_[position]; }
    // The first value of a position as read (or as a save last wrote it).
    const std::string& firstValue(int position) const { return firstValues_[position]; }
    bool isDeleted(int position) const { return rowids_[position] < 0; }

    // What a save did, so that the next save starts from the table as it is now.
    void setFirstValue(int position, std::string value) { firstValues_[position] = std::move(value); }
    void markDeleted(int position) { rowids_[position] = -1; }
    int adopt(std::int64_t rowid, std::string firstValue);  // a record the save added: its new position

private:
    dao::Database& db_;
    std::string table_;
    int fieldCount_ = 0;
    std::vector<std::int64_t> rowids_;  // by position; -1 once deleted
    std::vector<std::string> firstValues_;
};

}  // namespace browse
