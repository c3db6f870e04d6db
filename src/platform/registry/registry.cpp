#include "platform/registry/registry.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace registry {
namespace {

// Key paths are compared the way the registry compares them: without regard to case, with the
// separators as written.
constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys (path TEXT PRIMARY KEY COLLATE NOCASE);"
    "CREATE TABLE IF NOT EXISTS vals (path TEXT COLLATE NOCASE, name TEXT COLLATE NOCASE, value TEXT,"
    " PRIMARY KEY (path, name));";

using Handle = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

Handle OpenStore(bool create) {
    std::string path = StorePath();
    std::error_code ec;
    if (!create && !std::filesystem::exists(path, ec)) return {nullptr, sqlite3_close_v2};
    if (create) std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    sqlite3* db = nullptr;
    int flags = create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return {nullptr, sqlite3_close_v2};
    }
    sqlite3_busy_timeout(db, 10000);
    if (create && sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return {nullptr, sqlite3_close_v2};
    }
    return {db, sqlite3_close_v2};
}

std::string Read(const std::string& keyPath, const std::string& name) {
    Handle db = OpenStore(false);
    if (!db) return {};
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT value FROM vals WHERE path = ? AND name = ?", -1, &stmt, nullptr) !=
        SQLITE_OK)
        return {};
    sqlite3_bind_text(stmt, 1, keyPath.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
    std::string value;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const unsigned char* t = sqlite3_column_text(stmt, 0);
        if (t) value = reinterpret_cast<const char*>(t);
    }
    sqlite3_finalize(stmt);
    return value;
}

std::string Normalize(std::string keyPath) {
    while (!keyPath.empty() && keyPath.back() == '\\') keyPath.pop_back();
    return keyPath;
}

}  // namespace

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
    Handle db = OpenStore(true);
    if (!db) return;
    std::string key = Normalize(keyPath);
    // One transaction: a reader in another process sees the old value or the new one, never a part.
    if (sqlite3_exec(db.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return;
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db.get(), "INSERT OR IGNORE INTO keys (path) VALUES (?)", -1, &stmt, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(stmt, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(stmt) == SQLITE_DONE;
    }
    sqlite3_finalize(stmt);
    stmt = nullptr;
    if (ok)
        ok = sqlite3_prepare_v2(db.get(), "INSERT OR REPLACE INTO vals (path, name, value) VALUES (?, ?, ?)", -1, &stmt,
                                nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(stmt, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, value.c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(stmt) == SQLITE_DONE;
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db.get(), ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
}

bool KeyExists(const std::string& keyPath) {
    Handle db = OpenStore(false);
    if (!db) return false;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT 1 FROM keys WHERE path = ?", -1, &stmt, nullptr) != SQLITE_OK) return false;
    std::string key = Normalize(keyPath);
    sqlite3_bind_text(stmt, 1, key.c_str(), -1, SQLITE_TRANSIENT);
    bool found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
}

void WriteSetting(const std::string& section, const std::string& name, const std::string& value) {
    WriteMachineValue(kRootKey + section, name, value);
}

std::string ReadSetting(const std::string& section, const std::string& name) {
    return Read(Normalize(kRootKey + section), name);
}

std::string ReadMachineValue(const std::string& keyPath, const std::string& name) {
    return Read(Normalize(keyPath), name);
}

}  // namespace registry
