#include "browse/grid_edits.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <unordered_map>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"

namespace browse {

namespace {

bool SameAsRead(const sheet::SheetData& cells, int row, const std::vector<std::string>& read) {
    for (int c = 1; c <= cells.columnCount(); ++c)
        if (cells.text(row, c) != read[c - 1]) return false;
    return true;
}

std::string IdList(const std::vector<std::int64_t>& ids) {
    std::string out;
    for (std::int64_t id : ids) {
        if (!out.empty()) out += ',';
        out += std::to_string(id);
    }
    return out.empty() ? "-1" : out;  // rowids are never negative here: an empty list matches nothing
}

}  // namespace

RowEdits CollectRowEdits(const sheet::SheetData& cells, const TableRowSource& source) {
    RowEdits edits;
    std::vector<bool> shown(source.rowCount(), false);
    int lastPosition = -1;
    bool newSeen = false;
    for (int r = 1; r <= cells.rowCount(); ++r) {
        const int position = cells.sourceRow(r);
        if (position < 0 || source.isDeleted(position)) {
            edits.inserted.push_back(r);
            newSeen = true;
            continue;
        }
        shown[position] = true;
        if (newSeen || position < lastPosition) edits.keepsOrder = false;
        lastPosition = position;
        // A row that still shows its page is the record as read: nothing to compare.
        if (cells.ownsRow(r) && !SameAsRead(cells, r, cells.originalTexts(r))) edits.updated.push_back(r);
    }
    for (int p = 0; p < source.rowCount(); ++p)
        if (!shown[p] && !source.isDeleted(p)) edits.deleted.push_back(p);
    return edits;
}

void WriteRowEdits(dao::Database& db, const RowEdits& edits, sheet::SheetData& cells, TableRowSource& source) {
    if (edits.empty()) return;
    const std::string table = dao::QuoteIdentifier(source.table());
    std::vector<std::pair<int, std::int64_t>> added;  // grid row, new rowid
    {
        dao::Transaction transaction(db);
        std::vector<std::int64_t> ids;
        for (int p : edits.deleted) ids.push_back(source.rowid(p));
        constexpr std::size_t kChunk = 10000;
        for (std::size_t i = 0; i < ids.size(); i += kChunk) {
            std::vector<std::int64_t> chunk(ids.begin() + i, ids.begin() + std::min(ids.size(), i + kChunk));
            db.Execute("Delete From " + table + " Where rowid In (" + IdList(chunk) + ")");
        }

        std::unordered_map<std::int64_t, int> rowOf;  // rowid -> grid row
        ids.clear();
        for (int r : edits.updated) {
            ids.push_back(source.rowid(cells.sourceRow(r)));
            rowOf.emplace(ids.back(), r);
        }
        dao::Recordset set(db);
        set.Open("Select * From " + table + " Where rowid In (" + IdList(ids) + ")", dao::dbOpenDynaset);
        const int n = std::min(cells.columnCount(), set.GetFieldCount());
        const dao::Value zero = dao::Value::Text("0");
        auto writeRow = [&](int r) {
            for (int c = 1; c <= n; ++c) {
                std::string_view text = cells.text(r, c);
                set.SetFieldValue(c - 1, text.empty() ? zero : dao::Value::Text(std::string(text)));
            }
            set.Update();
        };
        for (; !set.IsEOF(); set.MoveNext()) {
            auto it = rowOf.find(set.GetRowId());
            if (it == rowOf.end()) continue;
            set.Edit();
            writeRow(it->second);
        }
        for (int r : edits.inserted) {
            set.AddNew();
            writeRow(r);
            added.emplace_back(r, sqlite3_last_insert_rowid(db.handle()));
        }
        set.Close();
        transaction.Commit();
    }
    // The table now holds what the grid shows.
    for (int r : edits.updated) {
        source.setFirstValue(cells.sourceRow(r), std::string(cells.text(r, 1)));
        cells.setRowSaved(r);
    }
    for (int p : edits.deleted) source.markDeleted(p);
    for (const auto& [r, rowid] : added) {
        cells.setSourceRow(r, source.adopt(rowid, std::string(cells.text(r, 1))));
        cells.setRowSaved(r);
    }
    cells.forgetCachedPages();
}

}  // namespace browse
