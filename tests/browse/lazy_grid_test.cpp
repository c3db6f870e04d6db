// The grid editor on a table larger than its page cache: edits, deletions and new rows made far apart reach
// the file, and nothing else of the table is touched.
#include <gtest/gtest.h>

#include <QMimeData>
#include <cstdint>
#include <map>
#include <memory>

#include "browse/grid_edits.h"
#include "browse_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "support/test_support.h"

namespace {

using namespace browse;
using namespace browse_test;

const char* const kTable = "地面线表";
// More rows than the cached pages hold, so that scrolling through them drops the first pages.
constexpr int kRows = 20000;
static_assert(kRows > sheet::SheetData::kCachedPages * sheet::SheetData::kPageRows);

std::string Name(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "P%05d", i);
    return text;
}

void Type(CBriFormView& view, int row, int col, const std::string& text) {
    view.Grid().setCurrentCell(row, col);
    QMimeData data;
    data.setText(QString::fromStdString(text));
    ASSERT_TRUE(view.Grid().pasteMimeData(data));
}

bool Save(FakeHost& host, CBriFormView& view) {
    host.prompter.clear();
    host.prompter.queue(ui::Answer::Yes);  // "save changes?"
    const bool saved = view.CommitEdits();
    EXPECT_EQ(host.prompter.shown().size(), 1u);  // and nothing else was asked
    return saved;
}

std::map<std::string, std::vector<std::string>> ByName(dao::Database& db) {
    std::map<std::string, std::vector<std::string>> out;
    for (auto& row : ReadRows(db, kTable)) out[row[0]] = row;
    return out;
}

// kRows records stored backwards: the grid shows them ordered by the first field all the same.
std::unique_ptr<dao::Database> MakeLargeProject(const testing_support::TempDir& dir) {
    auto db = MakeProject(dir.file("bridge.vlt"), {kTable});
    Rows rows;
    for (int i = kRows - 1; i >= 0; --i) rows.push_back({Name(i), std::to_string(i), "n" + std::to_string(i)});
    dao::Transaction transaction(*db);
    AddRows(*db, kTable, rows);
    transaction.Commit();
    return db;
}

// The record key of each first value.
std::map<std::string, std::int64_t> RowIds(dao::Database& db) {
    std::map<std::string, std::int64_t> out;
    dao::Recordset set(db);
    set.Open(std::string("Select rowid, Name From [") + kTable + "]", dao::dbOpenForwardOnly);
    for (; !set.IsEOF(); set.MoveNext())
        out[set.GetFieldValue(1).toString()] = static_cast<std::int64_t>(set.GetFieldValue(0).toDouble());
    return out;
}

TEST(LazyGrid, EditsFarApartReachTheFileAfterScrollingAway) {
    testing_support::TempDir dir;
    auto db = MakeLargeProject(dir);
    FakeHost host(db.get());
    CBriFormView* view = host.OpenGridWindow(kTable);
    ASSERT_NE(view, nullptr);
    sheet::Spreadsheet& grid = view->Grid();
    ASSERT_EQ(grid.rowCount(), kRows);
    EXPECT_EQ(grid.textUtf8(1, 1), "P00000");
    EXPECT_EQ(grid.textUtf8(kRows, 1), Name(kRows - 1));

    Type(*view, 3, 3, "改过");
    grid.selectRows(256, 257);  // the last row of the first page and the first of the second
    view->RunCommand(sheet::ID_GRID_DELETE_ROW);
    for (int r = 1; r <= grid.rowCount(); r += 100) (void)grid.textUtf8(r, 1);  // scroll to the end
    const int added = grid.rowCount() + 1;
    grid.setRowCount(added);
    Type(*view, added, 1, "P20000");
    Type(*view, added, 2, "7");
    Type(*view, added, 3, "新");
    ASSERT_TRUE(Save(host, *view));
    EXPECT_FALSE(view->IsModified());

    auto records = ByName(*db);
    EXPECT_EQ(records.size(), static_cast<std::size_t>(kRows - 2 + 1));
    EXPECT_EQ(records["P00002"], (std::vector<std::string>{"P00002", "2", "改过"}));
    EXPECT_EQ(records.count("P00255") + records.count("P00256"), 0u);
    EXPECT_EQ(records["P00257"], (std::vector<std::string>{"P00257", "257", "n257"}));
    EXPECT_EQ(records["P20000"], (std::vector<std::string>{"P20000", "7", "新"}));

    // The next save starts from the table as written: the new row is a record now, not added twice.
    Type(*view, added, 2, "8");
    ASSERT_TRUE(Save(host, *view));
    records = ByName(*db);
    EXPECT_EQ(records.size(), static_cast<std::size_t>(kRows - 1));
    EXPECT_EQ(records["P20000"], (std::vector<std::string>{"P20000", "8", "新"}));
    EXPECT_EQ(records["P00002"][2], "改过");
}

TEST(LazyGrid, AnUndoneDeletionBringsBackTheSameRecords) {
    testing_support::TempDir dir;
    auto db = MakeLargeProject(dir);
    const auto keys = RowIds(*db);
    FakeHost host(db.get());
    CBriFormView* view = host.OpenGridWindow(kTable);
    ASSERT_NE(view, nullptr);
    sheet::Spreadsheet& grid = view->Grid();

    // An edited row goes with the others: rows 2 .. 600 span three pages.
    Type(*view, 3, 3, "改过");
    grid.selectRows(2, 600);
    view->RunCommand(sheet::ID_GRID_DELETE_ROW);
    ASSERT_EQ(grid.rowCount(), kRows - 599);
    for (int r = 1; r <= grid.rowCount(); r += 100) (void)grid.textUtf8(r, 1);  // their pages are dropped
    ASSERT_TRUE(grid.undo());
    ASSERT_EQ(grid.rowCount(), kRows);
    EXPECT_EQ(grid.textUtf8(3, 3), "改过");
    EXPECT_EQ(grid.textUtf8(600, 1), "P00599");

    // Only the edit is left to write: the rows put back are the records, not new ones.
    const RowEdits edits = CollectRowEdits(grid.model()->sheetData(), *view->Source());
    EXPECT_EQ(edits.updated, std::vector<int>{3});
    EXPECT_TRUE(edits.inserted.empty());
    EXPECT_TRUE(edits.deleted.empty());
    ASSERT_TRUE(Save(host, *view));
    EXPECT_EQ(RowIds(*db), keys);
    EXPECT_EQ(ByName(*db)["P00002"], (std::vector<std::string>{"P00002", "2", "改过"}));

    // With the edit undone as well, nothing at all is written.
    grid.selectRows(2, 600);
    view->RunCommand(sheet::ID_GRID_DELETE_ROW);
    ASSERT_TRUE(grid.undo());
    EXPECT_TRUE(CollectRowEdits(grid.model()->sheetData(), *view->Source()).empty());
}

}  // namespace
