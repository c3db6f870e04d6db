#pragma once
// Saving a lazy grid: every row knows the record it came from (its source position), so a save writes only
// the records the user changed, added or deleted, and never reads the rows nobody touched.
#include <vector>

#include "browse/grid_source.h"
#include "platform/dao/database.h"
#include "platform/spreadsheet/sheet_data.h"

namespace browse {

struct RowEdits {
    std::vector<int> updated;   // grid rows whose record's texts differ
    std::vector<int> inserted;  // grid rows without a record
    std::vector<int> deleted;   // source positions no grid row shows any more
    // The rows kept from the table stand in their read order and every new row comes after them: writing
    // only the edits keeps the records in the order the user sees.
    bool keepsOrder = true;
    bool empty() const { return updated.empty() && inserted.empty() && deleted.empty(); }
};

RowEdits CollectRowEdits(const sheet::SheetData& cells, const TableRowSource& source);

// Writes the edits in one transaction (one dynaset over the changed records, whose prepared statements
// serve every row; an empty cell is written as "0"), then records in `source` and in the rows' source
// positions what the table holds now. A database error raises dao::DaoException and leaves the table, the
// source and the grid as they were.
void WriteRowEdits(dao::Database& db, const RowEdits& edits, sheet::SheetData& cells, TableRowSource& source);

}  // namespace browse
