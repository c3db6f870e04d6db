#include "library/library_clean.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

#include "library/library_file.h"
#include "platform/dao/sql.h"

namespace library {
namespace {

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Statement Prepare(dao::Database& db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) db.Raise(rc, sql);
    return Statement(stmt, sqlite3_finalize);
}

// Appends the part of an entry's match key that one field contributes, or returns false when the field
// matches nothing (so the entry is neither removed nor the cause of a removal).
bool AppendText(sqlite3_stmt* row, int column, std::string& key) {
    if (sqlite3_column_type(row, column) != SQLITE_TEXT) return false;
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    const int size = sqlite3_column_bytes(row, column);
    // An empty text is compared with "NULL"; a double quote ends the quoted literal early.
    if (size == 0 || std::memchr(text, '"', size)) return false;
    key.append(reinterpret_cast<const char*>(&size), sizeof size);
    // The library's text comparison ignores letter case: "t30" and "T30" name the same beam type.
    for (int i = 0; i < size; ++i) {
        const char c = text[i];
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return true;
}

bool AppendDouble(sqlite3_stmt* row, int column, std::string& key) {
    const int type = sqlite3_column_type(row, column);
    if (type != SQLITE_FLOAT && type != SQLITE_INTEGER) return false;
    const double value = sqlite3_column_double(row, column);
    if (!std::isfinite(value)) return false;
    // The value as "%lf" prints it, read back: a value with more than six decimals differs from it.
    char printed[400];
    auto [end, ec] = std::to_chars(printed, printed + sizeof printed, value, std::chars_format::fixed, 6);
    if (ec != std::errc()) return false;
    double reread = 0;
    std::from_chars(printed, end, reread);
    if (reread != value) return false;
    const double normal = value == 0 ? 0.0 : value;  // -0 equals 0 in a comparison
    key.append(reinterpret_cast<const char*>(&normal), sizeof normal);
    return true;
}

bool AppendLong(sqlite3_stmt* row, int column, std::string& key) {
    // A whole number is stored as an integer; anything else in a Long field differs from its own integer.
    if (sqlite3_column_type(row, column) != SQLITE_INTEGER) return false;
    const std::int32_t value = static_cast<std::int32_t>(sqlite3_column_int64(row, column));
    if (value != sqlite3_column_int64(row, column)) return false;
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
    return true;
}

struct KeyField {
    int column;  // in the select statement, after the rowid
    short type;
};

}  // namespace

long CleanTable(dao::Database& library, const std::string& table) {
    const dao::TableDef def = library.GetTableDef(table);
    std::vector<KeyField> keyFields;
    std::string columns;
    for (const dao::FieldInfo& field : def.fields) {
        if (field.m_nType != dao::dbText && field.m_nType != dao::dbDouble && field.m_nType != dao::dbLong) continue;
        keyFields.push_back({static_cast<int>(keyFields.size()) + 1, field.m_nType});
        columns += ", " + dao::QuoteIdentifier(field.m_strName);
    }
    if (keyFields.empty()) return 0;

    std::vector<sqlite3_int64> repeats;
    {
        Statement select = Prepare(
            library, "SELECT rowid" + columns + " FROM " + dao::QuoteIdentifier(def.m_strName) + " ORDER BY rowid");
        std::unordered_set<std::string> seen;
        std::string key;
        int rc;
        while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
            key.clear();
            bool matchable = true;
            for (const KeyField& f : keyFields) {
                sqlite3_stmt* row = select.get();
                matchable = f.type == dao::dbText     ? AppendText(row, f.column, key)
                            : f.type == dao::dbDouble ? AppendDouble(row, f.column, key)
                                                      : AppendLong(row, f.column, key);
                if (!matchable) break;
            }
            if (matchable && !seen.insert(key).second) repeats.push_back(sqlite3_column_int64(select.get(), 0));
        }
        if (rc != SQLITE_DONE) library.Raise(rc, table);
    }
    if (repeats.empty()) return 0;
    Statement remove = Prepare(library, "DELETE FROM " + dao::QuoteIdentifier(def.m_strName) + " WHERE rowid = ?");
    for (sqlite3_int64 rowid : repeats) {
        sqlite3_reset(remove.get());
        sqlite3_bind_int64(remove.get(), 1, rowid);
        int rc = sqlite3_step(remove.get());
        if (rc != SQLITE_DONE) library.Raise(rc, table);
    }
    return static_cast<long>(repeats.size());
}

long CleanAllTables(dao::Database& library, ui::Progress* progress) {
    const std::vector<dao::TableDefInfo> tables = library.GetTableDefs();
    if (progress) {
        progress->setTitle("精简构件库");
        progress->setText("正在删除构件库中的重复记录。请稍候...");
        progress->setRange(0, static_cast<int>(tables.size()));
        progress->setStep(1);
        progress->setPos(0);
        progress->show();
    }
    long deleted = 0;
    dao::Transaction transaction(library);
    for (const dao::TableDefInfo& table : tables) {
        if (progress) progress->step();
        if (table.isSystem()) continue;
        try {
            deleted += CleanTable(library, table.m_strName);
        } catch (const dao::DaoException&) {
            // A table that cannot be cleaned keeps its entries; the others are still cleaned.
        }
    }
    transaction.Commit();
    return deleted;
}

long CleanLibrary(const std::string& typedPath, ui::Progress& progress) {
    std::unique_ptr<dao::Database> library = dao::Database::Open(LibraryFilePath(typedPath));
    long deleted = 0;
    try {
        deleted = CleanAllTables(*library, &progress);
    } catch (const dao::DaoException&) {
        progress.close();
        throw;
    }
    library->Close();
    progress.close();
    return deleted;
}

}  // namespace library
