#include "library/library_browse.h"

#include <algorithm>

#include "library/component_captions.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "projectdb/member_types.h"
#include "projectdb/variant_text.h"

namespace library {

std::unique_ptr<dao::Database> OpenLibraryForBrowsing(const std::string& path, ui::Prompter& prompt) {
    try {
        return dao::Database::Open(path);
    } catch (const dao::DaoException&) {
        prompt.message(path + " 不是合法的构件库文件");
        return nullptr;
    }
}

std::string LibraryTitle(const std::string& caption, const std::string& path) { return caption + " - [" + path + "]"; }

std::vector<std::string> LibraryTables(dao::Database& db, TableSelection selection) {
    std::vector<std::string> tables;
    for (const dao::TableDefInfo& def : db.GetTableDefs()) {
        if (def.isSystem()) continue;
        bool section = IsCrossSectionKind(def.m_strName);
        if (selection == TableSelection::View && section) continue;
        if (selection == TableSelection::Chooser && !section) continue;
        tables.push_back(def.m_strName);
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

std::string EntryQuery(const std::string& table) {
    std::string quoted = dao::QuoteIdentifier(table);
    if (IsSuperstructureFamily(table)) return "Select * From " + quoted + " Order By " + quoted + ".名称";
    return "Select * From " + quoted;
}

EntryList ReadEntries(dao::Database& db, const std::string& table, TableSelection selection) {
    EntryList list;
    bool captioned = IsSuperstructureFamily(table) ||
                     (selection == TableSelection::Chooser && IsCrossSectionKind(table));
    try {
        dao::Recordset rs(db);
        rs.Open(EntryQuery(table));
        const std::vector<std::string>& captions = FamilyCaptions(table);
        for (int i = 0; i < rs.GetFieldCount(); ++i) {
            EntryColumn column;
            column.caption = captioned && i < static_cast<int>(captions.size()) ? captions[i]
                                                                                : rs.GetFieldInfo(i).m_strName;
            list.columns.push_back(column);
        }
        if (selection == TableSelection::Chooser && captioned && !list.columns.empty()) list.columns.back().width = 160;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::vector<std::string> row;
            for (int i = 0; i < rs.GetFieldCount(); ++i) row.push_back(projectdb::VariantToText(rs.GetFieldValue(i)));
            list.rows.push_back(std::move(row));
        }
    } catch (const dao::DaoException&) {
        // The list shows what could be read: browsing a damaged library still shows its readable part.
    }
    return list;
}

std::string SubstructureCodeNames(const std::string& table) {
    if (!IsSubstructureCode(table)) return {};
    using projectdb::MemberChoice;
    // The code's digits count the options of the four choices from 1, in the order the choices offer them.
    const MemberChoice kinds[4] = {MemberChoice::BentCap, MemberChoice::Body, MemberChoice::Connection,
                                   MemberChoice::Foundation};
    std::string names;
    for (int position = 0; position < 4; ++position) {
        const auto& options = projectdb::MemberChoiceListOf(kinds[position]).options;
        const int index = table[position] - '1';
        const std::string name = index >= 0 && index < static_cast<int>(options.size()) ? options[index].name : "未知";
        if (name == "无") continue;
        if (!names.empty()) names += "、";
        names += name;
    }
    return names;
}

EntryList CountOverview(dao::Database& db, const std::vector<std::string>& tables, std::vector<EntryColumn> columns,
                        const std::function<long(dao::Recordset&)>& count) {
    EntryList list;
    list.columns = std::move(columns);
    for (const std::string& table : tables) {
        long counted = 0;
        try {
            dao::Recordset rs(db);
            rs.Open("Select * From " + dao::QuoteIdentifier(table));
            counted = count(rs);
        } catch (const dao::DaoException&) {
            continue;
        }
        list.rows.push_back({table, text::Format("%d", static_cast<int>(counted))});
    }
    return list;
}

EntryList TableOverview(dao::Database& db, const std::vector<std::string>& tables) {
    EntryList list = CountOverview(db, tables, {{"构件类型", 144}, {"构件个数", 72}, {"构件组成", 320}},
                                   [](dao::Recordset& rs) { return rs.GetRecordCount(); });
    for (auto& row : list.rows) row.push_back(SubstructureCodeNames(row.front()));
    return list;
}

}  // namespace library
