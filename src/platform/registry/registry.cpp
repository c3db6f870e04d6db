#include "platform/registry/registry.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/registry/settings_batch.h"

namespace registry {
namespace {

// Key paths are compared the way the registry compares them: without regard to case, with the
// separators as written.
constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys (path TEXT PRIMARY KEY COLLATE NOCASE);"
    "CREATE TABLE IF NOT EXISTS vals (path TEXT COLLATE NOCASE, name TEXT COLLATE NOCASE, value TEXT,"
    " PRIMARY KEY (path, name));";

constexpr int kBusyTimeoutMs = 10000;

using Handle = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

[[noreturn]] void ReadFailed(const std::string& path) {
    throw SettingsError("无法读取设置文件 '" + path + "'。");
}

[[noreturn]] void WriteFailed(const std::string& path) {
    throw SettingsError("无法写入设置文件 '" + path + "'。");
}

// The store for reading, or none when there is no store yet (every value then reads as missing).
// It is opened for writing when the file allows it, without creating anything: a writer that ended in the
// middle of a write leaves a journal that only a connection that may write rolls back.
Handle OpenForReading() {
    std::string path = StorePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (ec) ReadFailed(path);
        return {nullptr, sqlite3_close_v2};
    }
    // A writer that ended before it wrote the first table leaves an empty file: no values yet.
    if (std::filesystem::file_size(path, ec) == 0 && !ec) return {nullptr, sqlite3_close_v2};
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    Handle handle(db, sqlite3_close_v2);
    if (rc != SQLITE_OK) ReadFailed(path);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return handle;
}

Handle OpenForWriting() {
    std::string path = StorePath();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Handle handle(db, sqlite3_close_v2);
    if (rc != SQLITE_OK) WriteFailed(path);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return handle;
}

// Prepares `sql` with its text parameters bound in order; on failure `fail` reports the store.
Statement Prepare(sqlite3* db, const char* sql, std::initializer_list<const std::string*> params,
                  void (*fail)(const std::string&)) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(StorePath());
    }
    int index = 1;
    for (const std::string* p : params) sqlite3_bind_text(stmt, index++, p->c_str(), -1, SQLITE_TRANSIENT);
    return {stmt, sqlite3_finalize};
}

std::string Normalize(std::string keyPath) {
    while (!keyPath.empty() && keyPath.back() == '\\') keyPath.pop_back();
    return keyPath;
}

struct PendingValue {
    std::string key, name, value;
};

// The values of the open SettingsBatch, in the order written; null when none is open.
std::vector<PendingValue>* pending = nullptr;

// Key and value names compare as the store compares them: ASCII letters without regard to case.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

const PendingValue* FindPending(const std::string& key, const std::string* name) {
    if (!pending) return nullptr;
    for (auto it = pending->rbegin(); it != pending->rend(); ++it)
        if (SameName(it->key, key) && (!name || SameName(it->name, *name))) return &*it;
    return nullptr;
}

std::string Read(const std::string& keyPath, const std::string& name) {
    if (const PendingValue* v = FindPending(keyPath, &name)) return v->value;
    Handle db = OpenForReading();
    if (!db) return {};
    Statement stmt = Prepare(db.get(), "SELECT value FROM vals WHERE path = ? AND name = ?",
                             {&keyPath, &name}, ReadFailed);
    int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_DONE) return {};
    if (rc != SQLITE_ROW) ReadFailed(StorePath());
    const unsigned char* t = sqlite3_column_text(stmt.get(), 0);
    return t ? reinterpret_cast<const char*>(t) : "";
}

// Stores the values in one transaction: a reader in another process sees the old values or all the new
// ones, never a part.
void Store(const std::vector<PendingValue>& values) {
    Handle db = OpenForWriting();
    // The tables are made in the same transaction as the first values: a new store is never seen empty.
    if (sqlite3_exec(db.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db.get(), kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        WriteFailed(StorePath());
    }
    bool ok = true;
    for (const PendingValue& v : values) {
        Statement addKey =
            Prepare(db.get(), "INSERT OR IGNORE INTO keys (path) VALUES (?)", {&v.key}, WriteFailed);
        Statement setValue =
            Prepare(db.get(), "INSERT OR REPLACE INTO vals (path, name, value) VALUES (?, ?, ?)",
                    {&v.key, &v.name, &v.value}, WriteFailed);
        ok = ok && sqlite3_step(addKey.get()) == SQLITE_DONE && sqlite3_step(setValue.get()) == SQLITE_DONE;
    }
    if (ok && sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return;
    sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    WriteFailed(StorePath());
}

}  // namespace

SettingsBatch::SettingsBatch() {
    joined_ = pending != nullptr;
    if (!joined_) pending = new std::vector<PendingValue>;
}

SettingsBatch::~SettingsBatch() {
    if (joined_) return;
    delete pending;
    pending = nullptr;
}

void SettingsBatch::Commit() {
    if (joined_ || !pending) return;
    std::unique_ptr<std::vector<PendingValue>> values(pending);
    pending = nullptr;
    Store(*values);
}

std::string StorePath() {
    if (const char* over = std::getenv("VELTRA_REGISTRY"); over && *over) return over;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home ? home : ".") + "/.config";
    }
    return base + "/veltra/registry.db";
}

void WriteMachineValue(const std::string& keyPath, const std::string& name, const std::string& value) {
    PendingValue v{Normalize(keyPath), name, value};
    if (pending)
        pending->push_back(std::move(v));
    else
        Store({v});
}

bool KeyExists(const std::string& keyPath) {
    std::string key = Normalize(keyPath);
    if (FindPending(key, nullptr)) return true;
    Handle db = OpenForReading();
    if (!db) return false;
    Statement stmt = Prepare(db.get(), "SELECT 1 FROM keys WHERE path = ?", {&key}, ReadFailed);
    int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) ReadFailed(StorePath());
    return rc == SQLITE_ROW;
}

void WriteSettingOrThrow(const std::string& section, const std::string& name, const std::string& value) {
    WriteMachineValue(kRootKey + section, name, value);
}

void WriteSetting(const std::string& section, const std::string& name, const std::string& value) {
    try {
        WriteSettingOrThrow(section, name, value);
    } catch (const SettingsError&) {
        // The windows write their settings in passing; a store that cannot be written changes nothing for
        // them.
    }
}

std::string ReadSetting(const std::string& section, const std::string& name) {
    return Read(Normalize(kRootKey + section), name);
}

std::string ReadMachineValue(const std::string& keyPath, const std::string& name) {
    return Read(Normalize(keyPath), name);
}

}  // namespace registry
