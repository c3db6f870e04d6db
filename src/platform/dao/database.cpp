#include "platform/dao/database.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

#include "platform/dao/new_database_file.h"
#include "platform/dao/sql.h"

namespace dao {
namespace {

std::atomic<int> busyTimeoutMs{5000};

// The one text for a file that another program holds locked longer than the busy timeout.
DaoException InUse(const std::string& path) {
    return DaoException(kErrLocked, "项目文件 '" + path + "' 正被另一个程序使用，请稍后再试。");
}

DaoException NotADatabase(const std::string& path) {
    return DaoException(kErrNotADatabase, "无法识别的数据库格式 '" + path + "'。");
}

// What went wrong with the file itself, said in the user's words with the file's name; nullopt for an
// error of the statement (a missing table, a syntax error), which its caller words.
std::optional<DaoException> FileError(int sqliteCode, const std::string& path) {
    switch (sqliteCode & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return InUse(path);
        case SQLITE_READONLY:
            return DaoException(kErrReadOnly, "项目文件 '" + path + "' 是只读的，不能写入。");
        case SQLITE_FULL:
            return DaoException(kErrDiskFull, "磁盘空间不足，无法写入项目文件 '" + path + "'。");
        case SQLITE_IOERR:
            return DaoException(kErrDiskIo,
                                "读写项目文件 '" + path + "' 时出错：磁盘已满、文件超出允许的大小或磁盘不可用。");
        case SQLITE_NOTADB:
            return NotADatabase(path);
        case SQLITE_CORRUPT:
            return DaoException(kErrCorrupt, "项目文件 '" + path + "' 已损坏，无法读取。");
        case SQLITE_CANTOPEN:
            return DaoException(kErrIo, "无法打开项目文件 '" + path + "'，或不能在它所在的文件夹中写入临时文件。");
        default:
            return std::nullopt;
    }
}

// Table names compare as SQLite compares identifiers: ASCII letters without regard to case, other bytes
// exactly.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A program that ended in the middle of a write leaves a hot journal beside the file. Only a connection that
// may write can roll it back, and a read-only one fails until then; so before a read-only open a writing
// connection reads the file once, which rolls the journal back. Its errors are left to the open that follows.
void RecoverHotJournal(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(path + "-journal", ec);
    if (ec || size == 0) return;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, busyTimeoutMs);
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db);
}

// SQLite answers "no such table" for tables and views alike.
bool IsNoSuchTable(const char* message) { return message && std::string(message).find("no such table") == 0; }

long CodeFor(int sqliteCode, const char* message) {
    switch (sqliteCode & 0xff) {
        case SQLITE_NOTADB: return kErrNotADatabase;
        case SQLITE_CANTOPEN: return kErrIo;
        case SQLITE_BUSY: case SQLITE_LOCKED: return kErrLocked;
        case SQLITE_READONLY: return kErrReadOnly;
        case SQLITE_CORRUPT: return kErrNotADatabase;
        case SQLITE_MISMATCH: return kErrConversion;
        default: break;
    }
    if (IsNoSuchTable(message)) return kErrTableMissing;
    std::string m = message ? message : "";
    if (m.find("already exists") != std::string::npos) return kErrTableExists;
    if (m.find("no such column") != std::string::npos) return kErrFieldMissing;
    if (m.find("syntax error") != std::string::npos) return kErrSyntax;
    return kErrGeneric;
}

}  // namespace

Database::~Database() { Close(); }

std::unique_ptr<Database> Database::Open(const std::string& path, bool readOnly) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw DaoException(kErrIo, "'" + path + "' 是文件夹，不是项目文件。");
    if (!std::filesystem::is_regular_file(path, ec))
        throw DaoException(kErrFileNotFound, "找不到文件 '" + path + "'。");
    // SQLite takes a zero-byte file for an empty database and would write one into it; a database file the
    // system made always has its header, so an empty file is as foreign as any other.
    if (std::filesystem::file_size(path, ec) == 0 && !ec) throw NotADatabase(path);
    if (readOnly) RecoverHotJournal(path);
    // A writer of ours that was killed while building a file beside this one left it behind; the next
    // program to write in the folder clears it away.
    if (!readOnly) RemoveLeftoversBeside(path);
    std::unique_ptr<Database> db(new Database);
    db->path_ = std::filesystem::absolute(path, ec).string();
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db->db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db->db_ ? sqlite3_errmsg(db->db_) : "cannot open";
        db->Close();
        throw DaoException(kErrIo, "无法打开数据库文件 '" + path + "'：" + message);
    }
    sqlite3_busy_timeout(db->db_, busyTimeoutMs);
    sqlite3_extended_result_codes(db->db_, 0);
    // Reading the schema is the first touch of the file's contents: a file that is not a database fails here.
    rc = sqlite3_exec(db->db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        int code = rc;
        db->Close();
        switch (code) {
            case SQLITE_NOTADB:
            case SQLITE_CORRUPT:
                throw NotADatabase(path);
            case SQLITE_READONLY:  // a hot journal that this read-only open cannot roll back
                throw DaoException(kErrReadOnly,
                                   "项目文件 '" + path + "' 上次未正常关闭，需要恢复，但该文件不能写入。");
            default:
                if (auto error = FileError(code, path)) throw *error;
                throw DaoException(CodeFor(code, nullptr), "无法打开数据库文件 '" + path + "'。");
        }
    }
    return db;
}

std::unique_ptr<Database> Database::Create(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::remove(path, ec))
        throw DaoException(kErrIo, "无法删除已有文件 '" + path + "'。");
    std::unique_ptr<Database> db(new Database);
    db->path_ = std::filesystem::absolute(path, ec).string();
    int rc = sqlite3_open_v2(path.c_str(), &db->db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        db->Close();
        throw DaoException(kErrIo, "无法创建数据库文件 '" + path + "'。");
    }
    sqlite3_busy_timeout(db->db_, busyTimeoutMs);
    // Write the header now, so that the new file is a database even before its first table.
    db->Exec("PRAGMA user_version = 0; BEGIN; CREATE TABLE [veltra$init](x); DROP TABLE [veltra$init]; COMMIT;");
    return db;
}

void Database::Close() {
    if (!db_) return;
    if (transactionDepth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    transactionDepth_ = 0;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Database::Raise(int sqliteCode, const std::string& context) const {
    const char* message = db_ ? sqlite3_errmsg(db_) : "database is closed";
    if (auto error = FileError(sqliteCode, path_)) throw *error;
    long code = CodeFor(sqliteCode, message);
    std::string m = message;
    std::string text;
    switch (code) {
        case kErrTableMissing: text = "找不到输入表或查询 '" + m.substr(m.find(':') == std::string::npos ? 0 : m.find(':') + 2) + "'。"; break;
        default: text = context.empty() ? m : context + "：" + m;
    }
    throw DaoException(code, text);
}

void Database::Exec(const std::string& sql) {
    if (!db_) throw DaoException(kErrGeneric, "数据库未打开。");
    char* error = nullptr;
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        if (auto fileError = FileError(rc, path_)) throw *fileError;
        throw DaoException(CodeFor(rc, message.c_str()), message);
    }
}

std::vector<TableDefInfo> Database::GetTableDefs() {
    if (!db_) throw DaoException(kErrGeneric, "数据库未打开。");
    std::vector<TableDefInfo> out;
    sqlite3_stmt* stmt = nullptr;
    // rowid order of the schema table is the order in which the tables were created.
    int rc = sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid", -1, &stmt,
                                nullptr);
    if (rc != SQLITE_OK) Raise(rc, "读取表定义");
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        TableDefInfo info;
        info.m_strName = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (info.m_strName.rfind("sqlite_", 0) == 0) info.m_lAttributes = dbSystemObject;
        out.push_back(std::move(info));
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) Raise(rc, "读取表定义");
    return out;
}

std::optional<std::string> Database::FindTableDef(const std::string& name) {
    for (auto& t : GetTableDefs())
        if (SameName(t.m_strName, name)) return std::move(t.m_strName);
    return std::nullopt;
}

bool Database::HasTableDef(const std::string& name) {
    return FindTableDef(name).has_value();
}

std::string Database::StoredTableName(const std::string& name) {
    std::optional<std::string> stored = FindTableDef(name);
    if (!stored) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
    return *stored;
}

TableDef Database::GetTableDef(const std::string& requested) {
    const std::string name = StoredTableName(requested);
    TableDef def;
    def.m_strName = name;
    if (name.rfind("sqlite_", 0) == 0) def.m_lAttributes = dbSystemObject;
    sqlite3_stmt* stmt = nullptr;
    std::string sql = "PRAGMA table_info(" + QuoteLiteral(name) + ")";
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
    if (rc != SQLITE_OK) Raise(rc, "读取表定义 " + name);
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        auto text = [&](int c) {
            const unsigned char* t = sqlite3_column_text(stmt, c);
            return std::string(t ? reinterpret_cast<const char*>(t) : "");
        };
        FieldInfo f = FieldFromDeclaredType(text(1), text(2));
        f.m_bRequired = sqlite3_column_int(stmt, 3) != 0;
        def.fields.push_back(std::move(f));
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) Raise(rc, "读取表定义 " + name);
    return def;
}

void Database::CreateTableDef(const TableDef& def) {
    if (def.fields.empty()) throw DaoException(kErrGeneric, "表 '" + def.m_strName + "' 没有字段。");
    if (HasTableDef(def.m_strName)) throw DaoException(kErrTableExists, "表 '" + def.m_strName + "' 已存在。");
    std::string sql = "CREATE TABLE " + QuoteIdentifier(def.m_strName) + " (";
    for (size_t i = 0; i < def.fields.size(); ++i) {
        if (i) sql += ", ";
        sql += QuoteIdentifier(def.fields[i].m_strName) + " " + DeclaredType(def.fields[i]);
        if (def.fields[i].m_bRequired) sql += " NOT NULL";
    }
    sql += ")";
    Exec(sql);
}

void Database::DeleteTableDef(const std::string& name) {
    Exec("DROP TABLE " + QuoteIdentifier(StoredTableName(name)));
}

void Database::RenameTableDef(const std::string& requested, const std::string& to) {
    const std::string from = StoredTableName(requested);
    if (from == to) return;
    if (!SameName(from, to)) {
        if (HasTableDef(to)) throw DaoException(kErrTableExists, "表 '" + to + "' 已存在。");
        Exec("ALTER TABLE " + QuoteIdentifier(from) + " RENAME TO " + QuoteIdentifier(to));
        return;
    }
    // SQLite refuses a rename that changes only the case of letters, as the new name is taken by the table
    // itself; the rename goes through a name of its own.
    std::string step = from + "$rename";
    while (HasTableDef(step)) step += "$";
    Transaction transaction(*this);
    Exec("ALTER TABLE " + QuoteIdentifier(from) + " RENAME TO " + QuoteIdentifier(step));
    Exec("ALTER TABLE " + QuoteIdentifier(step) + " RENAME TO " + QuoteIdentifier(to));
    transaction.Commit();
}

void Database::SetBusyTimeout(int milliseconds) {
    busyTimeoutMs = milliseconds;
}

void Database::AppendField(const std::string& table, const FieldInfo& field) {
    Exec("ALTER TABLE " + QuoteIdentifier(table) + " ADD COLUMN " + QuoteIdentifier(field.m_strName) + " " +
         DeclaredType(field));
}

long Database::Execute(const std::string& jetSql) {
    Exec(TranslateJetSql(jetSql));
    return sqlite3_changes(db_);
}

namespace {

std::string SavepointName(int depth) { return "veltra_level_" + std::to_string(depth); }

}  // namespace

void Database::BeginTrans() {
    if (transactionDepth_ > 0) {
        Exec("SAVEPOINT " + SavepointName(transactionDepth_));
    } else {
        // A file the user may not write opens all the same (for reading); a write to it is refused before
        // it starts, with the file named, instead of failing table by table somewhere inside.
        if (db_ && sqlite3_db_readonly(db_, "main") == 1)
            throw DaoException(kErrReadOnly, "文件 '" + path_ + "' 是只读的，不能写入。");
        Exec("BEGIN IMMEDIATE");
    }
    ++transactionDepth_;
}

void Database::CommitTrans() {
    if (transactionDepth_ == 0) return;
    if (--transactionDepth_ > 0) {
        Exec("RELEASE " + SavepointName(transactionDepth_));
        return;
    }
    try {
        Exec("COMMIT");
    } catch (const DaoException&) {
        // A COMMIT that failed (another program still reading when the busy timeout ran out, a full disk)
        // leaves the connection inside the transaction; it is ended so that the file is not kept locked.
        if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void Database::Rollback() {
    if (transactionDepth_ == 0) return;
    if (--transactionDepth_ > 0) {
        const std::string savepoint = SavepointName(transactionDepth_);
        Exec("ROLLBACK TO " + savepoint);
        Exec("RELEASE " + savepoint);
        return;
    }
    if (db_ && !sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
}

Transaction::Transaction(Database& db) : db_(db), exceptionsAtStart_(std::uncaught_exceptions()) {
    db_.BeginTrans();
}

Transaction::~Transaction() noexcept(false) {
    if (done_) return;
    if (std::uncaught_exceptions() > exceptionsAtStart_) {
        try {
            Rollback();
        } catch (...) {
            // The exception that unwinds says what went wrong; a failing rollback cannot add to it.
        }
        return;
    }
    Commit();
}

void Transaction::Commit() {
    if (done_) return;
    done_ = true;
    db_.CommitTrans();
}

void Transaction::Rollback() {
    if (done_) return;
    done_ = true;
    db_.Rollback();
}

}  // namespace dao
