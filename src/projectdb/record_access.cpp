#include "projectdb/record_access.h"

#include <algorithm>
#include <cctype>

#include "platform/dao/sql.h"
#include "platform/text/cformat.h"

namespace projectdb {

dao::Value EmptySlot(const FieldDescription& field) {
    switch (field.m_nType) {
        case dao::dbLong: return dao::Value::Long(0);
        case dao::dbDouble: return dao::Value::Double(0.0);
        case dao::dbText: return dao::Value::Text("");
        default: return dao::Value::Short(0);
    }
}

CMyDaoRecordset::CMyDaoRecordset(std::vector<FieldDescription> fields, std::string databasePath,
                                 std::string tableName, dao::Database* database)
    : m_fields(std::move(fields)),
      m_strDatabasePath(std::move(databasePath)),
      m_strTableName(std::move(tableName)),
      m_pDatabase(database) {
    if (m_fields.size() > kMaxBoundFields) m_fields.resize(kMaxBoundFields);
    for (const auto& f : m_fields) m_slots.push_back(EmptySlot(f));
}

void CMyDaoRecordset::Open() {
    if (!m_pDatabase) {
        m_ownedDb = dao::Database::Open(GetDefaultDBName());
        m_pDatabase = m_ownedDb.get();
    }
    m_set = std::make_unique<dao::Recordset>(*m_pDatabase);
    std::string sql = "SELECT ";
    for (size_t i = 0; i < m_fields.size(); ++i) sql += (i ? ", " : "") + dao::QuoteIdentifier(m_fields[i].m_strName);
    sql += " FROM " + dao::QuoteIdentifier(m_strTableName);
    m_set->Open(sql, dao::dbOpenDynaset);
    ExchangeFromRecord();
}

void CMyDaoRecordset::Close() {
    if (m_set) m_set->Close();
    m_set.reset();
    if (m_ownedDb) {
        m_ownedDb->Close();
        m_ownedDb.reset();
        m_pDatabase = nullptr;
    }
}

dao::Value CMyDaoRecordset::SlotOf(const FieldDescription& field, const dao::Value& value) const {
    if (value.isNull()) return EmptySlot(field);
    switch (field.m_nType) {
        case dao::dbLong: return dao::Value::Long(value.toLong());
        case dao::dbDouble: return dao::Value::Double(value.toDouble());
        case dao::dbText: {
            std::string t = value.toString();
            return dao::Value::Text(dao::CutToCharacters(t, static_cast<long>(kMaxTextExchange)));
        }
        default: return dao::Value::Short(static_cast<std::int16_t>(value.toLong()));
    }
}

void CMyDaoRecordset::ExchangeFromRecord() {
    if (m_set->IsEOF() || m_set->IsBOF()) return;
    for (size_t i = 0; i < m_fields.size(); ++i) m_slots[i] = SlotOf(m_fields[i], m_set->GetFieldValue(static_cast<int>(i)));
}

void CMyDaoRecordset::MoveFirst() {
    m_set->MoveFirst();
    ExchangeFromRecord();
}

void CMyDaoRecordset::MoveNext() {
    m_set->MoveNext();
    ExchangeFromRecord();
}

void CMyDaoRecordset::MoveLast() {
    m_set->MoveLast();
    ExchangeFromRecord();
}

void CMyDaoRecordset::Update() {
    for (size_t i = 0; i < m_fields.size(); ++i) m_set->SetFieldValue(static_cast<int>(i), SlotOf(m_fields[i], m_slots[i]));
    m_set->Update();
}

bool GetTableFieldInfo(const std::string& databasePath, const std::string& tableName,
                       std::vector<FieldDescription>& fields, ui::Prompter& prompt) {
    std::unique_ptr<dao::Database> db;
    try {
        db = dao::Database::Open(databasePath);
    } catch (const dao::DaoException&) {
        prompt.message("该数据库文件不存在！");
        return false;
    }
    try {
        dao::TableDef def = db->GetTableDef(tableName);
        fields = def.fields;
        return true;
    } catch (const dao::DaoException&) {
        prompt.message("数据库中不存在该表文件！");
        return false;
    }
}

void AppendRecord(const std::string& databasePath, const std::string& tableName, const std::vector<dao::Value>& values,
                  ui::Prompter& prompt) {
    std::vector<FieldDescription> fields;
    if (!GetTableFieldInfo(databasePath, tableName, fields, prompt)) return;
    CMyDaoRecordset set(fields, databasePath, tableName);
    set.Open();
    if (!set.IsEOF()) set.MoveLast();
    if (set.CanAppend()) {
        set.AddNew();
        for (int i = 0; i < set.FieldCount() && i < static_cast<int>(values.size()); ++i) set.Slots()[i] = values[i];
        set.Update();
    }
    set.Close();
}

bool CreateTable(dao::Database& db, const std::string& tableName, const std::vector<std::string>& names,
                 const std::vector<short>& types, const std::vector<long>& sizes, ui::Prompter& prompt) {
    dao::TableDef def;
    def.m_strName = tableName;
    for (size_t i = 0; i < names.size(); ++i) {
        dao::FieldInfo f;
        f.m_strName = names[i];
        f.m_nType = i < types.size() ? types[i] : static_cast<short>(dao::dbText);
        f.m_lSize = i < sizes.size() ? sizes[i] : 255;
        f.m_lAttributes = dao::dbVariableField;
        def.fields.push_back(f);
    }
    try {
        db.CreateTableDef(def);
        return true;
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, prompt);
        return false;
    }
}

namespace {

// Field names are compared without regard to ASCII case, as the database does.
bool SameFieldName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The definition of a new table `name` with the attributes and fields of `source`.
dao::TableDef DefinitionLike(const dao::TableDef& source, const std::string& name) {
    dao::TableDef created;
    created.m_strName = name;
    created.m_lAttributes = source.m_lAttributes;
    for (const auto& f : source.fields) {
        // A field the target cannot hold (a duplicate name) is skipped.
        bool duplicate = false;
        for (const auto& g : created.fields) duplicate |= SameFieldName(g.m_strName, f.m_strName);
        if (!duplicate) created.fields.push_back(f);
    }
    return created;
}

}  // namespace

void CopyTable(dao::Database& source, dao::Database& target, const std::string& tableName, bool replace) {
    try {
        if (!source.HasTableDef(tableName)) return;
    } catch (const dao::DaoException&) {
        return;
    }
    // One transaction for the whole copy; when it ends early, what was copied before the error stays.
    dao::Transaction transaction(target);
    try {
        if (replace && target.HasTableDef(tableName)) target.DeleteTableDef(tableName);
        dao::TableDef sourceDef = source.GetTableDef(tableName);
        if (!target.HasTableDef(tableName)) target.CreateTableDef(DefinitionLike(sourceDef, tableName));
        CopyRecords(source, tableName, target, tableName);
    } catch (const dao::DaoException&) {
        // The copy ends where it failed; the caller goes on.
    }
    try {
        transaction.Commit();
    } catch (const dao::DaoException&) {
    }
}

void CopyTableAs(dao::Database& source, const std::string& sourceName, dao::Database& target,
                 const std::string& targetName) {
    dao::TableDef def = DefinitionLike(source.GetTableDef(sourceName), targetName);
    dao::Transaction transaction(target);
    target.CreateTableDef(def);
    CopyRecords(source, sourceName, target, targetName);
    transaction.Commit();
}

void CopyRecords(dao::Database& source, const std::string& sourceTable, dao::Database& target,
                 const std::string& targetTable) {
    dao::Recordset from(source), to(target);
    from.Open("Select * From " + dao::QuoteIdentifier(sourceTable), dao::dbOpenForwardOnly);
    to.Open("Select * From " + dao::QuoteIdentifier(targetTable), dao::dbOpenDynaset);
    const int count = std::min(from.GetFieldCount(), to.GetFieldCount());
    while (!from.IsEOF()) {
        to.AddNew();
        for (int i = 0; i < count; ++i) to.SetFieldValue(i, from.GetFieldValue(i));
        to.Update();
        from.MoveNext();
    }
}

std::string BuildMatchCondition(const std::string& tableName, const std::vector<FieldDescription>& fields,
                                const std::vector<dao::Value>& values) {
    const std::string table = dao::QuoteIdentifier(tableName);
    std::string sql = "Select * From " + table + " Where ";
    std::vector<std::string> clauses;
    for (size_t i = 0; i < fields.size() && i < values.size(); ++i) {
        const auto& f = fields[i];
        switch (f.m_nType) {
            case dao::dbText:
                clauses.push_back(text::Format("(((%s.%s)=\"%s\"))", table, f.m_strName, values[i].toString()));
                break;
            case dao::dbDouble:
                clauses.push_back(text::Format("(((%s.%s)=%lf))", table, f.m_strName, values[i].toDouble()));
                break;
            case dao::dbLong:
                clauses.push_back(text::Format("(((%s.%s)=%ld))", table, f.m_strName, static_cast<long>(values[i].toLong())));
                break;
            default:
                break;
        }
    }
    for (size_t i = 0; i < clauses.size(); ++i) sql += (i ? " And " : "") + clauses[i];
    return sql;
}

namespace {
HelpPageOpener& HelpOpener() {
    static HelpPageOpener opener;
    return opener;
}
}  // namespace

void SetHelpPageOpener(HelpPageOpener opener) { HelpOpener() = std::move(opener); }

std::string DaoErrorHelpPage(long errorCode) {
    switch (errorCode) {
        case dao::kErrConversion:
        case dao::kErrOverflow: return "tables.html#values";
        case dao::kErrNotADatabase:
        case dao::kErrFileNotFound:
        case dao::kErrReadOnly:
        case dao::kErrLocked: return "project.html#open";
        default: return "index.html";
    }
}

void ReportDaoError(const dao::DaoException& e, ui::Prompter& prompt) {
    if (e.m_bHasErrorInfo && !prompt.offersHelp()) {
        prompt.message(text::Format("%s   (%d)", e.m_strDescription, static_cast<int>(e.m_lErrorCode)));
        return;
    }
    if (e.m_bHasErrorInfo) {
        std::string text = text::Format("%s   (%d)\n\n你想查看帮助文件吗?", e.m_strDescription, static_cast<int>(e.m_lErrorCode));
        if (prompt.message(text, ui::Buttons::YesNo) == ui::Answer::Yes && HelpOpener())
            HelpOpener()(DaoErrorHelpPage(e.m_lErrorCode));
        return;
    }
    long scode = e.m_scode;
    std::string text = text::Format(
        "ERROR:CDaoException\n\nSCODE_CODE\t\t=%d\nSCODE_FACILITY\t=%d\nSCODE_SEVERITY\t=%d\nResultFromScode\t=%d\n",
        static_cast<int>(scode & 0xFFFF), static_cast<int>((scode >> 16) & 0x1FFF),
        static_cast<int>((static_cast<unsigned long>(scode) >> 31) & 1), static_cast<int>(scode));
    prompt.message(text);
}

}  // namespace projectdb
