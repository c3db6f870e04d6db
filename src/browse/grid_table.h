#pragma once
// The grid editor's decisions about one table, without windows: protection of the central tables, column
// headers and widths, reading the records as texts, the first-column rules and writing the grid back.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/field.h"

namespace browse {

// ---- protection ----
enum class Protection {
    None,             // every other table: editable, context menu, written back
    DrawingLayout,    // 图形布置信息表: refused, no menu, never written back
    HorizontalCurve,  // 平曲线资料表: refused, no menu, never written back
    General,          // 一般信息表, 桥孔划分信息表, 上构布置明细表, 下构布置信息表, 伸缩缝信息表: refused, no menu
};
Protection ProtectionOf(std::string_view table);
// Whether the user may edit cells / see the context menu; in advanced-user mode always.
bool EditAllowed(std::string_view table, bool advancedUser);
bool ContextMenuAllowed(std::string_view table, bool advancedUser);
// The message shown when an edit is refused; "" for an unprotected table.
std::string EditRefusalMessage(std::string_view table);
// 图形布置信息表 and 平曲线资料表 are never written back from the grid.
bool NeverWrittenBack(std::string_view table);

// ---- columns ----
struct GridColumn {
    std::string header;   // the caption, as files written from the grid carry it
    std::string heading;  // what the window shows: the header followed by the field's unit, "跨径(m)"
    int widthUnits = 0;   // spreadsheet width units (1/256 of a digit)
};
// One column per field: the table's caption where it has one, the field name beyond the caption list or
// when the table has none. Width = shown heading length in (GBK) bytes × 320, at least 2048.
std::vector<GridColumn> GridColumns(std::string_view table, const std::vector<dao::FieldInfo>& fields);
int ColumnWidthUnits(std::string_view header);

// ---- reading ----
// "Select * From [t] ORDER BY [t].<first field>;" (names that SQL cannot read bare are quoted instead).
std::string GridSelectSql(const std::string& table, const std::string& firstField);
// Streams the records in that order, each as the texts of its fields (VariantToText), to `row`.
// A database error ends the reading silently: what was read up to then stays delivered.
// Returns the number of records delivered.
using RowSink = std::function<void(std::vector<std::string>& cells)>;
long ReadGridRows(dao::Database& db, const std::string& table, const std::vector<dao::FieldInfo>& fields,
                  const RowSink& row);

// ---- writing back ----
inline constexpr const char* kFirstColumnEmpty = "第一列数据必须赋值！";
inline constexpr const char* kFirstColumnDuplicate = "第一列有重复数据！";
// Checks the first column from the top row down: the first row that is empty, or equal to a later row,
// decides. Returns the message, or "" when the column is fine.
std::string CheckFirstColumn(const std::vector<std::string_view>& firstColumn);

// "手工修改 “%s” 将有可能引起绘图错误。是否继续？"
std::string DrawingTableWarning(const std::string& table);
// "《table》中数据已经修改，是否保存到数据库中？"
std::string SaveQuestion(const std::string& table);

// The cells of the grid being written: cell(row, col), both from 1.
using CellSource = std::function<std::string_view(int row, int col)>;
// Deletes every record of the table and appends one record per grid row, field k from column k, an empty
// cell written as "0". One transaction: a database error raises dao::DaoException and leaves the table as
// it was before the save.
void WriteGridRows(dao::Database& db, const std::string& table, int rows, int cols, const CellSource& cell);

// ---- values a field cannot hold ----
// Why `text` cannot be written into `field` as the save writes it (an empty cell is written as "0"): not a
// number for a numeric field, outside the range of a whole-number field, longer than a text field. "" when
// it can.
std::string CellProblem(const dao::FieldInfo& field, std::string_view text);
// "第 3 行“跨径”列：..." naming the cell (row from 1, column by its header) and the problem.
std::string BadCellMessage(int row, const std::string& columnHeader, const std::string& problem);

// ---- writing only what changed ----
// A fingerprint of every record of the table (its values in stored order): taken when the grid loads and
// again before it saves, it tells whether someone else wrote the table in between.
std::string TableFingerprint(dao::Database& db, const std::string& table);
// What a connection tells cheaply about its file: the commits of other connections (data_version) and its
// own changes (total_changes). Two equal stamps mean that no record of any table changed in between, so
// the fingerprint need not be read again.
struct WriteStamp {
    long long otherCommits = -1;
    long long ownChanges = -1;
    friend bool operator==(const WriteStamp&, const WriteStamp&) = default;
};
WriteStamp TakeWriteStamp(dao::Database& db);
// "《table》在打开后已被其他程序或窗口修改..." asked before writing over such a table.
std::string ChangedOnDiskQuestion(const std::string& table);

using Rows = std::vector<std::vector<std::string>>;
struct RowChanges {
    int updated = 0, inserted = 0, deleted = 0;
};
// Writes the grid rows that differ from the rows as loaded, matching rows by their first column (unique in
// a grid that may be saved): a changed row updates the record with that first value, a new value is a new
// record, a loaded value no longer in the grid deletes its record. Records the grid did not change (and
// records others added meanwhile) stay as they are in the file. One transaction; a database error raises
// dao::DaoException and leaves the table as it was.
RowChanges WriteChangedRows(dao::Database& db, const std::string& table, const Rows& loaded, int rows, int cols,
                            const CellSource& cell);

// Whether writing only the changed rows keeps the records in the grid's order: the rows kept from the load
// stand in their loaded order and every new row comes after them. When not (a row inserted between others),
// the table is rewritten whole, so that the records stay in the order the user sees.
bool ChangedRowsKeepGridOrder(const Rows& loaded, int rows, const CellSource& cell);

}  // namespace browse
