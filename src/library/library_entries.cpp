#include "library/library_entries.h"

#include "library/component_captions.h"
#include "library/library_browse.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/variant_text.h"

namespace library {
namespace {

void OpenAtRow(dao::Recordset& rs, const std::string& table, int row) {
    rs.Open(EntryQuery(table));
    for (int i = 0; i < row && !rs.IsEOF(); ++i) rs.MoveNext();
    if (row < 0 || rs.IsEOF()) throw dao::DaoException(dao::kErrNoCurrentRecord, "无当前记录。");
}

// The list shows a missing value as "NULL"; an emptied number field holds no value either, as a number field
// cannot take empty text. Fields whose text is what the list showed keep their value as it was stored (the
// list's text of a number is rounded, that of an empty text is "0").
void SetTexts(dao::Recordset& rs, const std::vector<std::string>& texts, bool keepUnchanged) {
    for (int i = 0; i < rs.GetFieldCount() && i < static_cast<int>(texts.size()); ++i) {
        if (keepUnchanged && projectdb::VariantToText(rs.GetFieldValue(i)) == texts[i]) continue;
        short type = rs.GetFieldInfo(i).m_nType;
        bool textField = type == dao::dbText || type == dao::dbMemo;
        if (texts[i] == "NULL" || (texts[i].empty() && !textField))
            rs.SetFieldValueNull(i);
        else
            rs.SetFieldValue(i, dao::Value::Text(texts[i]));
    }
}

}  // namespace

void DeleteEntry(dao::Database& db, const std::string& table, int row) {
    dao::Recordset rs(db);
    OpenAtRow(rs, table, row);
    rs.Delete();
}

void ChangeEntry(dao::Database& db, const std::string& table, int row, const std::vector<std::string>& texts) {
    dao::Recordset rs(db);
    OpenAtRow(rs, table, row);
    rs.Edit();
    SetTexts(rs, texts, true);
    rs.Update();
}

void AddEntry(dao::Database& db, const std::string& table, const std::vector<std::string>& texts) {
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table));
    if (!rs.IsEOF()) rs.MoveLast();
    rs.AddNew();
    SetTexts(rs, texts, false);
    rs.Update();
}

bool IsEntryNameRow(const std::string& table, int row) { return row >= 0 && row < (IsSubstructureCode(table) ? 4 : 1); }

}  // namespace library
