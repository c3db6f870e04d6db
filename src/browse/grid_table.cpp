#include "browse/grid_table.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <unordered_map>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace browse {

Protection ProtectionOf(std::string_view table) {
    using namespace projectdb;
    if (table == kDrawingLayoutTable) return Protection::DrawingLayout;
    if (table == kHorizontalCurveTable) return Protection::HorizontalCurve;
    for (const char* general : {kGeneralInfoTable, kSpanDivisionTable, kSuperSpanTable, kSubLayoutTable, kJointTable})
        if (table == general) return Protection::General;
    return Protection::None;
}

bool EditAllowed(std::string_view table, bool advancedUser) {
    return advancedUser || ProtectionOf(table) == Protection::None;
}

bool ContextMenuAllowed(std::string_view table, bool advancedUser) { return EditAllowed(table, advancedUser); }

std::string EditRefusalMessage(std::string_view table) {
    switch (ProtectionOf(table)) {
        case Protection::DrawingLayout:
            return "不要直接修改图形布置信息表。\n要修改图形布置信息，请选择 总体信息->绘图信息 菜单。";
        case Protection::HorizontalCurve:
            return "不要直接修改平曲线资料表。\n要修改平曲线资料，请选择 桥位信息->平曲线 菜单。";
        case Protection::General:
            return "不要直接修改总体信息，这样将有可能破坏项目数据库。\n\n如果您确有必要且有把握直接修改总体信息，"
                   "\n请在 设置 菜单下选取 高级用户。";
        case Protection::None: break;
    }
    return {};
}

bool NeverWrittenBack(std::string_view table) {
    Protection p = ProtectionOf(table);
    return p == Protection::DrawingLayout || p == Protection::HorizontalCurve;
}

int ColumnWidthUnits(std::string_view header) {
    return std::max(2048, static_cast<int>(text::GbkWidth(header)) * 320);
}

std::vector<GridColumn> GridColumns(std::string_view table, const std::vector<dao::FieldInfo>& fields) {
    std::vector<std::string> captions = projectdb::GridCaptions(table);
    std::vector<GridColumn> columns;
    columns.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string header = i < captions.size() ? captions[i] : fields[i].m_strName;
        std::string heading = projectdb::CaptionWithUnit(header, projectdb::FieldUnit(table, fields[i].m_strName));
        const int width = ColumnWidthUnits(heading);
        columns.push_back({std::move(header), std::move(heading), width});
    }
    return columns;
}

namespace {

// A name that SQL reads unquoted: letters, digits, '_' and non-ASCII characters, not starting with a
// digit, and no keyword ("Order", "Index", "Group" would end the statement).
bool IsPlainName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (!(c >= 0x80 || std::isalnum(c) || c == '_')) return false;
    }
    return sqlite3_keyword_check(name.data(), static_cast<int>(name.size())) == 0;
}

}  // namespace

std::string GridSelectSql(const std::string& table, const std::string& firstField) {
    if (IsPlainName(firstField)) {
        const std::string quoted = dao::QuoteIdentifier(table);
        return text::Format("Select * From %s ORDER BY %s.%s;", quoted, quoted, firstField);
    }
    // A table from elsewhere (a drop, a design module) may name its first field "Pier No" or "Order";
    // quoted, its records still show instead of an empty grid that a save would write back.
    return "Select * From " + dao::QuoteIdentifier(table) + " ORDER BY " + dao::QuoteIdentifier(firstField) + ";";
}

long ReadGridRows(dao::Database& db, const std::string& table, const std::vector<dao::FieldInfo>& fields,
                  const RowSink& row) {
    if (fields.empty()) return 0;
    long count = 0;
    try {
        dao::Recordset set(db);
        set.Open(GridSelectSql(table, fields.front().m_strName), dao::dbOpenForwardOnly);
        const int n = set.GetFieldCount();
        std::vector<std::string> cells(n);
        while (!set.IsEOF()) {
            for (int i = 0; i < n; ++i) cells[i] = projectdb::VariantToText(set.GetFieldValue(i));
            row(cells);
            ++count;
            set.MoveNext();
        }
    } catch (const dao::DaoException&) {
        // The grid keeps what was read.
    }
    return count;
}

std::string CheckFirstColumn(const std::vector<std::string_view>& firstColumn) {
    // Rows still to come for each value: a row has a later duplicate while its value is counted twice.
    std::unordered_map<std::string_view, int> remaining;
    remaining.reserve(firstColumn.size());
    for (std::string_view v : firstColumn) ++remaining[v];
    for (std::string_view v : firstColumn) {
        if (v.empty()) return kFirstColumnEmpty;
        if (--remaining[v] > 0) return kFirstColumnDuplicate;
    }
    return {};
}

std::string DrawingTableWarning(const std::string& table) {
    return text::Format("手工修改 “%s” 将有可能引起绘图错误。是否继续？", table);
}

std::string SaveQuestion(const std::string& table) { return "《" + table + "》" + "中数据已经修改，是否保存到数据库中？"; }

void WriteGridRows(dao::Database& db, const std::string& table, int rows, int cols, const CellSource& cell) {
    dao::Transaction transaction(db);
    const std::string source = "Select * From " + dao::QuoteIdentifier(table);
    db.Execute("Delete From " + dao::QuoteIdentifier(table));
    dao::Recordset set(db);
    set.Open(source, dao::dbOpenDynaset);
    const int n = std::min(cols, set.GetFieldCount());
    const dao::Value zero = dao::Value::Text("0");
    for (int r = 1; r <= rows; ++r) {
        set.AddNew();
        for (int c = 1; c <= n; ++c) {
            std::string_view text = cell(r, c);
            set.SetFieldValue(c - 1, text.empty() ? zero : dao::Value::Text(std::string(text)));
        }
        set.Update();
    }
    set.Close();
    transaction.Commit();
}

std::string CellProblem(const dao::FieldInfo& field, std::string_view text) {
    if (text.empty()) return {};  // written as "0", which every field takes
    switch (field.m_nType) {
        case dao::dbText: {
            const long length = dao::CharacterCount(text);
            if (field.m_lSize > 0 && length > field.m_lSize)
                return text::Format("有 %ld 个字符，这一列最多只能容纳 %ld 个字符。", length, field.m_lSize);
            return {};
        }
        case dao::dbBoolean: case dao::dbByte: case dao::dbInteger: case dao::dbLong:
        case dao::dbCurrency: case dao::dbSingle: case dao::dbDouble: case dao::dbDate: break;
        default: return {};
    }
    double number = 0;
    if (!text::ParseWholeNumber(text, number)) return "“" + std::string(text) + "”不是数值，这一列只能填写数值。";
    // Whole-number fields round half to even and must then fit.
    double low = 0, high = 0;
    switch (field.m_nType) {
        case dao::dbByte: low = 0, high = 255; break;
        case dao::dbInteger: low = -32768, high = 32767; break;
        case dao::dbLong: low = -2147483648.0, high = 2147483647.0; break;
        default: return {};
    }
    const double rounded = std::nearbyint(number);
    if (rounded < low || rounded > high)
        return text::Format("%s 超出了这一列的范围（%.0f 到 %.0f）。", std::string(text), low, high);
    return {};
}

std::string BadCellMessage(int row, const std::string& columnHeader, const std::string& problem) {
    return text::Format("第 %d 行“%s”列：", row, columnHeader) + problem + "\n\n请改正这个单元格，表格才能保存。";
}

std::string TableFingerprint(dao::Database& db, const std::string& table) {
    // FNV-1a over every value's text, each ended by a separator byte, each record by another.
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](std::string_view bytes) {
        for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    };
    dao::Recordset set(db);
    set.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    const int n = set.GetFieldCount();
    long records = 0;
    while (!set.IsEOF()) {
        for (int i = 0; i < n; ++i) {
            add(projectdb::VariantToText(set.GetFieldValue(i)));
            add("\x1f");
        }
        add("\x1e");
        ++records;
        set.MoveNext();
    }
    char text[40];
    std::snprintf(text, sizeof text, "%ld:%016llx", records, static_cast<unsigned long long>(hash));
    return text;
}

WriteStamp TakeWriteStamp(dao::Database& db) {
    WriteStamp stamp;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db.handle(), "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        stamp.otherCommits = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    stamp.ownChanges = sqlite3_total_changes64(db.handle());
    return stamp;
}

std::string ChangedOnDiskQuestion(const std::string& table) {
    return "《" + table + "》在打开之后已被其他程序或窗口修改。\n\n"
           "是否仍然保存？只写入您修改过的行，其他的行保持文件中的内容。";
}

RowChanges WriteChangedRows(dao::Database& db, const std::string& table, const Rows& loaded, int rows, int cols,
                            const CellSource& cell) {
    std::map<std::string, const std::vector<std::string>*, std::less<>> loadedByKey;
    for (const auto& row : loaded)
        if (!row.empty()) loadedByKey.emplace(row.front(), &row);

    dao::Transaction transaction(db);
    dao::Recordset set(db);
    set.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenDynaset);
    const int n = std::min(cols, set.GetFieldCount());
    const dao::Value zero = dao::Value::Text("0");
    auto writeRow = [&](int r) {
        for (int c = 1; c <= n; ++c) {
            std::string_view text = cell(r, c);
            set.SetFieldValue(c - 1, text.empty() ? zero : dao::Value::Text(std::string(text)));
        }
        set.Update();
    };
    auto unchanged = [&](int r, const std::vector<std::string>& before) {
        for (int c = 1; c <= n; ++c)
            if (cell(r, c) != (c - 1 < static_cast<int>(before.size()) ? std::string_view(before[c - 1]) : "")) return false;
        return true;
    };

    // The grid rows the user changed or added, by first value.
    std::map<std::string, int, std::less<>> changed;
    std::map<std::string, int, std::less<>> inGrid;
    for (int r = 1; r <= rows; ++r) {
        const std::string key(cell(r, 1));
        inGrid.emplace(key, r);
        auto before = loadedByKey.find(key);
        if (before == loadedByKey.end() || !unchanged(r, *before->second)) changed.emplace(key, r);
    }

    RowChanges done;
    for (; !set.IsEOF(); set.MoveNext()) {
        const std::string key = projectdb::VariantToText(set.GetFieldValue(0));
        if (auto it = changed.find(key); it != changed.end()) {
            set.Edit();
            writeRow(it->second);
            changed.erase(it);
            ++done.updated;
        } else if (loadedByKey.count(key) && !inGrid.count(key)) {
            set.Delete();
            ++done.deleted;
        }
    }
    for (const auto& [key, r] : changed) {
        set.AddNew();
        writeRow(r);
        ++done.inserted;
    }
    set.Close();
    transaction.Commit();
    return done;
}

bool ChangedRowsKeepGridOrder(const Rows& loaded, int rows, const CellSource& cell) {
    std::map<std::string, int, std::less<>> loadedAt;
    for (std::size_t i = 0; i < loaded.size(); ++i)
        if (!loaded[i].empty()) loadedAt.emplace(loaded[i].front(), static_cast<int>(i));
    int lastLoaded = -1;
    bool newSeen = false;
    for (int r = 1; r <= rows; ++r) {
        auto it = loadedAt.find(cell(r, 1));
        if (it == loadedAt.end()) {
            newSeen = true;
            continue;
        }
        if (newSeen || it->second < lastLoaded) return false;
        lastLoaded = it->second;
    }
    return true;
}

}  // namespace browse
