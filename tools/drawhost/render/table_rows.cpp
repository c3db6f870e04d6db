#include "table_rows.h"

#include <stdexcept>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace drawhost {

std::optional<double> TableRow::Number(const std::string& field) const {
    auto it = values_.find(field);
    if (it == values_.end() || it->second.isNull()) return std::nullopt;
    const dao::Value& v = it->second;
    if (v.isNumber()) return v.toDouble();
    double value = 0;
    if (v.isText() && v.text().find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    if (v.isText() && text::ParseWholeNumber(v.text(), value)) return value;
    throw std::runtime_error(text::Format("“%s”第%ld条记录的 %s “%s”不是数值。", table_.c_str(), record_, field.c_str(),
                                          v.toString().c_str()));
}

std::string TableRow::Text(const std::string& field) const {
    auto it = values_.find(field);
    return it == values_.end() || it->second.isNull() ? std::string() : it->second.toString();
}

std::optional<std::vector<TableRow>> ReadTableRows(dao::Database& db, const std::string& table,
                                                   const std::string& orderBy) {
    try {
        if (!db.HasTableDef(table)) return std::nullopt;
        dao::Recordset set(db);
        std::string sql = "Select * From [" + table + "]";
        if (!orderBy.empty()) sql += " Order By [" + table + "].[" + orderBy + "]";
        set.Open(sql);
        std::vector<TableRow> rows;
        long record = 0;
        for (; !set.IsEOF(); set.MoveNext()) {
            std::map<std::string, dao::Value> values;
            for (int i = 0; i < set.GetFieldCount(); ++i) values[set.GetFieldInfo(i).m_strName] = set.GetFieldValue(i);
            rows.emplace_back(table, ++record, std::move(values));
        }
        return rows;
    } catch (const dao::DaoException& e) {
        std::string reason = e.m_bHasErrorInfo && !e.m_strDescription.empty()
                                 ? e.m_strDescription
                                 : text::Format("数据库错误（%ld）", e.m_bHasErrorInfo ? e.m_lErrorCode : e.m_scode);
        throw std::runtime_error("不能读取“" + table + "”：" + reason);
    }
}

}  // namespace drawhost
