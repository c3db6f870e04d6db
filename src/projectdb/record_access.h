#pragma once
// Whole-record access shared by every part that reads or writes project tables and libraries:
// a record set bound to all fields of one table, field descriptions, appending a record by file path,
// creating and copying tables, and the exact-match condition of a record.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/interaction.h"

namespace projectdb {

constexpr int kMaxBoundFields = 50;
constexpr std::size_t kMaxTextExchange = 255;

// Name, DAO type and size of one field.
using FieldDescription = dao::FieldInfo;

// A dynaset bound at run time to every field of one table. Each field's value lives in a slot typed by the
// field: long, double, text (at most 255 characters on exchange) or, for every other type, a 16-bit integer.
class CMyDaoRecordset {
public:
    // Without an open database the record set opens the file named by `databasePath` itself.
    CMyDaoRecordset(std::vector<FieldDescription> fields, std::string databasePath, std::string tableName,
                    dao::Database* database = nullptr);

    std::string GetDefaultDBName() const { return m_strDatabasePath; }
    std::string GetDefaultSQL() const { return "[" + m_strTableName + "]"; }

    void Open();
    void Close();
    bool IsEOF() const { return m_set->IsEOF(); }
    bool IsBOF() const { return m_set->IsBOF(); }
    bool CanAppend() const { return m_set->CanAppend(); }
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    long GetRecordCount() { return m_set->GetRecordCount(); }
    void AddNew() { m_set->AddNew(); }
    void Edit() { m_set->Edit(); }
    // Stores the slots into the record being added or edited.
    void Update();

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    const std::vector<FieldDescription>& Fields() const { return m_fields; }
    std::vector<dao::Value>& Slots() { return m_slots; }

private:
    void ExchangeFromRecord();
    dao::Value SlotOf(const FieldDescription& field, const dao::Value& value) const;

    std::vector<FieldDescription> m_fields;
    std::vector<dao::Value> m_slots;
    std::string m_strDatabasePath, m_strTableName;
    std::unique_ptr<dao::Database> m_ownedDb;
    dao::Database* m_pDatabase;
    std::unique_ptr<dao::Recordset> m_set;
};

// The empty value of a field's slot: long 0, double 0.0, text "", other 0.
dao::Value EmptySlot(const FieldDescription& field);

// Reads the field descriptions of a table in definition order. Shows "该数据库文件不存在！" when the file
// cannot be opened and "数据库中不存在该表文件！" when the table is missing; then returns false with `fields`
// untouched.
bool GetTableFieldInfo(const std::string& databasePath, const std::string& tableName,
                       std::vector<FieldDescription>& fields, ui::Prompter& prompt);

// Adds one record, values in field order, to the table of the database file at `databasePath`.
// Database errors are raised as dao::DaoException.
void AppendRecord(const std::string& databasePath, const std::string& tableName, const std::vector<dao::Value>& values,
                  ui::Prompter& prompt);

// Creates a table with one field per entry; a database error is shown with ReportDaoError.
bool CreateTable(dao::Database& db, const std::string& tableName, const std::vector<std::string>& names,
                 const std::vector<short>& types, const std::vector<long>& sizes, ui::Prompter& prompt);

// Copies one table with its records from `source` into `target`. A table missing in the source is skipped;
// with `replace` the target's table of that name is deleted first; a missing target table is created with
// the source's fields in order. Database errors end the copy silently.
void CopyTable(dao::Database& source, dao::Database& target, const std::string& tableName, bool replace);

// Creates `targetName` in `target` with the attributes and fields (name, type and size, in order) of
// `sourceName` in `source` and copies every record, in one transaction. Values travel as they were read.
// Raises dao::DaoException; on an error the target is left as it was.
void CopyTableAs(dao::Database& source, const std::string& sourceName, dao::Database& target,
                 const std::string& targetName);

// Appends every record of `sourceTable` to `targetTable`, field i to field i, in the source's order.
// Database errors are raised; the caller decides whether the copy stays (see CopyTable).
void CopyRecords(dao::Database& source, const std::string& sourceTable, dao::Database& target,
                 const std::string& targetTable);

// "Select * From [t] Where (((t.f)="v")) And ..." over the text, double and long fields of a record.
std::string BuildMatchCondition(const std::string& tableName, const std::vector<FieldDescription>& fields,
                                const std::vector<dao::Value>& values);

// Shows a caught database error: with error information "<description>   (<code>)\n\n你想查看帮助文件吗?"
// (Yes/No; 是 opens the manual at the error's page), without the question where the prompter offers no help
// (the command line), else the status-code form (OK).
void ReportDaoError(const dao::DaoException& e, ui::Prompter& prompt);

// The manual page that explains a database error: "tables.html#values" for a value a field cannot hold,
// "project.html#open" for a file that cannot be opened or written, "index.html" otherwise.
std::string DaoErrorHelpPage(long errorCode);
// How the application shows a manual page; without one (the command line), 是 only closes the message.
using HelpPageOpener = std::function<void(const std::string& page)>;
void SetHelpPageOpener(HelpPageOpener opener);

}  // namespace projectdb
