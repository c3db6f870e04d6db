#include "app/design_summary.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"

namespace app {

TableCounts RecordCounts(dao::Database& db) {
    TableCounts counts;
    for (const auto& table : db.GetTableDefs()) {
        if (table.isSystem()) continue;
        dao::Recordset rs(db);
        rs.Open("Select * From " + dao::QuoteIdentifier(table.m_strName), dao::dbOpenForwardOnly);
        long n = 0;
        for (; !rs.IsEOF(); rs.MoveNext()) ++n;
        counts[table.m_strName] = n;
    }
    return counts;
}

std::vector<std::string> TableChanges(const TableCounts& before, const TableCounts& after) {
    std::vector<std::string> changes;
    for (const auto& [table, count] : after) {
        auto old = before.find(table);
        if (old == before.end())
            changes.push_back("新建表 " + table + "：" + std::to_string(count) + " 条记录");
        else if (old->second != count)
            changes.push_back("表 " + table + "：" + std::to_string(old->second) + " → " + std::to_string(count) +
                              " 条记录");
    }
    for (const auto& [table, count] : before)
        if (!after.count(table)) changes.push_back("删除表 " + table + "（原有 " + std::to_string(count) + " 条记录）");
    if (changes.empty()) changes.push_back("未改动任何表。");
    return changes;
}

std::string DesignSummary(const std::string& commandName, const TableCounts& before, const TableCounts& after) {
    std::string line = commandName + "：";
    const std::vector<std::string> changes = TableChanges(before, after);
    for (std::size_t i = 0; i < changes.size(); ++i) line += (i ? "；" : "") + changes[i];
    return line;
}

}  // namespace app
