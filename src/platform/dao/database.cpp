#include "platform/dao/database.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

#include "platform/dao/sql.h"

namespace dao {
namespace {

constexpr int kBusyTimeoutMs = 5000;

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
    if (!std::filesystem::is_regular_file(path, ec))
        throw DaoException(kErrFileNotFound, "找不到文件 '" + path + "'。");
    std::unique_ptr<Database> db(new Database);
    db->path_ = std::filesystem::absolute(path, ec).string();
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db->db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db->db_ ? sqlite3_errmsg(db->db_) : "cannot open";
        db->Close();
        throw DaoException(kErrIo, "无法打开数据库文件 '" + path + "'：" + message);
    }
    sqlite3_busy_timeout(db->db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db->db_, 0);
    // Reading the schema is the first touch of the file's contents: a file that is not a database fails here.
    rc = sqlite3_exec(db->db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        int code = rc;
        db->Close();
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            throw DaoException(kErrNotADatabase, "无法识别的数据库格式 '" + path + "'。");
        throw DaoException(CodeFor(code, nullptr), "无法打开数据库文件 '" + path + "'。");
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
    sqlite3_busy_timeout(db->db_, kBusyTimeoutMs);
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
    long code = CodeFor(sqliteCode, message);
    std::string m = message;
    std::string text;
    switch (code) {
        case kErrTableMissing: text = "找不到输入表或查询 '" + m.substr(m.find(':') == std::string::npos ? 0 : m.find(':') + 2) + "'。"; break;
        case kErrLocked: text = "数据库文件已被其他用户锁定，请稍后再试。"; break;
        case kErrReadOnly: text = "不能更新。数据库或对象为只读。"; break;
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

bool Database::HasTableDef(const std::string& name) {
    for (const auto& t : GetTableDefs())
        if (t.m_strName == name) return true;
    return false;
}

TableDef Database::GetTableDef(const std::string& name) {
    if (!HasTableDef(name)) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
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
    if (!HasTableDef(name)) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + name + "'。");
    Exec("DROP TABLE " + QuoteIdentifier(name));
}

void Database::RenameTableDef(const std::string& from, const std::string& to) {
    if (!HasTableDef(from)) throw DaoException(kErrItemNotFound, "在此集合中找不到项目 '" + from + "'。");
    if (HasTableDef(to)) throw DaoException(kErrTableExists, "表 '" + to + "' 已存在。");
    Exec("ALTER TABLE " + QuoteIdentifier(from) + " RENAME TO " + QuoteIdentifier(to));
}

void Database::AppendField(const std::string& table, const FieldInfo& field) {
    Exec("ALTER TABLE " + QuoteIdentifier(table) + " ADD COLUMN " + QuoteIdentifier(field.m_strName) + " " +
         DeclaredType(field));
}

long Database::Execute(const std::string& jetSql) {
    Exec(TranslateJetSql(jetSql));
    return sqlite3_changes(db_);
}

void Database::BeginTrans() {
    if (transactionDepth_ == 0) {
        Exec("BEGIN IMMEDIATE");
        transactionFailed_ = false;
    }
    ++transactionDepth_;
}

void Database::CommitTrans() {
    if (transactionDepth_ == 0) return;
    if (--transactionDepth_ > 0) return;
    if (transactionFailed_) {
        Exec("ROLLBACK");
        throw DaoException(kErrGeneric, "事务已回滚。");
    }
    Exec("COMMIT");
}

void Database::Rollback() {
    if (transactionDepth_ == 0) return;
    if (--transactionDepth_ > 0) {
        transactionFailed_ = true;  // an inner rollback dooms the outer transaction
        return;
    }
    if (db_ && !sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
}

Transaction::~Transaction() {
    if (done_) return;
    try {
        db_.Rollback();
    } catch (...) {
    }
}

void Transaction::Commit() {
    done_ = true;
    db_.CommitTrans();
}

}  // namespace dao
