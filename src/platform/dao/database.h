#pragma once
// A database file reached the way DAO reaches one: table definitions in creation order, record sets,
// SQL execution and transactions. Backed by SQLite; every failure is a DaoException.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/dao_exception.h"
#include "platform/dao/field.h"

struct sqlite3;

namespace dao {

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file shared, for reading and writing, with a busy timeout. A missing file or one
    // that is not a database (an empty file too) raises a DaoException and leaves the file as it was. A file
    // left mid-write by a program that ended is recovered first, also for a read-only open.
    static std::unique_ptr<Database> Open(const std::string& path, bool readOnly = false);
    // Creates a new, empty database file; an existing file of that name is deleted first.
    static std::unique_ptr<Database> Create(const std::string& path);

    // How long a statement waits for another program's lock before it raises kErrLocked ("项目文件 ...
    // 正被另一个 程序使用"): five seconds. Applies to the files opened afterwards.
    static void SetBusyTimeout(int milliseconds);

    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    const std::string& GetName() const { return path_; }

    // Table definitions, in the order the tables were created; SQLite's own tables carry the system
    // attribute. A name finds its table without regard to the case of ASCII letters ("ABC" finds "abc"), as
    // in SQL.
    std::vector<TableDefInfo> GetTableDefs();
    bool HasTableDef(const std::string& name);
    // The table's fields in definition order, under the name the table is stored with. Raises
    // kErrItemNotFound when there is no such table.
    TableDef GetTableDef(const std::string& name);
    // Creates the table with its fields, in order. Raises kErrTableExists when it is already there.
    void CreateTableDef(const TableDef& def);
    // Raises kErrItemNotFound when there is no such table.
    void DeleteTableDef(const std::string& name);
    // Renames a table. Raises kErrItemNotFound / kErrTableExists.
    void RenameTableDef(const std::string& from, const std::string& to);
    // Adds one field at the end of an existing table.
    void AppendField(const std::string& table, const FieldInfo& field);

    // Runs SQL text written in the Jet dialect (see TranslateJetSql); returns the number of rows changed.
    long Execute(const std::string& jetSql);

    bool InTransaction() const { return transactionDepth_ > 0; }

    sqlite3* handle() const { return db_; }
    // Raises the DaoException for the last SQLite error of this connection, with `context` in the text.
    [[noreturn]] void Raise(int sqliteCode, const std::string& context) const;

private:
    friend class Transaction;
    Database() = default;
    // Begun, ended and undone only through Transaction. The outermost level is the transaction itself,
    // each inner level a savepoint.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    void Exec(const std::string& sql);
    std::optional<std::string> FindTableDef(const std::string& name);
    std::string StoredTableName(const std::string& name);  // raises kErrItemNotFound
    sqlite3* db_ = nullptr;
    std::string path_;
    int transactionDepth_ = 0;
};

// The one way to write as one unit. The transaction commits when its scope ends normally, also when the
// operation stops early at a message, so that what it wrote before stays written; it rolls back when an
// exception leaves the scope, so that an operation that throws halfway leaves the file as it was. Inside
// another transaction it is a savepoint: undoing it undoes only what it wrote, and the outer one goes on.
class Transaction {
public:
    explicit Transaction(Database& db);
    // A commit that fails raises its DaoException here (never while another exception unwinds).
    ~Transaction() noexcept(false);
    // Commits now, where the caller wants a failing commit inside its own try.
    void Commit();
    // Undoes now: an operation that found a failure it has already told the user about.
    void Rollback();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    int exceptionsAtStart_;
    bool done_ = false;
};

}  // namespace dao
