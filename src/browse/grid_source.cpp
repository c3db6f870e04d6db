#include "browse/grid_source.h"

#include <algorithm>
#include <unordered_map>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/variant_text.h"

namespace browse {

TableRowSource::TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields)
    : db_(db), table_(std::move(table)), fieldCount_(static_cast<int>(fields.size())) {
    if (fields.empty()) return;
    // Ties in the first field keep the stored order, as a plain read ordered by it shows them.
    const std::string first = dao::QuoteIdentifier(fields.front().m_strName);
    dao::Recordset set(db_);
    set.Open("Select rowid, " + first + " From " + dao::QuoteIdentifier(table_) + " Order By " + first + ", rowid",
             dao::dbOpenForwardOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        rowids_.push_back(static_cast<std::int64_t>(set.GetFieldValue(0).toDouble()));
        firstValues_.push_back(projectdb::VariantToText(set.GetFieldValue(1)));
    }
}

sheet::Table TableRowSource::read(int first, int count) {
    sheet::Table rows(std::max(0, count));
    std::unordered_map<std::int64_t, int> at;  // rowid -> index in `rows`
    std::string ids;
    for (int i = 0; i < count; ++i) {
        const std::int64_t id = rowids_[first + i];
        if (id < 0) continue;
        at.emplace(id, i);
        if (!ids.empty()) ids += ',';
        ids += std::to_string(id);
    }
    if (ids.empty()) return rows;
    try {
        dao::Recordset set(db_);
        set.Open("Select rowid, * From " + dao::QuoteIdentifier(table_) + " Where rowid In (" + ids + ")",
                 dao::dbOpenForwardOnly);
        const int n = std::min(fieldCount_, set.GetFieldCount() - 1);
        for (; !set.IsEOF(); set.MoveNext()) {
            auto it = at.find(static_cast<std::int64_t>(set.GetFieldValue(0).toDouble()));
            if (it == at.end()) continue;
            auto& cells = rows[it->second];
            cells.resize(n);
            for (int c = 0; c < n; ++c) cells[c] = projectdb::VariantToText(set.GetFieldValue(c + 1));
        }
    } catch (const dao::DaoException&) {
        // The rows that could not be read show empty; the grid keeps the rest.
    }
    return rows;
}

int TableRowSource::adopt(std::int64_t rowid, std::string firstValue) {
    rowids_.push_back(rowid);
    firstValues_.push_back(std::move(firstValue));
    return static_cast<int>(rowids_.size()) - 1;
}

}  // namespace browse
