#include "library/component_sections.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"

namespace library {
namespace {

// The texts of a section row: the fields before "位置" are the elevation's, the last one is "用于".
constexpr std::size_t kFirstDimension = 5;

bool Matches(dao::Recordset& rs, const std::string& family, const std::string& position) {
    return rs.GetFieldValue("用于").toString() == family && rs.GetFieldValue("位置").toString() == position;
}

}  // namespace

EntryList SectionEntries(dao::Database& db, const std::string& table, const std::string& family,
                         const std::string& position) {
    EntryList all = ReadEntries(db, table, TableSelection::Chooser);
    EntryList list;
    list.columns = all.columns;
    try {
        dao::Recordset rs(db);
        rs.Open(EntryQuery(table));
        for (std::size_t row = 0; !rs.IsEOF() && row < all.rows.size(); rs.MoveNext(), ++row)
            if (Matches(rs, family, position)) list.rows.push_back(all.rows[row]);
    } catch (const dao::DaoException&) {
        // As every list of the library dialogs: what was read is shown.
    }
    return list;
}

EntryList SectionOverview(dao::Database& db, const std::vector<std::string>& tables, const std::string& family,
                          const std::string& position) {
    return CountOverview(db, tables, {{"断面类型", 144}, {"满足条件的断面个数", 240}}, [&](dao::Recordset& rs) {
        long count = 0;
        for (; !rs.IsEOF(); rs.MoveNext())
            if (Matches(rs, family, position)) ++count;
        return count;
    });
}

std::vector<std::string> SectionDimensions(const std::vector<std::string>& row) {
    if (row.size() <= kFirstDimension + 1) return {};
    return std::vector<std::string>(row.begin() + kFirstDimension, row.end() - 1);
}

ChosenSections ChooseSections(const std::string& kind, const std::vector<std::string>& midSpanRow,
                              const std::vector<std::string>& supportRow) {
    ChosenSections chosen{kind, SectionDimensions(midSpanRow)};
    std::vector<std::string> support = SectionDimensions(supportRow);
    chosen.values.insert(chosen.values.end(), support.begin(), support.end());
    return chosen;
}

}  // namespace library
