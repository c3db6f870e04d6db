#pragma once
// A record set on SQL text or a table, moved through like a DAO dynaset: records in the order the query
// returns them (a table in the order its records were added), moves, record count, field values by name
// or position, AddNew/Edit/Update/Delete.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/value.h"

struct sqlite3_stmt;

namespace dao {

class Recordset {
public:
    explicit Recordset(Database& db) : db_(&db) {}
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // `source` is a table name or SQL text ("Select * From [t] Order By x;"). A dynaset on a single table
    // can be updated; other queries are read-only. A forward-only set reads records one at a time without
    // keeping them (for loading large tables).
    void Open(const std::string& source, int openType = dbOpenDynaset);
    void Close();
    bool IsOpen() const { return open_; }
    void Requery();

    bool IsEOF() const;
    bool IsBOF() const;
    long GetRecordCount();  // all records of a dynaset; the ones read so far of a forward-only set
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();

    int GetFieldCount() const { return static_cast<int>(fields_.size()); }
    const FieldInfo& GetFieldInfo(int index) const { return fields_.at(index); }
    const std::vector<FieldInfo>& GetFields() const { return fields_; }
    int FieldIndex(const std::string& name) const;  // -1 when there is no such field

    Value GetFieldValue(int index);
    Value GetFieldValue(const std::string& name);
    // Assigns a value in the edit buffer (after AddNew or Edit). Text assigned to a numeric field is
    // converted; text that is not a number raises kErrConversion.
    void SetFieldValue(int index, const Value& value);
    void SetFieldValue(const std::string& name, const Value& value);
    void SetFieldValueNull(int index) { SetFieldValue(index, Value::Null()); }

    bool CanAppend() const { return updatable_; }
    bool CanUpdate() const { return updatable_; }
    void AddNew();
    void Edit();
    void Update();
    // AddNew, SetFieldValue of each value in field order (the fields after them stay null) and Update in
    // one step, the values checked and converted as SetFieldValue does, bound straight from the caller's
    // values: no edit buffer, no copies of the text. A pending AddNew or Edit is cancelled.
    void AppendRecord(std::span<const ValueRef> values);
    void AppendRecord(std::initializer_list<ValueRef> values) { AppendRecord(std::span(values.begin(), values.size())); }
    void CancelUpdate();
    void Delete();  // the current record; the position stays on the deleted record until the next move
    bool IsDeleted() const;
    std::int64_t GetRowId() const;  // the current record's rowid in its table; 0 when the set has none

    const std::string& GetSQL() const { return sql_; }
    const std::string& GetTableName() const { return table_; }

private:
    struct Row {
        std::int64_t rowid = 0;
        std::unique_ptr<std::vector<Value>> values;  // null until read (records added through this set)
        bool deleted = false;
    };
    enum class EditMode { None, AddNew, Edit };

    void Prepare();
    bool FetchOne();        // reads the next record of the statement into rows_; false at the end
    void FetchAll();
    void LoadRow(Row& row);  // reads a record added through this set
    std::string ColumnList() const;  // "[f1], [f2], ..." of every field
    std::string InsertSql() const;
    Row& Current();
    void RequireCurrent() const;
    Value ReadColumn(sqlite3_stmt* stmt, int column, short fieldType) const;
    void BindValue(sqlite3_stmt* stmt, int param, const Value& value) const;
    Value Coerce(int index, const Value& value) const;
    void CheckTextFits(int index, std::string_view text) const;  // raises kErrOverflow when too long
    void StepInsert(sqlite3_stmt* stmt);  // runs the bound insert; the new record joins the end of the set
    void SkipDeleted(int direction);
    // The statement in `slot`, prepared from `sql` the first time, reset.
    sqlite3_stmt* Cached(std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>& slot, const std::string& sql);

    Database* db_;
    bool open_ = false;
    int openType_ = dbOpenDynaset;
    std::string source_, sql_, table_;
    bool updatable_ = false;
    std::vector<FieldInfo> fields_;
    std::unordered_map<std::string, int> fieldIndex_;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> select_{nullptr, nullptr};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> insert_{nullptr, nullptr};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> update_{nullptr, nullptr};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> delete_{nullptr, nullptr};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> load_{nullptr, nullptr};
    bool exhausted_ = false;  // the statement has returned all its records
    bool hasRowid_ = false;
    std::vector<Row> rows_;
    long liveCount_ = 0;      // rows_ without the deleted ones
    long position_ = -1;      // index into rows_; -1 = BOF, rows_.size() = EOF
    bool bof_ = true, eof_ = true;
    EditMode mode_ = EditMode::None;
    std::vector<Value> buffer_;
    // What AppendRecord bound last to each parameter of the insert: a binding survives the statement's
    // reset, so a column that repeats its number (a default, a zero) or hands the same text again (the same
    // characters at the same place, which the step reads) is not bound again. Unknown (Null) after anything
    // else bound the parameter.
    std::vector<ValueRef> bound_;
    std::vector<bool> dirty_;
};

}  // namespace dao
