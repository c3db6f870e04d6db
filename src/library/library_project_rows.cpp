#include "library/library_project_rows.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"

namespace library {

ProjectRows::ProjectRows(dao::Database& db, const std::string& table, const std::string& orderBy) : table_(table) {
    if (!db.HasTableDef(table)) return;
    dao::Recordset set(db);
    std::string sql = "Select * From " + dao::QuoteIdentifier(table);
    if (!orderBy.empty()) sql += " Order By " + dao::QuoteIdentifier(orderBy);
    set.Open(sql, dao::dbOpenForwardOnly);
    for (int i = 0; i < set.GetFieldCount(); ++i) fields_.push_back(set.GetFieldInfo(i).m_strName);
    for (; !set.IsEOF(); set.MoveNext()) {
        std::vector<dao::Value> record;
        record.reserve(fields_.size());
        for (int i = 0; i < set.GetFieldCount(); ++i) record.push_back(set.GetFieldValue(i));
        records_.push_back(std::move(record));
    }
}

const dao::Value& ProjectRows::value(std::size_t record, const std::string& field) const {
    auto it = std::find(fields_.begin(), fields_.end(), field);
    if (it == fields_.end())
        throw dao::DaoException(dao::kErrItemNotFound, "表 " + table_ + " 中没有字段 " + field + "。");
    return value(record, static_cast<int>(it - fields_.begin()));
}

}  // namespace library
